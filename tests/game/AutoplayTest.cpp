#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "Autoplayer.h"
#include "FakePlatform.h"
#include "GameReferee.h"
#include "modWorm.h"
#include "SeededRandom.h"

namespace {
// One seeded game on a field of the given cells, whose last column and row are
// partly visible as on the real board, played by a bot through keys and ticks.
class AutoplayedGame {
public:
    AutoplayedGame(std::uint64_t seed, int columns, int rows, Autoplayer::Style style)
        : platform(columns * cellSize - 1, rows * cellSize - 1), random(seed),
          referee(columns, rows), bot(style, columns, rows)
    {
    }

    // Plays from start-up to the final score; stops at the first problem.
    std::string play(int tickLimit)
    {
        worm.StartUp();
        if (auto problem = afterEvent("start-up"); !problem.empty())
            return problem;
        worm.newGameCommand();
        if (auto problem = afterEvent("New"); !problem.empty())
            return problem;
        while (platform.timers.at(0)) {
            if (++ticks > tickLimit)
                return std::string("the game still ran after ") + std::to_string(tickLimit)
                    + " ticks";
            if (const int key = bot.chooseKey(worm))
                worm.keyDown(key);
            worm.timer1Tick();
            if (auto problem = afterEvent(std::string("tick ") + std::to_string(ticks));
                !problem.empty())
                return problem;
        }
        for (int count = 0; platform.timers.at(1); ++count) {
            if (count > ringSize)
                return "the count-up did not end";
            worm.timer2Tick();
            if (auto problem = afterEvent(std::string("count ") + std::to_string(count));
                !problem.empty())
                return problem;
        }
        if (referee.state() != GameState::Finished)
            return "the game stopped in state " + stateName(referee.state());
        return {};
    }

    FakePlatform platform;
    SeededRandom random;
    modWorm worm {platform, random};
    GameReferee referee;
    Autoplayer bot;
    int ticks = 0;

private:
    std::string afterEvent(const std::string& event)
    {
        GameView view;
        view.timer1 = platform.timers.at(0);
        view.timer2 = platform.timers.at(1);
        view.scoreVisible = platform.scoreVisible;
        view.scoreCaption = platform.scoreCaption;
        view.soundMark = platform.marks.at(0);
        view.pauseMark = platform.marks.at(1);
        for (const int i : platform.visibleFood())
            view.foodInField.push_back({i, platform.foodLeft.at(static_cast<std::size_t>(i)),
                                        platform.foodTop.at(static_cast<std::size_t>(i))});
        auto problems = referee.check(worm.state(), view);
        if (platform.cells != referee.expectedCells(worm.state()))
            problems.emplace_back("the board differs from the worm");
        if (platform.strayDrawing)
            problems.emplace_back("a sprite was drawn off the grid");
        if (problems.empty())
            return {};
        return "after " + event + " (" + stateName(referee.state()) + "): " + problems.front();
    }
};

struct Field {
    int columns;
    int rows;
};

// Small fields from 8 × 5 up to 14 × 9 cells, chosen by the seed.
Field smallField(std::uint64_t seed)
{
    return {8 + 2 * static_cast<int>(seed % 4), 5 + static_cast<int>(seed / 4 % 5)};
}
}

TEST(Autoplay, gamesHeadingForTheFoodKeepEveryRuleAfterEveryTick)
{
    constexpr int games = 1500;
    int crashes = 0;
    int longest = 0;
    for (std::uint64_t seed = 1; seed <= games; ++seed) {
        const Field field = smallField(seed);
        AutoplayedGame game(seed, field.columns, field.rows, Autoplayer::Style::towardsFood);
        const std::string problem = game.play(20 * field.columns * field.rows * field.rows);
        ASSERT_EQ(problem, "") << "seed " << seed << " on " << field.columns << " x " << field.rows;
        crashes += game.referee.crashes;
        longest = std::max(longest, game.referee.lastScore + 1);
    }
    // The bot is good enough to grow, and not so good that nobody ever crashes.
    EXPECT_GT(crashes, 0);
    EXPECT_GE(longest, 40);
}

TEST(Autoplay, gamesAlongOnePathFillTheFieldUntilNoPlaceForFoodIsLeft)
{
    constexpr int games = 200;
    for (std::uint64_t seed = 1; seed <= games; ++seed) {
        const Field field = smallField(seed);
        AutoplayedGame game(seed, field.columns, field.rows, Autoplayer::Style::fillingTheField);
        const std::string problem
            = game.play(field.columns * field.rows * field.columns * field.rows);
        ASSERT_EQ(problem, "") << "seed " << seed << " on " << field.columns << " x " << field.rows;
        EXPECT_EQ(game.referee.crashes, 0) << "seed " << seed;
        EXPECT_GT(game.referee.lastScore + 1, field.columns * field.rows / 2) << "seed " << seed;
    }
}

TEST(Autoplay, theWholeBoardIsFilledToItsLastFreeBlock)
{
    for (std::uint64_t seed : {7U, 2024U}) {
        AutoplayedGame game(seed, 30, 23, Autoplayer::Style::fillingTheField);
        ASSERT_EQ(game.play(1'000'000), "") << "seed " << seed;
        EXPECT_EQ(game.referee.crashes, 0);
        EXPECT_GE(game.referee.lastScore + 1, 600) << "seed " << seed;
        std::cout << "seed " << seed << ": a worm of " << game.referee.lastScore + 1
                  << " cells after " << game.ticks << " ticks\n";
    }
}
