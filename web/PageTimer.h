#pragma once

#include <functional>

// A periodic timer in the page. Each tick is aimed at its due time, a whole
// number of intervals from the start, so a late tick does not delay the next
// and the mean period stays the interval. Ticks missed altogether (the
// browser slows the timers of a hidden tab to one a second) are dropped, not
// caught up, so the worm never jumps when the tab shows again.
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
    static void fire(void* timer);
    void schedule(double now);

    double interval;
    std::function<void()> tick;
    bool active = false;
    double due = 0;
    long handle = 0;
};
