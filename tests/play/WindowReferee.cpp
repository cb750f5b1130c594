#include "WindowReferee.h"

#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include "frmMain.h"
#include "PictureBox.h"

namespace {
constexpr int columnsOf(int pixels)
{
    return (pixels + cellSize - 1) / cellSize;
}
}

WindowReferee::WindowReferee(frmMain& window)
    : rules(columnsOf(window.board()->width()), columnsOf(window.board()->height())),
      window(window), timer1(window.findChild<QTimer*>(QStringLiteral("Timer1"))),
      timer2(window.findChild<QTimer*>(QStringLiteral("Timer2"))),
      score(window.findChild<QLabel*>(QStringLiteral("lblScore"))),
      soundMark(window.findChild<QAction*>(QStringLiteral("mnuOptionsSound"))),
      pauseMark(window.findChild<QAction*>(QStringLiteral("mnuOptionsPause")))
{
    for (int i = 0; i < spriteCount; ++i)
        sprites.at(static_cast<std::size_t>(i))
            = pictures.sprite(static_cast<Sprite>(i)).convertToFormat(QImage::Format_RGB32);
    for (int i = 0; i < Pictures::foodCount; ++i)
        food.at(static_cast<std::size_t>(i))
            = window.findChild<QLabel*>(QStringLiteral("Image1_%1").arg(i));
}

GameView WindowReferee::view() const
{
    GameView view;
    view.timer1 = timer1->isActive();
    view.timer2 = timer2->isActive();
    view.scoreVisible = score->isVisibleTo(window.board());
    view.scoreCaption = score->text().toStdString();
    view.soundMark = soundMark->isChecked();
    view.pauseMark = pauseMark->isChecked();
    for (int i = 0; i < Pictures::foodCount; ++i) {
        const QLabel* picture = food.at(static_cast<std::size_t>(i));
        if (picture->isVisibleTo(window.board())
            && picture->geometry().intersects(window.board()->rect()))
            view.foodInField.push_back({i, picture->x(), picture->y()});
    }
    return view;
}

std::vector<std::string> WindowReferee::check()
{
    const WormState& worm = window.game().state();
    auto problems = rules.check(worm, view());
    const QImage& expected = render(rules.expectedCells(worm));
    const QImage& shown = window.board()->image();
    if (shown != expected)
        problems.push_back(describeDifference(shown, expected));
    return problems;
}

const QImage& WindowReferee::render(const std::vector<Sprite>& cells)
{
    if (rendered.isNull()) {
        rendered = QImage(window.board()->size(), QImage::Format_RGB32);
        rendered.fill(Qt::black);
        renderedCells.assign(cells.size(), Sprite::pNUL);
    }
    QPainter painter(&rendered);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (std::size_t place = 0; place < cells.size(); ++place) {
        if (cells.at(place) == renderedCells.at(place))
            continue;
        const int x = static_cast<int>(place) % rules.columns * cellSize;
        const int y = static_cast<int>(place) / rules.columns * cellSize;
        // A blank cell is black whether it was ever drawn or not.
        if (cells.at(place) == Sprite::pNUL)
            painter.fillRect(x, y, cellSize, cellSize, Qt::black);
        else
            painter.drawImage(x, y, sprites.at(static_cast<std::size_t>(cells.at(place))));
    }
    renderedCells = cells;
    return rendered;
}

std::string WindowReferee::describeDifference(const QImage& shown, const QImage& expected) const
{
    if (shown.size() != expected.size() || shown.format() != expected.format())
        return "the board's image has another size or format";
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != expected.pixel(x, y))
                return "the board differs from the worm first in cell ("
                    + std::to_string(x / cellSize) + ", " + std::to_string(y / cellSize) + ")";
    return "the board's image differs";
}
