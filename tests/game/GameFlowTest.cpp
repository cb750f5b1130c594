#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "modWorm.h"
#include "ScriptedRandom.h"
#include "WormBuilder.h"

using Effects = std::vector<SoundEffect>;

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
    const WormState& state() const { return worm.state(); }

    FakePlatform platform;
    ScriptedRandom random;
    modWorm worm {platform, random};
};

TEST_F(GameFlow, startUpShowsTheStartingWormWithSoundOnAndNothingMoving)
{
    platform.logCalls = true;
    worm.StartUp();
    EXPECT_EQ(platform.boardText(7, 2), "e---->.\n.......\n");
    EXPECT_EQ(state().tailIndex, 0);
    EXPECT_EQ(state().headIndex, 5);
    EXPECT_EQ(state().heading, headingRight);
    EXPECT_TRUE(state().soundEnabled);
    EXPECT_TRUE(platform.mark(MenuMark::Sound));
    EXPECT_FALSE(platform.mark(MenuMark::Pause));
    EXPECT_FALSE(state().gameRunning);
    EXPECT_FALSE(state().gameOverActive);
    EXPECT_FALSE(timer1());
    EXPECT_FALSE(timer2());
    EXPECT_FALSE(platform.scoreVisible);
    EXPECT_TRUE(platform.visibleFood().empty());
    EXPECT_TRUE(platform.sounds.empty());
    EXPECT_EQ(platform.unshownDrawings, 0);
    // Shown only once it is ready.
    EXPECT_EQ(platform.takeLog().back(), "show");
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
    EXPECT_EQ(state().headIndex, 5);
    EXPECT_EQ(state().growCount, 0);
}

TEST_F(GameFlow, staleFoodEatenDuringSetupStillLeavesSixCells)
{
    worm.StartUp();
    arrange(worm).foodCell = {3, 0, 0};
    worm.NewGame();
    EXPECT_EQ(platform.sounds, Effects {SoundEffect::pop});
    EXPECT_EQ(state().length(), 6);
    EXPECT_EQ(state().growCount, 0);
    EXPECT_EQ(platform.boardText(7, 1), "e---->.\n");
}

TEST_F(GameFlow, aKeyDuringSetupsEatingSoundCannotBendTheStartingWorm)
{
    worm.StartUp();
    arrange(worm).foodCell = {2, 0, 0};
    platform.pendingEvents = [this] { worm.keyDown(modWorm::vkDown); };
    worm.NewGame();
    EXPECT_EQ(platform.boardText(7, 2), "e---->.\n.......\n");
}

TEST_F(GameFlow, newStartsTheWormWithOneFoodPicture)
{
    worm.StartUp();
    worm.newGameCommand();
    EXPECT_TRUE(state().gameRunning);
    EXPECT_TRUE(timer1());
    EXPECT_EQ(platform.visibleFood(), std::vector<int> {6});
}

TEST_F(GameFlow, killWormCriesOutFirstThenParksTheFoodEmptiesTheScoreAndStartsTheCount)
{
    worm.StartUp();
    worm.newGameCommand();
    worm.keyDown(modWorm::vkUp);
    bool stillRunningDuringTheSound = false;
    platform.pendingEvents = [&] {
        stillRunningDuringTheSound = state().gameRunning && timer1() && !platform.scoreVisible;
    };
    worm.timer1Tick();
    EXPECT_TRUE(stillRunningDuringTheSound);
    EXPECT_EQ(platform.sounds, Effects {SoundEffect::oof});
    EXPECT_EQ(platform.boardText(7, 1), "e----X.\n");
    EXPECT_TRUE(platform.visibleFood().empty());
    EXPECT_EQ(platform.scoreCaption, "");
    EXPECT_TRUE(platform.scoreVisible);
    EXPECT_FALSE(timer1());
    EXPECT_TRUE(timer2());
    EXPECT_EQ(platform.unshownDrawings, 0);
    EXPECT_FALSE(state().gameRunning);
    EXPECT_TRUE(state().gameOverActive);
    EXPECT_EQ(state().scoreTally, 0);
    EXPECT_EQ(state().foodCell.column, 13);
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
    EXPECT_EQ(captions, (std::vector<std::string> {"1", "2", "3", "4", "5"}));
    EXPECT_FALSE(timer2());
    EXPECT_FALSE(state().gameOverActive);
    EXPECT_EQ(platform.boardText(30, 1), std::string(30, '.') + "\n");
    EXPECT_TRUE(platform.scoreVisible);
    EXPECT_EQ(platform.unshownDrawings, 0);
}

TEST_F(GameFlow, eachCountTickDrawsTheNewTail)
{
    dieAtTheFirstStep();
    worm.timer2Tick();
    EXPECT_EQ(platform.boardText(7, 1), ".e---X.\n");
    EXPECT_EQ(platform.unshownDrawings, 0);
}

TEST_F(GameFlow, theCountUpCrossesTheRingsWrap)
{
    worm.StartUp();
    layWorm(worm, 0, 5, "RRRRRRRD", 996);
    arrange(worm).gameRunning = true;
    worm.KillWorm();
    int ticks = 0;
    while (state().gameOverActive && ticks < 100) {
        worm.timer2Tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 8);
    EXPECT_EQ(platform.scoreCaption, "8");
    EXPECT_EQ(state().tailIndex, state().headIndex);
}

TEST_F(GameFlow, newAndPauseAreIgnoredDuringTheCountUp)
{
    dieAtTheFirstStep();
    platform.logCalls = true;
    worm.newGameCommand();
    worm.pauseCommand();
    worm.keyDown(modWorm::vkDown);
    EXPECT_TRUE(platform.takeLog().empty());
    EXPECT_EQ(state().heading, headingUp);
    EXPECT_TRUE(timer2());
}

TEST_F(GameFlow, pauseTwiceResumesAndKeepsTheMarkInStep)
{
    worm.StartUp();
    worm.pauseCommand();
    EXPECT_FALSE(platform.mark(MenuMark::Pause)) << "no game yet";
    worm.newGameCommand();
    worm.pauseCommand();
    EXPECT_FALSE(timer1());
    EXPECT_TRUE(platform.mark(MenuMark::Pause));
    worm.pauseCommand();
    EXPECT_TRUE(timer1());
    EXPECT_FALSE(platform.mark(MenuMark::Pause));
}

TEST_F(GameFlow, newWhilePausedRunsTheWormAndClearsThePauseMark)
{
    worm.StartUp();
    worm.newGameCommand();
    worm.pauseCommand();
    worm.newGameCommand();
    EXPECT_TRUE(timer1());
    EXPECT_FALSE(platform.mark(MenuMark::Pause));
}

TEST_F(GameFlow, soundFxTogglesTheSettingAndItsMarkTogether)
{
    worm.StartUp();
    worm.soundCommand();
    EXPECT_FALSE(state().soundEnabled);
    EXPECT_FALSE(platform.mark(MenuMark::Sound));
    worm.soundCommand();
    EXPECT_TRUE(state().soundEnabled);
    EXPECT_TRUE(platform.mark(MenuMark::Sound));
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
    arrange(worm).heading = GetParam().from;
    worm.keyDown(GetParam().key);
    EXPECT_EQ(state().heading, GetParam().to);
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
    EXPECT_EQ(state().heading, headingUp);
    EXPECT_EQ(state().stepY, -1);
}

TEST_F(GameFlow, commandsDuringTheEatingSoundWaitAndTicksAreDropped)
{
    worm.StartUp();
    worm.newGameCommand();
    arrange(worm).foodCell = {6, 0, 0};
    platform.pendingEvents = [this] {
        worm.timer1Tick();
        worm.newGameCommand();
        worm.pauseCommand();
        EXPECT_EQ(state().headIndex, 5) << "nothing reset under the step";
    };
    worm.timer1Tick();
    // The step finished (head at (6, 0)), then New ran, then Pause paused it.
    EXPECT_EQ(state().headIndex, 5);
    EXPECT_EQ(platform.boardText(7, 1), "e---->.\n");
    EXPECT_TRUE(state().gameRunning);
    EXPECT_FALSE(timer1());
    EXPECT_TRUE(platform.mark(MenuMark::Pause));
}

TEST_F(GameFlow, exitEndsTheProgramOnceAStepWaitingInsideTheEatingSoundHasFinished)
{
    worm.StartUp();
    worm.newGameCommand();
    arrange(worm).foodCell = {6, 0, 0};
    bool endedInsideTheSound = true;
    platform.pendingEvents = [&] {
        worm.exitCommand();
        endedInsideTheSound = platform.ended;
    };
    worm.timer1Tick();
    EXPECT_FALSE(endedInsideTheSound);
    EXPECT_TRUE(platform.ended);
    EXPECT_EQ(state().head().column, 6);
    worm.soundCommand();
    platform.ended = false;
    worm.exitCommand();
    EXPECT_TRUE(platform.ended) << "at once when nothing waits";
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
    EXPECT_TRUE(state().gameOverActive);
    EXPECT_TRUE(timer2());
    EXPECT_FALSE(platform.mark(MenuMark::Pause));
    EXPECT_EQ(platform.boardRows().at(0).at(5), 'X');
}

TEST_F(GameFlow, aWormThatLeavesNoRoomForFoodEndsTheGameWithItsHeadWhole)
{
    worm.StartUp();
    arrange(worm).gameRunning = true;
    platform.setTimerEnabled(GameTimer::Timer1, true);
    // Every cell taken but the column the head moves into and loose cells.
    fillField(worm, [](int column, int row) {
        return (column == 29 && row > 0) || (row == 22 && column % 2 == 0);
    });
    arrange(worm).segmentRing.at(static_cast<std::size_t>(state().headIndex)) = {29, 0, 2};
    worm.keyDown(modWorm::vkDown);
    arrange(worm).foodCell = {28, 1, 0};
    worm.StepWorm();
    EXPECT_EQ(platform.boardRows().at(1).at(29), 'v');
    EXPECT_TRUE(state().gameOverActive);
    EXPECT_FALSE(timer1());
    EXPECT_TRUE(timer2());
    EXPECT_TRUE(platform.visibleFood().empty());
    EXPECT_EQ(platform.sounds, (Effects {SoundEffect::pop, SoundEffect::oof}));
}
