#include "TickRelay.h"

#include <utility>

namespace {
// The relay only waits and sends: a small stack does.
constexpr SIZE_T stackSize = 64 * 1024;
}

TickRelay::TickRelay(std::vector<HANDLE> watched, HWND target, UINT message)
    : timers(std::move(watched)), target(target), message(message),
      awayTooLong(CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS)),
      back(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      stop(CreateEventW(nullptr, TRUE, FALSE, nullptr))
{
    if (awayTooLong && back && stop)
        thread.reset(CreateThread(nullptr, stackSize, threadMain, this,
                                  STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr));
}

TickRelay::~TickRelay()
{
    if (!thread)
        return;
    SetEvent(stop.get());
    WaitForSingleObject(thread.get(), INFINITE);
}

void TickRelay::leaveLoop()
{
    if (away)
        return;
    away = true;
    LARGE_INTEGER due;
    due.QuadPart = -10'000LL * takeOverMilliseconds;
    SetWaitableTimer(awayTooLong.get(), &due, 0, nullptr, nullptr, FALSE);
}

void TickRelay::returnToLoop()
{
    if (!away)
        return;
    away = false;
    CancelWaitableTimer(awayTooLong.get());
    if (relaying.exchange(false))
        SetEvent(back.get());
}

DWORD WINAPI TickRelay::threadMain(void* self)
{
    static_cast<TickRelay*>(self)->watch();
    return 0;
}

void TickRelay::watch()
{
    const HANDLE sleeping[] = {stop.get(), awayTooLong.get()};
    while (WaitForMultipleObjects(2, sleeping, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
        // Declared before looking, so that a loop coming back right now
        // either sees it and says so, or is seen to be back.
        ResetEvent(back.get());
        relaying = true;
        if (!away) {
            relaying = false;
            continue;
        }
        if (!relay())
            return;
    }
}

bool TickRelay::relay()
{
    std::vector<HANDLE> waited {stop.get(), back.get()};
    waited.insert(waited.end(), timers.begin(), timers.end());
    for (;;) {
        const DWORD woken = WaitForMultipleObjects(static_cast<DWORD>(waited.size()), waited.data(),
                                                   FALSE, INFINITE);
        if (woken == WAIT_OBJECT_0 + 1)
            return true;
        if (woken < WAIT_OBJECT_0 + 2 || woken >= WAIT_OBJECT_0 + waited.size())
            return false;
        // Sent, not posted: even a loop that takes in only the mouse's
        // messages handles what other threads send.
        SendNotifyMessageW(target, message, woken - WAIT_OBJECT_0 - 2, 0);
    }
}
