#include "DialogFont.h"

#include <cmath>

FontHandle dialogFont(double pointSize, int scale, bool bold, bool underline)
{
    // A point is 1/72 inch; a negative height asks for the character height.
    const double pixelsPerInch = 96.0 * scale;
    const int height = -static_cast<int>(std::lround(pointSize * pixelsPerInch / 72.0));
    return FontHandle(CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE,
                                  underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  VARIABLE_PITCH | FF_SWISS, L"MS Sans Serif"));
}
