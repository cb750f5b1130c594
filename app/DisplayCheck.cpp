#include "DisplayCheck.h"

#include <QFileInfo>
#include <QMessageLogContext>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {
QtMessageHandler previousHandler = nullptr;
// Qt's own start-up messages, held back so that a failure is one sentence.
std::vector<std::pair<QtMsgType, QString>> heldBack;

void startUpMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg) {
        heldBack.emplace_back(type, message);
        return;
    }
    std::fputs("vermilo: cannot open the game window: the display could not be reached.\n", stderr);
    std::_Exit(EXIT_FAILURE);
}

// The Wayland client library reports a missing compositor on its own, so its
// socket is looked for before Qt is asked to connect to it.
bool waylandSocketExists()
{
    const QString display = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    if (QFileInfo(display).isAbsolute())
        return QFileInfo::exists(display);
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtimeDir.isEmpty() && QFileInfo::exists(runtimeDir + QLatin1Char('/') + display);
}
}

bool DisplayCheck::displayAvailable()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platform.startsWith(QLatin1String("wayland")))
        return waylandSocketExists();
    return !platform.isEmpty() || !qEnvironmentVariableIsEmpty("DISPLAY")
        || (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && waylandSocketExists());
}

void DisplayCheck::reportPlatformFailureCalmly()
{
    previousHandler = qInstallMessageHandler(startUpMessage);
}

void DisplayCheck::restoreMessages()
{
    qInstallMessageHandler(previousHandler);
    for (const auto& [type, message] : std::exchange(heldBack, {}))
        qt_message_output(type, QMessageLogContext(), message);
}
