#include "PictureBox.h"

#include <QPainter>
#include <QPaintEvent>

#include <cstring>

PictureBox::PictureBox(QSize size, QColor background, QWidget* parent)
    : QWidget(parent), picture(size, QImage::Format_RGB32), background(background)
{
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    picture.fill(background);
}

void PictureBox::drawImage(int x, int y, const QImage& source)
{
    const QImage sprite = source.format() == QImage::Format_RGB32
        ? source
        : source.convertToFormat(QImage::Format_RGB32);
    const QRect target = QRect(QPoint(x, y), sprite.size()) & picture.rect();
    if (target.isEmpty())
        return;
    // A plain copy of each row: every pixel of the cell is replaced, nothing blended.
    constexpr int pixelBytes = 4;
    const auto rowBytes = static_cast<std::size_t>(target.width() * pixelBytes);
    for (int row = target.top(); row <= target.bottom(); ++row)
        std::memcpy(picture.scanLine(row) + target.left() * pixelBytes,
                    sprite.constScanLine(row - y) + (target.left() - x) * pixelBytes, rowBytes);
    dirty += target;
}

void PictureBox::clear()
{
    picture.fill(background);
    dirty = picture.rect();
}

void PictureBox::refresh()
{
    if (dirty.isEmpty())
        return;
    update(dirty);
    dirty = QRegion();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    // Only the exposed part is copied; on a high-density screen the image is
    // scaled by the whole device factor without smoothing, so pixels stay sharp.
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area.topLeft(), picture, area);
}
