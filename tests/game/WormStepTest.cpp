#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "modWorm.h"
#include "ScriptedRandom.h"
#include "WormBuilder.h"

class WormStep : public testing::Test {
protected:
    void SetUp() override
    {
        arrange(worm).foodCell = {20, 20, 0};
        random.setDraws({0.5, 0.5, 0.5}); // later food goes to (13, 10)
    }

    int length() const { return worm.state().length(); }
    const WormSegment& slot(int index) const
    {
        return worm.state().segment(static_cast<std::int16_t>(index));
    }

    FakePlatform platform;
    ScriptedRandom random;
    modWorm worm {platform, random};
};

TEST_F(WormStep, drawsTheNewHeadTheOldHeadsCellAndTheTailThenRefreshesOnce)
{
    layWorm(worm, 0, 0, "RRRRR");
    worm.StepWorm();
    // Only the cells the step changed are drawn; the rest of the laid worm was never drawn.
    EXPECT_EQ(platform.boardText(8, 1), ".e...->.\n");
    EXPECT_EQ(platform.refreshes, 1);
    EXPECT_EQ(platform.unshownDrawings, 0);
    EXPECT_EQ(worm.state().headIndex, 6);
    EXPECT_EQ(worm.state().tailIndex, 1);
}

TEST_F(WormStep, marksACornerOnlyWhereTheWormTurns)
{
    layWorm(worm, 3, 4, "RRRR"); // head at (7, 4), code 2
    worm.keyDown(modWorm::vkUp);
    worm.StepWorm();
    EXPECT_EQ(slot(4).shapeCode, 21);
    EXPECT_EQ(slot(5).shapeCode, 1);
    EXPECT_EQ(slot(5).column, 7);
    EXPECT_EQ(slot(5).row, 3);
    EXPECT_EQ(platform.boardRows().at(3).substr(0, 8), ".......^");
    EXPECT_EQ(platform.boardRows().at(4).substr(0, 8), "....e..J");
    worm.StepWorm();
    EXPECT_EQ(slot(5).shapeCode, 1); // straight on: single digit
}

TEST_F(WormStep, aFatalStepDrawsOnlyTheCrashedHeadAndMovesNothing)
{
    layWorm(worm, 3, 0, "RRR");
    arrange(worm).growCount = 2;
    worm.keyDown(modWorm::vkUp);
    worm.StepWorm();
    EXPECT_EQ(platform.boardText(8, 1), "......X.\n");
    EXPECT_EQ(platform.refreshes, 1);
    EXPECT_EQ(platform.unshownDrawings, 0);
    EXPECT_EQ(worm.state().headIndex, 3);
    EXPECT_EQ(worm.state().tailIndex, 0);
    EXPECT_EQ(worm.state().growCount, 2);
    EXPECT_EQ(slot(4).row, -1); // the cell it failed to enter, outside the worm
    EXPECT_TRUE(worm.state().gameOverActive);
}

TEST_F(WormStep, turningBackWithinOneTickRunsIntoTheNeck)
{
    layWorm(worm, 0, 5, "RRRRR");
    worm.keyDown(modWorm::vkUp);
    worm.keyDown(modWorm::vkLeft);
    worm.StepWorm();
    EXPECT_EQ(platform.boardRows().at(5).at(5), 'X');
    EXPECT_TRUE(worm.state().gameOverActive);
}

TEST_F(WormStep, eatingGrowsTheWormByExactlyThree)
{
    layWorm(worm, 0, 5, "RRRRR");
    arrange(worm).foodCell = {5, 4, 0}; // the head enters the block's lower-right cell
    worm.StepWorm();
    EXPECT_EQ(worm.state().foodCell.column, 13);
    for (int i = 0; i < 5; ++i)
        worm.StepWorm();
    EXPECT_EQ(length(), 9);
    EXPECT_EQ(worm.state().growCount, 0);
}

TEST_F(WormStep, eatingAgainBeforeTheGrowthEndsStartsTheThreeStepsAfresh)
{
    layWorm(worm, 0, 5, "RRRRR");
    arrange(worm).foodCell = {6, 5, 0};
    random.setDraws({0.28, 0.28, 0.0, 0.5, 0.5, 0.0}); // next food at (7, 5)
    worm.StepWorm();
    ASSERT_EQ(worm.state().foodCell.column, 7);
    for (int i = 0; i < 5; ++i)
        worm.StepWorm();
    EXPECT_EQ(length(), 10);
}

TEST_F(WormStep, foodPlacedUnderTheEnteringHeadIsEatenByTheNextStep)
{
    layWorm(worm, 0, 5, "RRRRR");
    arrange(worm).soundEnabled = true;
    arrange(worm).foodCell = {6, 5, 0};
    random.setDraws({0.25, 0.28, 0.0, 0.5, 0.5, 0.0}); // the same block again
    worm.StepWorm();
    ASSERT_EQ(worm.state().foodCell.column, 6);
    ASSERT_EQ(worm.state().foodCell.row, 5);
    worm.StepWorm();
    EXPECT_EQ(platform.sounds, (std::vector {SoundEffect::pop, SoundEffect::pop}));
}

TEST_F(WormStep, theHeadGoesFromSlotOneThousandToSlotZero)
{
    layWorm(worm, 0, 5, "RRRRR", 995);
    ASSERT_EQ(worm.state().headIndex, 1000);
    worm.StepWorm();
    EXPECT_EQ(worm.state().headIndex, 0);
    EXPECT_EQ(worm.state().tailIndex, 996);
    EXPECT_EQ(slot(0).column, 6);
}

TEST_F(WormStep, aTurnKeyedDuringTheEatingSoundCountsFromTheNextStep)
{
    worm.NewGame();
    worm.keyDown(modWorm::vkDown);
    worm.StepWorm();
    arrange(worm).foodCell = {5, 2, 0};
    arrange(worm).soundEnabled = true;
    platform.pendingEvents = [this] { worm.keyDown(modWorm::vkRight); };
    worm.StepWorm(); // eats at (5, 2) while the key turns the worm right
    worm.StepWorm();
    EXPECT_EQ(platform.boardText(8, 3),
              ".e---7..\n"
              ".....|..\n"
              ".....L>.\n");
    EXPECT_EQ(platform.boardRows(), expectedBoard(worm, 30, 23));
}
