#pragma once

#include <windows.h>

// Something the board paints above its own image: a food picture or the
// score label. The board calls it for every part of itself it repaints.
class BoardElement {
public:
    virtual ~BoardElement() = default;

    // Paints at `scale` device pixels per board pixel; the board has clipped
    // the device context to the part being repainted.
    virtual void paint(HDC dc, int scale) const = 0;
};
