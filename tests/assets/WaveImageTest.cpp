#include "WaveImage.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <string>
#include <vector>

namespace {
QByteArray word(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray dword(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// A chunk as a WAVE writer lays it out, with the pad byte after an odd body.
QByteArray chunk(const char* tag, const QByteArray& body)
{
    QByteArray bytes = QByteArray(tag, 4) + dword(static_cast<quint32>(body.size())) + body;
    if (body.size() % 2 == 1)
        bytes += '\0';
    return bytes;
}

QByteArray format(quint16 channels, quint32 rate, quint16 bits, quint16 tag = 1)
{
    const quint16 frame = static_cast<quint16>(channels * bits / 8);
    return word(tag) + word(channels) + dword(rate) + dword(rate * frame) + word(frame)
        + word(bits);
}

QByteArray riff(const QByteArray& chunks)
{
    return "RIFF" + dword(static_cast<quint32>(4 + chunks.size())) + "WAVE" + chunks;
}

const QByteArray monoPcm = format(1, 11025, 8);
const QByteArray fiveSamples = QByteArray("\x80\x90\xa0\x90\x80", 5);
}

TEST(WaveImage, readsTheFormatAndTheSamplesOfAPlainImage)
{
    const QByteArray bytes = riff(chunk("fmt ", monoPcm) + chunk("data", fiveSamples));
    const auto image = WaveImage::read(bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->channels(), 1);
    EXPECT_EQ(image->sampleRate(), 11025);
    EXPECT_EQ(image->bitsPerSample(), 8);
    EXPECT_EQ(image->sampleCount(), 5);
    EXPECT_EQ(image->samples(), fiveSamples);
    EXPECT_EQ(image->samples().data(), bytes.constData() + 44);
}

TEST(WaveImage, stepsOverOtherChunksAndThePadByteAfterAnOddOne)
{
    // An odd-sized chunk whose pad byte, if read as a tag, would shift every
    // later chunk by one.
    const QByteArray bytes
        = riff(chunk("fmt ", monoPcm + word(0)) + chunk("fact", dword(5)) + chunk("LIST", "abc")
               + chunk("DISP", QByteArray(2112, 'x')) + chunk("data", fiveSamples));
    const auto image = WaveImage::read(bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->samples(), fiveSamples);
}

TEST(WaveImage, findsTheFormatAfterTheData)
{
    const auto image = WaveImage::read(riff(chunk("data", fiveSamples) + chunk("fmt ", monoPcm)));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->sampleCount(), 5);
}

TEST(WaveImage, ignoresBytesAfterTheRiffForm)
{
    QByteArray bytes = riff(chunk("fmt ", monoPcm) + chunk("data", fiveSamples));
    bytes += chunk("data", QByteArray(100, '\x7f'));
    const auto image = WaveImage::read(bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->samples(), fiveSamples);
}

TEST(WaveImage, playsWhatACutOffFileHasInWholeFrames)
{
    QByteArray bytes
        = riff(chunk("fmt ", format(2, 22050, 16)) + chunk("data", QByteArray(400, 'a')));
    bytes.chop(400 - 27); // 27 bytes of four-byte frames left
    const auto image = WaveImage::read(bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->sampleCount(), 6);
    EXPECT_EQ(image->samples().size(), 24);
}

struct Unplayable {
    std::string what;
    QByteArray bytes;
};

void PrintTo(const Unplayable& image, std::ostream* out)
{
    *out << image.what;
}

class UnplayableImage : public testing::TestWithParam<Unplayable> { };

TEST_P(UnplayableImage, isRefusedCalmly)
{
    // A copy of exactly the right size, so the sanitizer sees any read past it.
    const QByteArray& bytes = GetParam().bytes;
    const std::vector<char> exact(bytes.begin(), bytes.end());
    EXPECT_FALSE(
        WaveImage::read(QByteArrayView(exact.data(), static_cast<qsizetype>(exact.size()))));
}

INSTANTIATE_TEST_SUITE_P(
    WaveImage, UnplayableImage,
    testing::Values(
        Unplayable {"nothing", QByteArray()},
        Unplayable {"half a header", QByteArray("RIFF\x10\0\0\0WA", 10)},
        Unplayable {"not riff",
                    "RIFX" + riff(chunk("fmt ", monoPcm) + chunk("data", fiveSamples)).mid(4)},
        Unplayable {"not wave", riff(chunk("fmt ", monoPcm)).replace("WAVE", "AVI ")},
        Unplayable {"no format", riff(chunk("data", fiveSamples))},
        Unplayable {"no data", riff(chunk("fmt ", monoPcm) + chunk("fact", dword(5)))},
        Unplayable {"a short format",
                    riff(chunk("fmt ", monoPcm.first(14)) + chunk("data", fiveSamples))},
        Unplayable {"a law",
                    riff(chunk("fmt ", format(1, 8000, 8, 6)) + chunk("data", fiveSamples))},
        Unplayable {"no channels",
                    riff(chunk("fmt ", format(0, 11025, 8)) + chunk("data", fiveSamples))},
        Unplayable {"no rate", riff(chunk("fmt ", format(1, 0, 8)) + chunk("data", fiveSamples))},
        Unplayable {"twelve bits",
                    riff(chunk("fmt ", format(1, 11025, 12)) + chunk("data", fiveSamples))},
        Unplayable {"a frame size that disagrees",
                    riff(chunk("fmt ", monoPcm.first(12) + word(2) + word(8))
                         + chunk("data", fiveSamples))},
        Unplayable {"a chunk claiming four gigabytes",
                    riff(chunk("fmt ", monoPcm) + "LIST" + dword(0xffffffffu)
                         + chunk("data", fiveSamples))},
        Unplayable {"a form that ends before the data",
                    riff(chunk("fmt ", monoPcm)) + chunk("data", fiveSamples)}));

// Every prefix of the death sound, as a cut-off file would be: nothing before
// the data chunk's header is complete, then as many samples as arrived.
TEST(WaveImage, readsEveryCutOffCopyOfTheDeathSoundWithinItsBytes)
{
    QFile file(":/sounds/OOF");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    constexpr qsizetype samplesStart = 2178;
    for (qsizetype length = 0; length <= whole.size(); ++length) {
        const std::vector<char> prefix(whole.begin(), whole.begin() + length);
        const auto image = WaveImage::read(QByteArrayView(prefix.data(), length));
        if (length < samplesStart) {
            ASSERT_FALSE(image) << length;
            continue;
        }
        ASSERT_TRUE(image) << length;
        ASSERT_EQ(image->sampleCount(), std::min<qsizetype>(length - samplesStart, 4812)) << length;
        ASSERT_EQ(image->samples().data(), prefix.data() + samplesStart);
    }
}
