#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "ClockRandom.h"
#include "DisplayCheck.h"
#include "frmMain.h"
#include "PlatformChoice.h"

int main(int argc, char* argv[])
{
    if (!DisplayCheck::displayAvailable()) {
        std::fputs("vermilo: no display to open the game window on; set DISPLAY or "
                   "WAYLAND_DISPLAY, or run it under xvfb-run.\n",
                   stderr);
        return EXIT_FAILURE;
    }
    std::vector<char*> arguments = PlatformChoice::arguments(argc, argv);
    int argumentCount = static_cast<int>(arguments.size()) - 1;
    DisplayCheck::reportPlatformFailureCalmly();
    // Scaled screens get a whole factor, so the field's pixels stay sharp.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argumentCount, arguments.data());
    DisplayCheck::restoreMessages();

    ClockRandom random;
    frmMain window(random);
    window.startUp();
    return app.exec();
}
