#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

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

private:
    bool answers();

    QTemporaryDir folder;
    QProcess server;
};
