#pragma once

#include <atomic>
#include <vector>
#include <windows.h>

#include "GdiHandles.h"

// Keeps the game's timers ticking while the system holds the thread in a loop
// of its own: a menu, the system menu, a window being moved or sized, a
// title-bar button held down, a message box. Those loops never come back to
// the program's wait on the timers, but every one of them takes in messages
// that other threads send. So a thread of its own sleeps until the program's
// loop has been away with a message longer than any ordinary message takes;
// then it waits on the timers in the loop's stead and sends each tick to
// `target` as `message`, with the timer's index in wParam, until the loop
// returns. Only a message can lead into such a loop, so a tick handled
// straight from the wait costs the relay nothing, and while the loop is at
// home the thread never wakes.
class TickRelay {
public:
    TickRelay(std::vector<HANDLE> timers, HWND target, UINT message);
    ~TickRelay();
    TickRelay(const TickRelay&) = delete;
    TickRelay& operator=(const TickRelay&) = delete;

    // The program's loop goes to handle a message; again before the next does nothing.
    void leaveLoop();
    // The loop is back at its wait; the relay stops sending.
    void returnToLoop();
    // True while ticks come from the relay: the thread is in a loop that is
    // not the program's.
    bool isRelaying() const { return relaying; }

    // How long the loop may be away before the relay takes over.
    static constexpr int takeOverMilliseconds = 10;

private:
    static DWORD WINAPI threadMain(void* self);
    void watch();
    // Sends ticks until the loop is back; false when the relay is to end.
    bool relay();

    std::vector<HANDLE> timers;
    HWND target;
    UINT message;
    KernelHandle awayTooLong;
    KernelHandle back;
    KernelHandle stop;
    KernelHandle thread;
    std::atomic<bool> away {false};
    std::atomic<bool> relaying {false};
};
