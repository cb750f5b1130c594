#include "TransparentLabel.h"

#include <utility>

#include "PictureBox.h"

TransparentLabel::TransparentLabel(PictureBox& board, RECT area, COLORREF colour)
    : board(board), area(area), colour(colour)
{
}

void TransparentLabel::setCaption(std::wstring caption)
{
    if (caption == text)
        return;
    text = std::move(caption);
    repaint();
}

void TransparentLabel::setVisible(bool shown)
{
    if (shown == visible)
        return;
    visible = shown;
    repaint();
}

void TransparentLabel::setFont(HFONT newFont)
{
    font = newFont;
    repaint();
}

void TransparentLabel::repaint()
{
    // The board repaints its own picture under the whole label first, so old
    // digits vanish and the new ones are drawn over the worm.
    board.invalidate(area);
}

void TransparentLabel::paint(HDC dc, int scale) const
{
    if (!visible || text.empty())
        return;
    RECT device {area.left * scale, area.top * scale, area.right * scale, area.bottom * scale};
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, colour);
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &device,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    if (oldFont)
        SelectObject(dc, oldFont);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
}
