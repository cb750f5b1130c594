#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <array>

#include "Sprite.h"

// The game's pictures: the sixteen cell sprites, the twelve food pictures, the
// program icon and the about window's banner, made once and kept for the run.
class Pictures {
public:
    Pictures();

    const QImage& sprite(Sprite sprite) const;
    const QPixmap& food(int index) const;
    const QIcon& icon() const { return programIcon; }
    const QPixmap& banner() const { return bannerPicture; }

    static constexpr int foodCount = 12;

private:
    std::array<QImage, spriteCount> sprites;
    std::array<QPixmap, foodCount> foods;
    QIcon programIcon;
    QPixmap bannerPicture;
};
