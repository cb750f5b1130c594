#pragma once

#include <string>
#include <vector>

// One thing a player does to the main window, drawn whole in advance (which
// key, with which modifiers), so that a seed plays the same on every front-end.
struct StormEvent {
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
        // Some events wait in the queue, then Timer1 ticks: when the step
        // plays a sound they run inside its pass of the event loop.
        burstThenTick1,
    };
    struct Modifiers {
        bool shift = false;
        bool control = false;
        bool alt = false;
        bool keypad = false;
        bool meta = false;
    };

    // Virtual-key codes of the keys the storm presses besides the cursor keys.
    static constexpr int vkTab = 0x09;
    static constexpr int vkReturn = 0x0D;
    static constexpr int vkEscape = 0x1B;
    static constexpr int vkSpace = 0x20;
    static constexpr int vkHome = 0x24;
    static constexpr int vkA = 'A';
    static constexpr int vkP = 'P';
    static constexpr int vkF1 = 0x70;
    static constexpr int vkF2 = 0x71;
    static constexpr int vkF3 = 0x72;

    bool isKey() const { return action <= Action::ctrlP; }
    std::string name() const;

    Action action = Action::tick1;
    // For a key: its virtual-key code, 0 when the bot presses none.
    int key = 0;
    Modifiers modifiers;
    // For burstThenTick1: what waits in the queue.
    std::vector<StormEvent> queued;
};
