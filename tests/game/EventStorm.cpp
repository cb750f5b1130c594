#include "EventStorm.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <thread>

namespace {
constexpr int stormColumns = 30;
constexpr int stormRows = 23;

using Action = StormEvent::Action;
using Modifiers = StormEvent::Modifiers;

constexpr std::array<int, 4> cursorKeys
    = {modWorm::vkLeft, modWorm::vkUp, modWorm::vkRight, modWorm::vkDown};
// Keys a player may hit that mean nothing to the game; Alt with them, or the
// menus' letters with it, would open a menu and take the keyboard.
constexpr std::array<int, 9> otherKeys
    = {StormEvent::vkSpace, StormEvent::vkReturn, StormEvent::vkEscape,
       StormEvent::vkA,     StormEvent::vkP,      StormEvent::vkF1,
       StormEvent::vkF3,    StormEvent::vkHome,   StormEvent::vkTab};
// Shift, Control, Alt, keypad and Meta in turn. The last set, Alt, only ever
// comes with a cursor key.
constexpr std::array<Modifiers, 7> modifierSets = {{
    {false, false, false, false, false},
    {true, false, false, false, false},
    {false, true, false, false, false},
    {false, false, false, true, false},
    {false, false, false, false, true},
    {true, true, false, false, false},
    {false, false, true, false, false},
}};

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}
}

std::string StormEvent::name() const
{
    switch (action) {
    case Action::cursorKey: return modifiers.alt ? "Alt+cursor key" : "cursor key";
    case Action::botKey: return "bot's key";
    case Action::otherKey: return "other key";
    case Action::f2: return "F2";
    case Action::ctrlP: return "Ctrl+P";
    case Action::menuNew: return "New";
    case Action::menuExit: return "Exit";
    case Action::menuSound: return "Sound FX";
    case Action::menuPause: return "Pause";
    case Action::menuInstructions: return "Instructions";
    case Action::menuAbout: return "About";
    case Action::closeSecondaryWindows: return "close windows";
    case Action::tick1: return "Timer1 tick";
    case Action::tick2: return "Timer2 tick";
    default: return "burst and Timer1 tick";
    }
}

EventStorm::EventStorm(StormFrontEnd& frontEnd, std::uint64_t seed)
    : frontEnd(frontEnd), seed(seed), dice(seed),
      bot(Autoplayer::Style::towardsFood, stormColumns, stormRows)
{
}

int EventStorm::length(int byDefault)
{
    const int events = std::atoi(environment("VERMILO_STORM_EVENTS").c_str());
    return events > 0 ? events : byDefault;
}

std::vector<std::uint64_t> EventStorm::seeds()
{
    const std::string seed = environment("VERMILO_STORM_SEED");
    if (seed.empty())
        return {1, 2, 3};
    return {std::strtoull(seed.c_str(), nullptr, 10)};
}

std::string EventStorm::run(int count)
{
    // A hang shows as no progress: then say where, and end the run.
    std::atomic<int> progress {0};
    std::atomic<bool> done {false};
    std::thread watchdog([&] {
        int last = -1;
        for (int quiet = 0; !done; std::this_thread::sleep_for(std::chrono::milliseconds(100))) {
            quiet = progress == last ? quiet + 1 : 0;
            last = progress;
            if (quiet > 300) {
                std::fprintf(stderr, "event storm seed %llu hangs at event %d\n",
                             static_cast<unsigned long long>(seed), last);
                std::_Exit(3);
            }
        }
    });
    const auto started = std::chrono::steady_clock::now();
    std::string problem = frontEnd.problem();
    if (!problem.empty())
        problem = "before the storm: " + problem;
    int event = 0;
    for (event = 1; event <= count && problem.empty(); ++event) {
        progress = event;
        const StormEvent next = draw();
        recent.push_back(next.name());
        bool exitChosen = next.action == Action::menuExit;
        for (const StormEvent& queued : next.queued) {
            recent.push_back("queued " + queued.name());
            exitChosen = exitChosen || queued.action == Action::menuExit;
        }
        const StormFrontEnd::Outcome outcome = frontEnd.perform(next);
        soundPasses += outcome.ranInsideSound;
        while (recent.size() > 12)
            recent.pop_front();
        if (exitChosen && !outcome.ended)
            problem = "Exit was chosen and the program would go on";
        else if (!exitChosen && outcome.ended)
            problem = "the program would end without Exit";
        else
            problem = frontEnd.problem();
        exits += exitChosen ? 1 : 0;
    }
    done = true;
    watchdog.join();
    events = event - 1;
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    gamesFinished = frontEnd.gamesFinished();
    if (problem.empty())
        return {};
    std::string history;
    for (const std::string& earlier : recent)
        history += (history.empty() ? "" : ", ") + earlier;
    return "seed " + std::to_string(seed) + ", event " + std::to_string(events) + ": " + problem
        + " (the last events: " + history + ")";
}

std::string EventStorm::summary() const
{
    std::ostringstream out;
    out << "seed " << seed << ": " << events << " events in " << seconds << " s, " << gamesFinished
        << " games counted up, " << soundPasses << " events inside a sound's pass, " << exits
        << " exits, " << secondaryWindows << " help windows opened";
    return out.str();
}

StormEvent EventStorm::draw()
{
    // Steps that eat or crash play a sound and wait for events: crowd them.
    const Action action
        = nextStepPlaysASound() && dice() % 4 != 0 ? Action::burstThenTick1 : drawAction();
    switch (action) {
    case Action::menuInstructions:
    case Action::menuAbout: ++secondaryWindows; return withKey(action);
    case Action::burstThenTick1: {
        StormEvent burst = withKey(action);
        const auto count = 1 + dice() % 3;
        for (std::uint64_t i = 0; i < count; ++i)
            burst.queued.push_back(drawQueued());
        return burst;
    }
    default: return withKey(action);
    }
}

bool EventStorm::nextStepPlaysASound() const
{
    const modWorm& game = frontEnd.game();
    const WormState& worm = game.state();
    if (!worm.gameRunning || worm.gameOverActive)
        return false;
    const WormSegment& head = worm.segmentRing.at(static_cast<std::size_t>(worm.headIndex));
    const WormSegment next {static_cast<std::int16_t>(head.column + worm.stepX),
                            static_cast<std::int16_t>(head.row + worm.stepY), 0};
    return game.HitsFood(next) || game.IsCellBlocked(next);
}

StormEvent::Action EventStorm::drawAction()
{
    // The chance of each action, in thousandths.
    static constexpr std::array<std::pair<Action, int>, 15> chances = {{
        {Action::tick1, 300},
        {Action::tick2, 130},
        {Action::botKey, 170},
        {Action::cursorKey, 100},
        {Action::burstThenTick1, 80},
        {Action::f2, 30},
        {Action::ctrlP, 20},
        {Action::menuNew, 20},
        {Action::menuPause, 20},
        {Action::menuSound, 30},
        {Action::menuExit, 10},
        {Action::menuInstructions, 15},
        {Action::menuAbout, 15},
        {Action::closeSecondaryWindows, 35},
        {Action::otherKey, 25},
    }};
    auto roll = static_cast<int>(dice() % 1000);
    for (const auto& [action, chance] : chances) {
        if (roll < chance)
            return action;
        roll -= chance;
    }
    return Action::otherKey;
}

StormEvent EventStorm::drawQueued()
{
    static constexpr std::array<Action, 14> queued = {
        Action::cursorKey, Action::cursorKey, Action::botKey,    Action::otherKey,
        Action::f2,        Action::ctrlP,     Action::menuNew,   Action::menuExit,
        Action::menuSound, Action::menuPause, Action::menuAbout, Action::menuInstructions,
        Action::tick1,     Action::tick2,
    };
    const Action action = queued.at(static_cast<std::size_t>(dice() % queued.size()));
    if (action == Action::menuAbout || action == Action::menuInstructions)
        ++secondaryWindows;
    return withKey(action);
}

// The event for `action`, with its key and modifiers drawn when it is a key
// (the bot picks its key from the game as it stands when the event is drawn).
StormEvent EventStorm::withKey(Action action)
{
    StormEvent event;
    event.action = action;
    switch (action) {
    case Action::cursorKey:
        event.key = cursorKeys.at(dice() % cursorKeys.size());
        event.modifiers = modifierSets.at(dice() % modifierSets.size());
        break;
    case Action::botKey: event.key = bot.chooseKey(frontEnd.game()); break;
    case Action::otherKey:
        event.key = otherKeys.at(dice() % otherKeys.size());
        event.modifiers = modifierSets.at(dice() % (modifierSets.size() - 1));
        break;
    case Action::f2: event.key = StormEvent::vkF2; break;
    case Action::ctrlP:
        event.key = StormEvent::vkP;
        event.modifiers.control = true;
        break;
    default: break;
    }
    return event;
}
