#pragma once

#include <memory>
#include <windows.h>

#include "GdiHandles.h"

// The instructions window: a heading, how to play in a read-only field and an
// OK button. It stands alone beside the main window, exists at most once and
// is thrown away when closed, so every opening starts afresh.
class frmHelp {
public:
    // Identifiers of the window's controls; OK is the window's IDOK.
    enum Control : int { idLabel1 = 101, idText1 = 102, idCommand1 = IDOK };

    // Opens the window, or brings the open one to the front.
    static void open(HINSTANCE instance);
    // Gives the open window Enter, Esc and Tab; true when it took the message.
    static bool preTranslate(MSG& message);
    // The open window, or null when there is none.
    static HWND window();

    ~frmHelp();
    frmHelp(const frmHelp&) = delete;
    frmHelp& operator=(const frmHelp&) = delete;

private:
    explicit frmHelp(HINSTANCE instance);
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void formCreate();
    void formLoad();
    void formPaint();
    void Command1Click();

    static std::unique_ptr<frmHelp> openWindow;

    HWND frm = nullptr;
    HWND Label1 = nullptr;
    HWND Text1 = nullptr;
    HWND Command1 = nullptr;
    // The control that had the keyboard when the window was last left.
    HWND focused = nullptr;
    // Every layout pixel is this many screen pixels.
    int scale;
    FontHandle headingFont;
    FontHandle standardFont;
};
