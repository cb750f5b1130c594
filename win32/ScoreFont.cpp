#include "ScoreFont.h"

#include <cwchar>

#include "resource.h"

namespace {
int CALLBACK noteFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool isInstalled(const wchar_t* family)
{
    LOGFONTW wanted {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, family, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, noteFamily, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}
}

ScoreFont::ScoreFont(HINSTANCE instance) : installed(isInstalled(installedFamily))
{
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(IDR_SCORE_FONT), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    void* data = loaded ? LockResource(loaded) : nullptr;
    DWORD fonts = 0;
    if (data)
        registered.reset(
            AddFontMemResourceEx(data, SizeofResource(instance, found), nullptr, &fonts));
}

const wchar_t* ScoreFont::familyFor(bool installedOcrA, bool embedded)
{
    if (installedOcrA)
        return installedFamily;
    return embedded ? embeddedFamily : L"Courier New";
}

FontHandle ScoreFont::create(int pixels) const
{
    // A negative height asks for the character height, as a point size does.
    return FontHandle(CreateFontW(-pixels, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                  FIXED_PITCH | FF_MODERN, familyFor(installed, isEmbedded())));
}
