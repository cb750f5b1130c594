#include "SoundResources.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <mmsystem.h>

namespace {
bool sameLetters(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x))
            == std::toupper(static_cast<unsigned char>(y));
    });
}

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
    // Resource names are looked up without regard to case: "pop" finds "POP".
    static constexpr std::array<std::pair<const char*, const wchar_t*>, 2> names = {{
        {"pop", L"pop"},
        {"oof", L"oof"},
    }};
    for (const auto& [name, wideName] : names) {
        HRSRC found = FindResourceW(module, wideName, L"wave");
        HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
        if (const void* image = loaded ? LockResource(loaded) : nullptr)
            effects.push_back({name, image});
    }
}

const void* SoundResources::find(std::string_view name) const
{
    for (const Effect& effect : effects)
        if (sameLetters(effect.name, name))
            return effect.image;
    return nullptr;
}

void SoundResources::play(std::string_view name) const
{
    // The image lives as long as the program, so it outlasts any playback.
    const void* image = find(name);
    if (image && player)
        player(static_cast<LPCWSTR>(image), SND_ASYNC | SND_NODEFAULT | SND_MEMORY);
}
