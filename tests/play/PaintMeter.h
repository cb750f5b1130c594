#pragma once

#include <QObject>
#include <QRegion>

#include <cstdint>

class QWidget;

// Counts what a widget repaints: the pixels of every paint event's region.
class PaintMeter : public QObject {
public:
    explicit PaintMeter(QWidget* widget);

    // Pixels painted since the last call; the count starts again.
    std::int64_t take();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::int64_t painted = 0;
};
