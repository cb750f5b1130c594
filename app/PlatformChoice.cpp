#include "PlatformChoice.h"

#include <QByteArray>
#include <QFileInfo>
#include <QString>

#include <cstring>
#include <optional>
#include <wayland-client.h>

namespace {
char platformOption[] = "-platform";
char x11Platform[] = "xcb";

bool platformChosen(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// A local display has its socket; a remote one is taken as it is.
bool x11Reachable()
{
    const QByteArray display = qgetenv("DISPLAY");
    if (!display.startsWith(':'))
        return !display.isEmpty();
    bool isNumber = false;
    const int number = display.mid(1).split('.').front().toInt(&isNumber);
    return isNumber && QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number));
}

void noteGlobal(void* decorates, wl_registry*, uint32_t, const char* interface, uint32_t)
{
    if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0)
        *static_cast<bool*>(decorates) = true;
}

void forgetGlobal(void*, wl_registry*, uint32_t) { }

// Whether the Wayland compositor offers to draw the windows' title bars, or
// nothing when it cannot be asked.
std::optional<bool> compositorDrawsTitleBars()
{
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr)
        return std::nullopt;
    bool decorates = false;
    static const wl_registry_listener listener {noteGlobal, forgetGlobal};
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &decorates);
    const bool answered = wl_display_roundtrip(display) >= 0;
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    if (!answered)
        return std::nullopt;
    return decorates;
}
}

std::vector<char*> PlatformChoice::arguments(int argc, char* argv[])
{
    std::vector<char*> arguments(argv, argv + argc);
    // A compositor that hands the program its connection (WAYLAND_SOCKET) is
    // not asked: the connection is Qt's to take.
    std::optional<bool> drawsTitleBars;
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_SOCKET"))
        drawsTitleBars = compositorDrawsTitleBars();
    if (drawsTitleBars == false && !platformChosen(argc, argv) && x11Reachable())
        arguments.insert(arguments.end(), {platformOption, x11Platform});
    // Qt's Wayland platform asks the graphics driver (EGL) whether it could
    // draw title bars of its own, loading the whole GPU stack into a game that
    // draws its field in software. Where the compositor draws them, Qt's are
    // never shown, so the question is not asked.
    if (drawsTitleBars == true && !qEnvironmentVariableIsSet("QT_WAYLAND_DISABLE_WINDOWDECORATION"))
        qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
    arguments.push_back(nullptr);
    return arguments;
}
