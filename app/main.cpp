#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "ClockRandom.h"
#include "DisplayCheck.h"
#include "DisplaySettings.h"
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
    DisplaySettings::beforeApplication();
    QApplication app(argumentCount, arguments.data());
    DisplaySettings::afterApplication();
    DisplayCheck::restoreMessages();

    ClockRandom random;
    frmMain window(random);
    window.startUp();
    return app.exec();
}
