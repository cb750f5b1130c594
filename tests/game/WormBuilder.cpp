#include "WormBuilder.h"

#include <array>
#include <stdexcept>

#include "FakePlatform.h"

namespace {
std::uint8_t headingOf(char move)
{
    switch (move) {
    case 'U': return headingUp;
    case 'R': return headingRight;
    case 'D': return headingDown;
    case 'L': return headingLeft;
    default: throw std::invalid_argument("a move is one of U, R, D, L");
    }
}
}

WormState& arrange(modWorm& worm)
{
    return worm;
}

void layWorm(modWorm& rules, int column, int row, std::string_view path, int tailSlot)
{
    WormState& worm = arrange(rules);
    static constexpr std::array<int, 5> dx = {0, 0, 1, 0, -1};
    static constexpr std::array<int, 5> dy = {0, -1, 0, 1, 0};
    auto slot = static_cast<std::int16_t>(tailSlot);
    worm.tailIndex = slot;
    std::uint8_t arrived = path.empty() ? headingRight : headingOf(path.front());
    for (std::size_t i = 0;; ++i) {
        WormSegment& segment = worm.segmentRing.at(static_cast<std::size_t>(slot));
        segment.column = static_cast<std::int16_t>(column);
        segment.row = static_cast<std::int16_t>(row);
        if (i == path.size()) {
            segment.shapeCode = arrived;
            break;
        }
        const std::uint8_t leaving = headingOf(path.at(i));
        segment.shapeCode = leaving == arrived || i == 0
            ? leaving
            : static_cast<std::uint8_t>(arrived * 10 + leaving);
        column += dx.at(leaving);
        row += dy.at(leaving);
        arrived = leaving;
        slot = nextIndex(slot);
    }
    worm.headIndex = slot;
    worm.heading = arrived;
    worm.stepX = static_cast<std::int16_t>(dx.at(arrived));
    worm.stepY = static_cast<std::int16_t>(dy.at(arrived));
}

void fillField(modWorm& rules, const std::function<bool(int column, int row)>& isFree)
{
    WormState& worm = arrange(rules);
    std::int16_t slot = 0;
    for (int row = 0; row < 23; ++row)
        for (int column = 0; column < 30; ++column)
            if (!isFree(column, row)) {
                worm.segmentRing.at(static_cast<std::size_t>(slot))
                    = {static_cast<std::int16_t>(column), static_cast<std::int16_t>(row),
                       headingRight};
                worm.headIndex = slot++;
            }
    worm.tailIndex = 0;
}

std::vector<std::string> expectedBoard(const modWorm& rules, int columns, int rows)
{
    const WormState& worm = rules.state();
    std::vector<std::string> board(static_cast<std::size_t>(rows),
                                   std::string(static_cast<std::size_t>(columns), '.'));
    const auto put = [&](const WormSegment& segment, char c) {
        board.at(static_cast<std::size_t>(segment.row)).at(static_cast<std::size_t>(segment.column))
            = c;
    };
    for (std::int16_t index = worm.tailIndex;; index = nextIndex(index)) {
        const WormSegment& segment = worm.segmentRing.at(static_cast<std::size_t>(index));
        if (index == worm.headIndex) {
            put(segment, spriteChar(headSprite(segment.shapeCode % 10)));
            break;
        }
        const auto sprite = index == worm.tailIndex ? tailSprite(segment.shapeCode)
                                                    : bodySprite(segment.shapeCode);
        put(segment, sprite ? spriteChar(*sprite) : '?');
    }
    return board;
}
