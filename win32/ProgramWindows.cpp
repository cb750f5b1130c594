#include "ProgramWindows.h"

namespace {
struct Search {
    HWND closing;
    bool othersOpen;
};

BOOL CALLBACK noteOpenWindow(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<Search*>(context);
    if (window != search->closing && GetParent(window) == nullptr && IsWindowVisible(window)) {
        search->othersOpen = true;
        return FALSE;
    }
    return TRUE;
}
}

void endProgramIfLastWindow(HWND closing)
{
    Search search {closing, false};
    EnumThreadWindows(GetCurrentThreadId(), noteOpenWindow, reinterpret_cast<LPARAM>(&search));
    if (!search.othersOpen)
        PostQuitMessage(0);
}
