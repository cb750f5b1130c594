#pragma once

#include <windows.h>

// Registers a window class of the program's once; later calls do nothing.
void registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure);
