#include "Pictures.h"

#include <QPainter>

namespace {
const QColor background(4, 2, 4);
const QColor outline(4, 130, 4);
const QColor body(4, 254, 4);

// A plain band piece in the sprite palette, standing in until the art is drawn.
QImage plainSprite(Sprite sprite)
{
    QImage image(16, 16, QImage::Format_RGB32);
    if (sprite == Sprite::pNUL) {
        image.fill(Qt::black);
        return image;
    }
    image.fill(background);
    QPainter painter(&image);
    painter.fillRect(3, 3, 10, 10, outline);
    painter.fillRect(4, 4, 8, 8, body);
    return image;
}
}

Pictures::Pictures()
{
    for (int i = 0; i < spriteCount; ++i)
        sprites.at(static_cast<std::size_t>(i)) = plainSprite(static_cast<Sprite>(i));
    for (auto& food : foods) {
        QImage image(32, 32, QImage::Format_RGB32);
        image.fill(background);
        QPainter painter(&image);
        painter.setBrush(Qt::red);
        painter.drawEllipse(4, 4, 24, 24);
        food = QPixmap::fromImage(image);
    }
    QPixmap iconPicture(32, 32);
    iconPicture.fill(QColor(0, 136, 0));
    programIcon = QIcon(iconPicture);
    bannerPicture = QPixmap(309, 91);
    bannerPicture.fill(Qt::white);
}

const QImage& Pictures::sprite(Sprite sprite) const
{
    return sprites.at(static_cast<std::size_t>(sprite));
}

const QPixmap& Pictures::food(int index) const
{
    return foods.at(static_cast<std::size_t>(index));
}
