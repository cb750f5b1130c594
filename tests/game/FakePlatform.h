#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "frmMainForm.h"
#include "GamePlatform.h"
#include "WormSegment.h"

// The character a sprite is drawn as in the tests' text boards, shaped like
// what it shows: heads point, tails name the side the body goes on to (n, e,
// s, w), corners look like their turn, a blank cell is '.'.
char spriteChar(Sprite sprite);

// A platform that keeps what the rules did to it: the board as one sprite per
// cell, the state of every window element and the effects played; and, when
// asked to, a log of the calls in their order, for the rules that are about order.
class FakePlatform : public GamePlatform {
public:
    static constexpr int foodCount = frmMainForm::foodPictures.count;

    FakePlatform(int width = frmMainForm::boardInnerWidth,
                 int height = frmMainForm::boardInnerHeight);

    void drawSprite(Sprite sprite, int x, int y) override;
    void clearBoard() override;
    void refreshBoard() override;
    int boardWidth() const override { return width; }
    int boardHeight() const override { return height; }
    void setScoreCaption(const std::string& caption) override;
    void setScoreVisible(bool visible) override;
    void setFoodLeft(int picture, int left) override;
    void setFoodTop(int picture, int top) override;
    void setTimerEnabled(GameTimer timer, bool enabled) override;
    bool isTimerEnabled(GameTimer timer) const override;
    void setMenuChecked(MenuMark mark, bool checked) override;
    void showMainWindow() override;
    void playSound(SoundEffect effect) override;
    void processEvents() override;
    void endProgram() override;

    int columns() const { return (width + cellSize - 1) / cellSize; }
    int rows() const { return (height + cellSize - 1) / cellSize; }
    // The board's rows as text, one character per cell.
    std::vector<std::string> boardRows() const;
    // The first `rows` rows, `columns` wide, as one string with a line each.
    std::string boardText(int columns, int rows) const;
    // Pictures whose square overlaps the visible field.
    std::vector<int> visibleFood() const;
    bool mark(MenuMark which) const { return marks.at(static_cast<std::size_t>(which)); }
    // The calls logged so far; the log starts empty again.
    std::vector<std::string> takeLog();

    const int width;
    const int height;
    // Row by row, one sprite per cell; a blank cell holds pNUL.
    std::vector<Sprite> cells;
    // Set when something was drawn off the grid of cells.
    bool strayDrawing = false;
    // Sprites drawn since the last refresh, which the window does not show yet.
    int unshownDrawings = 0;
    int refreshes = 0;
    std::string scoreCaption = "0";
    bool scoreVisible = true;
    // The window's pictures start somewhere on the field; start-up parks them.
    std::array<int, foodCount> foodLeft {};
    std::array<int, foodCount> foodTop {};
    std::array<bool, 2> timers {};
    std::array<bool, 2> marks {};
    bool shown = false;
    bool ended = false;
    std::vector<SoundEffect> sounds;
    // Runs inside processEvents(), as if those events had been waiting.
    std::function<void()> pendingEvents;
    bool logCalls = false;
    std::vector<std::string> log;

private:
    void note(const std::string& call);
};
