#pragma once

#include <array>

// The step on the field of each heading as the rules number them: 1 up,
// 2 right, 3 down, 4 left (0 is no heading).
namespace Headings {
inline constexpr std::array<int, 5> deltaX = {0, 0, 1, 0, -1};
inline constexpr std::array<int, 5> deltaY = {0, -1, 0, 1, 0};
}
