#include "EventStorm.h"

#include <QAction>
#include <QApplication>
#include <QMap>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "frmMain.h"
#include "KeyCodes.h"
#include "PictureBox.h"

namespace {
constexpr int notEnded = 7;

constexpr std::array<Qt::Key, 4> cursorKeys
    = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down};
// Keys a player may hit that mean nothing to the game; Alt and the menus'
// letters are left out, since they would open a menu and take the keyboard.
constexpr std::array<Qt::Key, 9> otherKeys
    = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_A,  Qt::Key_P,
       Qt::Key_F1,    Qt::Key_F3,     Qt::Key_Home,   Qt::Key_Tab};
constexpr std::array<Qt::KeyboardModifiers::Int, 6> modifierSets
    = {Qt::NoModifier,     Qt::ShiftModifier, Qt::ControlModifier,
       Qt::KeypadModifier, Qt::MetaModifier,  Qt::ShiftModifier | Qt::ControlModifier};

QList<QWidget*> openSecondaryWindows(const QWidget& main)
{
    QList<QWidget*> open;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget != &main && widget->isVisible())
            open << widget;
    return open;
}
}

EventStorm::EventStorm(frmMain& window, std::uint64_t seed)
    : window(window), seed(seed), dice(seed), ticks(window), referee(window),
      bot(Autoplayer::Style::towardsFood, referee.rules.columns, referee.rules.rows),
      exitAction(window.findChild<QAction*>(QStringLiteral("mnuGameExit")))
{
}

std::string EventStorm::run(int events)
{
    // A hang shows as no progress: then say where, and end the run.
    std::atomic<int> progress {0};
    std::atomic<bool> done {false};
    std::thread watchdog([&] {
        int last = -1;
        for (int quiet = 0; !done; std::this_thread::sleep_for(std::chrono::milliseconds(100))) {
            quiet = progress == last ? quiet + 1 : 0;
            last = progress;
            if (quiet > 300) {
                std::fprintf(stderr, "event storm seed %llu hangs at event %d\n",
                             static_cast<unsigned long long>(seed), last);
                std::_Exit(3);
            }
        }
    });
    std::string problem;
    if (auto problems = referee.check(); !problems.empty())
        problem = "before the storm: " + problems.front();
    for (event = 1; event <= events && problem.empty(); ++event) {
        progress = event;
        const Action action = drawAction();
        recent.push_back(name(action));
        exitChosen = false;
        const int status = runInEventLoop(action);
        while (recent.size() > 12)
            recent.pop_front();
        if (exitChosen && status != 0)
            problem = "Exit was chosen and the program would go on";
        else if (!exitChosen && status == 0)
            problem = "the program would end without Exit";
        else if (auto problems = referee.check(); !problems.empty())
            problem = problems.front();
        else
            problem = checkWindows();
        exits += exitChosen ? 1 : 0;
    }
    done = true;
    watchdog.join();
    gamesFinished = referee.rules.games;
    if (problem.empty())
        return {};
    std::string history;
    for (const std::string& earlier : recent)
        history += (history.empty() ? "" : ", ") + earlier;
    return std::string("seed ") + std::to_string(seed) + ", event " + std::to_string(event - 1)
        + ": " + problem + " (the last events: " + history + ")";
}

int EventStorm::runInEventLoop(Action action)
{
    const int id = event;
    QTimer::singleShot(0, &window, [this, id, action] {
        perform(action);
        // Whatever was queued meanwhile runs in the next pass; the pass after
        // that ends the loop, unless the program was asked to end before.
        QTimer::singleShot(0, &window, [this, id] {
            QTimer::singleShot(0, &window, [this, id] {
                if (id == event)
                    QCoreApplication::exit(notEnded);
            });
        });
    });
    return QCoreApplication::exec();
}

EventStorm::Action EventStorm::drawAction()
{
    const WormState& worm = window.game().state();
    // Steps that eat or crash play a sound and wait for events: crowd them.
    if (worm.gameRunning && !worm.gameOverActive) {
        const WormSegment& head = worm.segmentRing.at(static_cast<std::size_t>(worm.headIndex));
        const WormSegment next {static_cast<std::int16_t>(head.column + worm.stepX),
                                static_cast<std::int16_t>(head.row + worm.stepY), 0};
        if ((window.game().HitsFood(next) || window.game().IsCellBlocked(next)) && dice() % 4 != 0)
            return Action::burstThenTick1;
    }
    const auto roll = static_cast<int>(dice() % 1000);
    if (roll < 300)
        return Action::tick1;
    if (roll < 430)
        return Action::tick2;
    if (roll < 600)
        return Action::botKey;
    if (roll < 700)
        return Action::cursorKey;
    if (roll < 780)
        return Action::burstThenTick1;
    if (roll < 810)
        return Action::f2;
    if (roll < 830)
        return Action::ctrlP;
    if (roll < 850)
        return Action::menuNew;
    if (roll < 870)
        return Action::menuPause;
    if (roll < 900)
        return Action::menuSound;
    if (roll < 910)
        return Action::menuExit;
    if (roll < 925)
        return Action::menuInstructions;
    if (roll < 940)
        return Action::menuAbout;
    if (roll < 975)
        return Action::closeSecondaryWindows;
    return Action::otherKey;
}

EventStorm::Action EventStorm::drawQueuedAction()
{
    static constexpr std::array<Action, 14> queued = {
        Action::cursorKey, Action::cursorKey, Action::botKey,    Action::otherKey,
        Action::f2,        Action::ctrlP,     Action::menuNew,   Action::menuExit,
        Action::menuSound, Action::menuPause, Action::menuAbout, Action::menuInstructions,
        Action::tick1,     Action::tick2,
    };
    return queued.at(static_cast<std::size_t>(dice() % queued.size()));
}

void EventStorm::perform(Action action)
{
    const auto trigger = [this](const char* name) {
        window.findChild<QAction*>(QString::fromLatin1(name))->trigger();
    };
    switch (action) {
    case Action::cursorKey:
        pressKey(cursorKeys.at(dice() % cursorKeys.size()),
                 Qt::KeyboardModifiers(modifierSets.at(dice() % modifierSets.size())));
        break;
    case Action::botKey:
        if (const int key = bot.chooseKey(window.game()))
            pressKey(qtKey(key), Qt::NoModifier);
        break;
    case Action::otherKey:
        pressKey(otherKeys.at(dice() % otherKeys.size()),
                 Qt::KeyboardModifiers(modifierSets.at(dice() % modifierSets.size())));
        break;
    case Action::f2: pressKey(Qt::Key_F2, Qt::NoModifier); break;
    case Action::ctrlP: pressKey(Qt::Key_P, Qt::ControlModifier); break;
    case Action::menuNew: trigger("mnuGameNew"); break;
    case Action::menuExit:
        exitChosen = true;
        exitAction->trigger();
        break;
    case Action::menuSound: trigger("mnuOptionsSound"); break;
    case Action::menuPause: trigger("mnuOptionsPause"); break;
    case Action::menuInstructions:
        trigger("mnuHelpInstruct");
        ++secondaryWindows;
        break;
    case Action::menuAbout:
        trigger("mnuHelpAbout");
        ++secondaryWindows;
        break;
    case Action::closeSecondaryWindows:
        for (QWidget* open : openSecondaryWindows(window))
            open->close();
        // The player clicks on the main window again.
        window.activateWindow();
        break;
    case Action::tick1: ticks.tick(GameTimer::Timer1); break;
    case Action::tick2: ticks.tick(GameTimer::Timer2); break;
    case Action::burstThenTick1: {
        const auto count = 1 + static_cast<int>(dice() % 3);
        for (int i = 0; i < count; ++i) {
            const Action queued = drawQueuedAction();
            const int id = event;
            QTimer::singleShot(0, &window, [this, queued, id] {
                // Counted when it runs while a step is still going on.
                if (id == event && window.game().isBusy())
                    ++soundPasses;
                perform(queued);
            });
            recent.push_back("queued " + name(queued));
        }
        ticks.tick(GameTimer::Timer1);
        break;
    }
    }
}

void EventStorm::pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    // Keys go where the player's keyboard goes: to the active window.
    QWidget* target = QApplication::activeWindow();
    QTest::keyClick(target ? target : &window, key, modifiers);
}

std::string EventStorm::checkWindows() const
{
    if (!window.isVisible())
        return "the main window is gone";
    QMap<QString, int> kinds;
    for (QWidget* open : openSecondaryWindows(window))
        if (++kinds[QString::fromLatin1(open->metaObject()->className())] > 1)
            return std::string("two ") + open->metaObject()->className() + " windows are open";
    return {};
}

std::string EventStorm::name(Action action) const
{
    switch (action) {
    case Action::cursorKey: return "cursor key";
    case Action::botKey: return "bot's key";
    case Action::otherKey: return "other key";
    case Action::f2: return "F2";
    case Action::ctrlP: return "Ctrl+P";
    case Action::menuNew: return "New";
    case Action::menuExit: return "Exit";
    case Action::menuSound: return "Sound FX";
    case Action::menuPause: return "Pause";
    case Action::menuInstructions: return "Instructions";
    case Action::menuAbout: return "About";
    case Action::closeSecondaryWindows: return "close windows";
    case Action::tick1: return "Timer1 tick";
    case Action::tick2: return "Timer2 tick";
    default: return "burst and Timer1 tick";
    }
}
