#pragma once

#include <windows.h>

#include "SecondaryWindow.h"

// The instructions window: a heading, how to play in a read-only field and an
// OK button. It stands alone beside the main window, exists at most once and
// is thrown away when closed, so every opening starts afresh.
class frmHelp : public SecondaryWindow<frmHelp> {
public:
    // Opens the window, or brings the open one to the front.
    static void open(HINSTANCE instance);

    ~frmHelp();

private:
    friend class SecondaryWindow<frmHelp>;

    explicit frmHelp(HINSTANCE instance);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void formCreate();
    void formPaint();
    void Command1Click();
};
