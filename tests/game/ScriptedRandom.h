#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "RandomSource.h"

// Hands out the draws a test chose, in order, starting over when they run out.
class ScriptedRandom : public RandomSource {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<double> draws) : draws(std::move(draws)) { }

    void setDraws(std::vector<double> newDraws)
    {
        draws = std::move(newDraws);
        position = 0;
    }
    void reseed() override { ++reseeds; }
    double next() override
    {
        ++drawsTaken;
        if (draws.empty())
            return 0.5;
        const double u = draws.at(position % draws.size());
        ++position;
        return u;
    }

    int reseeds = 0;
    int drawsTaken = 0;

private:
    std::vector<double> draws;
    std::size_t position = 0;
};
