#include "PageTimer.h"

#include <algorithm>
#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>

PageTimer::PageTimer(int interval, std::function<void()> tick)
    : interval(interval), tick(std::move(tick))
{
}

PageTimer::~PageTimer()
{
    stop();
}

void PageTimer::start()
{
    if (active)
        return;
    active = true;
    const double now = emscripten_get_now();
    due = now + interval;
    schedule(now);
}

void PageTimer::stop()
{
    if (active)
        emscripten_clear_timeout(handle);
    active = false;
}

void PageTimer::schedule(double now)
{
    handle = emscripten_set_timeout(fire, std::max(0.0, due - now), this);
}

void PageTimer::fire(void* timer)
{
    auto& self = *static_cast<PageTimer*>(timer);
    const double now = emscripten_get_now();
    self.due += self.interval;
    // A tick or two behind (a busy machine) are run at once, so the mean
    // period holds; further behind, the page could not run at all (a hidden
    // tab), and the ticks missed are dropped to keep the same beat.
    if (now - self.due > catchUpIntervals * self.interval)
        while (self.due <= now)
            self.due += self.interval;
    // The next tick is set before this one runs, which may stop the timer.
    self.schedule(now);
    self.tick();
}
