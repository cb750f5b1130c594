#pragma once

#include <chrono>
#include <functional>
#include <ostream>
#include <string>
#include <windows.h>

#include "Form.h"

// A window's place or a control's place in its parent's client area.
struct Bounds {
    int left;
    int top;
    int width;
    int height;
    bool operator==(const Bounds&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Bounds& bounds);

// Runs the thread's messages through the secondary windows' keyboard handling
// and on to the windows, as the program's loop does, until `done` holds or
// the time runs out; false when it ran out.
bool pumpUntil(const std::function<bool()>& done,
               std::chrono::milliseconds timeout = std::chrono::seconds(5));
// Runs the messages for a while, for the window manager to settle.
void pumpFor(std::chrono::milliseconds duration);

Bounds frameOf(HWND window);
Bounds clientOf(HWND window);
// Where a control sits in its parent's client area, with its outer size.
Bounds placeOf(HWND control);
std::wstring textOf(HWND window);
// How many top-level windows of a window class are open.
int windowsOfClass(const wchar_t* className);
// The text colour the window hands a read-only control to paint with.
COLORREF paintedTextColour(HWND window, HWND control);
// Posts a key press to a control, as the keyboard would, after giving it the focus.
void pressKey(HWND control, WPARAM key);
// The control a row of a window's table was built as.
HWND controlOf(HWND window, const Form::Window& form, const Form::Element& element);
// Where the built window differs from its table, every layout pixel `scale`
// screen pixels: its caption, its client size, and each control's place and
// text; empty when it does not. The second leaves out the client size.
std::string layoutDifference(HWND window, const Form::Window& form, int scale = 1);
std::string placesDifference(HWND window, const Form::Window& form, int scale = 1);
// A window that only takes messages, of its own class, with `self` kept for
// its procedure as GWLP_USERDATA.
HWND createMessageWindow(const wchar_t* className, WNDPROC procedure, void* self);
