#include "WaitableTimer.h"

namespace {
// Windows 10 1803 and later; older systems refuse it and get a plain timer.
constexpr DWORD highResolution = 0x00000002; // CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
}

WaitableTimer::WaitableTimer(int interval) : period(interval)
{
    timer.reset(CreateWaitableTimerExW(nullptr, nullptr, highResolution, TIMER_ALL_ACCESS));
    if (!timer)
        timer.reset(CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS));
}

void WaitableTimer::setEnabled(bool enable)
{
    // Enabling a running timer keeps its rhythm.
    if (enable == enabled || !timer)
        return;
    enabled = enable;
    if (enable) {
        // The first tick comes one whole interval from now (in 100 ns units).
        LARGE_INTEGER due;
        due.QuadPart = -10'000LL * period;
        SetWaitableTimer(timer.get(), &due, period, nullptr, nullptr, FALSE);
    } else {
        CancelWaitableTimer(timer.get());
        // A tick that came but was not handled yet must not arrive later.
        WaitForSingleObject(timer.get(), 0);
    }
}
