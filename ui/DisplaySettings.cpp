#include "DisplaySettings.h"

#include <QGuiApplication>

namespace {
constexpr char noSharedMemory[] = "QT_XCB_NO_MITSHM";
bool sharedMemoryTurnedOff = false;
}

void DisplaySettings::beforeApplication()
{
    // Scaled screens get a whole factor, so the field's pixels stay sharp.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    // Every step repaints a cell the step before sent to the X server (the
    // old head). Sent through shared memory, Qt must wait for the server to
    // have read it before painting it again: a round trip and two wake-ups a
    // step. A few cells a step go as well in the requests themselves, which
    // need no wait. A player's own setting stands; Qt reads it once, as it
    // connects to the X server.
    sharedMemoryTurnedOff = !qEnvironmentVariableIsSet(noSharedMemory);
    if (sharedMemoryTurnedOff)
        qputenv(noSharedMemory, "1");
}

void DisplaySettings::afterApplication()
{
    if (sharedMemoryTurnedOff)
        qunsetenv(noSharedMemory);
    sharedMemoryTurnedOff = false;
}
