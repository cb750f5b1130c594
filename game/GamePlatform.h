#pragma once

#include <string>
#include <string_view>

#include "Sprite.h"

enum class GameTimer { Timer1, Timer2 };
enum class MenuMark { Sound, Pause };

// Everything the rules ask of the window they are shown in: the board's
// persistent image, the score label, the food pictures, the two timers, the
// menu check marks, sound, and one pass of the event loop.
class GamePlatform {
public:
    virtual ~GamePlatform() = default;

    // Copies a whole 16 × 16 sprite into the board's image at a pixel position.
    virtual void drawSprite(Sprite sprite, int x, int y) = 0;
    virtual void clearBoard() = 0;
    // Shows what was drawn since the last refresh.
    virtual void refreshBoard() = 0;
    // Inner size of the play field in pixels, read afresh at every use.
    virtual int boardWidth() const = 0;
    virtual int boardHeight() const = 0;

    virtual void setScoreCaption(const std::string& caption) = 0;
    virtual void setScoreVisible(bool visible) = 0;

    virtual void setFoodLeft(int picture, int left) = 0;
    virtual void setFoodTop(int picture, int top) = 0;

    virtual void setTimerEnabled(GameTimer timer, bool enabled) = 0;
    virtual bool isTimerEnabled(GameTimer timer) const = 0;

    virtual void setMenuChecked(MenuMark mark, bool checked) = 0;
    virtual void showMainWindow() = 0;

    // Starts an effect in the background; a sound that cannot play is skipped.
    virtual void playSound(std::string_view name) = 0;
    // Handles the window events that are waiting, then returns.
    virtual void processEvents() = 0;
};
