#include "Autoplayer.h"

#include <array>
#include <cstdlib>
#include <tuple>

#include "Headings.h"

namespace {
constexpr std::array<int, 5> keyFor
    = {0, modWorm::vkUp, modWorm::vkRight, modWorm::vkDown, modWorm::vkLeft};

std::uint8_t opposite(std::uint8_t heading)
{
    return static_cast<std::uint8_t>((heading + 1) % 4 + 1);
}
}

Autoplayer::Autoplayer(Style style, int columns, int rows)
    : style(style), columns(columns), rows(rows)
{
    if (style == Style::fillingTheField)
        cycle.emplace_back(columns, rows);
}

int Autoplayer::chooseKey(const modWorm& game) const
{
    const WormState& worm = game.state();
    const WormSegment& head = worm.segmentRing.at(static_cast<std::size_t>(worm.headIndex));
    const std::uint8_t wanted = style == Style::fillingTheField
        ? cycle.front().headingFrom(head.column, head.row)
        : towardsFood(game);
    return wanted == 0 || wanted == worm.heading ? 0 : keyFor.at(wanted);
}

std::uint8_t Autoplayer::towardsFood(const modWorm& game) const
{
    const WormState& worm = game.state();
    std::vector<bool> taken(static_cast<std::size_t>(columns * rows), false);
    for (std::int16_t index = worm.tailIndex;; index = nextIndex(index)) {
        const WormSegment& cell = worm.segmentRing.at(static_cast<std::size_t>(index));
        taken.at(static_cast<std::size_t>(cell.row * columns + cell.column)) = true;
        if (index == worm.headIndex)
            break;
    }
    const WormSegment& head = worm.segmentRing.at(static_cast<std::size_t>(worm.headIndex));
    const int length = wormLength(worm.headIndex, worm.tailIndex);
    std::uint8_t best = 0;
    std::tuple<bool, int, int> bestScore {};
    for (std::uint8_t heading = headingUp; heading <= headingLeft; ++heading) {
        if (heading == opposite(worm.heading))
            continue;
        const WormSegment cell {
            static_cast<std::int16_t>(head.column + Headings::deltaX.at(heading)),
            static_cast<std::int16_t>(head.row + Headings::deltaY.at(heading)), 0};
        if (game.IsCellBlocked(cell))
            continue;
        const int room = roomFrom(cell, taken);
        const int distance = std::min(std::abs(cell.column - worm.foodCell.column),
                                      std::abs(cell.column - worm.foodCell.column - 1))
            + std::min(std::abs(cell.row - worm.foodCell.row),
                       std::abs(cell.row - worm.foodCell.row - 1));
        // Room enough first, then the food, then the most room.
        const std::tuple<bool, int, int> score {room > length, -distance, room};
        if (best == 0 || score > bestScore) {
            best = heading;
            bestScore = score;
        }
    }
    return best;
}

// How many free cells can be reached from `start`, itself included.
int Autoplayer::roomFrom(const WormSegment& start, const std::vector<bool>& taken) const
{
    std::vector<bool> seen = taken;
    std::vector<int> todo {start.row * columns + start.column};
    seen.at(static_cast<std::size_t>(todo.front())) = true;
    int room = 0;
    while (!todo.empty()) {
        const int place = todo.back();
        todo.pop_back();
        ++room;
        const int column = place % columns;
        const int row = place / columns;
        for (std::size_t heading = 1; heading <= 4; ++heading) {
            const int c = column + Headings::deltaX.at(heading);
            const int r = row + Headings::deltaY.at(heading);
            if (c < 0 || r < 0 || c >= columns || r >= rows)
                continue;
            const auto next = static_cast<std::size_t>(r * columns + c);
            if (!seen.at(next)) {
                seen.at(next) = true;
                todo.push_back(static_cast<int>(next));
            }
        }
    }
    return room;
}
