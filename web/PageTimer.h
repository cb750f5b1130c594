#pragma once

#include <functional>

// A periodic timer in the page. Each tick is aimed at its due time, a whole
// number of intervals from the start, so a late tick does not delay the next
// and the mean period stays the interval; a tick or two late are caught up at
// once. Ticks missed by more (the browser slows the timers of a hidden tab to
// one a second) are dropped, so the worm never jumps when the tab shows again.
class PageTimer {
public:
    PageTimer(int interval, std::function<void()> tick);
    ~PageTimer();
    PageTimer(const PageTimer&) = delete;
    PageTimer& operator=(const PageTimer&) = delete;

    void start();
    void stop();
    bool isActive() const { return active; }

private:
    static constexpr int catchUpIntervals = 2;

    static void fire(void* timer);
    void schedule(double now);

    double interval;
    std::function<void()> tick;
    bool active = false;
    double due = 0;
    long handle = 0;
};
