#include "AboutLayout.h"

#include <gtest/gtest.h>

#include <ostream>

struct Centring {
    AboutLayout::Frame mainFrame;
    int ownWidth;
    int ownHeight;
    AboutLayout::Point expected;
};

void PrintTo(const Centring& row, std::ostream* out)
{
    *out << "main " << row.mainFrame.left << "," << row.mainFrame.top << " " << row.mainFrame.width
         << "x" << row.mainFrame.height << ", own " << row.ownWidth << "x" << row.ownHeight;
}

class AboutCentring : public testing::TestWithParam<Centring> { };

TEST_P(AboutCentring, putsTheFrameAtHalfTheDifferenceRoundedDownToAWholeTwip)
{
    const Centring& row = GetParam();
    EXPECT_EQ(AboutLayout::centredPosition(row.mainFrame, row.ownWidth, row.ownHeight),
              row.expected);
}

// Odd differences leave half a pixel, 7.5 twips, which goes down to 7 twips
// and so to the pixel below; off the left or top of the screen, and with a
// main window smaller than the about window, rounding still goes down.
INSTANTIATE_TEST_SUITE_P(MainWindowPlaces, AboutCentring,
                         testing::Values(Centring {{0, 0, 485, 415}, 333, 312, {76, 51}},
                                         Centring {{100, 50, 481, 400}, 329, 300, {176, 100}},
                                         Centring {{-1, -1, 486, 416}, 333, 312, {75, 51}},
                                         Centring {{-100, -100, 484, 415}, 333, 312, {-25, -49}},
                                         Centring {{700, 500, 485, 415}, 333, 312, {776, 551}},
                                         Centring {{200, 200, 300, 200}, 333, 312, {183, 144}}));
