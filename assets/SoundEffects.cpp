#include "SoundEffects.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>

namespace {
QAudioFormat::SampleFormat sampleFormat(int bits)
{
    switch (bits) {
    case 8: return QAudioFormat::UInt8;
    case 16: return QAudioFormat::Int16;
    case 32: return QAudioFormat::Int32;
    default: return QAudioFormat::Unknown;
    }
}
}

SoundEffects::SoundEffects(const QString& folder)
{
    for (int i = 0; i < soundEffectCount; ++i) {
        Effect& effect = effects.at(static_cast<std::size_t>(i));
        QFile file(folder + QLatin1Char('/')
                   + QLatin1String(soundEffectName(static_cast<SoundEffect>(i))));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        // Each image stays put and unchanged from here on, so the views into
        // it stay valid.
        effect.image = file.readAll();
        effect.wave = WaveImage::read(effect.image);
    }
}

SoundEffects::~SoundEffects()
{
    if (sink)
        sink->stop();
}

const WaveImage* SoundEffects::find(SoundEffect effect) const
{
    const std::optional<WaveImage>& wave = effects.at(static_cast<std::size_t>(effect)).wave;
    return wave ? &*wave : nullptr;
}

void SoundEffects::play(SoundEffect effect)
{
    const WaveImage* wave = find(effect);
    if (!wave)
        return;
    QAudioFormat format;
    format.setChannelCount(wave->channels());
    format.setSampleRate(wave->sampleRate());
    format.setSampleFormat(sampleFormat(wave->bitsPerSample()));
    if (!prepareSink(format))
        return;
    // Stopping cuts off the effect still playing; the new one, even the same
    // one again, is read from its first sample.
    sink->stop();
    source.close();
    const QByteArrayView samples = wave->samples();
    source.setData(QByteArray::fromRawData(samples.data(), samples.size()));
    source.open(QIODevice::ReadOnly);
    sink->start(&source);
}

// A sink for the format on the default output, kept while the format stays
// the same. False when there is no output to play on.
bool SoundEffects::prepareSink(const QAudioFormat& format)
{
    if (sink && sink->format() == format)
        return true;
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull())
        return false;
    if (sink)
        sink->stop();
    source.close();
    sink = std::make_unique<QAudioSink>(output, format);
    return true;
}
