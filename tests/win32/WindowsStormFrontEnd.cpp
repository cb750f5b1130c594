#include "WindowsStormFrontEnd.h"

#include "FormBuilder.h"
#include "frmAbout.h"
#include "frmHelp.h"
#include "frmMain.h"
#include "WindowChecks.h"
#include "WindowProbe.h"

namespace {
constexpr UINT runQueued = WM_APP + 1; // wParam: the queued event's index
constexpr UINT setModifiers = WM_APP + 2; // wParam: the modifiers' bits
constexpr WPARAM shiftBit = 1;
constexpr WPARAM controlBit = 2;
constexpr WPARAM altBit = 4;
constexpr WPARAM metaBit = 8;

void holdModifiers(WPARAM bits)
{
    BYTE keys[256] {};
    GetKeyboardState(keys);
    const auto hold = [&keys](std::initializer_list<int> codes, bool down) {
        for (int code : codes)
            keys[code] = down ? 0x80 : 0;
    };
    hold({VK_SHIFT, VK_LSHIFT}, (bits & shiftBit) != 0);
    hold({VK_CONTROL, VK_LCONTROL}, (bits & controlBit) != 0);
    hold({VK_MENU, VK_LMENU}, (bits & altBit) != 0);
    hold({VK_LWIN}, (bits & metaBit) != 0);
    SetKeyboardState(keys);
}
}

WindowsStormFrontEnd::WindowsStormFrontEnd(frmMain& window)
    : window(window), referee(30, 23),
      queue(createMessageWindow(L"VermiloStormQueue", queueProcedure, this))
{
    holdBackTicks();
}

WindowsStormFrontEnd::~WindowsStormFrontEnd()
{
    DestroyWindow(queue);
    holdModifiers(0);
}

const modWorm& WindowsStormFrontEnd::game() const
{
    return window.game();
}

StormFrontEnd::Outcome WindowsStormFrontEnd::perform(const StormEvent& event)
{
    outcome = {};
    queued = event.queued;
    act(event);
    // A pass takes the event and what it queued; a tick made due after the
    // pass looked at the timers waits for the next.
    do {
        tickMadeDue = false;
        window.handleWaitingEvents();
    } while (tickMadeDue);
    MSG quit;
    outcome.ended = PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
    holdBackTicks();
    return outcome;
}

void WindowsStormFrontEnd::act(const StormEvent& event)
{
    using Action = StormEvent::Action;
    if (event.isKey()) {
        pressKey(event);
        return;
    }
    switch (event.action) {
    case Action::menuNew: command(Form::Command::GameNew); break;
    case Action::menuExit: command(Form::Command::GameExit); break;
    case Action::menuSound: command(Form::Command::OptionsSound); break;
    case Action::menuPause: command(Form::Command::OptionsPause); break;
    case Action::menuInstructions: command(Form::Command::HelpInstruct); break;
    case Action::menuAbout: command(Form::Command::HelpAbout); break;
    case Action::closeSecondaryWindows:
        for (HWND open : {frmHelp::window(), frmAbout::window()})
            if (open)
                SendMessageW(open, WM_CLOSE, 0, 0);
        // The player clicks on the main window again.
        SetForegroundWindow(window.window());
        break;
    case Action::tick1: tick(GameTimer::Timer1); break;
    case Action::tick2: tick(GameTimer::Timer2); break;
    default:
        for (std::size_t i = 0; i < queued.size(); ++i)
            PostMessageW(queue, runQueued, i, 0);
        tick(GameTimer::Timer1);
        break;
    }
}

void WindowsStormFrontEnd::pressKey(const StormEvent& event)
{
    if (event.key == 0)
        return;
    // Keys go where the player's keyboard goes: to the window with the focus.
    HWND target = GetFocus();
    if (!target)
        target = window.window();
    const StormEvent::Modifiers& held = event.modifiers;
    const WPARAM bits = (held.shift ? shiftBit : 0) | (held.control ? controlBit : 0)
        | (held.alt ? altBit : 0) | (held.meta ? metaBit : 0);
    // The cursor keys and Home beside the letters are extended keys; those on
    // the keypad are not. Alt held makes a key a system key.
    const bool extended
        = !held.keypad && ((event.key >= VK_LEFT && event.key <= VK_DOWN) || event.key == VK_HOME);
    const LPARAM down = 1 | (extended ? 1 << 24 : 0) | (held.alt ? 1 << 29 : 0);
    const LPARAM up = down | (3 << 30);
    // The key state travels through the queue with the key, for the keys
    // queued before it to be read with theirs.
    PostMessageW(queue, setModifiers, bits, 0);
    PostMessageW(target, held.alt ? WM_SYSKEYDOWN : WM_KEYDOWN, static_cast<WPARAM>(event.key),
                 down);
    PostMessageW(target, held.alt ? WM_SYSKEYUP : WM_KEYUP, static_cast<WPARAM>(event.key), up);
    PostMessageW(queue, setModifiers, 0, 0);
}

void WindowsStormFrontEnd::command(Form::Command chosen)
{
    const UINT id = FormBuilder::commandId(chosen);
    SendMessageW(window.window(), WM_COMMAND, id, 0);
}

void WindowsStormFrontEnd::tick(GameTimer which)
{
    const WaitableTimer& timer = window.timer(which);
    if (!timer.isEnabled())
        return;
    // A due time long past: the timer is signalled at once, and the loop's
    // next look at it takes the tick.
    LARGE_INTEGER past {};
    SetWaitableTimer(timer.handle(), &past, 0, nullptr, nullptr, FALSE);
    tickMadeDue = true;
}

void WindowsStormFrontEnd::holdBackTicks()
{
    // An hour away, and any tick that came meanwhile is taken back.
    LARGE_INTEGER later;
    later.QuadPart = -36'000'000'000LL;
    for (GameTimer which : {GameTimer::Timer1, GameTimer::Timer2})
        if (window.timer(which).isEnabled())
            SetWaitableTimer(window.timer(which).handle(), &later, 0, nullptr, nullptr, FALSE);
}

std::string WindowsStormFrontEnd::problem()
{
    if (!IsWindowVisible(window.window()))
        return "the main window is gone";
    if (const auto problems = referee.check(window.game().state(), viewOf(window));
        !problems.empty())
        return problems.front();
    if (std::string difference = boardDifference(window, referee); !difference.empty())
        return difference;
    for (const wchar_t* kind : {L"VermiloHelp", L"VermiloAbout"})
        if (windowsOfClass(kind) > 1)
            return "two windows of one kind are open";
    return {};
}

LRESULT CALLBACK WindowsStormFrontEnd::queueProcedure(HWND window, UINT message, WPARAM wParam,
                                                      LPARAM lParam)
{
    auto* self = reinterpret_cast<WindowsStormFrontEnd*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message == setModifiers) {
        holdModifiers(wParam);
        return 0;
    }
    if (self && message == runQueued && wParam < self->queued.size()) {
        // Counted when it runs while a step is still going on.
        if (self->game().isBusy())
            ++self->outcome.ranInsideSound;
        self->act(self->queued[wParam]);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
