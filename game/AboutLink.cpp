#include "AboutLink.h"

AboutLink::AboutLink(int width, int height) : width(width), height(height) { }

bool AboutLink::contains(int x, int y) const
{
    return x >= 0 && y >= 0 && x <= width && y <= height;
}

void AboutLink::enter(int x, int y)
{
    move(x, y);
}

void AboutLink::move(int x, int y)
{
    if (!contains(x, y)) {
        lit = false;
        clickedAt.reset();
    } else if (clickedAt != Point {x, y}) {
        lit = true;
        clickedAt.reset();
    }
}

void AboutLink::leave()
{
    lit = false;
    clickedAt.reset();
}

void AboutLink::press(int x, int y)
{
    pressed = contains(x, y);
    if (pressed) {
        lit = true;
        clickedAt.reset();
    }
}

bool AboutLink::release(int x, int y)
{
    const bool click = pressed && contains(x, y);
    pressed = false;
    if (click) {
        lit = false;
        clickedAt = Point {x, y};
    } else if (!contains(x, y)) {
        lit = false;
    }
    return click;
}

void AboutLink::doubleClick(int, int)
{
    pressed = false;
}

void AboutLink::captureLost()
{
    rest();
}

void AboutLink::hidden()
{
    rest();
}

void AboutLink::rest()
{
    lit = false;
    pressed = false;
}
