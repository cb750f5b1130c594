#include "SoundEffects.h"

#include <QDir>
#include <QFile>

#include "PulseOutput.h"

namespace {
// Where the effects are embedded, each under its name in capitals.
const QString effectFolder = QStringLiteral(":/sounds");
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

SoundEffects::~SoundEffects() = default;

void SoundEffects::prepare()
{
    if (prepared)
        return;
    prepared = true;
    output = PulseOutput::open();
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
    prepare();
    if (output)
        output->play(wave->samples(),
                     {wave->channels(), wave->sampleRate(), wave->bitsPerSample()});
}
