#include "SoundEffects.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QDir>
#include <QFile>
#include <QMediaDevices>

namespace {
// Where the effects are embedded, each under its name in capitals.
const QString effectFolder = QStringLiteral(":/sounds");

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

SoundEffects::SoundEffects()
{
    const QDir folder(effectFolder);
    for (const QString& name : folder.entryList(QDir::Files)) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        effects.push_back({name, file.readAll(), std::nullopt});
    }
    // Read once every image is in place: each stays put and unchanged from
    // here on, so the views into it stay valid.
    for (Effect& effect : effects)
        effect.wave = WaveImage::read(effect.image);
}

SoundEffects::~SoundEffects()
{
    if (sink)
        sink->stop();
}

const WaveImage* SoundEffects::find(std::string_view name) const
{
    const QString wanted = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    for (const Effect& effect : effects)
        if (effect.wave && effect.name.compare(wanted, Qt::CaseInsensitive) == 0)
            return &*effect.wave;
    return nullptr;
}

void SoundEffects::play(std::string_view name)
{
    const WaveImage* wave = find(name);
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
