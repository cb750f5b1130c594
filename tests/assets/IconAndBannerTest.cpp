#include <gtest/gtest.h>

#include "PictureChecks.h"
#include "Version.h"

using namespace PictureChecks;

namespace {
const QRgb iconGreen = qRgb(0, 136, 0);

class EveryIconSize : public testing::TestWithParam<int> { };
}

TEST_P(EveryIconSize, isOneOpaqueGreenOnTransparency)
{
    const int size = GetParam();
    const QImage image = pictures().icon().pixmap(size, size).toImage();
    ASSERT_EQ(image.size(), QSize(size, size));
    int opaque = 0;
    int clear = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 0) {
                ++clear;
                continue;
            }
            ++opaque;
            EXPECT_EQ(pixel, iconGreen) << x << "," << y;
        }
    EXPECT_GT(opaque, size * size / 4);
    EXPECT_GT(clear, size * size / 4);
}

INSTANTIATE_TEST_SUITE_P(Icon, EveryIconSize, testing::ValuesIn(Pictures::iconSizes));

TEST(ProgramIcon, isAWormRunningRoundTheSquareWithItsHeadInside)
{
    const QImage image = pictures().icon().pixmap(32, 32).toImage();
    ASSERT_EQ(image.size(), QSize(32, 32));
    auto solid = [&](int x, int y) { return qAlpha(image.pixel(x, y)) == 255; };
    // Along the top from the left end, down the right, back along the bottom.
    for (int i = 0; i < 32; ++i) {
        EXPECT_TRUE(solid(i, 0)) << "top " << i;
        EXPECT_TRUE(solid(31, i)) << "right " << i;
        EXPECT_TRUE(solid(i, 31)) << "bottom " << i;
    }
    // Up the left side, ending below the top edge: its head stops short.
    EXPECT_TRUE(solid(0, 20));
    int gap = 0;
    for (int y = 1; y < 32; ++y)
        if (!solid(0, y))
            ++gap;
    EXPECT_GT(gap, 0) << "the worm's head should stop short of the top edge";
    // The middle of the square is open.
    EXPECT_FALSE(solid(16, 16));
}

TEST(AboutBanner, isAnOpaqueBannerOnWhite)
{
    const QImage image = pictures().banner().toImage();
    EXPECT_EQ(image.size(), QSize(309, 91));
    EXPECT_TRUE(isOpaque(image));
    for (QPoint corner : {QPoint(0, 0), QPoint(308, 0), QPoint(0, 90), QPoint(308, 90)})
        EXPECT_EQ(image.pixel(corner), qRgb(255, 255, 255));
    EXPECT_GT(colours(image).size(), 4u);
}

TEST(ProgramVersion, spellsItsNumbersTheWayTheVersionResourceDoes)
{
    const QString spelled = QStringLiteral("%1.%2.%3")
                                .arg(Version::major)
                                .arg(Version::minor, 2, 10, QLatin1Char('0'))
                                .arg(Version::revision, 4, 10, QLatin1Char('0'));
    EXPECT_EQ(spelled, QString::fromLatin1(Version::versionString));
    EXPECT_STREQ(Version::versionString, "1.01.0003");
    EXPECT_STREQ(Version::productName, "Vermilo");
}
