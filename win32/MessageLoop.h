#pragma once

#include <functional>
#include <memory>
#include <vector>
#include <windows.h>

#include "TickRelay.h"

// The program's message loop: it waits for window messages and for the game's
// timers at once, gives every message to a pre-translation first (keys the
// main window sees before its children, accelerators, dialog keys of the
// secondary windows) and dispatches the rest. While the system runs a loop of
// its own (a menu, a window being moved), a relay keeps the timers ticking.
// The same handling runs as one pass over whatever is waiting, which the game
// takes while a sound starts.
class MessageLoop {
public:
    // Returns true when it consumed the message.
    using PreTranslation = std::function<bool(MSG&)>;

    MessageLoop();
    ~MessageLoop();
    MessageLoop(const MessageLoop&) = delete;
    MessageLoop& operator=(const MessageLoop&) = delete;

    void setPreTranslation(PreTranslation translation);
    // `onSignal` runs each time `handle` is found signalled; the handle must
    // be an auto-reset one (a timer, an event), which the wait resets.
    void addWaitable(HANDLE handle, std::function<void()> onSignal);

    // Runs until WM_QUIT; returns its exit code.
    int run();
    // One pass over what is waiting, then returns. A quit met here is posted
    // again for the loop that runs the program. While a loop of the system's
    // holds the thread, its messages stay where they are: the pass then runs
    // only the timers and what other threads send. Nor does it take a message
    // that would open such a loop, which would hold up the game's step.
    void handleWaiting();

private:
    static LRESULT CALLBACK relayProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void handleSignals();
    // False once WM_QUIT was taken off the queue. In a pass it stops before a
    // message that opens a loop of the system's.
    bool handleMessages(bool inPass);

    PreTranslation preTranslate;
    std::vector<HANDLE> handles;
    std::vector<std::function<void()>> handlers;
    // Receives the relay's ticks; a window of the loop's own thread.
    HWND relayTarget = nullptr;
    std::unique_ptr<TickRelay> relay;
    int exitCode = 0;
};
