#pragma once

#include <string>

#include "Sprite.h"

enum class GameTimer { Timer1, Timer2 };
enum class MenuMark { Sound, Pause };

// The two sound effects: "pop" when the worm eats, "oof" when it dies.
enum class SoundEffect { pop, oof };
inline constexpr int soundEffectCount = 2;

// The name each effect is carried under, as a WAVE file and as a resource.
constexpr const char* soundEffectName(SoundEffect effect)
{
    return effect == SoundEffect::pop ? "POP" : "OOF";
}

// Everything the rules ask of the window they are shown in: the board's
// persistent image, the score label, the food pictures, the two timers, the
// menu check marks, sound, one pass of the event loop and the program's end.
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

    // A timer ticks once per interval from the moment it was enabled. Enabling
    // a timer that is already enabled changes nothing, so its ticks keep their
    // phase: a New during play lets the next step come when it was due, while
    // Pause and resume start a whole interval afresh.
    virtual void setTimerEnabled(GameTimer timer, bool enabled) = 0;
    virtual bool isTimerEnabled(GameTimer timer) const = 0;

    virtual void setMenuChecked(MenuMark mark, bool checked) = 0;
    virtual void showMainWindow() = 0;

    // Starts an effect in the background, cutting off one still playing; an
    // effect that cannot play is skipped.
    virtual void playSound(SoundEffect effect) = 0;
    // Handles the window events that are waiting, then returns.
    virtual void processEvents() = 0;
    // Ends the program with status 0 once the current event has been handled.
    virtual void endProgram() = 0;
};
