#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "modWorm.h"
#include "ScriptedRandom.h"
#include "WormBuilder.h"

using Log = std::vector<std::string>;

class GameFlow : public testing::Test {
protected:
    void SetUp() override { random.setDraws({0.5, 0.5, 0.5}); }

    // Starts the program and a game, and runs the worm straight into the top wall.
    void dieAtTheFirstStep()
    {
        worm.StartUp();
        worm.newGameCommand();
        worm.keyDown(modWorm::vkUp);
        worm.timer1Tick();
    }

    bool timer1() const { return platform.isTimerEnabled(GameTimer::Timer1); }
    bool timer2() const { return platform.isTimerEnabled(GameTimer::Timer2); }

    FakePlatform platform;
    ScriptedRandom random;
    modWorm worm {platform, random};
};

TEST_F(GameFlow, startUpShowsTheStartingWormWithSoundOnAndNothingMoving)
{
    worm.StartUp();
    EXPECT_EQ(platform.boardText(7, 2), "e---->.\n.......\n");
    EXPECT_EQ(worm.tailIndex, 0);
    EXPECT_EQ(worm.headIndex, 5);
    EXPECT_EQ(worm.heading, headingRight);
    EXPECT_TRUE(worm.soundEnabled);
    EXPECT_TRUE(platform.marks.at(0));
    EXPECT_FALSE(platform.marks.at(1));
    EXPECT_FALSE(worm.gameRunning);
    EXPECT_FALSE(worm.gameOverActive);
    EXPECT_FALSE(timer1());
    EXPECT_FALSE(timer2());
    EXPECT_FALSE(platform.scoreVisible);
    EXPECT_TRUE(platform.visibleFood().empty());
    EXPECT_TRUE(platform.sounds.empty());
    EXPECT_EQ(platform.log.back(), "show");
}

TEST_F(GameFlow, newGameLeavesTheSameWormWhateverWasThereBefore)
{
    worm.StartUp();
    const auto first = platform.boardRows();
    worm.newGameCommand();
    for (int i = 0; i < 7; ++i)
        worm.timer1Tick();
    worm.NewGame();
    EXPECT_EQ(platform.boardRows(), first);
    EXPECT_EQ(worm.headIndex, 5);
    EXPECT_EQ(worm.growCount, 0);
}

TEST_F(GameFlow, staleFoodEatenDuringSetupStillLeavesSixCells)
{
    worm.StartUp();
    worm.foodCell = {3, 0, 0};
    worm.NewGame();
    EXPECT_EQ(platform.sounds, Log {"pop"});
    EXPECT_EQ(wormLength(worm.headIndex, worm.tailIndex), 6);
    EXPECT_EQ(worm.growCount, 0);
    EXPECT_EQ(platform.boardText(7, 1), "e---->.\n");
}

TEST_F(GameFlow, aKeyDuringSetupsEatingSoundCannotBendTheStartingWorm)
{
    worm.StartUp();
    worm.foodCell = {2, 0, 0};
    platform.pendingEvents = [this] { worm.keyDown(modWorm::vkDown); };
    worm.NewGame();
    EXPECT_EQ(platform.boardText(7, 2), "e---->.\n.......\n");
}

TEST_F(GameFlow, newStartsTheWormWithOneFoodPicture)
{
    worm.StartUp();
    worm.newGameCommand();
    EXPECT_TRUE(worm.gameRunning);
    EXPECT_TRUE(timer1());
    EXPECT_EQ(platform.visibleFood(), std::vector<int> {6});
}

TEST_F(GameFlow, killWormSilencesTheFoodEmptiesTheScoreAndStartsTheCount)
{
    worm.StartUp();
    worm.newGameCommand();
    worm.keyDown(modWorm::vkUp);
    platform.takeLog();
    worm.timer1Tick();
    EXPECT_EQ(platform.takeLog(),
              (Log {"draw pWHX 5,0", "sound oof", "events", "food 6 top 367", "food 6 left 479",
                    "score \"\"", "Timer1 off", "score shown", "Timer2 on", "refresh"}));
    EXPECT_FALSE(worm.gameRunning);
    EXPECT_TRUE(worm.gameOverActive);
    EXPECT_EQ(worm.scoreTally, 0);
    EXPECT_EQ(worm.foodCell.column, 13);
}

TEST_F(GameFlow, theCountUpErasesFromTheTailAndEndsOnABlackBoard)
{
    dieAtTheFirstStep();
    std::vector<std::string> captions;
    for (int tick = 0; tick < 5; ++tick) {
        EXPECT_EQ(platform.boardRows().at(0).at(5), 'X') << "the crashed head stays";
        worm.timer2Tick();
        captions.push_back(platform.scoreCaption);
    }
    EXPECT_EQ(captions, (Log {"1", "2", "3", "4", "5"}));
    EXPECT_FALSE(timer2());
    EXPECT_FALSE(worm.gameOverActive);
    EXPECT_EQ(platform.boardText(30, 1), std::string(30, '.') + "\n");
    EXPECT_TRUE(platform.scoreVisible);
    EXPECT_EQ(platform.log.back(), "refresh");
}

TEST_F(GameFlow, eachCountTickDrawsTheNewTail)
{
    dieAtTheFirstStep();
    platform.takeLog();
    worm.timer2Tick();
    EXPECT_EQ(platform.takeLog(),
              (Log {"score \"1\"", "draw pNUL 0,0", "draw pWTR 1,0", "refresh"}));
}

TEST_F(GameFlow, theCountUpCrossesTheRingsWrap)
{
    worm.StartUp();
    layWorm(worm, 0, 5, "RRRRRRRD", 996);
    worm.gameRunning = true;
    worm.KillWorm();
    int ticks = 0;
    while (worm.gameOverActive && ticks < 100) {
        worm.timer2Tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 8);
    EXPECT_EQ(platform.scoreCaption, "8");
    EXPECT_EQ(worm.tailIndex, worm.headIndex);
}

TEST_F(GameFlow, newAndPauseAreIgnoredDuringTheCountUp)
{
    dieAtTheFirstStep();
    platform.takeLog();
    worm.newGameCommand();
    worm.pauseCommand();
    worm.keyDown(modWorm::vkDown);
    EXPECT_TRUE(platform.takeLog().empty());
    EXPECT_EQ(worm.heading, headingUp);
    EXPECT_TRUE(timer2());
}

TEST_F(GameFlow, pauseTwiceResumesAndKeepsTheMarkInStep)
{
    worm.StartUp();
    worm.pauseCommand();
    EXPECT_FALSE(platform.marks.at(1)) << "no game yet";
    worm.newGameCommand();
    worm.pauseCommand();
    EXPECT_FALSE(timer1());
    EXPECT_TRUE(platform.marks.at(1));
    worm.pauseCommand();
    EXPECT_TRUE(timer1());
    EXPECT_FALSE(platform.marks.at(1));
}

TEST_F(GameFlow, newWhilePausedRunsTheWormAndClearsThePauseMark)
{
    worm.StartUp();
    worm.newGameCommand();
    worm.pauseCommand();
    worm.newGameCommand();
    EXPECT_TRUE(timer1());
    EXPECT_FALSE(platform.marks.at(1));
}

TEST_F(GameFlow, soundFxTogglesTheSettingAndItsMarkTogether)
{
    worm.StartUp();
    worm.soundCommand();
    EXPECT_FALSE(worm.soundEnabled);
    EXPECT_FALSE(platform.marks.at(0));
    worm.soundCommand();
    EXPECT_TRUE(worm.soundEnabled);
    EXPECT_TRUE(platform.marks.at(0));
}

struct Steer {
    std::uint8_t from;
    int key;
    std::uint8_t to;
};

class Steering : public GameFlow, public testing::WithParamInterface<Steer> { };

TEST_P(Steering, refusesOnlyTheKeyStraightBack)
{
    worm.StartUp();
    worm.heading = GetParam().from;
    worm.keyDown(GetParam().key);
    EXPECT_EQ(worm.heading, GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(CursorKeys, Steering,
                         testing::Values(Steer {headingRight, modWorm::vkLeft, headingRight},
                                         Steer {headingRight, modWorm::vkUp, headingUp},
                                         Steer {headingLeft, modWorm::vkRight, headingLeft},
                                         Steer {headingDown, modWorm::vkUp, headingDown},
                                         Steer {headingUp, modWorm::vkDown, headingUp},
                                         Steer {headingUp, modWorm::vkLeft, headingLeft},
                                         Steer {headingUp, modWorm::vkUp, headingUp},
                                         Steer {headingRight, 65, headingRight}));

TEST_F(GameFlow, upThenDownWithinOneTickTurnsUp)
{
    worm.StartUp();
    worm.newGameCommand();
    worm.keyDown(modWorm::vkUp);
    worm.keyDown(modWorm::vkDown);
    EXPECT_EQ(worm.heading, headingUp);
    EXPECT_EQ(worm.stepY, -1);
}

TEST_F(GameFlow, commandsDuringTheEatingSoundWaitAndTicksAreDropped)
{
    worm.StartUp();
    worm.newGameCommand();
    worm.foodCell = {6, 0, 0};
    platform.pendingEvents = [this] {
        worm.timer1Tick();
        worm.newGameCommand();
        worm.pauseCommand();
        EXPECT_EQ(worm.headIndex, 5) << "nothing reset under the step";
    };
    worm.timer1Tick();
    // The step finished (head at (6, 0)), then New ran, then Pause paused it.
    EXPECT_EQ(worm.headIndex, 5);
    EXPECT_EQ(platform.boardText(7, 1), "e---->.\n");
    EXPECT_TRUE(worm.gameRunning);
    EXPECT_FALSE(timer1());
    EXPECT_TRUE(platform.marks.at(1));
}

TEST_F(GameFlow, newAndPauseDuringTheDeathSoundFindTheGameOver)
{
    worm.StartUp();
    worm.newGameCommand();
    worm.keyDown(modWorm::vkUp);
    platform.pendingEvents = [this] {
        worm.newGameCommand();
        worm.pauseCommand();
    };
    worm.timer1Tick();
    EXPECT_TRUE(worm.gameOverActive);
    EXPECT_TRUE(timer2());
    EXPECT_FALSE(platform.marks.at(1));
    EXPECT_EQ(platform.boardRows().at(0).at(5), 'X');
}

TEST_F(GameFlow, aWormThatLeavesNoRoomForFoodEndsTheGameWithItsHeadWhole)
{
    worm.StartUp();
    worm.gameRunning = true;
    platform.setTimerEnabled(GameTimer::Timer1, true);
    // Every cell taken but the column the head moves into and three loose cells.
    std::int16_t slot = 0;
    for (int row = 0; row < 23; ++row)
        for (int column = 0; column < 30; ++column)
            if (!(column == 29 && row > 0) && !(row == 22 && column % 2 == 0)) {
                worm.segmentRing.at(static_cast<std::size_t>(slot))
                    = {static_cast<std::int16_t>(column), static_cast<std::int16_t>(row), 2};
                worm.headIndex = slot++;
            }
    worm.tailIndex = 0;
    worm.segmentRing.at(static_cast<std::size_t>(worm.headIndex)) = {29, 0, 2};
    worm.keyDown(modWorm::vkDown);
    worm.foodCell = {28, 1, 0};
    worm.StepWorm();
    EXPECT_EQ(platform.boardRows().at(1).at(29), 'v');
    EXPECT_TRUE(worm.gameOverActive);
    EXPECT_FALSE(timer1());
    EXPECT_TRUE(timer2());
    EXPECT_TRUE(platform.visibleFood().empty());
    EXPECT_EQ(platform.sounds, (Log {"pop", "oof"}));
}
