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
std::vector<char*> arguments(int argc, char* argv[]);
}
