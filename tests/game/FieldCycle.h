#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "WormSegment.h"

// A closed path through every cell of a field with an even number of columns.
// It starts at (0, 0) and runs right along the top row, as a new game's worm
// lies, then snakes down and up the columns and comes back up column 0.
class FieldCycle {
public:
    FieldCycle(int columns, int rows);

    int size() const { return static_cast<int>(order.size()); }
    // The cell at a place on the path (counted from (0, 0), wrapping round).
    WormSegment cell(int place) const;
    // The heading that leads from a cell to the next one on the path.
    std::uint8_t headingFrom(int column, int row) const;
    // The moves (U, R, D, L) along `length` cells that start at `place`, for layWorm.
    std::string moves(int place, int length) const;

private:
    int columns;
    int rows;
    std::vector<WormSegment> order;
    std::vector<std::uint8_t> headings; // by row * columns + column
};
