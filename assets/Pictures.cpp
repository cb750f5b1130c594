#include "Pictures.h"

#include <QDebug>

// Registers the built-in pictures; the resource lives in a static library, so
// nothing else would pull it into the program.
static void registerPictureResources()
{
    Q_INIT_RESOURCE(pictures);
}

namespace {
// What stands in for a picture that did not load: the blank cell stays the
// board's black, any other sprite a plain square of the worm's body colour,
// food a plain square on the food background, the icon a plain green square
// and the banner plain white.
QColor standInColour(const QString& path)
{
    if (path == Pictures::spritePath(Sprite::pNUL))
        return Qt::black;
    if (path.startsWith(QLatin1String("sprites/")))
        return QColor(4, 254, 4);
    if (path.startsWith(QLatin1String("food/")))
        return QColor(4, 2, 4);
    if (path.startsWith(QLatin1String("icon/")))
        return QColor(0, 136, 0);
    return Qt::white;
}
}

Pictures::Pictures(const QString& root)
{
    registerPictureResources();
    for (int i = 0; i < spriteCount; ++i) {
        const auto sprite = static_cast<Sprite>(i);
        sprites.at(static_cast<std::size_t>(i)) = load(root, spritePath(sprite), spriteSize);
    }
    for (int i = 0; i < foodCount; ++i)
        foods.at(static_cast<std::size_t>(i))
            = QPixmap::fromImage(load(root, foodPath(i), foodSize));
    for (int size : iconSizes)
        programIcon.addPixmap(QPixmap::fromImage(load(root, iconPath(size), QSize(size, size))));
    bannerPicture = QPixmap::fromImage(load(root, bannerPath(), bannerSize));
    if (!missingPictures.isEmpty())
        qWarning().noquote() << "Vermilo: pictures missing, plain ones used instead:"
                             << missingPictures.join(QLatin1String(", "));
}

QImage Pictures::load(const QString& root, const QString& path, QSize size)
{
    QImage image(root + path);
    if (!image.isNull() && image.size() == size)
        return image;
    missingPictures.append(path);
    QImage standIn(size, QImage::Format_RGB32);
    standIn.fill(standInColour(path));
    return standIn;
}

const QImage& Pictures::sprite(Sprite sprite) const
{
    return sprites.at(static_cast<std::size_t>(sprite));
}

const QPixmap& Pictures::food(int index) const
{
    return foods.at(static_cast<std::size_t>(index));
}

QString Pictures::spritePath(Sprite sprite)
{
    const std::string_view name = spriteName(sprite);
    return QStringLiteral("sprites/%1.xpm")
        .arg(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

QString Pictures::foodPath(int index)
{
    return QStringLiteral("food/%1.xpm").arg(index);
}

QString Pictures::iconPath(int size)
{
    return QStringLiteral("icon/vermilo-%1.png").arg(size);
}

QString Pictures::bannerPath()
{
    return QStringLiteral("banner.xpm");
}
