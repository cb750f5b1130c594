#include "PlayPlatform.h"

#include <algorithm>
#include <utility>

PlayPlatform::PlayPlatform(int width, int height)
    : width(width), height(height),
      cells(static_cast<std::size_t>(columns() * rows()), Sprite::pNUL)
{
    // The window's own pictures start somewhere; start-up must park them.
    foodLeft.fill(0);
    foodTop.fill(0);
}

void PlayPlatform::drawSprite(Sprite sprite, int x, int y)
{
    const int column = x / cellSize;
    const int row = y / cellSize;
    if (x % cellSize != 0 || y % cellSize != 0 || x < 0 || y < 0 || column >= columns()
        || row >= rows()) {
        strayDrawing = true;
        return;
    }
    cells.at(static_cast<std::size_t>(row * columns() + column)) = sprite;
}

void PlayPlatform::clearBoard()
{
    std::fill(cells.begin(), cells.end(), Sprite::pNUL);
}

void PlayPlatform::setFoodLeft(int picture, int left)
{
    foodLeft.at(static_cast<std::size_t>(picture)) = left;
}

void PlayPlatform::setFoodTop(int picture, int top)
{
    foodTop.at(static_cast<std::size_t>(picture)) = top;
}

void PlayPlatform::setTimerEnabled(GameTimer timer, bool enabled)
{
    timers.at(static_cast<std::size_t>(timer)) = enabled;
}

bool PlayPlatform::isTimerEnabled(GameTimer timer) const
{
    return timers.at(static_cast<std::size_t>(timer));
}

void PlayPlatform::setMenuChecked(MenuMark mark, bool checked)
{
    marks.at(static_cast<std::size_t>(mark)) = checked;
}

void PlayPlatform::processEvents()
{
    if (auto events = std::exchange(pendingEvents, nullptr))
        events();
}
