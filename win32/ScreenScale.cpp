#include "ScreenScale.h"

#include <windows.h>

namespace {
constexpr unsigned standardDotsPerInch = 96;
}

int scaleForDpi(unsigned dotsPerInch)
{
    const auto scale = (dotsPerInch + standardDotsPerInch / 2) / standardDotsPerInch;
    return scale < 1 ? 1 : static_cast<int>(scale);
}

int screenScale()
{
    HDC screen = GetDC(nullptr);
    if (!screen)
        return 1;
    const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dotsPerInch > 0 ? scaleForDpi(static_cast<unsigned>(dotsPerInch)) : 1;
}
