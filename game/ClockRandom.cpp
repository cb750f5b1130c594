#include "ClockRandom.h"

#include <chrono>

void ClockRandom::reseed()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    engine.seed(static_cast<std::mt19937_64::result_type>(ticks));
}

double ClockRandom::next()
{
    // The top 53 bits make a double that is uniform and never reaches 1, which
    // std::uniform_real_distribution does not promise after rounding.
    return static_cast<double>(engine() >> 11) * 0x1.0p-53;
}
