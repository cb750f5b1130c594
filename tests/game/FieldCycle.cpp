#include "FieldCycle.h"

#include <stdexcept>

namespace {
std::uint8_t headingBetween(const WormSegment& from, const WormSegment& to)
{
    if (to.column > from.column)
        return headingRight;
    if (to.column < from.column)
        return headingLeft;
    return to.row > from.row ? headingDown : headingUp;
}

char moveLetter(std::uint8_t heading)
{
    switch (heading) {
    case headingUp: return 'U';
    case headingRight: return 'R';
    case headingDown: return 'D';
    default: return 'L';
    }
}
}

FieldCycle::FieldCycle(int columns, int rows)
    : columns(columns), rows(rows), headings(static_cast<std::size_t>(columns * rows), 0)
{
    if (columns < 2 || columns % 2 != 0 || rows < 2)
        throw std::invalid_argument("the path needs an even number of columns and two rows");
    const auto add = [this](int column, int row) {
        order.push_back({static_cast<std::int16_t>(column), static_cast<std::int16_t>(row), 0});
    };
    for (int column = 0; column < columns; ++column)
        add(column, 0);
    // Rows 1 and below: down the last column, up the one before, and so on; with
    // an even number of columns the path reaches the bottom of column 1.
    for (int column = columns - 1; column >= 1; --column) {
        const bool down = (columns - 1 - column) % 2 == 0;
        for (int step = 1; step < rows; ++step)
            add(column, down ? step : rows - step);
    }
    for (int row = rows - 1; row >= 1; --row)
        add(0, row);
    for (int place = 0; place < size(); ++place) {
        const WormSegment& from = order.at(static_cast<std::size_t>(place));
        headings.at(static_cast<std::size_t>(from.row * columns + from.column))
            = headingBetween(from, cell(place + 1));
    }
}

WormSegment FieldCycle::cell(int place) const
{
    return order.at(static_cast<std::size_t>(((place % size()) + size()) % size()));
}

std::uint8_t FieldCycle::headingFrom(int column, int row) const
{
    if (column < 0 || row < 0 || column >= columns || row >= rows)
        return 0;
    return headings.at(static_cast<std::size_t>(row * columns + column));
}

std::string FieldCycle::moves(int place, int length) const
{
    std::string path;
    for (int i = 0; i + 1 < length; ++i) {
        const WormSegment from = cell(place + i);
        path += moveLetter(headingFrom(from.column, from.row));
    }
    return path;
}
