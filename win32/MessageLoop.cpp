#include "MessageLoop.h"

#include <utility>

void MessageLoop::setPreTranslation(PreTranslation translation)
{
    preTranslate = std::move(translation);
}

void MessageLoop::addWaitable(HANDLE handle, std::function<void()> onSignal)
{
    if (!handle)
        return;
    handles.push_back(handle);
    handlers.push_back(std::move(onSignal));
}

int MessageLoop::run()
{
    for (;;) {
        const DWORD count = static_cast<DWORD>(handles.size());
        const DWORD woken = MsgWaitForMultipleObjectsEx(count, handles.data(), INFINITE,
                                                        QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        // The wait itself has reset the handle that woke it.
        if (woken >= WAIT_OBJECT_0 && woken < WAIT_OBJECT_0 + count)
            handlers[woken - WAIT_OBJECT_0]();
        handleSignals();
        if (!handleMessages())
            return exitCode;
    }
}

void MessageLoop::handleWaiting()
{
    handleSignals();
    if (!handleMessages())
        PostQuitMessage(exitCode);
}

void MessageLoop::handleSignals()
{
    for (std::size_t i = 0; i < handles.size(); ++i)
        if (WaitForSingleObject(handles[i], 0) == WAIT_OBJECT_0)
            handlers[i]();
}

bool MessageLoop::handleMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            exitCode = static_cast<int>(msg.wParam);
            return false;
        }
        if (preTranslate && preTranslate(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}
