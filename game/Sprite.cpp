#include "Sprite.h"

#include <array>

std::string_view spriteName(Sprite sprite)
{
    static constexpr std::array<std::string_view, spriteCount> names = {
        "pWHU",  "pWHD",  "pWHL",  "pWHR",  "pWTU",  "pWTD",  "pWTL", "pWTR",
        "pWJLD", "pWJLU", "pWJRU", "pWJRD", "pWBUD", "pWBLR", "pNUL", "pWHX",
    };
    return names.at(static_cast<std::size_t>(sprite));
}

Sprite headSprite(std::uint8_t heading)
{
    switch (heading) {
    case 1: return Sprite::pWHU;
    case 2: return Sprite::pWHR;
    case 3: return Sprite::pWHD;
    default: return Sprite::pWHL;
    }
}

std::optional<Sprite> bodySprite(std::uint8_t shapeCode)
{
    switch (shapeCode) {
    case 1:
    case 3: return Sprite::pWBUD;
    case 2:
    case 4: return Sprite::pWBLR;
    case 12:
    case 43: return Sprite::pWJRD;
    case 14:
    case 23: return Sprite::pWJLD;
    case 21:
    case 34: return Sprite::pWJLU;
    case 32:
    case 41: return Sprite::pWJRU;
    default: return std::nullopt; // a reversal, which always ends the game first
    }
}

std::optional<Sprite> tailSprite(std::uint8_t shapeCode)
{
    switch (shapeCode % 10) {
    case 1: return Sprite::pWTU;
    case 2: return Sprite::pWTR;
    case 3: return Sprite::pWTD;
    case 4: return Sprite::pWTL;
    default: return std::nullopt;
    }
}
