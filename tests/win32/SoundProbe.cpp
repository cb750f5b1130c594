#include <string>
#include <windows.h>

#include "SoundResources.h"

// Plays the effect named on its command line ("pop" or "oof") through the
// game's own sound code and waits for it to end, for the planted-DLL test to
// record.
int main(int argc, char* argv[])
{
    if (argc != 2)
        return 2;
    const std::string name = argv[1];
    if (name != "pop" && name != "oof")
        return 2;
    const SoundEffect effect = name == "pop" ? SoundEffect::pop : SoundEffect::oof;
    const SoundResources sounds(GetModuleHandleW(nullptr));
    if (!sounds.find(effect))
        return 1;
    sounds.play(effect);
    Sleep(2000);
    return 0;
}
