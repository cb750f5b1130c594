#include "ImageElement.h"

#include "PictureBox.h"

ImageElement::ImageElement(PictureBox& board, HDC picture, SIZE size)
    : board(board), picture(picture), size(size)
{
}

void ImageElement::setLeft(int left)
{
    moveTo({left, position.y});
}

void ImageElement::setTop(int top)
{
    moveTo({position.x, top});
}

void ImageElement::moveTo(POINT to)
{
    // Where it was shows the board again, where it goes shows the picture.
    board.invalidate(area());
    position = to;
    board.invalidate(area());
}

RECT ImageElement::area() const
{
    return {position.x, position.y, position.x + size.cx, position.y + size.cy};
}

void ImageElement::paint(HDC dc, int scale) const
{
    if (scale == 1) {
        BitBlt(dc, position.x, position.y, size.cx, size.cy, picture, 0, 0, SRCCOPY);
        return;
    }
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, position.x * scale, position.y * scale, size.cx * scale, size.cy * scale,
               picture, 0, 0, size.cx, size.cy, SRCCOPY);
}
