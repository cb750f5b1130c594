#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "modWorm.h"
#include "ScriptedRandom.h"
#include "WormBuilder.h"

class FoodPlacement : public testing::Test {
protected:
    // A fresh worm of a new game, (0, 0) to (5, 0), and every picture parked.
    void SetUp() override { worm.StartUp(); }

    // Fills every cell of the field with worm except the given ones.
    void fillFieldExcept(std::vector<std::pair<int, int>> freeCells)
    {
        fillField(worm, [&](int column, int row) {
            return std::find(freeCells.begin(), freeCells.end(), std::pair {column, row})
                != freeCells.end();
        });
    }

    FakePlatform platform;
    ScriptedRandom random;
    modWorm worm {platform, random};
};

TEST_F(FoodPlacement, turnsEachDrawIntoAColumnRowAndPicture)
{
    // u × 479/16 − 1 and u × 367/16 − 1, rounded down; then u × 12 rounded down.
    random.setDraws({0.5, 0.5, 0.5});
    ASSERT_TRUE(worm.PlaceFood());
    EXPECT_EQ(worm.state().foodCell.column, 13); // floor(13.97)
    EXPECT_EQ(worm.state().foodCell.row, 10); // floor(10.47)
    EXPECT_EQ(worm.state().foodPicture, 6);
    EXPECT_EQ(random.reseeds, 1);
}

TEST_F(FoodPlacement, reachesTheLastColumnAndRowButNeverBeyond)
{
    random.setDraws({0.9999, 0.9999, 0.9999});
    ASSERT_TRUE(worm.PlaceFood());
    EXPECT_EQ(worm.state().foodCell.column, 28);
    EXPECT_EQ(worm.state().foodCell.row, 21);
    EXPECT_EQ(worm.state().foodPicture, 11);
    EXPECT_EQ(platform.foodLeft.at(11), 28 * 16);
    EXPECT_EQ(platform.foodTop.at(11), 21 * 16);
}

TEST_F(FoodPlacement, drawsAgainWhileTheBlockIsOffTheFieldOrOnTheWorm)
{
    // Column −1; then row 0 over the worm; then a free block at (13, 10).
    random.setDraws({0.0, 0.5, 0.1, 0.05, 0.5, 0.5, 0.0});
    ASSERT_TRUE(worm.PlaceFood());
    EXPECT_EQ(worm.state().foodCell.column, 13);
    EXPECT_EQ(worm.state().foodCell.row, 10);
    EXPECT_EQ(worm.state().foodPicture, 0);
    EXPECT_EQ(random.drawsTaken, 7);
    EXPECT_EQ(random.reseeds, 1);
}

TEST_F(FoodPlacement, parksTheOldPictureAndShowsTheNewOneOnTheBlock)
{
    arrange(worm).foodPicture = 4;
    platform.foodLeft.at(4) = 48;
    platform.foodTop.at(4) = 64;
    random.setDraws({0.5, 0.5, 0.9});
    worm.PlaceFood();
    EXPECT_EQ(platform.visibleFood(), std::vector<int> {10});
    EXPECT_EQ(platform.foodLeft.at(10), 13 * 16);
    EXPECT_EQ(platform.foodTop.at(10), 10 * 16);
}

TEST_F(FoodPlacement, showsExactlyOnePictureWhenTheSameOneIsChosenAgain)
{
    arrange(worm).foodPicture = 6;
    random.setDraws({0.5, 0.5, 0.5});
    worm.PlaceFood();
    EXPECT_EQ(platform.visibleFood(), std::vector<int> {6});
    EXPECT_EQ(platform.foodLeft.at(6), worm.state().foodCell.column * 16);
    EXPECT_EQ(platform.foodTop.at(6), worm.state().foodCell.row * 16);
}

TEST_F(FoodPlacement, findsTheOnlyFreeBlockLeft)
{
    fillFieldExcept({{17, 9}, {18, 9}, {17, 10}, {18, 10}});
    random.setDraws({0.3, 0.7});
    ASSERT_TRUE(worm.PlaceFood());
    EXPECT_EQ(worm.state().foodCell.column, 17);
    EXPECT_EQ(worm.state().foodCell.row, 9);
}

TEST_F(FoodPlacement, givesUpWithoutHangingWhenNoBlockIsFree)
{
    // Four free cells, but no two of them side by side in a square.
    fillFieldExcept({{0, 22}, {29, 22}, {29, 0}, {10, 10}});
    arrange(worm).foodCell = {3, 4, 0};
    arrange(worm).foodPicture = 2;
    platform.foodLeft.at(2) = 48;
    platform.foodTop.at(2) = 64;
    random.setDraws({0.3, 0.7});
    EXPECT_FALSE(worm.PlaceFood());
    EXPECT_TRUE(platform.visibleFood().empty());
    EXPECT_EQ(worm.state().foodCell.column, 3);
    EXPECT_EQ(worm.state().foodCell.row, 4);
}
