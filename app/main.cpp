#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "ClockRandom.h"
#include "DisplayCheck.h"
#include "frmMain.h"

int main(int argc, char* argv[])
{
    if (!DisplayCheck::displayAvailable()) {
        std::fputs("vermilo: no display to open the game window on; set DISPLAY or "
                   "WAYLAND_DISPLAY, or run it under xvfb-run.\n",
                   stderr);
        return EXIT_FAILURE;
    }
    DisplayCheck::reportPlatformFailureCalmly();
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    DisplayCheck::restoreMessages();

    ClockRandom random;
    frmMain window(random);
    window.startUp();
    return app.exec();
}
