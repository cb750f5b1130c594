#pragma once

#include <string>
#include <vector>
#include <windows.h>

#include "EventStorm.h"
#include "Form.h"
#include "GamePlatform.h"
#include "GameReferee.h"

class frmMain;

// The event storm in the Windows main window: keys posted as the keyboard
// posts them, to the window with the focus, with their modifiers in the
// thread's key state; menu commands as the menu sends them; ticks through the
// game's own timers, held back between events and made due by hand. Every
// event then runs in the program's own pass over what is waiting, and what it
// queued arrives in the queue as messages do.
class WindowsStormFrontEnd : public StormFrontEnd {
public:
    explicit WindowsStormFrontEnd(frmMain& window);
    ~WindowsStormFrontEnd() override;
    WindowsStormFrontEnd(const WindowsStormFrontEnd&) = delete;
    WindowsStormFrontEnd& operator=(const WindowsStormFrontEnd&) = delete;

    const modWorm& game() const override;
    Outcome perform(const StormEvent& event) override;
    std::string problem() override;
    int gamesFinished() const override { return referee.games; }

private:
    static LRESULT CALLBACK queueProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void act(const StormEvent& event);
    void pressKey(const StormEvent& event);
    void command(Form::Command chosen);
    void tick(GameTimer which);
    void holdBackTicks();

    frmMain& window;
    GameReferee referee;
    // Takes the queued events and the key states that go with posted keys.
    HWND queue = nullptr;
    std::vector<StormEvent> queued;
    Outcome outcome;
    bool tickMadeDue = false;
};
