#include "ClientArea.h"

void fitClientArea(HWND window, int width, int height)
{
    RECT frame {};
    RECT client {};
    // The frame's extra size is measured, not computed from the style: a
    // window manager may draw the decorations its own way.
    for (int attempt = 0; attempt < 2; ++attempt) {
        GetWindowRect(window, &frame);
        GetClientRect(window, &client);
        if (client.right == width && client.bottom == height)
            return;
        SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + width - client.right,
                     frame.bottom - frame.top + height - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}
