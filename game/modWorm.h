#pragma once

#include <cstdint>
#include <deque>
#include <functional>

#include "GamePlatform.h"
#include "RandomSource.h"
#include "Sprite.h"
#include "WormState.h"

// The rules of the game and all of its state: the worm, its heading, the food,
// the game-state flags and the score count. The window forwards its ticks,
// keys and menu commands here, and the rules draw and play through the platform.
// The state is the rules' own: everyone else reads it through state().
class modWorm : private WormState {
public:
    modWorm(GamePlatform& platform, RandomSource& random);

    // What the window's events do.
    void StartUp();
    void timer1Tick();
    void timer2Tick();
    void newGameCommand();
    void pauseCommand();
    void soundCommand();
    // Game > Exit: the program ends, once a step that waits inside a sound
    // has finished.
    void exitCommand();
    void closeCommand();
    void keyDown(int keyCode);

    const WormState& state() const { return *this; }

    // Runs a command now, or, while a step waits inside a sound, once that step
    // has finished, so nothing is reset under it. Commands keep their order.
    void runWhenIdle(std::function<void()> command);
    bool isBusy() const { return busyDepth > 0; }

    // The rule procedures.
    void NewGame();
    void StepWorm();
    bool HitsFood(const WormSegment& cell) const;
    bool IsCellBlocked(const WormSegment& cell) const;
    bool PlaceFood();
    void KillWorm();
    void PlaySoundEffect(SoundEffect effect);
    void DrawCell(int column, int row, Sprite sprite);

    // Virtual-key codes of the cursor keys.
    static constexpr int vkLeft = 37;
    static constexpr int vkUp = 38;
    static constexpr int vkRight = 39;
    static constexpr int vkDown = 40;

    // Number of random candidates food placement tries before it looks for a
    // free block directly, so a nearly full board never stalls it.
    static constexpr int foodDraws = 64;

private:
    // The rules' tests lay out the situations they need through this; it is
    // defined by them alone.
    friend WormState& arrange(modWorm& worm);

    template <typename Work> void exclusively(Work&& work);
    void startGame();
    void togglePause();
    void eraseTailStep();
    void moveTail();
    void setHeading(std::uint8_t newHeading);
    bool drawFoodBlock();
    bool findFreeBlock();
    bool isBlockFree(const WormSegment& topLeft) const;
    void showFood();
    void parkFood(int picture);
    float fieldColumns() const;
    float fieldRows() const;

    GamePlatform& platform;
    RandomSource& random;
    int busyDepth = 0;
    std::deque<std::function<void()>> deferred;
};
