#pragma once

#include <string>

#include "EventStorm.h"
#include "TickDriver.h"
#include "WindowReferee.h"

class frmMain;

// The event storm in the Qt main window: keys through Qt Test to the active
// window, menu commands by their actions, ticks by hand through the window's
// own timers, each event run inside the application's event loop.
class QtStormFrontEnd : public StormFrontEnd {
public:
    explicit QtStormFrontEnd(frmMain& window);

    const modWorm& game() const override;
    Outcome perform(const StormEvent& event) override;
    std::string problem() override;
    int gamesFinished() const override { return referee.rules.games; }

private:
    void act(const StormEvent& event);
    void pressKey(const StormEvent& event);
    void trigger(const char* action);
    std::string checkWindows() const;

    frmMain& window;
    TickDriver ticks;
    WindowReferee referee;
    Outcome outcome;
    int event = 0;
};
