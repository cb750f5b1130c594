#include "FakePlatform.h"

#include <algorithm>
#include <utility>

char spriteChar(Sprite sprite)
{
    static constexpr std::array<char, spriteCount> chars = {
        '^', 'v', '<', '>', // pWHU pWHD pWHL pWHR
        'n', 's', 'w', 'e', // pWTU pWTD pWTL pWTR
        '7', 'J', 'L', 'r', // pWJLD pWJLU pWJRU pWJRD
        '|', '-', '.', 'X', // pWBUD pWBLR pNUL pWHX
    };
    return chars.at(static_cast<std::size_t>(sprite));
}

FakePlatform::FakePlatform(int width, int height)
    : width(width), height(height),
      cells(static_cast<std::size_t>(columns() * rows()), Sprite::pNUL)
{
}

void FakePlatform::note(const std::string& call)
{
    if (logCalls)
        log.push_back(call);
}

void FakePlatform::drawSprite(Sprite sprite, int x, int y)
{
    const int column = x / cellSize;
    const int row = y / cellSize;
    note("draw " + std::string(spriteName(sprite)) + " " + std::to_string(column) + ","
         + std::to_string(row));
    ++unshownDrawings;
    if (x % cellSize != 0 || y % cellSize != 0 || x < 0 || y < 0 || column >= columns()
        || row >= rows()) {
        strayDrawing = true;
        return;
    }
    cells.at(static_cast<std::size_t>(row * columns() + column)) = sprite;
}

void FakePlatform::clearBoard()
{
    note("clear");
    std::fill(cells.begin(), cells.end(), Sprite::pNUL);
    ++unshownDrawings;
}

void FakePlatform::refreshBoard()
{
    note("refresh");
    ++refreshes;
    unshownDrawings = 0;
}

void FakePlatform::setScoreCaption(const std::string& caption)
{
    note("score \"" + caption + "\"");
    scoreCaption = caption;
}

void FakePlatform::setScoreVisible(bool visible)
{
    note(visible ? "score shown" : "score hidden");
    scoreVisible = visible;
}

void FakePlatform::setFoodLeft(int picture, int left)
{
    note("food " + std::to_string(picture) + " left " + std::to_string(left));
    foodLeft.at(static_cast<std::size_t>(picture)) = left;
}

void FakePlatform::setFoodTop(int picture, int top)
{
    note("food " + std::to_string(picture) + " top " + std::to_string(top));
    foodTop.at(static_cast<std::size_t>(picture)) = top;
}

void FakePlatform::setTimerEnabled(GameTimer timer, bool enabled)
{
    note(std::string(timer == GameTimer::Timer1 ? "Timer1 " : "Timer2 ")
         + (enabled ? "on" : "off"));
    timers.at(static_cast<std::size_t>(timer)) = enabled;
}

bool FakePlatform::isTimerEnabled(GameTimer timer) const
{
    return timers.at(static_cast<std::size_t>(timer));
}

void FakePlatform::setMenuChecked(MenuMark mark, bool checked)
{
    note(std::string(mark == MenuMark::Sound ? "mark Sound " : "mark Pause ")
         + (checked ? "on" : "off"));
    marks.at(static_cast<std::size_t>(mark)) = checked;
}

void FakePlatform::showMainWindow()
{
    note("show");
    shown = true;
}

void FakePlatform::playSound(SoundEffect effect)
{
    note(std::string("sound ") + soundEffectName(effect));
    sounds.push_back(effect);
}

void FakePlatform::processEvents()
{
    note("events");
    if (auto events = std::exchange(pendingEvents, nullptr))
        events();
}

void FakePlatform::endProgram()
{
    note("end");
    ended = true;
}

std::vector<std::string> FakePlatform::boardRows() const
{
    std::vector<std::string> text;
    for (int row = 0; row < rows(); ++row) {
        std::string line;
        for (int column = 0; column < columns(); ++column)
            line += spriteChar(cells.at(static_cast<std::size_t>(row * columns() + column)));
        text.push_back(line);
    }
    return text;
}

std::string FakePlatform::boardText(int columnCount, int rowCount) const
{
    std::string text;
    const auto all = boardRows();
    for (int row = 0; row < rowCount; ++row)
        text += all.at(static_cast<std::size_t>(row))
                    .substr(0, static_cast<std::size_t>(columnCount))
            + "\n";
    return text;
}

std::vector<int> FakePlatform::visibleFood() const
{
    constexpr int size = frmMainForm::foodPictures.width;
    std::vector<int> visible;
    for (int i = 0; i < foodCount; ++i) {
        const int left = foodLeft.at(static_cast<std::size_t>(i));
        const int top = foodTop.at(static_cast<std::size_t>(i));
        if (left < width && top < height && left + size > 0 && top + size > 0)
            visible.push_back(i);
    }
    return visible;
}

std::vector<std::string> FakePlatform::takeLog()
{
    return std::exchange(log, {});
}
