#include "FakePlatform.h"

#include <algorithm>
#include <utility>

namespace {
// One character per sprite, shaped like what it shows: heads point, tails name
// the side the body goes on to (n, e, s, w), corners look like their turn.
constexpr std::array<char, spriteCount> spriteChars = {
    '^', 'v', '<', '>', // pWHU pWHD pWHL pWHR
    'n', 's', 'w', 'e', // pWTU pWTD pWTL pWTR
    '7', 'J', 'L', 'r', // pWJLD pWJLU pWJRU pWJRD
    '|', '-', '.', 'X', // pWBUD pWBLR pNUL pWHX
};

std::string onOff(bool on)
{
    return on ? "on" : "off";
}

std::string timerName(GameTimer timer)
{
    return timer == GameTimer::Timer1 ? "Timer1" : "Timer2";
}
}

FakePlatform::FakePlatform(int width, int height)
    : width(width), height(height),
      cells(static_cast<std::size_t>((height + cellSize - 1) / cellSize),
            std::vector<char>(static_cast<std::size_t>((width + cellSize - 1) / cellSize), '.'))
{
    // The pictures start out of sight, as the window's start-up leaves them.
    foodLeft.fill(width);
    foodTop.fill(height);
}

void FakePlatform::drawSprite(Sprite sprite, int x, int y)
{
    const int column = x / cellSize;
    const int row = y / cellSize;
    log.push_back("draw " + std::string(spriteName(sprite)) + " " + std::to_string(column) + ","
                  + std::to_string(row));
    if (x % cellSize == 0 && y % cellSize == 0 && row >= 0 && column >= 0
        && row < static_cast<int>(cells.size()) && column < static_cast<int>(cells.front().size()))
        cells.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column))
            = spriteChars.at(static_cast<std::size_t>(sprite));
}

void FakePlatform::clearBoard()
{
    log.emplace_back("clear");
    for (auto& row : cells)
        std::fill(row.begin(), row.end(), '.');
}

void FakePlatform::refreshBoard()
{
    log.emplace_back("refresh");
    ++refreshes;
}

void FakePlatform::setScoreCaption(const std::string& caption)
{
    log.push_back("score \"" + caption + "\"");
    scoreCaption = caption;
}

void FakePlatform::setScoreVisible(bool visible)
{
    log.push_back(visible ? "score shown" : "score hidden");
    scoreVisible = visible;
}

void FakePlatform::setFoodLeft(int picture, int left)
{
    log.push_back("food " + std::to_string(picture) + " left " + std::to_string(left));
    foodLeft.at(static_cast<std::size_t>(picture)) = left;
}

void FakePlatform::setFoodTop(int picture, int top)
{
    log.push_back("food " + std::to_string(picture) + " top " + std::to_string(top));
    foodTop.at(static_cast<std::size_t>(picture)) = top;
}

void FakePlatform::setTimerEnabled(GameTimer timer, bool enabled)
{
    log.push_back(timerName(timer) + " " + onOff(enabled));
    timers.at(static_cast<std::size_t>(timer)) = enabled;
}

bool FakePlatform::isTimerEnabled(GameTimer timer) const
{
    return timers.at(static_cast<std::size_t>(timer));
}

void FakePlatform::setMenuChecked(MenuMark mark, bool checked)
{
    log.push_back(std::string(mark == MenuMark::Sound ? "mark Sound " : "mark Pause ")
                  + onOff(checked));
    marks.at(static_cast<std::size_t>(mark)) = checked;
}

void FakePlatform::showMainWindow()
{
    log.emplace_back("show");
    shown = true;
}

void FakePlatform::playSound(std::string_view name)
{
    log.push_back("sound " + std::string(name));
    sounds.emplace_back(name);
}

void FakePlatform::processEvents()
{
    log.emplace_back("events");
    if (auto events = std::exchange(pendingEvents, nullptr))
        events();
}

std::vector<std::string> FakePlatform::boardRows() const
{
    std::vector<std::string> rows;
    for (const auto& row : cells)
        rows.emplace_back(row.begin(), row.end());
    return rows;
}

std::string FakePlatform::boardText(int columns, int rows) const
{
    std::string text;
    for (int row = 0; row < rows; ++row)
        text += boardRows()
                    .at(static_cast<std::size_t>(row))
                    .substr(0, static_cast<std::size_t>(columns))
            + "\n";
    return text;
}

std::vector<int> FakePlatform::visibleFood() const
{
    std::vector<int> visible;
    for (int i = 0; i < 12; ++i) {
        const int left = foodLeft.at(static_cast<std::size_t>(i));
        const int top = foodTop.at(static_cast<std::size_t>(i));
        if (left < width && top < height && left + 32 > 0 && top + 32 > 0)
            visible.push_back(i);
    }
    return visible;
}

std::vector<std::string> FakePlatform::takeLog()
{
    return std::exchange(log, {});
}
