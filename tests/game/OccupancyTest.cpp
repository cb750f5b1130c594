#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "modWorm.h"
#include "ScriptedRandom.h"
#include "WormBuilder.h"

namespace {
WormSegment cell(int column, int row)
{
    return {static_cast<std::int16_t>(column), static_cast<std::int16_t>(row), 0};
}
}

class Occupancy : public testing::Test {
protected:
    FakePlatform platform;
    ScriptedRandom random;
    modWorm worm {platform, random};
};

TEST_F(Occupancy, blocksEverySegmentFromTailToHead)
{
    layWorm(worm, 3, 3, "RRDDL");
    for (auto [column, row] : {std::pair {3, 3}, {4, 3}, {5, 3}, {5, 4}, {5, 5}, {4, 5}})
        EXPECT_TRUE(worm.IsCellBlocked(cell(column, row))) << column << "," << row;
    EXPECT_FALSE(worm.IsCellBlocked(cell(4, 4)));
}

TEST_F(Occupancy, blocksTheTailCellEvenThoughTheTailIsAboutToLeaveIt)
{
    // A four-cell worm cannot chase its own tail around a 2 × 2 square.
    layWorm(worm, 0, 0, "RDL");
    worm.keyDown(modWorm::vkUp);
    worm.StepWorm();
    EXPECT_TRUE(worm.state().gameOverActive);
    EXPECT_EQ(platform.boardRows().at(1).at(0), 'X');
}

TEST_F(Occupancy, scansAWrappedWormAndNothingBeyondIt)
{
    layWorm(worm, 10, 10, "RRRRR", 998);
    ASSERT_EQ(worm.state().headIndex, 2);
    arrange(worm).segmentRing.at(997) = cell(20, 20); // stale slots on both sides
    arrange(worm).segmentRing.at(3) = cell(21, 20);
    EXPECT_TRUE(worm.IsCellBlocked(cell(10, 10))); // slot 998
    EXPECT_TRUE(worm.IsCellBlocked(cell(13, 10))); // slot 0
    EXPECT_TRUE(worm.IsCellBlocked(cell(15, 10))); // slot 2, the head
    EXPECT_FALSE(worm.IsCellBlocked(cell(20, 20)));
    EXPECT_FALSE(worm.IsCellBlocked(cell(21, 20)));
}

TEST_F(Occupancy, comparesTheOnlySlotOfAOneSegmentWorm)
{
    layWorm(worm, 7, 7, "", 500);
    EXPECT_TRUE(worm.IsCellBlocked(cell(7, 7)));
    EXPECT_FALSE(worm.IsCellBlocked(cell(8, 7)));
}

struct Bounds {
    int width;
    int height;
    int column;
    int row;
    bool blocked;
};

class FieldBounds : public testing::TestWithParam<Bounds> { };

TEST_P(FieldBounds, countPartlyVisibleCellsAsInside)
{
    const Bounds b = GetParam();
    FakePlatform platform(b.width, b.height);
    ScriptedRandom random;
    modWorm worm(platform, random);
    layWorm(worm, 10, 10, "R");
    EXPECT_EQ(worm.IsCellBlocked(cell(b.column, b.row)), b.blocked);
}

INSTANTIATE_TEST_SUITE_P(
    WallsAroundTheField, FieldBounds,
    testing::Values(Bounds {479, 367, -1, 0, true}, Bounds {479, 367, 0, -1, true},
                    Bounds {479, 367, 0, 0, false}, Bounds {479, 367, 29, 22, false},
                    Bounds {479, 367, 30, 0, true}, Bounds {479, 367, 0, 23, true},
                    Bounds {480, 367, 29, 0, false}, Bounds {480, 367, 30, 0, true},
                    Bounds {488, 367, 30, 0, false}, Bounds {488, 367, 31, 0, true}));
