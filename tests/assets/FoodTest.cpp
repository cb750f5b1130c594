#include <gtest/gtest.h>

#include "PictureChecks.h"

using namespace PictureChecks;

namespace {
const QRgb foodBackground = qRgb(4, 2, 4);

class EveryFood : public testing::TestWithParam<int> {
protected:
    QImage picture() const { return pictures().food(GetParam()).toImage(); }
};
}

TEST_P(EveryFood, coversTwoByTwoCellsAndIsFullyOpaque)
{
    const QImage image = picture();
    EXPECT_EQ(image.size(), QSize(32, 32));
    EXPECT_TRUE(isOpaque(image));
}

TEST_P(EveryFood, isDrawnInFiveToTwentyColoursOnTheNearBlackBackground)
{
    const QImage image = picture();
    const std::set<QRgb> used = colours(image);
    EXPECT_GE(used.size(), 5u);
    EXPECT_LE(used.size(), 20u);
    EXPECT_TRUE(used.contains(foodBackground));
    // The food lies on its background, which shows all round it.
    for (QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
        EXPECT_EQ(image.pixel(corner), foodBackground) << corner.x() << "," << corner.y();
}

TEST_P(EveryFood, showsMoreThanItsBackground)
{
    // A food picture that failed to load would be a plain square of background.
    const QImage image = picture();
    int drawn = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (image.pixel(x, y) != foodBackground)
                ++drawn;
    EXPECT_GT(drawn, 32 * 32 / 5);
}

INSTANTIATE_TEST_SUITE_P(Food, EveryFood, testing::Range(0, Pictures::foodCount));

TEST(FoodPictures, areTwelveDifferentPictures)
{
    for (int i = 0; i < Pictures::foodCount; ++i)
        for (int j = i + 1; j < Pictures::foodCount; ++j)
            EXPECT_NE(pictures().food(i).toImage(), pictures().food(j).toImage())
                << "food " << i << " and " << j << " are the same picture";
}
