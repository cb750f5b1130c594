#pragma once

#include <QByteArrayView>

#include <optional>

// A RIFF WAVE file image in memory, read as far as playing it needs: the PCM
// format and where the samples lie. Chunks other than the format and the data
// are stepped over, and the image itself is never copied.
class WaveImage {
public:
    // Nothing when the bytes are not a playable PCM WAVE image: not RIFF, no
    // format or no data chunk, a compressed or nonsensical format. The bytes
    // must outlive the result.
    static std::optional<WaveImage> read(QByteArrayView bytes);

    int channels() const { return channelCount; }
    int sampleRate() const { return samplesPerSecond; }
    int bitsPerSample() const { return sampleBits; }
    // Whole sample frames only: a cut-off last frame is left out.
    QByteArrayView samples() const { return sampleData; }
    qsizetype sampleCount() const { return sampleData.size() / frameBytes; }

private:
    WaveImage() = default;

    int channelCount = 0;
    int samplesPerSecond = 0;
    int sampleBits = 0;
    int frameBytes = 1;
    QByteArrayView sampleData;
};
