#include "Pictures.h"

#include <QDebug>
#include <QFileInfo>
#include <QImageReader>

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

QImage standIn(const QString& path, QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(standInColour(path));
    return picture;
}

// Reads by the format the name gives. Left to guess, Qt would first load
// every image format plugin installed to ask each whether it reads it.
void readByName(QImageReader& reader, const QString& file)
{
    reader.setFileName(file);
    reader.setFormat(QFileInfo(file).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
}

QImage read(const QString& file)
{
    QImageReader reader;
    readByName(reader, file);
    return reader.read();
}
}

Pictures::Pictures(const QString& root) : root(root)
{
    registerPictureResources();
    for (int i = 0; i < spriteCount; ++i) {
        const auto sprite = static_cast<Sprite>(i);
        sprites.at(static_cast<std::size_t>(i)) = load(spritePath(sprite), spriteSize);
    }
    for (int i = 0; i < foodCount; ++i)
        foods.at(static_cast<std::size_t>(i)) = QPixmap::fromImage(load(foodPath(i), foodSize));
    for (int size : iconSizes)
        programIcon.addPixmap(QPixmap::fromImage(load(iconPath(size), QSize(size, size))));
    // Its header says whether it is there and of its size.
    QImageReader bannerReader;
    readByName(bannerReader, root + bannerPath());
    if (bannerReader.size() != bannerSize)
        missingPictures.append(bannerPath());
    if (!missingPictures.isEmpty())
        qWarning().noquote() << "Vermilo: pictures missing, plain ones used instead:"
                             << missingPictures.join(QLatin1String(", "));
}

QImage Pictures::load(const QString& path, QSize size)
{
    const QImage image = read(root + path);
    if (!image.isNull() && image.size() == size)
        return image;
    missingPictures.append(path);
    return standIn(path, size);
}

const QPixmap& Pictures::banner() const
{
    if (bannerPicture.isNull()) {
        QImage image;
        if (!missingPictures.contains(bannerPath()))
            image = read(root + bannerPath());
        bannerPicture = QPixmap::fromImage(
            image.size() == bannerSize ? image : standIn(bannerPath(), bannerSize));
    }
    return bannerPicture;
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
    return QStringLiteral("sprites/%1.bmp")
        .arg(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

QString Pictures::foodPath(int index)
{
    return QStringLiteral("food/%1.bmp").arg(index);
}

QString Pictures::iconPath(int size)
{
    return QStringLiteral("icon/vermilo-%1.png").arg(size);
}

QString Pictures::bannerPath()
{
    return QStringLiteral("banner.bmp");
}
