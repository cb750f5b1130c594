#include "PaintMeter.h"

#include <QPaintEvent>
#include <QWidget>

#include <utility>

PaintMeter::PaintMeter(QWidget* widget)
{
    widget->installEventFilter(this);
}

std::int64_t PaintMeter::take()
{
    return std::exchange(painted, 0);
}

bool PaintMeter::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Paint)
        for (const QRect& rect : static_cast<QPaintEvent*>(event)->region())
            painted += static_cast<std::int64_t>(rect.width()) * rect.height();
    return false;
}
