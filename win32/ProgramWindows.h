#pragma once

#include <windows.h>

// The program runs while any of its windows is open: closing the main window
// leaves the instructions or about window open, and the last window to close
// ends the message loop. Each window calls this from its WM_DESTROY.
void endProgramIfLastWindow(HWND closing);
