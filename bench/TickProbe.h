#pragma once

#include <QObject>

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "Autoplayer.h"
#include "PaintMeter.h"

class QTimer;
class frmMain;

// Watches the real main window while a bot plays it in real time: the period
// of every tick of both timers, and the board's painted pixels per tick.
class TickProbe : public QObject {
public:
    TickProbe(frmMain& window, int ticksWanted);

    // Plays games until both timers have ticked often enough; then prints the figures.
    void start();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Clock = std::chrono::steady_clock;

    void afterTimer1Tick();
    void afterTimer2Tick();
    void newGame();
    void finish();

    frmMain& window;
    int ticksWanted;
    QTimer* timer1;
    QTimer* timer2;
    PaintMeter paints;
    Autoplayer bot;
    // When each timer's tick arrived, while it has run without a stop since.
    std::optional<Clock::time_point> last1;
    std::optional<Clock::time_point> last2;
    Clock::time_point arrived1;
    Clock::time_point arrived2;
    std::vector<double> periods1;
    std::vector<double> periods2;
    // Painted pixels after steps that kept the game running, and their limits.
    std::vector<std::int64_t> playPaint;
    std::int64_t overLimit = 0;
    std::vector<std::int64_t> countPaint;
    std::int64_t deathPaint = 0;
    bool foodMoved = false;
    int previousFoodColumn = 0;
    int previousFoodRow = 0;
    int previousFoodPicture = 0;
};
