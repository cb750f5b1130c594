#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "modWorm.h"
#include "ScriptedRandom.h"

TEST(RingIndex, followsOneThousandWithZero)
{
    EXPECT_EQ(nextIndex(0), 1);
    EXPECT_EQ(nextIndex(999), 1000);
    EXPECT_EQ(nextIndex(1000), 0);
}

TEST(RingIndex, countsLengthAcrossTheWrap)
{
    EXPECT_EQ(wormLength(5, 0), 6);
    EXPECT_EQ(wormLength(0, 999), 3); // records 999, 1000 and 0
    EXPECT_EQ(wormLength(2, 998), 6);
    EXPECT_EQ(wormLength(7, 7), 1);
}

struct CodeSprite {
    std::uint8_t code;
    std::optional<Sprite> sprite;
};

class BodySpriteForCode : public testing::TestWithParam<CodeSprite> { };

TEST_P(BodySpriteForCode, isTheOneThatJoinsTheCellsSides)
{
    EXPECT_EQ(bodySprite(GetParam().code), GetParam().sprite);
}

INSTANTIATE_TEST_SUITE_P(
    EveryCodeAStepCanWrite, BodySpriteForCode,
    testing::Values(CodeSprite {1, Sprite::pWBUD}, CodeSprite {3, Sprite::pWBUD},
                    CodeSprite {2, Sprite::pWBLR}, CodeSprite {4, Sprite::pWBLR},
                    CodeSprite {12, Sprite::pWJRD}, CodeSprite {43, Sprite::pWJRD},
                    CodeSprite {14, Sprite::pWJLD}, CodeSprite {23, Sprite::pWJLD},
                    CodeSprite {21, Sprite::pWJLU}, CodeSprite {34, Sprite::pWJLU},
                    CodeSprite {32, Sprite::pWJRU}, CodeSprite {41, Sprite::pWJRU},
                    CodeSprite {13, std::nullopt}, CodeSprite {24, std::nullopt},
                    CodeSprite {31, std::nullopt}, CodeSprite {42, std::nullopt}));

class TailSpriteForCode : public testing::TestWithParam<CodeSprite> { };

TEST_P(TailSpriteForCode, followsTheHeadingTheWormLeftWith)
{
    EXPECT_EQ(tailSprite(GetParam().code), GetParam().sprite);
}

INSTANTIATE_TEST_SUITE_P(
    StraightAndCornerCells, TailSpriteForCode,
    testing::Values(CodeSprite {1, Sprite::pWTU}, CodeSprite {2, Sprite::pWTR},
                    CodeSprite {3, Sprite::pWTD}, CodeSprite {4, Sprite::pWTL},
                    CodeSprite {43, Sprite::pWTD}, CodeSprite {12, Sprite::pWTR},
                    CodeSprite {21, Sprite::pWTU}, CodeSprite {34, Sprite::pWTL},
                    CodeSprite {0, std::nullopt}, CodeSprite {5, std::nullopt}));

TEST(HeadSprite, looksWhereTheWormGoes)
{
    EXPECT_EQ(headSprite(headingUp), Sprite::pWHU);
    EXPECT_EQ(headSprite(headingRight), Sprite::pWHR);
    EXPECT_EQ(headSprite(headingDown), Sprite::pWHD);
    EXPECT_EQ(headSprite(headingLeft), Sprite::pWHL);
}

TEST(DrawCell, copiesTheSpriteToSixteenTimesColumnAndRow)
{
    FakePlatform platform;
    ScriptedRandom random;
    modWorm worm(platform, random);
    worm.DrawCell(29, 22, Sprite::pWJLU);
    worm.DrawCell(0, 3, Sprite::pWHX);
    EXPECT_FALSE(platform.strayDrawing);
    EXPECT_EQ(platform.boardRows().at(22).at(29), 'J');
    EXPECT_EQ(platform.boardText(3, 4), "...\n...\n...\nX..\n");
}
