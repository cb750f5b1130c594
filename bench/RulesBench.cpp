// What one worm step and one food placement cost, through a platform that does
// nothing and through the real board's image, as the main window draws it.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "ClockRandom.h"
#include "FieldCycle.h"
#include "frmMainForm.h"
#include "modWorm.h"
#include "NullPlatform.h"
#include "PictureBox.h"
#include "Pictures.h"
#include "WormBuilder.h"

namespace {
constexpr int columns = 30;
constexpr int rows = 23;
const FieldCycle cycle(columns, rows);
ClockRandom clockRandom;
NullPlatform nullPlatform;

// The board the main window draws into, with the sprites it draws, and
// nothing else of the window.
class BoardPlatform : public NullPlatform {
public:
    BoardPlatform()
        : board(QSize(frmMainForm::boardInnerWidth, frmMainForm::boardInnerHeight), Qt::black)
    {
        const Pictures pictures;
        for (int i = 0; i < spriteCount; ++i)
            sprites.at(static_cast<std::size_t>(i))
                = pictures.sprite(static_cast<Sprite>(i)).convertToFormat(QImage::Format_RGB32);
    }
    void drawSprite(Sprite sprite, int x, int y) override
    {
        board.drawImage(x, y, sprites.at(static_cast<std::size_t>(sprite)));
    }
    void clearBoard() override { board.clear(); }
    void refreshBoard() override { board.refresh(); }

    PictureBox board;

private:
    std::array<QImage, spriteCount> sprites;
};
BoardPlatform* hiddenBoard = nullptr; // drawn into, never shown: the board image alone
BoardPlatform* shownBoard = nullptr; // shown offscreen, its repaint handled after every step

// Lays a worm of `length` cells along the field's closed path from `place`;
// food is put out of reach and sound off, so that only the step is measured.
void layOnPath(modWorm& worm, int place, int length)
{
    const WormSegment tail = cycle.cell(place);
    layWorm(worm, tail.column, tail.row, cycle.moves(place, length));
    arrange(worm).foodCell = {-10, -10, 0};
    arrange(worm).soundEnabled = false;
}

// Steps a worm along the closed path: it never dies unless it fills the field,
// where the step into its own tail is the fatal one.
void stepAlongThePath(benchmark::State& state, modWorm& worm, bool repaint)
{
    layOnPath(worm, 0, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const WormSegment& head = worm.state().head();
        worm.keyDown(
            std::array {0, modWorm::vkUp, modWorm::vkRight, modWorm::vkDown, modWorm::vkLeft}.at(
                cycle.headingFrom(head.column, head.row)));
        worm.StepWorm();
        if (repaint)
            QCoreApplication::processEvents();
    }
    // A fatal step started the count-up timer; no tick of it may disturb what comes next.
    worm.closeCommand();
}

void stepNull(benchmark::State& state)
{
    modWorm worm(nullPlatform, clockRandom);
    stepAlongThePath(state, worm, false);
}

void stepDrawing(benchmark::State& state)
{
    modWorm worm(*hiddenBoard, clockRandom);
    stepAlongThePath(state, worm, false);
}

void stepDrawingAndRepaint(benchmark::State& state)
{
    modWorm worm(*shownBoard, clockRandom);
    stepAlongThePath(state, worm, true);
}

// The board for placing food: 0 a new game's worm, 1 one free 2 × 2 block
// left (the cells (28..29, 21..22)), 2 three free cells and no block.
void layForFood(modWorm& worm, int board)
{
    if (board == 0) {
        worm.NewGame();
        return;
    }
    const int freeBlockAt = 50; // (29, 21) on the path; the next three close the block
    const int freeCells = board == 1 ? 4 : 3;
    layOnPath(worm, freeBlockAt + 4, columns * rows - freeCells);
}

void placeFood(benchmark::State& state, modWorm& worm)
{
    layForFood(worm, static_cast<int>(state.range(0)));
    bool placed = false;
    for (auto _ : state) {
        placed = worm.PlaceFood();
        benchmark::DoNotOptimize(placed);
    }
    state.SetLabel(placed ? "placed" : "no place left");
}

void placeFoodNull(benchmark::State& state)
{
    modWorm worm(nullPlatform, clockRandom);
    placeFood(state, worm);
}

void placeFoodWindow(benchmark::State& state)
{
    modWorm worm(*hiddenBoard, clockRandom);
    placeFood(state, worm);
}

double smallest(const std::vector<double>& v)
{
    return *std::min_element(v.begin(), v.end());
}

double largest(const std::vector<double>& v)
{
    return *std::max_element(v.begin(), v.end());
}

void withRange(benchmark::internal::Benchmark* bench)
{
    bench->ComputeStatistics("min", smallest)->ComputeStatistics("max", largest);
    bench->Unit(benchmark::kNanosecond);
}
}

// Lengths: 6 and 100 cells, 689 (all but one cell, still moving), 690 (the
// whole field: the step runs into the tail and ends the game).
BENCHMARK(stepNull)->Arg(6)->Arg(100)->Arg(689)->Arg(690)->Apply(withRange);
BENCHMARK(stepDrawing)->Arg(6)->Arg(100)->Arg(689)->Arg(690)->Apply(withRange);
BENCHMARK(stepDrawingAndRepaint)->Arg(6)->Arg(100)->Arg(689)->Apply(withRange);
BENCHMARK(placeFoodNull)->Arg(0)->Arg(1)->Arg(2)->Apply(withRange);
BENCHMARK(placeFoodWindow)->Arg(0)->Arg(1)->Arg(2)->Apply(withRange);

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BoardPlatform hidden;
    BoardPlatform shown;
    shown.board.show();
    QCoreApplication::processEvents();
    hiddenBoard = &hidden;
    shownBoard = &shown;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
