#include "modWorm.h"

#include <cmath>
#include <string>
#include <vector>

#include "frmMainForm.h"

modWorm::modWorm(GamePlatform& platform, RandomSource& random) : platform(platform), random(random)
{
}

// Runs `work` as one uninterrupted piece of the game. Ticks that arrive while it
// waits inside a sound are dropped and commands wait until it has finished.
template <typename Work> void modWorm::exclusively(Work&& work)
{
    ++busyDepth;
    work();
    --busyDepth;
    while (busyDepth == 0 && !deferred.empty()) {
        auto command = std::move(deferred.front());
        deferred.pop_front();
        command();
    }
}

void modWorm::runWhenIdle(std::function<void()> command)
{
    if (isBusy())
        deferred.push_back(std::move(command));
    else
        command();
}

void modWorm::StartUp()
{
    exclusively([this] {
        soundEnabled = true;
        platform.setMenuChecked(MenuMark::Sound, true);
        gameRunning = false;
        platform.setMenuChecked(MenuMark::Pause, false);
        platform.setTimerEnabled(GameTimer::Timer1, false);
        platform.setTimerEnabled(GameTimer::Timer2, false);
        for (int picture = 0; picture < frmMainForm::foodPictures.count; ++picture)
            parkFood(picture);
        NewGame();
        gameOverActive = false;
        platform.showMainWindow();
    });
}

void modWorm::timer1Tick()
{
    if (!isBusy())
        exclusively([this] { StepWorm(); });
}

void modWorm::timer2Tick()
{
    if (!isBusy())
        exclusively([this] { eraseTailStep(); });
}

void modWorm::newGameCommand()
{
    runWhenIdle([this] {
        if (!gameOverActive)
            exclusively([this] { startGame(); });
    });
}

void modWorm::startGame()
{
    NewGame();
    // The first food is placed on a fresh board, so a free block always exists.
    PlaceFood();
    platform.setTimerEnabled(GameTimer::Timer1, true);
    gameRunning = true;
    // A new game runs, whatever the mark showed while the last one was paused.
    platform.setMenuChecked(MenuMark::Pause, false);
}

void modWorm::pauseCommand()
{
    runWhenIdle([this] { togglePause(); });
}

void modWorm::togglePause()
{
    if (!gameRunning)
        return;
    const bool running = platform.isTimerEnabled(GameTimer::Timer1);
    platform.setTimerEnabled(GameTimer::Timer1, !running);
    platform.setMenuChecked(MenuMark::Pause, !platform.isTimerEnabled(GameTimer::Timer1));
}

void modWorm::soundCommand()
{
    soundEnabled = !soundEnabled;
    platform.setMenuChecked(MenuMark::Sound, soundEnabled);
}

void modWorm::exitCommand()
{
    runWhenIdle([this] { platform.endProgram(); });
}

void modWorm::closeCommand()
{
    runWhenIdle([this] {
        platform.setTimerEnabled(GameTimer::Timer1, false);
        platform.setTimerEnabled(GameTimer::Timer2, false);
        gameRunning = false;
        gameOverActive = false;
    });
}

void modWorm::keyDown(int keyCode)
{
    struct SteeringKey {
        int keyCode;
        std::uint8_t refusedWhile; // the key straight back the way the worm goes
        std::uint8_t newHeading;
    };
    static constexpr std::array<SteeringKey, 4> steeringKeys = {{
        {vkLeft, headingRight, headingLeft},
        {vkUp, headingDown, headingUp},
        {vkRight, headingLeft, headingRight},
        {vkDown, headingUp, headingDown},
    }};
    if (gameOverActive)
        return;
    for (const SteeringKey& key : steeringKeys)
        if (key.keyCode == keyCode && heading != key.refusedWhile)
            setHeading(key.newHeading);
}

void modWorm::setHeading(std::uint8_t newHeading)
{
    static constexpr std::array<std::int16_t, 5> deltaX = {0, 0, 1, 0, -1};
    static constexpr std::array<std::int16_t, 5> deltaY = {0, -1, 0, 1, 0};
    stepX = deltaX.at(newHeading);
    stepY = deltaY.at(newHeading);
    heading = newHeading;
}

void modWorm::NewGame()
{
    platform.setScoreVisible(false);
    for (std::int16_t k = 0; k <= 5; ++k)
        segmentRing.at(static_cast<std::size_t>(k)) = {k, 0, headingRight};
    headIndex = 1;
    tailIndex = 0;
    platform.clearBoard();
    DrawCell(0, 0, Sprite::pWTR);
    DrawCell(1, 0, Sprite::pWHR);
    for (int i = 0; i < 4; ++i) {
        // Heading right again before every setup step: a key handled while a
        // setup step plays the eating sound must not bend the starting worm.
        setHeading(headingRight);
        growCount = 1;
        StepWorm();
    }
    growCount = 0;
}

void modWorm::StepWorm()
{
    WormSegment& head = segmentRing.at(static_cast<std::size_t>(headIndex));
    const std::int16_t n = nextIndex(headIndex);
    WormSegment& next = segmentRing.at(static_cast<std::size_t>(n));
    // The heading the move is made with. A key handled inside the eating sound
    // below counts from the next step, so the cells drawn now follow the path
    // the worm really takes.
    const std::uint8_t moveHeading = heading;
    next = {static_cast<std::int16_t>(head.column + stepX),
            static_cast<std::int16_t>(head.row + stepY), moveHeading};

    if (IsCellBlocked(next)) {
        DrawCell(head.column, head.row, Sprite::pWHX);
        KillWorm();
        platform.refreshBoard();
        return;
    }

    bool foodLeft = true;
    if (HitsFood(next)) {
        PlaySoundEffect(SoundEffect::pop);
        growCount = 3;
        foodLeft = PlaceFood();
    }

    next.shapeCode = moveHeading;
    const std::uint8_t arrivedWith = head.shapeCode % 10;
    if (next.shapeCode != arrivedWith)
        head.shapeCode = static_cast<std::uint8_t>(arrivedWith * 10 + next.shapeCode);
    DrawCell(next.column, next.row, headSprite(moveHeading));
    if (const auto body = bodySprite(head.shapeCode))
        DrawCell(head.column, head.row, *body);
    headIndex = n;

    if (growCount > 0)
        --growCount;
    else
        moveTail();

    // With no free block left for the food the worm has filled the field: the
    // move is made, and the game ends as a death ends it.
    if (!foodLeft)
        KillWorm();
    platform.refreshBoard();
}

void modWorm::moveTail()
{
    const WormSegment& oldTail = segmentRing.at(static_cast<std::size_t>(tailIndex));
    DrawCell(oldTail.column, oldTail.row, Sprite::pNUL);
    tailIndex = nextIndex(tailIndex);
    const WormSegment& newTail = segmentRing.at(static_cast<std::size_t>(tailIndex));
    if (const auto tail = tailSprite(newTail.shapeCode))
        DrawCell(newTail.column, newTail.row, *tail);
}

bool modWorm::HitsFood(const WormSegment& cell) const
{
    return (cell.column == foodCell.column || cell.column == foodCell.column + 1)
        && (cell.row == foodCell.row || cell.row == foodCell.row + 1);
}

bool modWorm::IsCellBlocked(const WormSegment& cell) const
{
    // Every slot from the tail to the head, both included; a one-segment worm
    // compares its single slot.
    std::int16_t index = tailIndex;
    for (;;) {
        const WormSegment& segment = segmentRing.at(static_cast<std::size_t>(index));
        if (segment.column == cell.column && segment.row == cell.row)
            return true;
        if (index == headIndex)
            break;
        index = nextIndex(index);
    }
    // A partly visible last column or row still counts as inside.
    return cell.column < 0 || cell.row < 0 || cell.column >= fieldColumns()
        || cell.row >= fieldRows();
}

float modWorm::fieldColumns() const
{
    return static_cast<float>(platform.boardWidth()) / cellSize;
}

float modWorm::fieldRows() const
{
    return static_cast<float>(platform.boardHeight()) / cellSize;
}

bool modWorm::PlaceFood()
{
    random.reseed();
    if (drawFoodBlock() || findFreeBlock()) {
        showFood();
        return true;
    }
    parkFood(foodPicture);
    return false;
}

// Draws random blocks the classic way, a bounded number of times.
bool modWorm::drawFoodBlock()
{
    const WormSegment eaten = foodCell;
    for (int attempt = 0; attempt < foodDraws; ++attempt) {
        foodCell.column = static_cast<std::int16_t>(
            std::floor(random.next() * platform.boardWidth() / cellSize - 1));
        foodCell.row = static_cast<std::int16_t>(
            std::floor(random.next() * platform.boardHeight() / cellSize - 1));
        if (isBlockFree(foodCell))
            return true;
    }
    foodCell = eaten;
    return false;
}

// Picks one of the free blocks with equal chance; false when there is none.
bool modWorm::findFreeBlock()
{
    const int columns = static_cast<int>(std::ceil(fieldColumns()));
    const int rows = static_cast<int>(std::ceil(fieldRows()));
    if (columns < 2 || rows < 2)
        return false;
    std::vector<bool> taken(static_cast<std::size_t>(columns * rows), false);
    for (std::int16_t index = tailIndex;; index = nextIndex(index)) {
        const WormSegment& segment = segmentRing.at(static_cast<std::size_t>(index));
        if (segment.column >= 0 && segment.column < columns && segment.row >= 0
            && segment.row < rows)
            taken.at(static_cast<std::size_t>(segment.row * columns + segment.column)) = true;
        if (index == headIndex)
            break;
    }
    const auto isTaken = [&](int column, int row) {
        return taken.at(static_cast<std::size_t>(row * columns + column));
    };
    std::vector<WormSegment> freeBlocks;
    for (int row = 0; row + 1 < rows; ++row)
        for (int column = 0; column + 1 < columns; ++column)
            if (!isTaken(column, row) && !isTaken(column + 1, row) && !isTaken(column, row + 1)
                && !isTaken(column + 1, row + 1))
                freeBlocks.push_back(
                    {static_cast<std::int16_t>(column), static_cast<std::int16_t>(row), 0});
    if (freeBlocks.empty())
        return false;
    const auto pick = static_cast<std::size_t>(
        std::floor(random.next() * static_cast<double>(freeBlocks.size())));
    foodCell = freeBlocks.at(pick);
    return true;
}

bool modWorm::isBlockFree(const WormSegment& topLeft) const
{
    const auto right = static_cast<std::int16_t>(topLeft.column + 1);
    const auto below = static_cast<std::int16_t>(topLeft.row + 1);
    return !IsCellBlocked({topLeft.column, topLeft.row, 0})
        && !IsCellBlocked({right, topLeft.row, 0}) && !IsCellBlocked({topLeft.column, below, 0})
        && !IsCellBlocked({right, below, 0});
}

// Puts a randomly chosen picture on the block in `foodCell`, the old one away first.
void modWorm::showFood()
{
    const int left = foodCell.column * cellSize;
    const int top = foodCell.row * cellSize;
    parkFood(foodPicture);
    foodPicture
        = static_cast<std::int16_t>(std::floor(random.next() * frmMainForm::foodPictures.count));
    platform.setFoodLeft(foodPicture, left);
    platform.setFoodTop(foodPicture, top);
}

// Moves a picture beyond the bottom-right corner of the field, out of sight.
void modWorm::parkFood(int picture)
{
    platform.setFoodTop(picture, platform.boardHeight());
    platform.setFoodLeft(picture, platform.boardWidth());
}

void modWorm::KillWorm()
{
    PlaySoundEffect(SoundEffect::oof);
    parkFood(foodPicture);
    scoreTally = 0;
    platform.setScoreCaption("");
    platform.setTimerEnabled(GameTimer::Timer1, false);
    platform.setScoreVisible(true);
    gameRunning = false;
    gameOverActive = true;
    platform.setTimerEnabled(GameTimer::Timer2, true);
}

// One tick of the count-up after a death: the tail cell goes, the score rises.
void modWorm::eraseTailStep()
{
    ++scoreTally;
    platform.setScoreCaption(std::to_string(scoreTally));
    const WormSegment& oldTail = segmentRing.at(static_cast<std::size_t>(tailIndex));
    DrawCell(oldTail.column, oldTail.row, Sprite::pNUL);
    tailIndex = nextIndex(tailIndex);
    if (tailIndex == headIndex) {
        platform.setTimerEnabled(GameTimer::Timer2, false);
        gameOverActive = false;
        // Clearing the board also takes away the crashed head.
        platform.clearBoard();
    } else {
        const WormSegment& newTail = segmentRing.at(static_cast<std::size_t>(tailIndex));
        if (const auto tail = tailSprite(newTail.shapeCode))
            DrawCell(newTail.column, newTail.row, *tail);
    }
    platform.refreshBoard();
}

void modWorm::PlaySoundEffect(SoundEffect effect)
{
    if (!soundEnabled)
        return;
    platform.playSound(effect);
    platform.processEvents();
}

void modWorm::DrawCell(int column, int row, Sprite sprite)
{
    platform.drawSprite(sprite, column * cellSize, row * cellSize);
}
