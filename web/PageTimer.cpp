#include "PageTimer.h"

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
    handle = emscripten_set_timeout(fire, due - now, this);
}

void PageTimer::fire(void* timer)
{
    auto& self = *static_cast<PageTimer*>(timer);
    const double now = emscripten_get_now();
    // Ticks that were due while the page could not run are left out; the
    // next keeps to the same beat.
    do
        self.due += self.interval;
    while (self.due <= now);
    // The next tick is set before this one runs, which may stop the timer.
    self.schedule(now);
    self.tick();
}
