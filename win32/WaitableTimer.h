#pragma once

#include <windows.h>

#include "GdiHandles.h"

// A periodic timer that the message loop waits on beside the window messages.
// Its ticks come at whole multiples of the interval from the moment it was
// enabled, so their average period is the interval, and a high-resolution
// timer keeps each one close to its moment.
class WaitableTimer {
public:
    explicit WaitableTimer(int interval);

    void setEnabled(bool enabled);
    bool isEnabled() const { return enabled; }
    int interval() const { return period; }
    // Signalled at every tick while enabled.
    HANDLE handle() const { return timer.get(); }

private:
    KernelHandle timer;
    int period;
    bool enabled = false;
};
