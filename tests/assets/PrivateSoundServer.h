#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <optional>

// A PulseAudio server of the tests' own, in a temporary folder, with a single
// null sink whose monitor can be recorded. It stops with this object, and
// with the test process if that dies first.
class PrivateSoundServer {
public:
    PrivateSoundServer() = default;
    ~PrivateSoundServer();
    PrivateSoundServer(const PrivateSoundServer&) = delete;
    PrivateSoundServer& operator=(const PrivateSoundServer&) = delete;

    // Why the tests cannot have a server at all: pulseaudio is not
    // installed. Empty when it is.
    static QString whyUnavailable();

    // Starts the server and waits until it answers; on failure, says why.
    bool start(QString* why);

    // What PULSE_SERVER and --server take to reach this server.
    QString address() const;
    // The source that hears whatever is played on the sink.
    static QString monitor() { return QStringLiteral("vermilo_test.monitor"); }

    // What the server said so far.
    QString log() const;

    // How many streams are open for playback on the server; -1 when it cannot
    // be asked.
    int playbackStreams();

private:
    // What pactl prints for these arguments; nothing when it fails.
    std::optional<QByteArray> pactl(const QStringList& arguments);
    bool answers();

    QTemporaryDir folder;
    QProcess server;
};
