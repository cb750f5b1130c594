#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <mutex>
#include <string>
#include <vector>

#include "FakePlatform.h"
#include "modWorm.h"
#include "ScriptedRandom.h"
#include "SoundEffects.h"
#include "WormBuilder.h"

using namespace std::chrono_literals;
using Log = std::vector<std::string>;

namespace {
// The recording platform, with the game's real sound effects and a real pass
// of the event loop behind it.
class SoundingPlatform : public FakePlatform {
public:
    void playSound(SoundEffect effect) override
    {
        FakePlatform::playSound(effect);
        QElapsedTimer clock;
        clock.start();
        effects.play(effect);
        playTimes.push_back(std::chrono::nanoseconds(clock.nsecsElapsed()));
    }
    void processEvents() override
    {
        FakePlatform::processEvents();
        QCoreApplication::processEvents();
    }

    SoundEffects effects;
    std::vector<std::chrono::nanoseconds> playTimes;
};

// Everything Qt reports while one of these is alive.
class MessageCatcher {
public:
    MessageCatcher()
    {
        const std::lock_guard lock(mutex);
        caught = &messages;
        previous = qInstallMessageHandler(&MessageCatcher::handle);
    }
    ~MessageCatcher()
    {
        qInstallMessageHandler(previous);
        const std::lock_guard lock(mutex);
        caught = nullptr;
    }
    std::vector<std::string> take()
    {
        const std::lock_guard lock(mutex);
        return std::exchange(messages, {});
    }

private:
    static void handle(QtMsgType, const QMessageLogContext&, const QString& message)
    {
        const std::lock_guard lock(mutex);
        if (caught)
            caught->push_back(message.toStdString());
    }

    static inline std::mutex mutex;
    static inline std::vector<std::string>* caught = nullptr;
    std::vector<std::string> messages;
    QtMessageHandler previous = nullptr;
};

std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\n";
    return text;
}

double microseconds(std::chrono::nanoseconds time)
{
    return std::chrono::duration<double, std::micro>(time).count();
}

// A game from New to the end of the count-up: the worm eats once, runs up
// into the wall and is counted away. The log starts at New.
Log playAGame(SoundingPlatform& platform, bool soundOn)
{
    ScriptedRandom random({0.5});
    modWorm worm(platform, random);
    worm.StartUp();
    if (!soundOn)
        worm.soundCommand();
    platform.logCalls = true;
    worm.newGameCommand();
    arrange(worm).foodCell = {6, 0, 0};
    for (int tick = 0; tick < 3; ++tick)
        worm.timer1Tick();
    worm.keyDown(modWorm::vkUp);
    worm.timer1Tick();
    while (platform.isTimerEnabled(GameTimer::Timer2))
        worm.timer2Tick();
    return platform.takeLog();
}
}

TEST(NoSoundServer, eatingAndDyingRunExactlyAsWithSoundOffPlusTheTwoEffects)
{
    SoundingPlatform silent;
    const Log withoutSound = playAGame(silent, false);
    SoundingPlatform sounding;
    const Log withSound = playAGame(sounding, true);

    Log rest;
    Log effects;
    for (const auto& entry : withSound)
        (entry.starts_with("sound ") || entry == "events" ? effects : rest).push_back(entry);
    EXPECT_EQ(rest, withoutSound);
    EXPECT_EQ(effects, (Log {"sound POP", "events", "sound OOF", "events"}));
    // The pop comes as the head enters the food, the oof right after the crash.
    const auto at = [&](const std::string& entry) {
        return std::find(withSound.begin(), withSound.end(), entry) - withSound.begin();
    };
    EXPECT_EQ(at("sound OOF") - 1, at("draw pWHX 8,0"));
    EXPECT_LT(at("sound POP"), at("draw pWHR 6,0"));
    EXPECT_TRUE(silent.sounds.empty());
}

TEST(NoSoundServer, effectsAreSkippedAtOnceWithoutAWordPerEffect)
{
    SoundEffects effects;
    MessageCatcher catcher;
    QElapsedTimer clock;
    clock.start();
    effects.play(SoundEffect::pop);
    const auto first = std::chrono::nanoseconds(clock.nsecsElapsed());
    // Finding out that there is no server may be said once, at the first effect.
    const auto firstMessages = catcher.take();
    EXPECT_LE(firstMessages.size(), 1u) << joined(firstMessages);

    std::vector<std::chrono::nanoseconds> times;
    for (int round = 0; round < 50; ++round) {
        for (const SoundEffect effect : {SoundEffect::pop, SoundEffect::oof}) {
            clock.restart();
            effects.play(effect);
            times.push_back(std::chrono::nanoseconds(clock.nsecsElapsed()));
            QCoreApplication::processEvents();
        }
    }
    EXPECT_EQ(joined(catcher.take()), "");

    std::sort(times.begin(), times.end());
    std::cout << "play() without a sound server: first " << microseconds(first)
              << " us, then median " << microseconds(times.at(times.size() / 2)) << " us, slowest "
              << microseconds(times.back()) << " us over " << times.size() << " calls\n";
    if (!firstMessages.empty())
        std::cout << "Qt said once: " << firstMessages.front() << "\n";
    // Not a speed target: a guard against play() ever waiting for a server.
    EXPECT_LT(first, 1s);
    EXPECT_LT(times.back(), 1s);
}
