#include "EventStorm.h"

#include <gtest/gtest.h>
#include <QTest>

#include <cstdint>
#include <iostream>

#include "frmMain.h"
#include "QtStormFrontEnd.h"
#include "SeededRandom.h"

TEST(EventStorm, theWindowShowsTheRulesAfterEveryEventAPlayerCanCause)
{
    for (const std::uint64_t seed : EventStorm::seeds()) {
        // The food's chance and the storm's both follow from the seed.
        SeededRandom random(seed * 7919);
        frmMain window(random);
        window.startUp();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QtStormFrontEnd frontEnd(window);
        EventStorm storm(frontEnd, seed);
        ASSERT_EQ(storm.run(EventStorm::length(4000)), "");
        std::cout << storm.summary() << "\n";
        EXPECT_GT(storm.gamesFinished, 0);
        EXPECT_GT(storm.soundPasses, 0);
        EXPECT_GT(storm.exits, 0);
    }
}
