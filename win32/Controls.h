#pragma once

#include <windows.h>

// A control's place in its window's client area, in pixels.
struct ControlBounds {
    int left;
    int top;
    int width;
    int height;
};

// Registers a window class of the program's once; later calls do nothing.
void registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure);

// Makes a visible child control of a system class at exact pixel bounds,
// each pixel `scale` pixels on the screen, lettered in `font`, which the
// caller keeps alive as long as the control.
HWND createControl(HWND parent, const wchar_t* kind, const wchar_t* text, DWORD style,
                   DWORD extendedStyle, ControlBounds bounds, int scale, int id, HFONT font);
