#include "SoundEffects.h"

void SoundEffects::play(std::string_view) { }
