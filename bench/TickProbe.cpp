#include "TickProbe.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

#include "frmMain.h"
#include "KeyCodes.h"
#include "PictureBox.h"

namespace {
constexpr int longEnough = 70;

void printPeriods(const char* name, std::vector<double> periods)
{
    const double n = static_cast<double>(periods.size());
    const double mean = std::accumulate(periods.begin(), periods.end(), 0.0) / n;
    double squares = 0;
    for (double p : periods)
        squares += (p - mean) * (p - mean);
    std::vector<double> deviations;
    for (double p : periods)
        deviations.push_back(std::abs(p - 100.0));
    std::sort(deviations.begin(), deviations.end());
    const auto p99 = deviations.at(static_cast<std::size_t>(std::ceil(0.99 * n)) - 1);
    std::printf("%s period over %zu ticks: mean %.3f ms, standard deviation %.3f ms, "
                "99th-percentile deviation from 100 ms %.3f ms, largest %.3f ms\n",
                name, periods.size(), mean, std::sqrt(squares / n), p99, deviations.back());
}
}

TickProbe::TickProbe(frmMain& window, int ticksWanted)
    : window(window), ticksWanted(ticksWanted),
      timer1(window.findChild<QTimer*>(QStringLiteral("Timer1"))),
      timer2(window.findChild<QTimer*>(QStringLiteral("Timer2"))), paints(window.board()),
      bot(Autoplayer::Style::towardsFood, 30, 23)
{
    // The filter sees each tick as it arrives, before the game handles it.
    timer1->installEventFilter(this);
    timer2->installEventFilter(this);
    connect(timer1, &QTimer::timeout, this, &TickProbe::afterTimer1Tick);
    connect(timer2, &QTimer::timeout, this, &TickProbe::afterTimer2Tick);
}

bool TickProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Timer)
        (watched == timer1 ? arrived1 : arrived2) = Clock::now();
    return false;
}

void TickProbe::start()
{
    QTimer::singleShot(500, this, &TickProbe::newGame);
}

void TickProbe::newGame()
{
    window.findChild<QAction*>(QStringLiteral("mnuGameNew"))->trigger();
    const WormState& worm = window.game().state();
    previousFoodColumn = worm.foodCell.column;
    previousFoodRow = worm.foodCell.row;
    previousFoodPicture = worm.foodPicture;
    last1.reset();
    paints.take();
}

void TickProbe::afterTimer1Tick()
{
    // What was painted since the last tick belongs to the last tick's step.
    const std::int64_t painted = paints.take();
    const WormState& worm = window.game().state();
    if (last1) {
        periods1.push_back(std::chrono::duration<double, std::milli>(arrived1 - *last1).count());
        playPaint.push_back(painted);
        // Four cells at most (head, old head, old and new tail), and the food's
        // old and new places when the last step moved it.
        if (painted > 4 * 16 * 16 + (foodMoved ? 2 * 32 * 32 : 0))
            ++overLimit;
    }
    foodMoved = worm.foodCell.column != previousFoodColumn || worm.foodCell.row != previousFoodRow
        || worm.foodPicture != previousFoodPicture;
    previousFoodColumn = worm.foodCell.column;
    previousFoodRow = worm.foodCell.row;
    previousFoodPicture = worm.foodPicture;
    if (!timer1->isActive()) {
        last1.reset();
        last2.reset();
        return;
    }
    last1 = arrived1;
    // A long enough worm is left to run into a wall, so the count-up comes.
    if (wormLength(worm.headIndex, worm.tailIndex) >= longEnough)
        return;
    if (const int key = bot.chooseKey(window.game())) {
        QKeyEvent press(QEvent::KeyPress, qtKey(key), Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &press);
    }
}

void TickProbe::afterTimer2Tick()
{
    const std::int64_t painted = paints.take();
    if (last2) {
        periods2.push_back(std::chrono::duration<double, std::milli>(arrived2 - *last2).count());
        countPaint.push_back(painted);
    } else {
        deathPaint = std::max(deathPaint, painted);
    }
    if (timer2->isActive()) {
        last2 = arrived2;
        return;
    }
    last2.reset();
    if (static_cast<int>(std::min(periods1.size(), periods2.size())) >= ticksWanted)
        QTimer::singleShot(300, this, &TickProbe::finish);
    else
        QTimer::singleShot(300, this, &TickProbe::newGame);
}

void TickProbe::finish()
{
    printPeriods("Timer1", periods1);
    printPeriods("Timer2", periods2);
    const auto mean = [](const std::vector<std::int64_t>& v) {
        return static_cast<double>(std::accumulate(v.begin(), v.end(), std::int64_t {0}))
            / static_cast<double>(v.size());
    };
    std::printf("Board pixels painted per step during play: max %lld, mean %.1f over %zu steps, "
                "%lld over the step's own cells and food (the field has %d)\n",
                static_cast<long long>(*std::max_element(playPaint.begin(), playPaint.end())),
                mean(playPaint), playPaint.size(), static_cast<long long>(overLimit),
                window.board()->width() * window.board()->height());
    std::printf(
        "Board pixels painted per count-up tick: max %lld, mean %.1f; at a death: max %lld\n",
        static_cast<long long>(*std::max_element(countPaint.begin(), countPaint.end())),
        mean(countPaint), static_cast<long long>(deathPaint));
    QCoreApplication::exit(0);
}
