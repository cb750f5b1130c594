#pragma once

#include <windows.h>

#include "BoardElement.h"

class PictureBox;

// A picture at its natural size on the board, above the board's own image,
// that can be moved about: one food picture of Image1. Positions are board
// pixels; a picture moved past the board's edge is simply not seen.
class ImageElement : public BoardElement {
public:
    // `picture` is a surface holding the picture at (0, 0); it must outlive the element.
    ImageElement(PictureBox& board, HDC picture, SIZE size);

    int left() const { return position.x; }
    int top() const { return position.y; }
    void setLeft(int left);
    void setTop(int top);

    void paint(HDC dc, int scale) const override;

private:
    void moveTo(POINT to);
    RECT area() const;

    PictureBox& board;
    HDC picture;
    SIZE size;
    POINT position {0, 0};
};
