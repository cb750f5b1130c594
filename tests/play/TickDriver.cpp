#include "TickDriver.h"

#include <QCoreApplication>
#include <QTimer>
#include <QTimerEvent>

#include <utility>

#include "frmMain.h"

TickDriver::TickDriver(frmMain& window)
    : timer1(window.findChild<QTimer*>(QStringLiteral("Timer1"))),
      timer2(window.findChild<QTimer*>(QStringLiteral("Timer2")))
{
    timer1->installEventFilter(this);
    timer2->installEventFilter(this);
}

bool TickDriver::tick(GameTimer which)
{
    QTimer* timer = which == GameTimer::Timer1 ? timer1 : timer2;
    if (!timer->isActive())
        return false;
    QTimerEvent event(timer->timerId());
    const bool outer = std::exchange(delivering, true);
    QCoreApplication::sendEvent(timer, &event);
    delivering = outer;
    return true;
}

bool TickDriver::eventFilter(QObject*, QEvent* event)
{
    return event->type() == QEvent::Timer && !delivering;
}
