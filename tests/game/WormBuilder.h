#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "modWorm.h"

// The rules' state, for a test to lay out the situation it needs.
WormState& arrange(modWorm& worm);

// Lays a worm on the ring: its tail at (column, row) in slot `tailSlot`, then one
// segment for each move in `path` (U, R, D, L), with the shape codes the worm
// step would have given each cell. The heading is left at the last move.
void layWorm(modWorm& worm, int column, int row, std::string_view path, int tailSlot = 0);

// Lays a worm over every cell of the 30 × 23 field, row by row from the top
// left, except the cells `isFree` names; every segment heads right.
void fillField(modWorm& worm, const std::function<bool(int column, int row)>& isFree);

// The board as the model says it must look: the tail, body and head sprites of
// every segment in the characters of spriteChar(), every other cell blank.
std::vector<std::string> expectedBoard(const modWorm& worm, int columns, int rows);
