#include "ScreenScale.h"

namespace {
constexpr unsigned standardDotsPerInch = 96;
}

int scaleForDpi(unsigned dotsPerInch)
{
    const auto scale = (dotsPerInch + standardDotsPerInch / 2) / standardDotsPerInch;
    return scale < 1 ? 1 : static_cast<int>(scale);
}
