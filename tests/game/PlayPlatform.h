#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "GamePlatform.h"
#include "WormSegment.h"

// A quick platform for long autoplayed games: it keeps the board as one sprite
// per cell and the state of every window element, but no log of the calls.
class PlayPlatform : public GamePlatform {
public:
    PlayPlatform(int width = 479, int height = 367);

    void drawSprite(Sprite sprite, int x, int y) override;
    void clearBoard() override;
    void refreshBoard() override { ++refreshes; }
    int boardWidth() const override { return width; }
    int boardHeight() const override { return height; }
    void setScoreCaption(const std::string& caption) override { scoreCaption = caption; }
    void setScoreVisible(bool visible) override { scoreVisible = visible; }
    void setFoodLeft(int picture, int left) override;
    void setFoodTop(int picture, int top) override;
    void setTimerEnabled(GameTimer timer, bool enabled) override;
    bool isTimerEnabled(GameTimer timer) const override;
    void setMenuChecked(MenuMark mark, bool checked) override;
    void showMainWindow() override { }
    void playSound(std::string_view) override { ++sounds; }
    void processEvents() override;

    int columns() const { return (width + cellSize - 1) / cellSize; }
    int rows() const { return (height + cellSize - 1) / cellSize; }

    const int width;
    const int height;
    // Row by row, one sprite per cell; a blank cell holds pNUL.
    std::vector<Sprite> cells;
    // Set when something was drawn off the grid of cells.
    bool strayDrawing = false;
    std::string scoreCaption = "0";
    bool scoreVisible = true;
    std::array<int, 12> foodLeft {};
    std::array<int, 12> foodTop {};
    std::array<bool, 2> timers {};
    std::array<bool, 2> marks {};
    int refreshes = 0;
    int sounds = 0;
    // Runs inside processEvents(), as if those events had been waiting.
    std::function<void()> pendingEvents;
};
