#pragma once

#include <Qt>

class QWidget;

// What the instructions and the about window share as windows of their own:
// their title-bar buttons and how they stand beside the main window.
namespace SecondaryWindow {
// A title bar with minimize and close buttons and no maximize button; with
// the fixed size each window sets, tiling desktops float them.
inline constexpr Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// True on Wayland, where the desktop, not the program, decides where windows
// go, and no ordinary window may hold the mouse.
bool onWayland();

// Where the desktop places windows, asks it to show `window` over
// `mainWindow`; elsewhere the window stays ownerless and places itself.
void showOver(QWidget& window, QWidget& mainWindow);

// Lets `window` stand alone again, so that it keeps the program running
// after the main window has closed.
void standAlone(QWidget& window);
}
