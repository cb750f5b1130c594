#pragma once

// Where food placement gets its chance from, so tests can choose the draws.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Starts a fresh sequence; the game does this at every food placement.
    virtual void reseed() = 0;
    // The next draw, uniform over 0 <= u < 1.
    virtual double next() = 0;
};
