// The game as the program starts it, played without a key from outside: after
// each step the tests' autoplayer presses the cursor key it picks, and a new
// game starts as soon as the last one's count-up has ended. The player adds no
// timer and no wake-up of its own, so what this process costs while it plays
// is what the game costs. Run it on a display (Xvfb will do).
//   played_game FROM LENGTH   measures its own cost over that stretch of play
//                             (UsageWindow.h), then says how much it played
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "Autoplayer.h"
#include "ClockRandom.h"
#include "DisplaySettings.h"
#include "frmMain.h"
#include "KeyCodes.h"
#include "UsageWindow.h"

namespace {
class Pilot : public QObject {
public:
    Pilot(frmMain& window, UsageWindow& usage)
        : window(window), usage(usage), timer1(window.findChild<QTimer*>(QStringLiteral("Timer1"))),
          timer2(window.findChild<QTimer*>(QStringLiteral("Timer2"))),
          newGame(window.findChild<QAction*>(QStringLiteral("mnuGameNew"))),
          bot(Autoplayer::Style::towardsFood, 30, 23)
    {
        // Connected after the game's own handlers, so these run after each tick.
        connect(timer1, &QTimer::timeout, this, &Pilot::afterStep);
        connect(timer2, &QTimer::timeout, this, [this] {
            if (!this->timer2->isActive())
                startGame();
        });
        startGame();
    }

    void report() const
    {
        std::fprintf(stderr, "%d games, %d steps, %d meals, %.1f ms in the autoplayer\n", games,
                     steps, meals, pilotSeconds * 1e3);
    }

private:
    void startGame()
    {
        ++games;
        newGame->trigger();
    }

    void afterStep()
    {
        ++steps;
        if (!timer1->isActive())
            return;
        // A meal makes the worm grow for three steps, the first of them this one.
        if (window.game().state().growCount == 2)
            ++meals;
        const double before = threadSeconds();
        const int key = bot.chooseKey(window.game());
        const double thinking = threadSeconds() - before;
        pilotSeconds += thinking;
        usage.exclude(thinking * 1e3);
        if (key) {
            QKeyEvent press(QEvent::KeyPress, qtKey(key), Qt::NoModifier);
            QCoreApplication::sendEvent(&window, &press);
        }
    }

    // What the player's own thinking costs is told apart from the game's.
    static double threadSeconds()
    {
        timespec now {};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
    }

    frmMain& window;
    UsageWindow& usage;
    QTimer* timer1;
    QTimer* timer2;
    QAction* newGame;
    Autoplayer bot;
    int games = 0;
    int steps = 0;
    int meals = 0;
    double pilotSeconds = 0;
};
}

int main(int argc, char* argv[])
{
    DisplaySettings::beforeApplication();
    QApplication app(argc, argv);
    DisplaySettings::afterApplication();
    ClockRandom random;
    frmMain window(random);
    window.startUp();
    UsageWindow usage(argc > 2 ? std::atoi(argv[1]) : 2, argc > 2 ? std::atoi(argv[2]) : 30);
    Pilot pilot(window, usage);
    const int status = QApplication::exec();
    pilot.report();
    return status;
}
