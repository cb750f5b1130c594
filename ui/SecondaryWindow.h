#pragma once

class QWidget;

// How the instructions and the about window stand beside the main window.
namespace SecondaryWindow {
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
