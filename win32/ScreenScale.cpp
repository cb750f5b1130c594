#include "ScreenScale.h"

#include <windows.h>

int screenScale()
{
    constexpr int standardDotsPerInch = 96;
    HDC screen = GetDC(nullptr);
    if (!screen)
        return 1;
    const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dotsPerInch >= 2 * standardDotsPerInch ? dotsPerInch / standardDotsPerInch : 1;
}
