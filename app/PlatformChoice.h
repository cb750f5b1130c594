#pragma once

#include <vector>

// Chooses the window system the game opens on, before Qt connects to one.
namespace PlatformChoice {
// The command line to start Qt with: the program's own, plus "-platform xcb"
// where Qt would pick Wayland on a desktop that leaves title bars to the
// program (GNOME, weston) while X11 is there through XWayland. Qt's own
// Wayland title bar always offers maximize and minimize, which the game's
// fixed window must not; the desktop's title bar for an X11 window honours
// it. A platform the player chose is kept. The list ends with a null pointer.
// Where the compositor draws the title bars, Qt's Wayland platform is told to
// draw none (QT_WAYLAND_DISABLE_WINDOWDECORATION, unless the player set it),
// which keeps the graphics driver out of the game.
std::vector<char*> arguments(int argc, char* argv[]);
}
