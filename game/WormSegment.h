#pragma once

#include <cstdint>

// One cell of the worm (or the food block's top-left cell, whose shape is unused).
struct WormSegment {
    std::int16_t column = 0;
    std::int16_t row = 0;
    // A single digit 1..4: the heading the worm passed through with; two digits
    // E×10+X: it entered with heading E and left with heading X.
    std::uint8_t shapeCode = 0;
};

// The worm lives in a ring of this many segment records.
inline constexpr int ringSize = 1001;

// Width and height of one cell of the play field, in pixels.
inline constexpr int cellSize = 16;

// Heading codes, as stored in `heading` and in shape codes.
inline constexpr std::uint8_t headingUp = 1;
inline constexpr std::uint8_t headingRight = 2;
inline constexpr std::uint8_t headingDown = 3;
inline constexpr std::uint8_t headingLeft = 4;

// The ring index that follows `index`.
constexpr std::int16_t nextIndex(std::int16_t index)
{
    return index + 1 >= ringSize ? std::int16_t {0} : static_cast<std::int16_t>(index + 1);
}

// Number of segments of a worm running from `tailIndex` forward to `headIndex`.
constexpr int wormLength(std::int16_t headIndex, std::int16_t tailIndex)
{
    return (headIndex - tailIndex + ringSize) % ringSize + 1;
}
