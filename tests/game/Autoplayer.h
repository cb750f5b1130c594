#pragma once

#include <vector>

#include "FieldCycle.h"
#include "modWorm.h"

// Plays the game as a player does: before each tick it picks the cursor key to
// press, if any. It reads the rules' state to decide but changes nothing.
class Autoplayer {
public:
    enum class Style {
        // Heads for the food along moves that leave the worm room to live.
        towardsFood,
        // Follows one closed path through every cell, so it never runs into
        // itself and plays on until no place for food is left.
        fillingTheField,
    };

    Autoplayer(Style style, int columns, int rows);

    // The virtual-key code to press before the next tick; 0 when the worm
    // should go on as it is.
    int chooseKey(const modWorm& worm) const;

private:
    std::uint8_t towardsFood(const modWorm& worm) const;
    int roomFrom(const WormSegment& start, const std::vector<bool>& taken) const;

    Style style;
    int columns;
    int rows;
    std::vector<FieldCycle> cycle; // empty unless filling
};
