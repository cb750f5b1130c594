#include "SoundEffects.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <string>
#include <vector>

namespace {
QByteArray resource(const QString& name)
{
    QFile file(":/sounds/" + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 dwordAt(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// The chunks of a RIFF form as "tag size", and how many bytes follow the form.
struct Layout {
    std::vector<std::string> chunks;
    qsizetype bytesAfterForm = 0;
};

Layout layout(const QByteArray& image)
{
    Layout result;
    const qsizetype end = 8 + dwordAt(image, 4);
    qsizetype at = 12;
    while (at + 8 <= end) {
        const quint32 size = dwordAt(image, at + 4);
        result.chunks.push_back(image.mid(at, 4).toStdString() + " " + std::to_string(size));
        at += 8 + size + (size & 1);
    }
    result.bytesAfterForm = image.size() - at;
    return result;
}

struct Effect {
    SoundEffect effect;
    const char* name;
    qsizetype imageSize;
    qsizetype samples;
    std::vector<std::string> chunks;
};

void PrintTo(const Effect& effect, std::ostream* out)
{
    *out << effect.name;
}
}

class EmbeddedEffect : public testing::TestWithParam<Effect> { };

TEST_P(EmbeddedEffect, isAMonoEightBitWaveAt11025HzOfTheRightLength)
{
    const SoundEffects sounds;
    const WaveImage* wave = sounds.find(GetParam().effect);
    ASSERT_NE(wave, nullptr);
    EXPECT_EQ(wave->channels(), 1);
    EXPECT_EQ(wave->sampleRate(), 11025);
    EXPECT_EQ(wave->bitsPerSample(), 8);
    EXPECT_EQ(wave->sampleCount(), GetParam().samples);
}

TEST_P(EmbeddedEffect, carriesItsExtraChunksBeforeTheSamples)
{
    const QByteArray image = resource(GetParam().name);
    ASSERT_EQ(image.size(), GetParam().imageSize);
    const Layout found = layout(image);
    EXPECT_EQ(found.chunks, GetParam().chunks);
    // Two zero bytes after the form keep the image a whole number of words long.
    EXPECT_EQ(found.bytesAfterForm, 2);
    EXPECT_EQ(image.right(2), QByteArray(2, '\0'));
    // The sample-count chunk agrees with the samples.
    const qsizetype fact = image.indexOf("fact");
    ASSERT_GT(fact, 0);
    EXPECT_EQ(dwordAt(image, fact + 8), GetParam().samples);
}

INSTANTIATE_TEST_SUITE_P(
    SoundEffects, EmbeddedEffect,
    testing::Values(
        Effect {SoundEffect::pop, "POP", 1756, 1697, {"fmt  16", "fact 4", "data 1697"}},
        Effect {
            SoundEffect::oof, "OOF", 6992, 4812, {"fmt  18", "fact 4", "DISP 2112", "data 4812"}}));

TEST(SoundEffects, theDeathSoundShowsA32By32PictureOf256Colours)
{
    const QByteArray image = resource("OOF");
    const qsizetype display = image.indexOf("DISP") + 8;
    ASSERT_GT(display, 8);
    EXPECT_EQ(dwordAt(image, display), 8u); // a device-independent bitmap
    const qsizetype header = display + 4;
    EXPECT_EQ(dwordAt(image, header), 40u);
    EXPECT_EQ(dwordAt(image, header + 4), 32u);
    EXPECT_EQ(dwordAt(image, header + 8), 32u);
    EXPECT_EQ(qFromLittleEndian<quint16>(image.constData() + header + 14), 8);
    EXPECT_EQ(dwordAt(image, header + 32), 256u);
    // The picture is not blank: it uses more than one colour.
    const QByteArray pixels = image.mid(header + 40 + 1024, 32 * 32);
    EXPECT_LT(pixels.count(pixels.at(0)), pixels.size());
    // The extra-size field of the long format chunk is zero.
    const qsizetype format = image.indexOf("fmt ") + 8;
    EXPECT_EQ(qFromLittleEndian<quint16>(image.constData() + format + 16), 0);
}

TEST(SoundEffects, skipsAnEffectThatIsMissingOrNoWave)
{
    // There, "POP" is a text file and "OOF" is missing.
    SoundEffects sounds(QStringLiteral(":/not-sounds"));
    EXPECT_EQ(sounds.find(SoundEffect::pop), nullptr);
    EXPECT_EQ(sounds.find(SoundEffect::oof), nullptr);
    sounds.play(SoundEffect::pop);
    sounds.play(SoundEffect::oof);
}

// The committed sound files are what the sound maker makes from its recipe
// and picture, byte for byte.
TEST(SoundEffects, areExactlyWhatTheSoundMakerMakes)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QProcess maker;
    maker.start(VERMILO_SOUNDMAKER, {VERMILO_OOF_PICTURE, folder.path()});
    ASSERT_TRUE(maker.waitForFinished(30000)) << maker.errorString().toStdString();
    ASSERT_EQ(maker.exitCode(), 0) << maker.readAllStandardError().toStdString();
    for (const QString name : {"POP", "OOF"}) {
        QFile made(folder.filePath(name + ".wav"));
        ASSERT_TRUE(made.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_TRUE(made.readAll() == resource(name)) << name.toStdString();
    }
}
