#pragma once

#include <cstdint>
#include <deque>
#include <random>
#include <string>

#include "Autoplayer.h"
#include "TickDriver.h"
#include "WindowReferee.h"

class QAction;
class frmMain;

// Throws a long seeded storm of everything a player can do at the real main
// window: cursor keys with any modifiers, other keys, F2 and Ctrl+P, every menu
// command, the help windows opened and closed, and timer ticks, some of them
// arriving inside the sound's pass of the event loop. After every event the
// window must show exactly what the rules hold. Exit must end the program
// exactly when it is chosen; here that is checked rather than done.
class EventStorm {
public:
    EventStorm(frmMain& window, std::uint64_t seed);

    // Runs `events` events; returns the first problem, with the seed, the
    // event's number and the events before it, or nothing when all went well.
    std::string run(int events);

    // What the storm did, for the record.
    int exits = 0;
    int soundPasses = 0; // events that waited and ran inside a sound's pass
    int gamesFinished = 0;
    int secondaryWindows = 0;

private:
    enum class Action {
        cursorKey,
        botKey,
        otherKey,
        f2,
        ctrlP,
        menuNew,
        menuExit,
        menuSound,
        menuPause,
        menuInstructions,
        menuAbout,
        closeSecondaryWindows,
        tick1,
        tick2,
        burstThenTick1,
    };

    Action drawAction();
    Action drawQueuedAction();
    void perform(Action action);
    void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers);
    std::string name(Action action) const;
    std::string checkWindows() const;
    // Runs one event inside the application's own event loop; the loop ends
    // early, with status 0, only if something asked the program to end.
    int runInEventLoop(Action action);

    frmMain& window;
    std::uint64_t seed;
    std::mt19937_64 dice;
    TickDriver ticks;
    WindowReferee referee;
    Autoplayer bot;
    QAction* exitAction;
    int event = 0;
    bool exitChosen = false;
    std::deque<std::string> recent;
};
