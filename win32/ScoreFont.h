#pragma once

#include <windows.h>

#include "GdiHandles.h"

// The score's big digits: "OCR A Extended" where it is installed, else the
// bold OCR-A face the program carries, registered for this process alone, else
// a bold fixed font.
class ScoreFont {
public:
    explicit ScoreFont(HINSTANCE instance);

    // The bold face at a character height of `pixels`.
    FontHandle create(int pixels) const;
    bool isEmbedded() const { return registered != nullptr; }
    // The family asked for, given what there is.
    static const wchar_t* familyFor(bool installedOcrA, bool embedded);

    static constexpr const wchar_t* installedFamily = L"OCR A Extended";
    static constexpr const wchar_t* embeddedFamily = L"OCRABold";

private:
    FontResourceHandle registered;
    bool installed = false;
};
