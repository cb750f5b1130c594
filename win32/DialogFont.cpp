#include "DialogFont.h"

#include <cmath>

FontHandle dialogFont(double pointSize, bool bold, bool underline)
{
    // Points are 1/72 inch; the screen's logical inch says how many pixels
    // that is, and a negative height asks for the character height.
    HDC screen = GetDC(nullptr);
    const int pixelsPerInch = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    const int height = -static_cast<int>(std::lround(pointSize * pixelsPerInch / 72.0));
    return FontHandle(CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE,
                                  underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  VARIABLE_PITCH | FF_SWISS, L"MS Sans Serif"));
}
