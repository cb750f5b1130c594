#include <windows.h>

#include "SoundResources.h"

// Plays "pop" and then "oof" through the game's own sound code, each to its
// end and with a pause between, for the planted-DLL test to record.
int main()
{
    const SoundResources sounds(GetModuleHandleW(nullptr));
    sounds.play("pop");
    Sleep(1000);
    sounds.play("oof");
    Sleep(1500);
    return 0;
}
