#pragma once

#include <QProcess>
#include <QString>

#include <vector>

class PrivateSoundServer;

// Records what a private sound server's sink plays, as 16-bit mono samples at
// 11025 Hz, and finds the bursts of sound in the recording.
class MonitorRecorder {
public:
    static constexpr int rate = 11025;

    // A stretch of sound, in seconds from the start of the recording.
    struct Burst {
        double start = 0;
        double length = 0;
    };

    MonitorRecorder() = default;
    ~MonitorRecorder();
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;

    // Starts recording and returns once the first samples have come in; on
    // failure, says why.
    bool start(const PrivateSoundServer& server, QString* why);
    // Stops recording and hands over everything recorded.
    std::vector<qint16> stop();

    // The stretches in which the sound is louder than quiet for at least one
    // 5 ms window. A gap shorter than 50 ms counts as part of a stretch: an
    // effect that cuts off another starts on a new stream, which the server
    // takes 15 to 35 ms to get going.
    static std::vector<Burst> bursts(const std::vector<qint16>& samples);
    static int peak(const std::vector<qint16>& samples);

    // Louder than any rounding left in silence, quieter than the softest
    // tail of either effect (about a tenth of full scale).
    static constexpr int quiet = 1500;

private:
    QProcess recorder;
};
