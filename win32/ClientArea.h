#pragma once

#include <windows.h>

// Sizes a window's frame so that its client area measures exactly `width` by
// `height` pixels, whatever the title bar and borders measure on this system.
void fitClientArea(HWND window, int width, int height);
