#pragma once

#include <cstdint>
#include <random>

#include "RandomSource.h"

// Draws that follow from one seed, so a game can be played again exactly. The
// game reseeds at every food placement; here the sequence simply goes on.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine(seed) { }

    void reseed() override { }
    double next() override { return static_cast<double>(engine() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 engine;
};
