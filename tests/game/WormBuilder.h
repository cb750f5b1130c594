#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "modWorm.h"

// Lays a worm on the ring: its tail at (column, row) in slot `tailSlot`, then one
// segment for each move in `path` (U, R, D, L), with the shape codes the worm
// step would have given each cell. The heading is left at the last move.
void layWorm(modWorm& worm, int column, int row, std::string_view path, int tailSlot = 0);

// The board as the model says it must look: the tail, body and head sprites of
// every segment in FakePlatform's characters, every other cell blank.
std::vector<std::string> expectedBoard(const modWorm& worm, int columns, int rows);
