#pragma once

#include <random>

#include "RandomSource.h"

// Uniform draws reseeded from the high-resolution clock.
class ClockRandom : public RandomSource {
public:
    void reseed() override;
    double next() override;

private:
    std::mt19937_64 engine;
};
