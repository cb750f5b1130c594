#include "MonitorRecorder.h"

#include <QDeadlineTimer>
#include <QtEndian>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <sys/prctl.h>

#include "PrivateSoundServer.h"

namespace {
constexpr int recorderMilliseconds = 3000;
constexpr std::size_t window = MonitorRecorder::rate / 200; // 5 ms
constexpr std::size_t longestGap = 10; // windows: 50 ms
}

MonitorRecorder::~MonitorRecorder()
{
    stop();
}

bool MonitorRecorder::start(const PrivateSoundServer& server, QString* why)
{
    recorder.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    recorder.start("parec",
                   {"--server=" + server.address(), "--device=" + server.monitor(),
                    "--format=s16le", "--rate=" + QString::number(rate), "--channels=1",
                    "--latency-msec=20", "--raw"});
    if (!recorder.waitForStarted(recorderMilliseconds)) {
        *why = "parec did not start: " + recorder.errorString();
        return false;
    }
    // A tenth of a second of silence shows the recording is running.
    const QDeadlineTimer deadline(5000);
    while (recorder.bytesAvailable() < 2 * rate / 10) {
        if (recorder.state() == QProcess::NotRunning || deadline.hasExpired()) {
            *why = "parec recorded nothing: " + recorder.readAllStandardError();
            return false;
        }
        QTest::qWait(10);
    }
    return true;
}

std::vector<qint16> MonitorRecorder::stop()
{
    if (recorder.state() != QProcess::NotRunning) {
        recorder.terminate();
        if (!recorder.waitForFinished(recorderMilliseconds)) {
            recorder.kill();
            recorder.waitForFinished(recorderMilliseconds);
        }
    }
    const QByteArray bytes = recorder.readAllStandardOutput();
    if (bytes.size() < 2)
        return {};
    std::vector<qint16> samples(static_cast<std::size_t>(bytes.size() / 2));
    qFromLittleEndian<qint16>(bytes.constData(), static_cast<qsizetype>(samples.size()),
                              samples.data());
    return samples;
}

std::vector<MonitorRecorder::Burst> MonitorRecorder::bursts(const std::vector<qint16>& samples)
{
    std::vector<Burst> found;
    const auto windows = samples.size() / window;
    std::size_t first = 0, last = 0; // loud windows of the burst being gathered
    bool inBurst = false;
    const auto close = [&] {
        found.push_back({static_cast<double>(first * window) / rate,
                         static_cast<double>((last + 1 - first) * window) / rate});
    };
    for (std::size_t w = 0; w < windows; ++w) {
        const auto begin = samples.begin() + static_cast<std::ptrdiff_t>(w * window);
        const bool loud = std::any_of(
            begin, begin + window, [](qint16 s) { return std::abs(static_cast<int>(s)) > quiet; });
        if (!loud)
            continue;
        if (inBurst && w - last <= longestGap) {
            last = w;
            continue;
        }
        if (inBurst)
            close();
        first = last = w;
        inBurst = true;
    }
    if (inBurst)
        close();
    return found;
}

int MonitorRecorder::peak(const std::vector<qint16>& samples)
{
    int loudest = 0;
    for (const qint16 s : samples)
        loudest = std::max(loudest, std::abs(static_cast<int>(s)));
    return loudest;
}
