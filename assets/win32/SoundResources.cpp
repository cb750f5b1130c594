#include "SoundResources.h"

#include <mmsystem.h>
#include <string>

SoundResources::SoundResources(HMODULE module)
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
    if (const void* image = find(effect))
        sndPlaySoundW(static_cast<LPCWSTR>(image), SND_ASYNC | SND_NODEFAULT | SND_MEMORY);
}
