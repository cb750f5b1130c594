#pragma once

#include <array>
#include <windows.h>

#include "GamePlatform.h"

// The game's sound effects on Windows ("pop" when the worm eats, "oof" when
// it dies): the program's WAVE resources, found and locked once and played in
// the background through the system's winmm. Every failure is ignored: an
// effect that cannot be found or played, or a system without winmm, is simply
// not heard.
class SoundResources {
public:
    explicit SoundResources(HMODULE module);

    // Starts the effect, cutting off whatever effect is still playing.
    void play(SoundEffect effect) const;

    // The WAVE file image the program carries for the effect; null when it
    // carries none.
    const void* find(SoundEffect effect) const;

private:
    std::array<const void*, soundEffectCount> effects {};
    BOOL(WINAPI* player)(LPCWSTR, UINT);
};
