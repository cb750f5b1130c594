#include "WaveImage.h"

#include <QtEndian>

#include <algorithm>

namespace {
constexpr qsizetype chunkHeaderSize = 8;
constexpr qsizetype shortFormatSize = 16;
constexpr quint16 pcmFormat = 1;
constexpr int maxChannels = 8;
constexpr quint32 maxSampleRate = 384000;

quint16 word(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.data() + at);
}

quint32 dword(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

bool hasTag(QByteArrayView bytes, qsizetype at, const char (&tag)[5])
{
    return bytes.sliced(at, 4) == QByteArrayView(tag, 4);
}
}

std::optional<WaveImage> WaveImage::read(QByteArrayView bytes)
{
    if (bytes.size() < 12 || !hasTag(bytes, 0, "RIFF") || !hasTag(bytes, 8, "WAVE"))
        return std::nullopt;
    // The form may end before the image does (alignment bytes after it) or
    // claim more than there is (a cut-off file): read what both allow.
    const qsizetype end
        = std::min<qsizetype>(bytes.size(), 8 + static_cast<qsizetype>(dword(bytes, 4)));

    std::optional<QByteArrayView> format;
    std::optional<QByteArrayView> data;
    for (qsizetype at = 12; at + chunkHeaderSize <= end && !(format && data);) {
        const qsizetype size = dword(bytes, at + 4);
        const qsizetype body = at + chunkHeaderSize;
        const qsizetype available = std::min(size, end - body);
        if (hasTag(bytes, at, "fmt ") && !format)
            format = bytes.sliced(body, available);
        else if (hasTag(bytes, at, "data") && !data)
            data = bytes.sliced(body, available);
        // Chunks start on even offsets: an odd-sized one is followed by a pad byte.
        at = body + size + (size & 1);
    }
    if (!format || !data || format->size() < shortFormatSize)
        return std::nullopt;

    const quint16 tag = word(*format, 0);
    const quint16 channels = word(*format, 2);
    const quint32 rate = dword(*format, 4);
    const quint16 blockAlign = word(*format, 12);
    const quint16 bits = word(*format, 14);
    const bool knownDepth = bits == 8 || bits == 16 || bits == 32;
    if (tag != pcmFormat || channels < 1 || channels > maxChannels || rate < 1
        || rate > maxSampleRate || !knownDepth || blockAlign != channels * bits / 8)
        return std::nullopt;

    WaveImage image;
    image.channelCount = channels;
    image.samplesPerSecond = static_cast<int>(rate);
    image.sampleBits = bits;
    image.frameBytes = blockAlign;
    image.sampleData = data->first(data->size() / blockAlign * blockAlign);
    return image;
}
