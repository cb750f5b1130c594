#include <gtest/gtest.h>
#include <QAction>
#include <QElapsedTimer>
#include <QTest>

#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "frmMain.h"
#include "KeyCodes.h"
#include "MonitorRecorder.h"
#include "PrivateSoundServer.h"
#include "ScriptedRandom.h"
#include "SoundEffects.h"
#include "TickDriver.h"

namespace {
constexpr double popLength = 1697.0 / 11025; // 0.154 s
constexpr double oofLength = 4812.0 / 11025; // 0.436 s
// What starting and stopping streams on a sound server may add or take away.
constexpr double slack = 0.035;
// Long enough after the last effect for the death sound and the server's latency.
constexpr int afterglowMilliseconds = 900;

std::string describe(const std::vector<MonitorRecorder::Burst>& bursts)
{
    std::ostringstream text;
    text << bursts.size() << " burst(s):";
    for (const auto& burst : bursts)
        text << " " << burst.length << " s at " << burst.start << " s;";
    return text.str();
}

double seconds(const QElapsedTimer& clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

// The real game in its window, as the program starts it, and a new game: the
// six-cell worm in the top-left corner heading right, sound on, the food just
// in front of its head, and the next food in front of it again.
class Game {
public:
    Game()
    {
        window.startUp();
        choose("mnuGameNew");
    }

    void choose(const char* item) { window.findChild<QAction*>(item)->trigger(); }
    // One worm step into the food.
    void eat() { ticks.tick(GameTimer::Timer1); }
    // One worm step up into the top wall.
    void die()
    {
        QTest::keyClick(&window, qtKey(modWorm::vkUp));
        ticks.tick(GameTimer::Timer1);
    }

private:
    // Blocks (6, 0), then (7, 0), picture 0.
    ScriptedRandom random {{0.25, 0.05, 0.0, 0.28, 0.05, 0.0}};
    frmMain window {random};
    TickDriver ticks {window};
};
}

// Each test records what the game plays on the tests' own sound server.
class RecordedSound : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        skipReason = PrivateSoundServer::whyUnavailable();
        if (!skipReason.isEmpty())
            return;
        server = std::make_unique<PrivateSoundServer>();
        if (server->start(&startFailure))
            // Before anything in this process opens the sound system.
            qputenv("PULSE_SERVER", server->address().toLocal8Bit());
    }
    static void TearDownTestSuite() { server.reset(); }

    void SetUp() override
    {
        if (!skipReason.isEmpty())
            GTEST_SKIP() << skipReason.toStdString();
        ASSERT_TRUE(startFailure.isEmpty()) << startFailure.toStdString();
        QString why;
        ASSERT_TRUE(recorder.start(*server, &why)) << why.toStdString();
    }

    // Waits for the effects to play out, then stops the recording.
    std::vector<qint16> recording()
    {
        QTest::qWait(afterglowMilliseconds);
        return recorder.stop();
    }

    static inline QString skipReason;
    static inline QString startFailure;
    static inline std::unique_ptr<PrivateSoundServer> server;
    MonitorRecorder recorder;
};

TEST_F(RecordedSound, eatingPlaysAPopOfAbout0_15Seconds)
{
    Game game;
    game.eat();
    const auto bursts = MonitorRecorder::bursts(recording());
    ASSERT_EQ(bursts.size(), 1u) << describe(bursts);
    EXPECT_NEAR(bursts.front().length, popLength, slack) << describe(bursts);
}

TEST_F(RecordedSound, dyingPlaysAnOofOfAbout0_44Seconds)
{
    Game game;
    game.die();
    const auto bursts = MonitorRecorder::bursts(recording());
    ASSERT_EQ(bursts.size(), 1u) << describe(bursts);
    EXPECT_NEAR(bursts.front().length, oofLength, slack) << describe(bursts);
}

// Played again, the pop starts over: one burst from the first start to the end
// of the second pop. Two whole pops would last twice as long; a second pop
// that left the first one running would end with the first.
TEST_F(RecordedSound, aSecondPopCutsTheFirstOffAndStartsFromItsBeginning)
{
    Game game;
    QElapsedTimer clock;
    game.eat();
    clock.start();
    QTest::qWait(80);
    const double gap = seconds(clock);
    game.eat();
    const auto bursts = MonitorRecorder::bursts(recording());
    ASSERT_EQ(bursts.size(), 1u) << describe(bursts);
    EXPECT_NEAR(bursts.front().length, gap + popLength, slack)
        << describe(bursts) << " gap " << gap;
}

// Sounds are not mixed: the pop ends the death sound, which would otherwise
// go on for another 0.3 s.
TEST_F(RecordedSound, aNewEffectCutsOffTheOneStillPlaying)
{
    SoundEffects effects;
    QElapsedTimer clock;
    clock.start();
    effects.play(SoundEffect::oof);
    const double oofStart = seconds(clock);
    QTest::qWait(150);
    const double gap = seconds(clock) - oofStart;
    clock.restart();
    effects.play(SoundEffect::pop);
    const double popStart = seconds(clock);
    const auto bursts = MonitorRecorder::bursts(recording());
    ASSERT_EQ(bursts.size(), 1u) << describe(bursts);
    EXPECT_NEAR(bursts.front().length, gap + popLength, slack)
        << describe(bursts) << " gap " << gap;
    std::cout << "play() with a sound server: " << oofStart * 1e6 << " us for the first effect, "
              << popStart * 1e6 << " us for the one that cuts it off\n";
}

// A stream left open would keep the server calling the game between effects.
TEST_F(RecordedSound, noStreamStaysOpenOnceTheEffectsHavePlayed)
{
    Game game;
    game.eat();
    game.die();
    recording();
    EXPECT_EQ(server->playbackStreams(), 0);
}

TEST_F(RecordedSound, withSoundFxOffEatingAndDyingAreSilent)
{
    Game game;
    game.choose("mnuOptionsSound");
    game.eat();
    game.die();
    const auto samples = recording();
    EXPECT_GT(samples.size(), static_cast<std::size_t>(MonitorRecorder::rate / 2));
    EXPECT_EQ(MonitorRecorder::bursts(samples).size(), 0u);
    EXPECT_LT(MonitorRecorder::peak(samples), MonitorRecorder::quiet);
}
