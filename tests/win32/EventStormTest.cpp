#include "EventStorm.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iostream>
#include <windows.h>

#include "frmMain.h"
#include "SeededRandom.h"
#include "WindowsStormFrontEnd.h"

// The storm of the Qt window, seed for seed, shorter: Wine takes its time
// over every message.
TEST(EventStorm, theWindowShowsTheRulesAfterEveryEventAPlayerCanCause)
{
    int soundPasses = 0;
    for (const std::uint64_t seed : EventStorm::seeds()) {
        // The window of an earlier test asked the program to end when it went.
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) { }
        // The food's chance and the storm's both follow from the seed.
        SeededRandom random(seed * 7919);
        frmMain window(GetModuleHandleW(nullptr), random);
        window.startUp();
        SetForegroundWindow(window.window());
        WindowsStormFrontEnd frontEnd(window);
        EventStorm storm(frontEnd, seed);
        ASSERT_EQ(storm.run(EventStorm::length(600)), "");
        std::cout << storm.summary() << "\n";
        EXPECT_GT(storm.gamesFinished, 0);
        EXPECT_GT(storm.exits, 0);
        soundPasses += storm.soundPasses;
    }
    EXPECT_GT(soundPasses, 0);
}
