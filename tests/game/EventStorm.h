#pragma once

#include <cstdint>
#include <deque>
#include <random>
#include <string>
#include <vector>

#include "Autoplayer.h"
#include "StormEvent.h"

// What a front-end does with the storm's events: it runs them in its real main
// window, inside the program's own event loop, and judges the window.
class StormFrontEnd {
public:
    struct Outcome {
        bool ended = false; // the program was asked to end
        int ranInsideSound = 0; // queued events that ran while a step waited in a sound
    };

    virtual ~StormFrontEnd() = default;
    virtual const modWorm& game() const = 0;
    // Runs one event, with whatever it queued, in the program's event loop.
    virtual Outcome perform(const StormEvent& event) = 0;
    // What is wrong with the window against the rules now; empty when nothing.
    virtual std::string problem() = 0;
    // Count-ups the front-end's referee saw to their end.
    virtual int gamesFinished() const = 0;
};

// Throws a long seeded storm of everything a player can do at the real main
// window of a front-end: cursor keys with any modifiers, other keys, F2 and
// Ctrl+P, every menu command, the help windows opened and closed, and timer
// ticks, some of them arriving inside the sound's pass of the event loop.
// After every event the window must show exactly what the rules hold. Exit
// must end the program exactly when it is chosen; there that is checked
// rather than done. The same seed draws the same events on every front-end.
class EventStorm {
public:
    EventStorm(StormFrontEnd& frontEnd, std::uint64_t seed);

    // Runs `events` events; returns the first problem, with the seed, the
    // event's number and the events before it, or nothing when all went well.
    std::string run(int events);
    // What the storm did, for the record.
    std::string summary() const;

    // VERMILO_STORM_EVENTS and VERMILO_STORM_SEED make the storm longer or
    // replay one seed.
    static int length(int byDefault);
    static std::vector<std::uint64_t> seeds();

    int exits = 0;
    int soundPasses = 0; // events that waited and ran inside a sound's pass
    int gamesFinished = 0;
    int secondaryWindows = 0;

private:
    StormEvent draw();
    bool nextStepPlaysASound() const;
    StormEvent::Action drawAction();
    StormEvent drawQueued();
    StormEvent withKey(StormEvent::Action action);

    StormFrontEnd& frontEnd;
    std::uint64_t seed;
    std::mt19937_64 dice;
    Autoplayer bot;
    int events = 0;
    double seconds = 0;
    std::deque<std::string> recent;
};
