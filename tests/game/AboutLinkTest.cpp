#include "AboutLink.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {
enum class Op { enter, move, leave, press, release, doubleClick, captureLost, hidden };

struct Step {
    Op op;
    int x = 0;
    int y = 0;
};

struct Gesture {
    const char* name;
    std::vector<Step> steps;
    int opens;
    bool lit;
    bool holds;
};

void PrintTo(const Gesture& gesture, std::ostream* out)
{
    *out << gesture.name;
}

// Feeds the steps to a link of 161 × 17; how many times it said to open the page.
int perform(AboutLink& link, const std::vector<Step>& steps)
{
    int opens = 0;
    for (const Step& step : steps) {
        switch (step.op) {
        case Op::enter: link.enter(step.x, step.y); break;
        case Op::move: link.move(step.x, step.y); break;
        case Op::leave: link.leave(); break;
        case Op::press: link.press(step.x, step.y); break;
        case Op::release: opens += link.release(step.x, step.y) ? 1 : 0; break;
        case Op::doubleClick: link.doubleClick(step.x, step.y); break;
        case Op::captureLost: link.captureLost(); break;
        case Op::hidden: link.hidden(); break;
        }
    }
    return opens;
}

const Step on {Op::move, 40, 8};
const Step press {Op::press, 40, 8};
const Step release {Op::release, 40, 8};
const Step off {Op::move, 40, 60};
}

class LinkGesture : public testing::TestWithParam<Gesture> { };

TEST_P(LinkGesture, lightsHoldsTheMouseAndOpensThePageAsAPlayerExpects)
{
    AboutLink link(161, 17);
    EXPECT_EQ(perform(link, GetParam().steps), GetParam().opens);
    EXPECT_EQ(link.isLit(), GetParam().lit);
    EXPECT_EQ(link.holdsPointer(), GetParam().holds);
}

// The right and bottom edges count as on the link; a click rests the link
// until the pointer really moves on it again, not when the window system
// repeats where it already was.
INSTANTIATE_TEST_SUITE_P(
    Pointer, LinkGesture,
    testing::Values(
        Gesture {"Hover", {on}, 0, true, true},
        Gesture {"Enter", {{Op::enter, 3, 3}}, 0, true, true},
        Gesture {"BottomRightCorner", {{Op::move, 161, 17}}, 0, true, true},
        Gesture {"PastTheRightEdge", {on, {Op::move, 162, 8}}, 0, false, false},
        Gesture {"PastTheBottomEdge", {on, {Op::move, 40, 18}}, 0, false, false},
        Gesture {"LeftOfIt", {on, {Op::move, -1, 8}}, 0, false, false},
        Gesture {"Leave", {on, {Op::leave}}, 0, false, false},
        Gesture {"Click", {on, press, release}, 1, false, false},
        Gesture {"ClickThenTheSamePlaceAgain", {on, press, release, on}, 1, false, false},
        Gesture {"ClickThenAMove", {on, press, release, {Op::move, 41, 8}}, 1, true, true},
        Gesture {"DoubleClick",
                 {on, press, release, {Op::doubleClick, 40, 8}, release},
                 1,
                 false,
                 false},
        Gesture {"PressDraggedOff", {on, press, off}, 0, false, true},
        Gesture {"PressDraggedOffAndBack", {on, press, off, on, release}, 1, false, false},
        Gesture {"PressLetGoOff", {on, press, off, {Op::release, 40, 60}}, 0, false, false},
        Gesture {"PressOutOfTheWindowAndBack",
                 {on, press, {Op::leave}, {Op::enter, 40, 8}, release},
                 1,
                 false,
                 false},
        Gesture {"PressOffLetGoOn", {{Op::press, 40, 60}, on, release}, 0, true, true},
        Gesture {
            "MouseTakenDuringAPress", {on, press, {Op::captureLost}, release}, 0, false, false},
        Gesture {"WindowHidden", {on, press, {Op::hidden}}, 0, false, false}),
    [](const testing::TestParamInfo<Gesture>& row) { return row.param.name; });
