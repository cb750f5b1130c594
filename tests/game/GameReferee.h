#pragma once

#include <string>
#include <vector>

#include "Sprite.h"
#include "WormState.h"

enum class GameState { Idle, Running, Paused, GameOver, Finished, Inconsistent };

std::string stateName(GameState state);

// What the window shows, in the terms the referee compares with the rules.
struct GameView {
    struct Food {
        int picture;
        int left;
        int top;
    };
    bool timer1 = false;
    bool timer2 = false;
    bool scoreVisible = false;
    std::string scoreCaption;
    bool soundMark = false;
    bool pauseMark = false;
    // The food pictures that lie at least partly inside the field.
    std::vector<Food> foodInField;
};

// Watches a game event by event and says what is wrong with it: the worm
// itself, the flags and timers against the game states, the food, the score
// and the marks, and what the board must show.
class GameReferee {
public:
    GameReferee(int columns, int rows);

    // Checks the game after one event; returns what is wrong, nothing when all is well.
    std::vector<std::string> check(const WormState& worm, const GameView& view);
    // The sprite each cell must show now, row by row; a blank cell shows pNUL.
    std::vector<Sprite> expectedCells(const WormState& worm) const;

    GameState state() const { return current; }
    // During the count-up: whether the worm ran into something, rather than
    // filling the field so that no place for food was left.
    bool crashed(const WormState& worm) const;
    bool anyFreeBlock(const WormState& worm) const;

    int columns;
    int rows;
    int games = 0; // count-ups seen to their end
    int crashes = 0; // of those, games that ended in a crash
    int lastScore = -1;

private:
    void checkWorm(const WormState& worm, std::vector<std::string>& problems) const;
    void checkFood(const WormState& worm, const GameView& view,
                   std::vector<std::string>& problems) const;

    GameState current = GameState::Inconsistent;
    int lengthAtDeath = 0;
    bool lastCrashed = false;
};
