// The floor the game's process cost is measured against: the least a Qt 6
// window of the game's shape can be. A menu bar over a black 481 × 369 board
// kept in an image, and a precise 100 ms timer that copies a 16 × 16 sprite
// into the next cell and shows only that cell, as a worm step does.
//   bare_window [FROM LENGTH]   measures its own cost over that stretch (UsageWindow.h)
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPaintEvent>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <memory>

#include "UsageWindow.h"

namespace {
constexpr int cell = 16;

class Board : public QWidget {
public:
    Board() : picture(481, 369, QImage::Format_RGB32), sprite(cell, cell, QImage::Format_RGB32)
    {
        setFixedSize(picture.size());
        setAttribute(Qt::WA_OpaquePaintEvent);
        picture.fill(Qt::black);
        sprite.fill(Qt::green);
        timer.setTimerType(Qt::PreciseTimer);
        connect(&timer, &QTimer::timeout, this, &Board::step);
        timer.start(100);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.drawImage(event->rect().topLeft(), picture, event->rect());
    }

private:
    void step()
    {
        const int columns = picture.width() / cell;
        const int rows = picture.height() / cell;
        next = (next + 1) % (columns * rows);
        if (next == 0)
            sprite.invertPixels();
        const QRect target((next % columns) * cell, (next / columns) * cell, cell, cell);
        QPainter painter(&picture);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(target.topLeft(), sprite);
        painter.end();
        update(target);
    }

    QImage picture;
    QImage sprite;
    QTimer timer;
    int next = -1;
};
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.menuBar()
        ->addMenu(QStringLiteral("&Game"))
        ->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    window.setCentralWidget(new Board);
    window.show();
    std::unique_ptr<UsageWindow> usage;
    if (argc > 2)
        usage = std::make_unique<UsageWindow>(std::atoi(argv[1]), std::atoi(argv[2]));
    return QApplication::exec();
}
