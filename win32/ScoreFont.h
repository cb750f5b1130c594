#pragma once

#include <windows.h>

#include "GdiHandles.h"

// The score's big digits: the bold OCR-A face the program carries, registered
// for this process alone, or a bold fixed font where that fails.
class ScoreFont {
public:
    explicit ScoreFont(HINSTANCE instance);

    // The bold face at a character height of `pixels`.
    FontHandle create(int pixels) const;
    bool isEmbedded() const { return registered != nullptr; }

    static constexpr const wchar_t* embeddedFamily = L"OCRABold";

private:
    FontResourceHandle registered;
};
