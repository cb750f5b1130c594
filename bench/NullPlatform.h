#pragma once

#include "GamePlatform.h"

// A platform that does nothing, so a benchmark sees the rules' own cost.
class NullPlatform : public GamePlatform {
public:
    void drawSprite(Sprite, int, int) override { }
    void clearBoard() override { }
    void refreshBoard() override { }
    int boardWidth() const override { return 479; }
    int boardHeight() const override { return 367; }
    void setScoreCaption(const std::string&) override { }
    void setScoreVisible(bool) override { }
    void setFoodLeft(int, int) override { }
    void setFoodTop(int, int) override { }
    void setTimerEnabled(GameTimer timer, bool enabled) override
    {
        timers[timer == GameTimer::Timer1 ? 0 : 1] = enabled;
    }
    bool isTimerEnabled(GameTimer timer) const override
    {
        return timers[timer == GameTimer::Timer1 ? 0 : 1];
    }
    void setMenuChecked(MenuMark, bool) override { }
    void showMainWindow() override { }
    void playSound(SoundEffect) override { }
    void processEvents() override { }
    void endProgram() override { }

private:
    bool timers[2] = {false, false};
};
