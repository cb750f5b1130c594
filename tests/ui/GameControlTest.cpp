#include <gtest/gtest.h>
#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <functional>
#include <optional>

#include "frmMain.h"
#include "PictureBox.h"
#include "ScriptedRandom.h"
#include "TickDriver.h"

// Drives the real main window offscreen with menu actions and key clicks as a
// player gives them; ticks are given by hand unless real timing is the point.
struct GameControl : testing::Test {
    void SetUp() override
    {
        random.setDraws({0.5, 0.5, 0.5}); // food at (13, 10), picture 6
        window.startUp();
        window.activateWindow(); // menu shortcuts work in the active window
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QAction* action(const char* name) { return window.findChild<QAction*>(name); }
    QTimer* timer(const char* name) { return window.findChild<QTimer*>(name); }
    QLabel* score() { return window.findChild<QLabel*>("lblScore"); }
    const WormState& game() { return window.game().state(); }
    int length() { return game().length(); }
    // A tick of one of the window's timers, given by hand: from the first,
    // the timers' own ticks are held back.
    bool tick(GameTimer timer)
    {
        if (!ticks)
            ticks.emplace(window);
        return ticks->tick(timer);
    }
    void realTicks() { ticks.reset(); }

    // The state the flags, timers and score label show together.
    std::string state()
    {
        const bool t1 = timer("Timer1")->isActive();
        const bool t2 = timer("Timer2")->isActive();
        const bool running = game().gameRunning;
        const bool over = game().gameOverActive;
        if (running && !over && !t2)
            return t1 ? "Running" : "Paused";
        if (!running && over && !t1 && t2)
            return "Game over";
        if (!running && !over && !t1 && !t2)
            return score()->isVisible() ? "Finished" : "Idle";
        return "inconsistent";
    }

    void startGame() { action("mnuGameNew")->trigger(); }
    void pause() { action("mnuOptionsPause")->trigger(); }
    void die()
    {
        QTest::keyClick(&window, Qt::Key_Up);
        tick(GameTimer::Timer1); // the fresh worm runs into the top wall
    }
    void finishCount()
    {
        while (tick(GameTimer::Timer2)) { }
    }

    ScriptedRandom random;
    frmMain window {random};
    std::optional<TickDriver> ticks;
};

using Step = std::function<void(GameControl&)>;

struct Transition {
    const char* name;
    Step reach;
    Step event;
    const char* expected;
};

namespace {
void idle(GameControl&) { }
void running(GameControl& t)
{
    t.startGame();
}
void paused(GameControl& t)
{
    t.startGame();
    t.pause();
}
void gameOver(GameControl& t)
{
    t.startGame();
    t.die();
}
void finished(GameControl& t)
{
    gameOver(t);
    t.finishCount();
}
void chooseNew(GameControl& t)
{
    t.startGame();
}
void pressF2(GameControl& t)
{
    QTest::keyClick(&t.window, Qt::Key_F2);
}
void choosePause(GameControl& t)
{
    t.pause();
}
void pressCtrlP(GameControl& t)
{
    QTest::keyClick(&t.window, Qt::Key_P, Qt::ControlModifier);
}
void chooseSound(GameControl& t)
{
    t.action("mnuOptionsSound")->trigger();
}
void die(GameControl& t)
{
    t.die();
}
void countToTheEnd(GameControl& t)
{
    t.finishCount();
}
}

void PrintTo(const Transition& transition, std::ostream* os)
{
    *os << transition.name;
}

struct StateTable : GameControl, testing::WithParamInterface<Transition> { };

TEST_P(StateTable, movesTheGameToTheNextState)
{
    GetParam().reach(*this);
    GetParam().event(*this);
    EXPECT_EQ(state(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    EveryTransition, StateTable,
    testing::Values(Transition {"IdleNew", idle, chooseNew, "Running"},
                    Transition {"IdleF2", idle, pressF2, "Running"},
                    Transition {"FinishedNew", finished, chooseNew, "Running"},
                    Transition {"RunningNew", running, chooseNew, "Running"},
                    Transition {"PausedNew", paused, chooseNew, "Running"},
                    Transition {"RunningPause", running, choosePause, "Paused"},
                    Transition {"RunningCtrlP", running, pressCtrlP, "Paused"},
                    Transition {"PausedPause", paused, choosePause, "Running"},
                    Transition {"RunningDeath", running, die, "Game over"},
                    Transition {"GameOverLastTick", gameOver, countToTheEnd, "Finished"},
                    Transition {"IdlePause", idle, choosePause, "Idle"},
                    Transition {"FinishedPause", finished, choosePause, "Finished"},
                    Transition {"GameOverPause", gameOver, choosePause, "Game over"},
                    Transition {"GameOverNew", gameOver, chooseNew, "Game over"},
                    Transition {"GameOverF2", gameOver, pressF2, "Game over"},
                    Transition {"IdleSound", idle, chooseSound, "Idle"},
                    Transition {"RunningSound", running, chooseSound, "Running"},
                    Transition {"PausedSound", paused, chooseSound, "Paused"},
                    Transition {"GameOverSound", gameOver, chooseSound, "Game over"}),
    [](const testing::TestParamInfo<Transition>& row) { return row.param.name; });

TEST_F(GameControl, theMarksFollowTheCommandsInEveryState)
{
    for (const Step& reach : std::vector<Step> {idle, running, paused, gameOver, finished}) {
        reach(*this);
        EXPECT_EQ(action("mnuOptionsPause")->isChecked(), state() == "Paused") << state();
        chooseSound(*this);
        EXPECT_EQ(action("mnuOptionsSound")->isChecked(), game().soundEnabled);
        chooseSound(*this);
        EXPECT_TRUE(action("mnuOptionsSound")->isChecked());
        finished(*this);
    }
}

TEST_F(GameControl, newDuringTheCountUpChangesNothingAndTheCountGoesOn)
{
    gameOver(*this);
    tick(GameTimer::Timer2);
    const QImage board = window.board()->image();
    pressF2(*this);
    EXPECT_EQ(window.board()->image(), board);
    tick(GameTimer::Timer2);
    EXPECT_EQ(score()->text(), "2");
}

TEST_F(GameControl, keysDuringTheCountUpChangeNothing)
{
    gameOver(*this);
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Down})
        QTest::keyClick(&window, key);
    EXPECT_EQ(game().heading, 1);
    EXPECT_EQ(game().stepY, -1);
}

TEST_F(GameControl, aDeathAtTheFirstStepCountsToFiveAndKeepsIt)
{
    gameOver(*this);
    EXPECT_TRUE(score()->isVisible());
    EXPECT_EQ(score()->text(), "");
    QStringList shown;
    while (tick(GameTimer::Timer2))
        shown << score()->text();
    EXPECT_EQ(shown.join(" "), "1 2 3 4 5");
    EXPECT_EQ(score()->text(), "5");
    QImage black(window.board()->image().size(), QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_EQ(window.board()->image(), black);
}

TEST_F(GameControl, theScoreStaysEmptyUntilTheFirstCountTickAHundredMillisecondsLater)
{
    gameOver(*this);
    realTicks();
    QElapsedTimer clock;
    clock.start();
    while (score()->text().isEmpty() && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    EXPECT_GE(clock.elapsed(), 90);
    EXPECT_EQ(score()->text(), "1");
}

TEST_F(GameControl, resumingMakesTheNextStepOneFullIntervalLater)
{
    startGame();
    pause();
    QTest::qWait(30);
    pause();
    QElapsedTimer clock;
    clock.start();
    const auto head = game().headIndex;
    while (game().headIndex == head && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    EXPECT_GE(clock.elapsed(), 90);
    EXPECT_NE(game().headIndex, head);
    EXPECT_FALSE(action("mnuOptionsPause")->isChecked());
}

TEST_F(GameControl, exitEndsTheProgramWithStatusZeroInEveryState)
{
    for (const Step& reach : std::vector<Step> {idle, running, paused, gameOver, finished}) {
        reach(*this);
        QTimer::singleShot(0, action("mnuGameExit"), &QAction::trigger);
        EXPECT_EQ(QCoreApplication::exec(), 0) << state();
    }
}

TEST_F(GameControl, closingTheWindowStopsTheGame)
{
    for (const Step& reach : std::vector<Step> {running, gameOver}) {
        reach(*this);
        window.show();
        window.close();
        EXPECT_FALSE(timer("Timer1")->isActive());
        EXPECT_FALSE(timer("Timer2")->isActive());
    }
}

TEST_F(GameControl, aWholeGamePlayedWithTheKeys)
{
    // Food straight ahead at (8, 0); after that, far away at (13, 10).
    random.setDraws({0.32, 0.05, 0.0, 0.5, 0.5, 0.5});
    pressF2(*this);
    ASSERT_EQ(game().foodCell.column, 8);
    ASSERT_EQ(game().foodCell.row, 0);
    for (int step = 0; step < 3; ++step)
        tick(GameTimer::Timer1); // the third step eats at (8, 0)
    EXPECT_EQ(length(), 7);
    QTest::keyClick(&window, Qt::Key_Down);
    for (int step = 0; step < 3; ++step)
        tick(GameTimer::Timer1);
    EXPECT_EQ(length(), 9);
    QTest::keyClick(&window, Qt::Key_Left);
    QTest::keyClick(&window, Qt::Key_Up); // straight back into its own body
    tick(GameTimer::Timer1);
    EXPECT_EQ(state(), "Game over");
    finishCount();
    EXPECT_EQ(score()->text(), "8");
    pressF2(*this);
    EXPECT_EQ(state(), "Running");
    EXPECT_FALSE(score()->isVisible());
    EXPECT_EQ(length(), 6);
}
