#pragma once

#include <QObject>

#include "GamePlatform.h"

class QTimer;
class frmMain;

// Gives the window's two timers their ticks by hand, so a test decides when
// they come: real ticks are held back, and tick() delivers one exactly as the
// timer itself would, through the window's own connection, while it runs.
class TickDriver : public QObject {
public:
    explicit TickDriver(frmMain& window);

    // False, and nothing happens, when that timer is stopped.
    bool tick(GameTimer which);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTimer* timer1;
    QTimer* timer2;
    bool delivering = false;
};
