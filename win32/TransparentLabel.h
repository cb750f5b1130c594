#pragma once

#include <string>
#include <windows.h>

#include "BoardElement.h"

class PictureBox;

// A line of text centred in its rectangle on the board, drawn with no
// background so the board shows around the letters: the score label.
class TransparentLabel : public BoardElement {
public:
    // `area` is in board pixels.
    TransparentLabel(PictureBox& board, RECT area, COLORREF colour);

    const std::wstring& caption() const { return text; }
    void setCaption(std::wstring caption);
    bool isVisible() const { return visible; }
    void setVisible(bool visible);
    // The font for the board's present scale; the caller keeps it alive.
    void setFont(HFONT font);

    void paint(HDC dc, int scale) const override;

private:
    void repaint();

    PictureBox& board;
    RECT area;
    COLORREF colour;
    std::wstring text;
    bool visible = true;
    HFONT font = nullptr;
};
