#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QString>

#include <array>
#include <memory>
#include <optional>

#include "GamePlatform.h"
#include "WaveImage.h"

class QAudioFormat;
class QAudioSink;

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

    bool prepareSink(const QAudioFormat& format);

    std::array<Effect, soundEffectCount> effects;
    // What the sink reads: a view of the playing effect's samples.
    QBuffer source;
    // Made at the first effect played, so a game with sound off never opens
    // the sound system.
    std::unique_ptr<QAudioSink> sink;
};
