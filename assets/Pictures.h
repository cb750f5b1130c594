#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QStringList>

#include <array>

#include "frmAboutForm.h"
#include "frmMainForm.h"
#include "Sprite.h"
#include "WormSegment.h"

// The game's pictures: the sixteen cell sprites, the twelve food pictures, the
// program icon and the about window's banner, loaded once from the pictures
// built into the program and kept for the run. The banner, shown only in the
// about window, is looked over at once and read when first asked for.
class Pictures {
public:
    // Loads from the program's built-in pictures, or from another folder laid
    // out the same way. A picture that cannot be loaded is replaced by a plain
    // opaque one of the right size, so the game still runs without it.
    explicit Pictures(const QString& root = QStringLiteral(":/"));

    const QImage& sprite(Sprite sprite) const;
    const QPixmap& food(int index) const;
    const QIcon& icon() const { return programIcon; }
    const QPixmap& banner() const;

    // The pictures that had to be replaced, by their paths below the root.
    const QStringList& missing() const { return missingPictures; }

    static constexpr int foodCount = frmMainForm::foodPictures.count;
    static constexpr std::array<int, 6> iconSizes = {16, 32, 48, 64, 128, 256};
    static constexpr QSize spriteSize {cellSize, cellSize};
    static constexpr QSize foodSize {frmMainForm::foodPictures.width,
                                     frmMainForm::foodPictures.height};
    // The banner fills the about window's picture box inside its edge.
    static constexpr QSize bannerSize {frmAboutForm::banner.width, frmAboutForm::banner.height};

    // Where each picture lies below the root.
    static QString spritePath(Sprite sprite);
    static QString foodPath(int index);
    static QString iconPath(int size);
    static QString bannerPath();

private:
    QImage load(const QString& path, QSize size);

    QString root;
    std::array<QImage, spriteCount> sprites;
    std::array<QPixmap, foodCount> foods;
    QIcon programIcon;
    mutable QPixmap bannerPicture;
    QStringList missingPictures;
};
