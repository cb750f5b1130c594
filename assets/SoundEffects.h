#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>
#include <optional>

#include "GamePlatform.h"
#include "WaveImage.h"

class PulseOutput;

// The game's sound effects ("pop" when the worm eats, "oof" when it dies),
// read once from the program's resources and played in the background. An effect that cannot be
// played is skipped without a word, and playing never waits for the sound system.
class SoundEffects {
public:
    // Reads each effect from the file of its name in `folder`.
    explicit SoundEffects(const QString& folder = QStringLiteral(":/sounds"));
    ~SoundEffects();
    SoundEffects(const SoundEffects&) = delete;
    SoundEffects& operator=(const SoundEffects&) = delete;

    // Opens the sound system, so that the first effect starts as quickly as
    // the others. The game does this once its window is on screen, where
    // loading the sound system no longer holds the window up; the first
    // effect played does it too.
    void prepare();

    // Starts the effect from its beginning, cutting off whatever effect is
    // still playing. Does nothing for an effect that is missing or not a
    // playable WAVE, or when there is no audio output at all.
    void play(SoundEffect effect);

    // The effect as read; null when it is missing or not a playable WAVE.
    const WaveImage* find(SoundEffect effect) const;

private:
    struct Effect {
        QByteArray image;
        std::optional<WaveImage> wave;
    };

    std::array<Effect, soundEffectCount> effects;
    bool prepared = false;
    // Declared after the effects, so it is gone before the samples it reads.
    std::unique_ptr<PulseOutput> output;
};
