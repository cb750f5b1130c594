#pragma once

#include <array>
#include <cstdint>

#include "WormSegment.h"

// All the state of a game: the worm on its ring, its heading, the food, the
// game-state flags and the score count. The rules alone change it; the windows
// and the tests read it through modWorm::state().
struct WormState {
    std::array<WormSegment, ringSize> segmentRing {};
    std::int16_t headIndex = 0;
    std::int16_t tailIndex = 0;
    std::uint8_t heading = 0;
    std::int16_t stepX = 0;
    std::int16_t stepY = 0;
    std::int16_t growCount = 0;
    WormSegment foodCell {};
    std::int16_t foodPicture = 0;
    bool gameRunning = false;
    bool gameOverActive = false;
    bool soundEnabled = false;
    std::int16_t scoreTally = 0;

    const WormSegment& segment(std::int16_t index) const
    {
        return segmentRing.at(static_cast<std::size_t>(index));
    }
    const WormSegment& head() const { return segment(headIndex); }
    int length() const { return wormLength(headIndex, tailIndex); }
};
