#include "DisplayCheck.h"

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
}

bool DisplayCheck::displayAvailable()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
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
