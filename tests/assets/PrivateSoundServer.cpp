#include "PrivateSoundServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>

namespace {
constexpr int startSeconds = 10;
constexpr int commandMilliseconds = 3000;

// The child goes when the test process goes, however that ends.
void dieWithParent()
{
    prctl(PR_SET_PDEATHSIG, SIGKILL);
}
}

PrivateSoundServer::~PrivateSoundServer()
{
    if (server.state() == QProcess::NotRunning)
        return;
    server.terminate();
    if (!server.waitForFinished(commandMilliseconds)) {
        server.kill();
        server.waitForFinished(commandMilliseconds);
    }
}

QString PrivateSoundServer::whyUnavailable()
{
    if (QStandardPaths::findExecutable("pulseaudio").isEmpty())
        return "pulseaudio is not installed (scripts/setup.sh installs it)";
    return {};
}

QString PrivateSoundServer::address() const
{
    return "unix:" + folder.filePath("runtime/native");
}

bool PrivateSoundServer::start(QString* why)
{
    if (QStandardPaths::findExecutable("pactl").isEmpty()
        || QStandardPaths::findExecutable("parec").isEmpty()) {
        *why = "pulseaudio is installed but pactl and parec are not (pulseaudio-utils)";
        return false;
    }
    const QDir root(folder.path());
    if (!folder.isValid() || !root.mkpath("runtime") || !root.mkpath("home")) {
        *why = "cannot make a temporary folder for the server";
        return false;
    }
    QFile::setPermissions(root.filePath("runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // Nothing of the user's own sound set-up: a private runtime folder and
    // home, no session bus and no display to announce the server on.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", root.filePath("runtime"));
    environment.insert("HOME", root.filePath("home"));
    environment.insert("PULSE_RUNTIME_PATH", root.filePath("runtime"));
    environment.insert("PULSE_STATE_PATH", root.filePath("home"));
    environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
    environment.remove("PULSE_SERVER");
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    server.setProcessEnvironment(environment);
    server.setChildProcessModifier(dieWithParent);
    // Into a file, so a chatty server can never fill a pipe nobody reads.
    server.setProcessChannelMode(QProcess::MergedChannels);
    server.setStandardOutputFile(root.filePath("server.log"));
    // As root PulseAudio warns that it is meant for a user session, and runs.
    server.start("pulseaudio",
                 {"--daemonize=no", "-n", "--exit-idle-time=-1", "--use-pid-file=no", "--system=no",
                  "--realtime=no", "--high-priority=no", "--log-target=stderr",
                  "--load=module-native-protocol-unix auth-anonymous=1 socket="
                      + root.filePath("runtime/native"),
                  "--load=module-null-sink sink_name=vermilo_test rate=44100 norewinds=1"});
    if (!server.waitForStarted(commandMilliseconds)) {
        *why = "pulseaudio did not start: " + server.errorString();
        return false;
    }
    const QDeadlineTimer deadline(startSeconds * 1000);
    while (!deadline.hasExpired()) {
        if (server.state() == QProcess::NotRunning) {
            *why = "pulseaudio stopped at once:\n" + log();
            return false;
        }
        if (answers())
            return true;
        QThread::msleep(50);
    }
    *why = "pulseaudio did not answer within " + QString::number(startSeconds) + " s:\n" + log();
    return false;
}

QString PrivateSoundServer::log() const
{
    QFile file(folder.filePath("server.log"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

std::optional<QByteArray> PrivateSoundServer::pactl(const QStringList& arguments)
{
    QProcess pactl;
    pactl.setChildProcessModifier(dieWithParent);
    pactl.start("pactl", QStringList {"--server=" + address()} + arguments);
    if (!pactl.waitForFinished(commandMilliseconds)) {
        pactl.kill();
        pactl.waitForFinished(commandMilliseconds);
        return std::nullopt;
    }
    if (pactl.exitStatus() != QProcess::NormalExit || pactl.exitCode() != 0)
        return std::nullopt;
    return pactl.readAllStandardOutput();
}

bool PrivateSoundServer::answers()
{
    return pactl({"info"}).has_value();
}

int PrivateSoundServer::playbackStreams()
{
    const auto listed = pactl({"list", "short", "sink-inputs"});
    return listed ? static_cast<int>(listed->count('\n')) : -1;
}
