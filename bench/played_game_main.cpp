// The game as the program starts it, played without a key from outside: after
// each step the tests' autoplayer presses the cursor key it picks, and a new
// game starts as soon as the last one's count-up has ended. The player adds no
// timer and no wake-up of its own, so what this process costs while it plays
// is what the game costs. Run it on a display (Xvfb will do).
//   played_game SECONDS   plays that long, then says how much it played
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "Autoplayer.h"
#include "ClockRandom.h"
#include "frmMain.h"
#include "KeyCodes.h"

namespace {
class Pilot : public QObject {
public:
    explicit Pilot(frmMain& window)
        : window(window), timer1(window.findChild<QTimer*>(QStringLiteral("Timer1"))),
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
        std::fprintf(stderr, "%d games, %d steps, %d meals\n", games, steps, meals);
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
        if (window.game().growCount == 2)
            ++meals;
        if (const int key = bot.chooseKey(window.game())) {
            QKeyEvent press(QEvent::KeyPress, qtKey(key), Qt::NoModifier);
            QCoreApplication::sendEvent(&window, &press);
        }
    }

    frmMain& window;
    QTimer* timer1;
    QTimer* timer2;
    QAction* newGame;
    Autoplayer bot;
    int games = 0;
    int steps = 0;
    int meals = 0;
};
}

int main(int argc, char* argv[])
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    ClockRandom random;
    frmMain window(random);
    window.startUp();
    Pilot pilot(window);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    const int status = QApplication::exec();
    pilot.report();
    return status;
}
