#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "WaveImage.h"

class PulseOutput;

// The game's sound effects ("pop" when the worm eats, "oof" when it dies),
// read once from the program's resources and played by name in the
// background. An effect that cannot be played is skipped without a word, and
// playing never waits for the sound system.
class SoundEffects {
public:
    SoundEffects();
    ~SoundEffects();
    SoundEffects(const SoundEffects&) = delete;
    SoundEffects& operator=(const SoundEffects&) = delete;

    // Opens the sound system, so that the first effect starts as quickly as
    // the others. The game does this once its window is on screen, where
    // loading the sound system no longer holds the window up; the first
    // effect played does it too.
    void prepare();

    // Starts the named effect from its beginning, cutting off whatever effect
    // is still playing. Does nothing for a name with no playable effect, or
    // when there is no audio output at all.
    void play(std::string_view name);

    // The effect stored under that name, whatever the letter case of either.
    const WaveImage* find(std::string_view name) const;

private:
    struct Effect {
        QString name;
        QByteArray image;
        std::optional<WaveImage> wave;
    };

    std::vector<Effect> effects;
    bool prepared = false;
    // Declared after the effects, so it is gone before the samples it reads.
    std::unique_ptr<PulseOutput> output;
};
