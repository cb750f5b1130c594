// Renders every picture of the game, magnified, into one PNG for looking over
// the art: the sixteen sprites, a long winding worm laid out with the game's
// own choice of sprites, the twelve food pictures, the icon at each size and
// the about window's banner.
//
//     picture_sheet sheet.png

#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "Pictures.h"

namespace {
constexpr int spriteZoom = 6;
constexpr int wormZoom = 3;
constexpr int foodZoom = 4;
constexpr int margin = 16;
constexpr int labelHeight = 18;

struct Cell {
    int column;
    int row;
    Sprite sprite;
};

// A worm that bends every way, its tail on a bend, laid from the tail to the
// head the way the game draws one: each cell's picture follows from the
// heading the worm came in with and the one it left with.
std::vector<Cell> windingWorm()
{
    const std::vector<std::pair<std::uint8_t, int>> moves
        = {{3, 3}, {4, 3}, {3, 3}, {2, 8}, {1, 6}, {2, 3}, {3, 8}, {4, 12}, {1, 3}};
    std::vector<std::pair<int, int>> cells = {{7, 1}};
    std::vector<std::uint8_t> headings = {2}; // the tail's cell was entered moving right
    for (const auto& [heading, count] : moves)
        for (int i = 0; i < count; ++i) {
            auto [column, row] = cells.back();
            column += heading == 2 ? 1 : heading == 4 ? -1 : 0;
            row += heading == 3 ? 1 : heading == 1 ? -1 : 0;
            cells.emplace_back(column, row);
            headings.push_back(heading);
        }
    std::vector<Cell> laid;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const auto [column, row] = cells[i];
        if (i + 1 == cells.size()) {
            laid.push_back({column, row, headSprite(headings[i])});
            break;
        }
        const std::uint8_t in = headings[i];
        const std::uint8_t out = headings[i + 1];
        const auto code = static_cast<std::uint8_t>(in == out ? out : in * 10 + out);
        const auto picture = i == 0 ? tailSprite(code) : bodySprite(code);
        laid.push_back({column, row, picture.value_or(Sprite::pNUL)});
    }
    return laid;
}

void label(QPainter& painter, int x, int y, const QString& text)
{
    painter.setPen(Qt::white);
    painter.drawText(QRect(x, y, 400, labelHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
}

QImage checkerboard(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, ((x / 8 + y / 8) % 2) ? qRgb(200, 200, 200) : qRgb(240, 240, 240));
    return image;
}
}

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: picture_sheet OUTPUT.png\n", stderr);
        return EXIT_FAILURE;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const Pictures pictures;

    const int spriteStep = 16 * spriteZoom + margin;
    const QSize wormBoard(20 * 16, 12 * 16);
    const int foodStep = 32 * foodZoom + margin;
    const int width
        = std::max({8 * spriteStep, 6 * foodStep, wormBoard.width() * wormZoom + margin}) + margin;
    const int spritesTop = margin;
    const int wormTop = spritesTop + 2 * (spriteStep + labelHeight) + margin;
    const int foodTop = wormTop + wormBoard.height() * wormZoom + margin;
    const int iconTop = foodTop + 2 * (foodStep + labelHeight) + margin;
    const int height = iconTop + 256 + labelHeight + margin + 91 * 2 + margin;

    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(48, 48, 72));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);

    for (int i = 0; i < spriteCount; ++i) {
        const auto sprite = static_cast<Sprite>(i);
        const int x = margin + (i % 8) * spriteStep;
        const int y = spritesTop + (i / 8) * (spriteStep + labelHeight);
        const std::string_view name = spriteName(sprite);
        label(painter, x, y, QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        painter.drawImage(QRect(x, y + labelHeight, 16 * spriteZoom, 16 * spriteZoom),
                          pictures.sprite(sprite));
    }

    QImage board(wormBoard, QImage::Format_RGB32);
    board.fill(Qt::black);
    {
        QPainter boardPainter(&board);
        for (const Cell& cell : windingWorm())
            boardPainter.drawImage(cell.column * 16, cell.row * 16, pictures.sprite(cell.sprite));
        boardPainter.drawImage(17 * 16, 1 * 16, pictures.sprite(Sprite::pWTD));
        boardPainter.drawImage(17 * 16, 2 * 16, pictures.sprite(Sprite::pWBUD));
        boardPainter.drawImage(17 * 16, 3 * 16, pictures.sprite(Sprite::pWHX));
        boardPainter.drawPixmap(17 * 16, 6 * 16, pictures.food(0));
    }
    painter.drawImage(QRect(QPoint(margin, wormTop), wormBoard * wormZoom), board);

    for (int i = 0; i < Pictures::foodCount; ++i) {
        const int x = margin + (i % 6) * foodStep;
        const int y = foodTop + (i / 6) * (foodStep + labelHeight);
        label(painter, x, y, QStringLiteral("food %1").arg(i));
        painter.drawPixmap(QRect(x, y + labelHeight, 32 * foodZoom, 32 * foodZoom),
                           pictures.food(i));
    }

    int x = margin;
    for (int size : Pictures::iconSizes) {
        label(painter, x, iconTop, QStringLiteral("%1 px").arg(size));
        painter.drawImage(x, iconTop + labelHeight, checkerboard(QSize(size, size)));
        painter.drawPixmap(x, iconTop + labelHeight, pictures.icon().pixmap(size, size));
        x += std::max(size, 48) + margin;
    }
    painter.drawPixmap(QRect(margin, iconTop + 256 + labelHeight + margin, 309 * 2, 91 * 2),
                       pictures.banner());
    painter.end();

    if (!sheet.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "picture_sheet: cannot write %s\n", argv[1]);
        return EXIT_FAILURE;
    }
    return pictures.missing().isEmpty() ? EXIT_SUCCESS : EXIT_FAILURE;
}
