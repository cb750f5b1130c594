#include "SoundEffects.h"

#include <QFile>

#include "PulseOutput.h"

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

SoundEffects::~SoundEffects() = default;

void SoundEffects::prepare()
{
    if (prepared)
        return;
    prepared = true;
    output = PulseOutput::open();
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
    prepare();
    if (output)
        output->play(wave->samples(),
                     {wave->channels(), wave->sampleRate(), wave->bitsPerSample()});
}
