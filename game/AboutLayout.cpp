#include "AboutLayout.h"

namespace AboutLayout {
namespace {
constexpr int twipsPerPixel = 15;

// Division rounded towards minus infinity, so that windows partly off the
// left or top of the screen are placed by the same rule as the others.
int floorDivide(int dividend, int divisor)
{
    const int quotient = dividend / divisor;
    return (dividend % divisor != 0 && (dividend < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

// One coordinate of the centring, worked in twips as the window's position
// always has been: half the difference of the two extents, rounded down to a
// whole twip, plus the main window's start. The result goes back to pixels
// rounded down too: with the extents in whole pixels that is the same as
// halving the pixel difference and rounding down.
int centredStart(int mainStart, int mainExtent, int ownExtent)
{
    const int startTwips
        = floorDivide((mainExtent - ownExtent) * twipsPerPixel, 2) + mainStart * twipsPerPixel;
    return floorDivide(startTwips, twipsPerPixel);
}
}

Point centredPosition(const Frame& mainFrame, int ownWidth, int ownHeight)
{
    return {centredStart(mainFrame.left, mainFrame.width, ownWidth),
            centredStart(mainFrame.top, mainFrame.height, ownHeight)};
}
}
