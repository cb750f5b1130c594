#include "ScoreFont.h"

#include "resource.h"

ScoreFont::ScoreFont(HINSTANCE instance)
{
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(IDR_SCORE_FONT), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    void* data = loaded ? LockResource(loaded) : nullptr;
    DWORD fonts = 0;
    if (data)
        registered.reset(
            AddFontMemResourceEx(data, SizeofResource(instance, found), nullptr, &fonts));
}

FontHandle ScoreFont::create(int pixels) const
{
    // A negative height asks for the character height, as a point size does.
    return FontHandle(CreateFontW(-pixels, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                  FIXED_PITCH | FF_MODERN,
                                  isEmbedded() ? embeddedFamily : L"Courier New"));
}
