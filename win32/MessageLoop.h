#pragma once

#include <functional>
#include <vector>
#include <windows.h>

// The program's message loop: it waits for window messages and for the game's
// timers at once, gives every message to a pre-translation first (keys the
// main window sees before its children, accelerators, dialog keys of the
// secondary windows) and dispatches the rest. The same handling runs as one
// pass over whatever is waiting, which the game takes while a sound starts.
class MessageLoop {
public:
    // Returns true when it consumed the message.
    using PreTranslation = std::function<bool(MSG&)>;

    void setPreTranslation(PreTranslation translation);
    // `onSignal` runs each time `handle` is found signalled; the handle must
    // be an auto-reset one (a timer, an event), which the wait resets.
    void addWaitable(HANDLE handle, std::function<void()> onSignal);

    // Runs until WM_QUIT; returns its exit code.
    int run();
    // Handles the messages and signals that are waiting, then returns. A quit
    // met here is posted again for the loop that runs the program.
    void handleWaiting();
    // Runs the handlers of the signalled handles only: for the times the
    // system runs a message loop of its own (a menu dropped down, the window
    // being dragged) and the timers would otherwise wait for it to end.
    void handleSignals();

private:
    // False once WM_QUIT was taken off the queue.
    bool handleMessages();

    PreTranslation preTranslate;
    std::vector<HANDLE> handles;
    std::vector<std::function<void()>> handlers;
    int exitCode = 0;
};
