#pragma once

#include <string_view>

// Plays the game's two sound effects by name.
class SoundEffects {
public:
    void play(std::string_view name);
};
