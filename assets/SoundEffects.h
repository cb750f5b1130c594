#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "WaveImage.h"

class QAudioFormat;
class QAudioSink;

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

    bool prepareSink(const QAudioFormat& format);

    std::vector<Effect> effects;
    // What the sink reads: a view of the playing effect's samples.
    QBuffer source;
    // Made at the first effect played, so a game with sound off never opens
    // the sound system.
    std::unique_ptr<QAudioSink> sink;
};
