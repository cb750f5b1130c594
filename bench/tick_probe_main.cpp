// Plays the real main window in real time and prints its timers' periods and
// the board's painted area per tick. Run it on a display (Xvfb will do).
#include <QApplication>

#include <cstdlib>

#include "ClockRandom.h"
#include "DisplaySettings.h"
#include "frmMain.h"
#include "TickProbe.h"

int main(int argc, char* argv[])
{
    DisplaySettings::beforeApplication();
    QApplication app(argc, argv);
    DisplaySettings::afterApplication();
    const int ticks = argc > 1 ? std::atoi(argv[1]) : 300;
    ClockRandom random;
    frmMain window(random);
    window.startUp();
    TickProbe probe(window, ticks);
    probe.start();
    return QApplication::exec();
}
