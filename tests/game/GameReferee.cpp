#include "GameReferee.h"

#include <array>
#include <cstdlib>
#include <utility>

#include "Headings.h"

namespace {
GameState classify(const WormState& worm, const GameView& view)
{
    const bool running = worm.gameRunning;
    const bool over = worm.gameOverActive;
    if (running && !over && !view.timer2)
        return view.timer1 ? GameState::Running : GameState::Paused;
    if (!running && over && !view.timer1 && view.timer2)
        return GameState::GameOver;
    if (!running && !over && !view.timer1 && !view.timer2)
        return view.scoreVisible ? GameState::Finished : GameState::Idle;
    return GameState::Inconsistent;
}

const WormSegment& segment(const WormState& worm, std::int16_t index)
{
    return worm.segmentRing.at(static_cast<std::size_t>(index));
}

std::string at(const WormSegment& cell)
{
    return std::string("(") + std::to_string(cell.column) + ", " + std::to_string(cell.row) + ")";
}
}

std::string stateName(GameState state)
{
    switch (state) {
    case GameState::Idle: return "Idle";
    case GameState::Running: return "Running";
    case GameState::Paused: return "Paused";
    case GameState::GameOver: return "Game over";
    case GameState::Finished: return "Finished";
    default: return "inconsistent";
    }
}

GameReferee::GameReferee(int columns, int rows) : columns(columns), rows(rows) { }

std::vector<std::string> GameReferee::check(const WormState& worm, const GameView& view)
{
    std::vector<std::string> problems;
    const GameState previous = std::exchange(current, classify(worm, view));
    const int length = wormLength(worm.headIndex, worm.tailIndex);
    switch (current) {
    case GameState::Inconsistent:
        problems.push_back(std::string("flags and timers match no state: running ")
                           + std::to_string(worm.gameRunning) + ", over "
                           + std::to_string(worm.gameOverActive) + ", Timer1 "
                           + std::to_string(view.timer1) + ", Timer2 "
                           + std::to_string(view.timer2));
        return problems;
    case GameState::Idle:
    case GameState::Running:
    case GameState::Paused:
        if (view.scoreVisible)
            problems.emplace_back("the score shows while the worm lives");
        if (length < 6)
            problems.push_back(std::string("a live worm of ") + std::to_string(length) + " cells");
        break;
    case GameState::GameOver:
        if (!view.scoreVisible)
            problems.emplace_back("the score is hidden during the count-up");
        if (view.scoreCaption != (worm.scoreTally == 0 ? "" : std::to_string(worm.scoreTally)))
            problems.push_back("the score shows \"" + view.scoreCaption + "\" after "
                               + std::to_string(worm.scoreTally) + " count ticks");
        lengthAtDeath = length + worm.scoreTally;
        lastCrashed = crashed(worm);
        if (previous != GameState::GameOver && !lastCrashed && anyFreeBlock(worm))
            problems.emplace_back("the game ended with neither a crash nor a full field");
        break;
    case GameState::Finished:
        if (previous == GameState::GameOver) {
            ++games;
            crashes += lastCrashed ? 1 : 0;
            lastScore = worm.scoreTally;
            if (worm.scoreTally != lengthAtDeath - 1)
                problems.push_back(std::string("the count-up ended at ")
                                   + std::to_string(worm.scoreTally) + " for a worm of "
                                   + std::to_string(lengthAtDeath));
        }
        if (!view.scoreVisible || view.scoreCaption != std::to_string(worm.scoreTally))
            problems.push_back("the final score shows \"" + view.scoreCaption + "\", not "
                               + std::to_string(worm.scoreTally));
        break;
    }
    if (current != GameState::Finished)
        checkWorm(worm, problems);
    checkFood(worm, view, problems);
    if (view.soundMark != worm.soundEnabled)
        problems.emplace_back("the Sound FX mark differs from the sound setting");
    if (worm.gameRunning && view.pauseMark != !view.timer1)
        problems.emplace_back("the Pause mark differs from the game's pause");
    return problems;
}

void GameReferee::checkWorm(const WormState& worm, std::vector<std::string>& problems) const
{
    const auto heading = static_cast<std::size_t>(worm.heading);
    if (heading < 1 || heading > 4 || worm.stepX != Headings::deltaX.at(heading)
        || worm.stepY != Headings::deltaY.at(heading))
        problems.emplace_back("heading and step disagree");
    std::vector<bool> seen(static_cast<std::size_t>(columns * rows), false);
    for (std::int16_t index = worm.tailIndex;; index = nextIndex(index)) {
        const WormSegment& cell = segment(worm, index);
        if (cell.column < 0 || cell.row < 0 || cell.column >= columns || cell.row >= rows)
            problems.push_back("a worm cell outside the field at " + at(cell));
        else if (seen.at(static_cast<std::size_t>(cell.row * columns + cell.column)))
            problems.push_back("the worm lies twice on " + at(cell));
        else
            seen.at(static_cast<std::size_t>(cell.row * columns + cell.column)) = true;
        if (index == worm.headIndex)
            break;
        const WormSegment& next = segment(worm, nextIndex(index));
        const int leaving = cell.shapeCode % 10;
        if (leaving < 1 || leaving > 4
            || next.column != cell.column + Headings::deltaX.at(static_cast<std::size_t>(leaving))
            || next.row != cell.row + Headings::deltaY.at(static_cast<std::size_t>(leaving)))
            problems.push_back("the worm breaks after " + at(cell));
        // The next cell remembers the heading it was entered with.
        const int arrived = next.shapeCode >= 10 ? next.shapeCode / 10 : next.shapeCode;
        if (arrived != leaving)
            problems.push_back("the cell at " + at(next) + " was not entered from " + at(cell));
    }
}

void GameReferee::checkFood(const WormState& worm, const GameView& view,
                            std::vector<std::string>& problems) const
{
    const bool live = current == GameState::Running || current == GameState::Paused;
    if (!live) {
        if (!view.foodInField.empty())
            problems.push_back(std::string("food picture ")
                               + std::to_string(view.foodInField.front().picture)
                               + " in the field while " + stateName(current));
        return;
    }
    if (view.foodInField.size() != 1) {
        problems.push_back(std::to_string(view.foodInField.size())
                           + " food pictures in the field during play");
        return;
    }
    const GameView::Food& food = view.foodInField.front();
    if (food.picture != worm.foodPicture || food.left != worm.foodCell.column * cellSize
        || food.top != worm.foodCell.row * cellSize)
        problems.push_back(std::string("food picture ") + std::to_string(food.picture) + " at ("
                           + std::to_string(food.left) + ", " + std::to_string(food.top)
                           + ") is not where the food is, " + at(worm.foodCell));
    if (worm.foodCell.column < 0 || worm.foodCell.row < 0 || worm.foodCell.column + 1 >= columns
        || worm.foodCell.row + 1 >= rows)
        problems.push_back("the food block sticks out of the field at " + at(worm.foodCell));
}

bool GameReferee::crashed(const WormState& worm) const
{
    // A fatal step leaves the cell it could not enter in the slot after the
    // head, with the heading it tried; that cell was outside the field or on
    // the worm as it was at its death, before the count-up erased any of it.
    const WormSegment& head = segment(worm, worm.headIndex);
    const WormSegment& tried = segment(worm, nextIndex(worm.headIndex));
    const auto heading = static_cast<std::size_t>(tried.shapeCode);
    if (heading < 1 || heading > 4 || tried.column != head.column + Headings::deltaX.at(heading)
        || tried.row != head.row + Headings::deltaY.at(heading))
        return false;
    if (tried.column < 0 || tried.row < 0 || tried.column >= columns || tried.row >= rows)
        return true;
    const auto tailAtDeath
        = static_cast<std::int16_t>((worm.tailIndex - worm.scoreTally + ringSize) % ringSize);
    for (std::int16_t index = tailAtDeath; index != worm.headIndex; index = nextIndex(index)) {
        const WormSegment& cell = segment(worm, index);
        if (cell.column == tried.column && cell.row == tried.row)
            return true;
    }
    return false;
}

bool GameReferee::anyFreeBlock(const WormState& worm) const
{
    std::vector<bool> taken(static_cast<std::size_t>(columns * rows), false);
    for (std::int16_t index = worm.tailIndex;; index = nextIndex(index)) {
        const WormSegment& cell = segment(worm, index);
        if (cell.column >= 0 && cell.row >= 0 && cell.column < columns && cell.row < rows)
            taken.at(static_cast<std::size_t>(cell.row * columns + cell.column)) = true;
        if (index == worm.headIndex)
            break;
    }
    const auto free = [&](int column, int row) {
        return !taken.at(static_cast<std::size_t>(row * columns + column));
    };
    for (int row = 0; row + 1 < rows; ++row)
        for (int column = 0; column + 1 < columns; ++column)
            if (free(column, row) && free(column + 1, row) && free(column, row + 1)
                && free(column + 1, row + 1))
                return true;
    return false;
}

std::vector<Sprite> GameReferee::expectedCells(const WormState& worm) const
{
    std::vector<Sprite> cells(static_cast<std::size_t>(columns * rows), Sprite::pNUL);
    if (current == GameState::Finished)
        return cells;
    const auto put = [&](const WormSegment& cell, Sprite sprite) {
        if (cell.column >= 0 && cell.row >= 0 && cell.column < columns && cell.row < rows)
            cells.at(static_cast<std::size_t>(cell.row * columns + cell.column)) = sprite;
    };
    for (std::int16_t index = worm.tailIndex; index != worm.headIndex; index = nextIndex(index)) {
        const WormSegment& cell = segment(worm, index);
        const auto sprite
            = index == worm.tailIndex ? tailSprite(cell.shapeCode) : bodySprite(cell.shapeCode);
        put(cell, sprite.value_or(Sprite::pNUL));
    }
    const WormSegment& head = segment(worm, worm.headIndex);
    const bool showCrash = current == GameState::GameOver && crashed(worm);
    put(head,
        showCrash ? Sprite::pWHX : headSprite(static_cast<std::uint8_t>(head.shapeCode % 10)));
    return cells;
}
