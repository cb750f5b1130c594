#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>

// A drawing surface that keeps its picture in an off-screen image: drawing goes
// into the image, and a refresh shows only what changed since the last one.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    PictureBox(QSize size, QColor background, QWidget* parent = nullptr);

    // Replaces the pixels under `picture` at (x, y) with the picture's own.
    void drawImage(int x, int y, const QImage& picture);
    void clear();
    void refresh();

    const QImage& image() const { return picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture;
    QColor background;
    QRegion dirty;
};
