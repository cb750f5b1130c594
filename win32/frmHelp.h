#pragma once

#include <windows.h>

#include "GdiHandles.h"
#include "SecondaryWindow.h"

// The instructions window: a heading, how to play in a read-only field and an
// OK button. It stands alone beside the main window, exists at most once and
// is thrown away when closed, so every opening starts afresh.
class frmHelp : public SecondaryWindow<frmHelp> {
public:
    // Identifiers of the window's controls; OK is the window's IDOK.
    enum Control : int { idLabel1 = 101, idText1 = 102, idCommand1 = IDOK };

    // Opens the window, or brings the open one to the front.
    static void open(HINSTANCE instance);

    ~frmHelp();

private:
    friend class SecondaryWindow<frmHelp>;

    explicit frmHelp(HINSTANCE instance);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void formCreate();
    void formLoad();
    void formPaint();
    void Command1Click();

    HWND Label1 = nullptr;
    HWND Text1 = nullptr;
    HWND Command1 = nullptr;
    // Every layout pixel is this many screen pixels.
    int scale;
    FontHandle headingFont;
    FontHandle standardFont;
};
