#include "EventStorm.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>

#include <chrono>
#include <cstdint>
#include <iostream>
#include <vector>

#include "frmMain.h"
#include "SeededRandom.h"

namespace {
// VERMILO_STORM_EVENTS and VERMILO_STORM_SEED make the storm longer or replay one seed.
int stormLength()
{
    bool ok = false;
    const int events = qEnvironmentVariableIntValue("VERMILO_STORM_EVENTS", &ok);
    return ok && events > 0 ? events : 4000;
}

std::vector<std::uint64_t> stormSeeds()
{
    bool ok = false;
    const auto seed = qEnvironmentVariable("VERMILO_STORM_SEED").toULongLong(&ok);
    return ok ? std::vector<std::uint64_t> {seed} : std::vector<std::uint64_t> {1, 2, 3};
}
}

TEST(EventStorm, theWindowShowsTheRulesAfterEveryEventAPlayerCanCause)
{
    for (const std::uint64_t seed : stormSeeds()) {
        // The food's chance and the storm's both follow from the seed.
        SeededRandom random(seed * 7919);
        frmMain window(random);
        window.startUp();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        EventStorm storm(window, seed);
        const auto started = std::chrono::steady_clock::now();
        const int events = stormLength();
        ASSERT_EQ(storm.run(events), "");
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
        std::cout << "seed " << seed << ": " << events << " events in " << took.count() << " s, "
                  << storm.gamesFinished << " games counted up, " << storm.soundPasses
                  << " events inside a sound's pass, " << storm.exits << " exits, "
                  << storm.secondaryWindows << " help windows opened\n";
        EXPECT_GT(storm.gamesFinished, 0);
        EXPECT_GT(storm.soundPasses, 0);
        EXPECT_GT(storm.exits, 0);
    }
}
