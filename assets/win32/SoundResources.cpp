#include "SoundResources.h"

#include <mmsystem.h>
#include <string>

namespace {
using SoundPlayer = decltype(&sndPlaySoundW);

// winmm is not one of Windows' known DLLs, which it always takes from the
// system folder, so the program does not import it: a winmm.dll left beside
// the program (in Downloads, say) would be loaded in its place. It is taken
// from the system folder alone, once, and stays loaded for the program's life,
// because a sound goes on playing inside it after the call that started it.
SoundPlayer systemSoundPlayer()
{
    static const SoundPlayer player = [] {
        HMODULE winmm = LoadLibraryExW(L"winmm.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        FARPROC found = winmm ? GetProcAddress(winmm, "sndPlaySoundW") : nullptr;
        // Through the generic function type, which converts to any other.
        return reinterpret_cast<SoundPlayer>(reinterpret_cast<void (*)()>(found));
    }();
    return player;
}
}

SoundResources::SoundResources(HMODULE module) : player(systemSoundPlayer())
{
    for (int i = 0; i < soundEffectCount; ++i) {
        const std::string name = soundEffectName(static_cast<SoundEffect>(i));
        HRSRC found
            = FindResourceW(module, std::wstring(name.begin(), name.end()).c_str(), L"WAVE");
        HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
        effects.at(static_cast<std::size_t>(i)) = loaded ? LockResource(loaded) : nullptr;
    }
}

const void* SoundResources::find(SoundEffect effect) const
{
    return effects.at(static_cast<std::size_t>(effect));
}

void SoundResources::play(SoundEffect effect) const
{
    // The image lives as long as the program, so it outlasts any playback.
    const void* image = find(effect);
    if (image && player)
        player(static_cast<LPCWSTR>(image), SND_ASYNC | SND_NODEFAULT | SND_MEMORY);
}
