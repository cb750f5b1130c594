#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "GamePlatform.h"
#include "WormSegment.h"

// A platform that records what the rules do to it: a log of every call, the
// board as one character per cell, and the state of each window element.
class FakePlatform : public GamePlatform {
public:
    FakePlatform(int width = 479, int height = 367);

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
    void playSound(std::string_view name) override;
    void processEvents() override;

    // The board's rows as text: one character per cell (see FakePlatform.cpp).
    std::vector<std::string> boardRows() const;
    // The first `rows` rows, `columns` wide, as one string with a line each.
    std::string boardText(int columns, int rows) const;
    // Pictures whose 32 × 32 square overlaps the visible field.
    std::vector<int> visibleFood() const;
    // The calls logged so far; the log starts empty again.
    std::vector<std::string> takeLog();

    int width;
    int height;
    std::vector<std::string> log;
    std::vector<std::vector<char>> cells;
    std::string scoreCaption = "0";
    bool scoreVisible = true;
    std::array<int, 12> foodLeft {};
    std::array<int, 12> foodTop {};
    std::array<bool, 2> timers {};
    std::array<bool, 2> marks {};
    bool shown = false;
    int refreshes = 0;
    std::vector<std::string> sounds;
    // Runs inside processEvents(), as if those events had been waiting.
    std::function<void()> pendingEvents;
};
