#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The sixteen cell pictures the board is drawn from. The letters say where the
// body continues (Up, Down, Left, Right); heads name their heading, X the crash.
enum class Sprite : std::uint8_t {
    pWHU,
    pWHD,
    pWHL,
    pWHR,
    pWTU,
    pWTD,
    pWTL,
    pWTR,
    pWJLD,
    pWJLU,
    pWJRU,
    pWJRD,
    pWBUD,
    pWBLR,
    pNUL,
    pWHX,
};

inline constexpr int spriteCount = 16;

// The sprite's name as the game's code and picture files spell it ("pWHU").
std::string_view spriteName(Sprite sprite);

// The head picture for a heading of 1..4.
Sprite headSprite(std::uint8_t heading);

// The body picture for a cell the head has just left; none for a reversal code.
std::optional<Sprite> bodySprite(std::uint8_t shapeCode);

// The tail picture for the cell the tail has reached, by the heading it left with.
std::optional<Sprite> tailSprite(std::uint8_t shapeCode);
