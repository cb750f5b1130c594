#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QTest>

#include <cstdint>
#include <string>

#include "Autoplayer.h"
#include "frmMain.h"
#include "KeyCodes.h"
#include "PaintMeter.h"
#include "PictureBox.h"
#include "SeededRandom.h"
#include "TickDriver.h"
#include "WindowReferee.h"

namespace {
struct WholeGame {
    Autoplayer::Style style;
    std::uint64_t seed;
};

void PrintTo(const WholeGame& game, std::ostream* os)
{
    *os << (game.style == Autoplayer::Style::towardsFood ? "towardsFood" : "fillingTheField")
        << " seed " << game.seed;
}
}

// Whole games in the real main window: the bot presses keys, the ticks come by
// hand, and after every event the window must show exactly what the rules hold.
class WindowAutoplay : public testing::TestWithParam<WholeGame> {
protected:
    void SetUp() override
    {
        window.startUp();
        window.activateWindow(); // F2 works in the active window
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QCoreApplication::processEvents();
        paints.take();
    }

    // Handles what the event left waiting, then checks the window.
    void settle(const std::string& event)
    {
        QCoreApplication::processEvents();
        const auto problems = referee.check();
        ASSERT_TRUE(problems.empty()) << "after " << event << ": " << problems.front();
    }

    SeededRandom random {GetParam().seed};
    frmMain window {random};
    TickDriver ticks {window};
    WindowReferee referee {window};
    PaintMeter paints {window.board()};
    Autoplayer bot {GetParam().style, referee.rules.columns, referee.rules.rows};
};

TEST_P(WindowAutoplay, aWholeGameShowsTheRulesExactlyAndRepaintsOnlyWhatChanged)
{
    ASSERT_NO_FATAL_FAILURE(settle("start-up"));
    QTest::keyClick(&window, Qt::Key_F2);
    ASSERT_NO_FATAL_FAILURE(settle("F2"));
    ASSERT_EQ(referee.rules.state(), GameState::Running);
    paints.take();
    const WormState& worm = window.game().state();
    int steps = 0;
    while (referee.rules.state() == GameState::Running) {
        if (const int key = bot.chooseKey(window.game()))
            QTest::keyClick(&window, qtKey(key));
        const WormSegment food = worm.foodCell;
        const int picture = worm.foodPicture;
        ASSERT_TRUE(ticks.tick(GameTimer::Timer1));
        ++steps;
        ASSERT_NO_FATAL_FAILURE(settle(std::string("step ") + std::to_string(steps)));
        const std::int64_t painted = paints.take();
        if (referee.rules.state() != GameState::Running)
            break;
        // Head, old head, old and new tail; and the food's two places when it moved.
        const bool foodMoved = food.column != worm.foodCell.column || food.row != worm.foodCell.row
            || picture != worm.foodPicture;
        ASSERT_LE(painted, 4 * cellSize * cellSize + (foodMoved ? 2 * 32 * 32 : 0))
            << "step " << steps;
    }
    ASSERT_EQ(referee.rules.state(), GameState::GameOver);
    for (int count = 1; ticks.tick(GameTimer::Timer2); ++count)
        ASSERT_NO_FATAL_FAILURE(settle(std::string("count ") + std::to_string(count)));
    EXPECT_EQ(referee.rules.state(), GameState::Finished);
    EXPECT_EQ(referee.rules.games, 1);
    std::cout << "a worm of " << referee.rules.lastScore + 1 << " cells after " << steps
              << " steps\n";
}

INSTANTIATE_TEST_SUITE_P(SeededGames, WindowAutoplay,
                         testing::Values(WholeGame {Autoplayer::Style::towardsFood, 1},
                                         WholeGame {Autoplayer::Style::towardsFood, 2},
                                         WholeGame {Autoplayer::Style::towardsFood, 3},
                                         WholeGame {Autoplayer::Style::fillingTheField, 4}));
