#include "MessageLoop.h"

#include <utility>

namespace {
constexpr const wchar_t* relayClass = L"VermiloTickRelay";
constexpr UINT relayedTick = WM_APP + 1;

// Messages whose default handling runs a loop of the system's until the player
// lets go: a press on a title bar, frame or caption button, the system and
// context menus, and the menu bar's keys (Alt or F10 let go, Alt with a
// letter). An Alt-held cursor key only steers.
bool opensSystemLoop(const MSG& msg)
{
    switch (msg.message) {
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_RBUTTONUP:
    case WM_SYSCHAR:
    case WM_SYSCOMMAND: return true;
    case WM_SYSKEYDOWN: return msg.wParam < VK_LEFT || msg.wParam > VK_DOWN;
    case WM_SYSKEYUP: return msg.wParam == VK_MENU || msg.wParam == VK_F10;
    case WM_KEYDOWN: return msg.wParam == VK_APPS;
    default: return false;
    }
}
}

MessageLoop::MessageLoop()
{
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = relayProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = relayClass;
    RegisterClassExW(&windowClass); // fails harmlessly once registered
    relayTarget = CreateWindowExW(0, relayClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  windowClass.hInstance, nullptr);
    if (relayTarget)
        SetWindowLongPtrW(relayTarget, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

MessageLoop::~MessageLoop()
{
    // The relay's thread ends before the window its ticks go to.
    relay.reset();
    if (relayTarget)
        DestroyWindow(relayTarget);
}

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
    if (!relay && relayTarget)
        relay = std::make_unique<TickRelay>(handles, relayTarget, relayedTick);
    for (;;) {
        if (relay)
            relay->returnToLoop();
        const DWORD count = static_cast<DWORD>(handles.size());
        const DWORD woken = MsgWaitForMultipleObjectsEx(count, handles.data(), INFINITE,
                                                        QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        // The wait itself has reset the handle that woke it. Another timer
        // that is signalled too wakes the next wait at once, so none is asked
        // after here: under Wine each question is a round trip to its server.
        if (woken >= WAIT_OBJECT_0 && woken < WAIT_OBJECT_0 + count)
            handlers[woken - WAIT_OBJECT_0]();
        if (!handleMessages(false))
            return exitCode;
    }
}

void MessageLoop::handleWaiting()
{
    if (relay && relay->isRelaying()) {
        // Handles what other threads sent, the relay's ticks among them, and
        // leaves every posted message to the loop that holds the thread.
        MSG sent;
        PeekMessageW(&sent, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        handleSignals();
        return;
    }
    handleSignals();
    if (!handleMessages(true))
        PostQuitMessage(exitCode);
}

void MessageLoop::handleSignals()
{
    for (std::size_t i = 0; i < handles.size(); ++i)
        if (WaitForSingleObject(handles[i], 0) == WAIT_OBJECT_0)
            handlers[i]();
}

bool MessageLoop::handleMessages(bool inPass)
{
    MSG msg;
    for (;;) {
        // In a pass each message is looked at before it is taken, so that one
        // that would open a loop stays first in the queue.
        if (inPass && (!PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE) || opensSystemLoop(msg)))
            return true;
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            return true;
        if (msg.message == WM_QUIT) {
            exitCode = static_cast<int>(msg.wParam);
            return false;
        }
        if (relay && !inPass)
            relay->leaveLoop();
        if (preTranslate && preTranslate(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

LRESULT CALLBACK MessageLoop::relayProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam)
{
    auto* loop = reinterpret_cast<MessageLoop*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == relayedTick && loop && wParam < loop->handlers.size()) {
        loop->handlers[wParam]();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
