#pragma once

#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

// The game's sound effects on Windows ("pop" when the worm eats, "oof" when
// it dies): the program's WAVE resources, found and locked once and played by
// name in the background through the system's winmm. Every failure is
// ignored: an effect that cannot be found or played, or a system without
// winmm, is simply not heard.
class SoundResources {
public:
    explicit SoundResources(HMODULE module);

    // Starts the named effect, cutting off whatever effect is still playing.
    void play(std::string_view name) const;

    // The WAVE file image stored under that name, whatever the letter case of
    // either; null when the program carries no such effect.
    const void* find(std::string_view name) const;

private:
    struct Effect {
        std::string name;
        const void* image;
    };

    std::vector<Effect> effects;
    BOOL(WINAPI* player)(LPCWSTR, UINT);
};
