#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

#include "PictureChecks.h"

using namespace PictureChecks;

namespace {
QStringList everyPicturePath()
{
    QStringList paths;
    for (int i = 0; i < spriteCount; ++i)
        paths << Pictures::spritePath(static_cast<Sprite>(i));
    for (int i = 0; i < Pictures::foodCount; ++i)
        paths << Pictures::foodPath(i);
    for (int size : Pictures::iconSizes)
        paths << Pictures::iconPath(size);
    paths << Pictures::bannerPath();
    return paths;
}
}

TEST(PictureLoading, findsEveryPictureBuiltIntoTheProgram)
{
    for (const QString& path : everyPicturePath())
        EXPECT_FALSE(QImage(QStringLiteral(":/") + path).isNull()) << path.toStdString();
    EXPECT_TRUE(pictures().missing().isEmpty())
        << pictures().missing().join(QLatin1String(", ")).toStdString();
}

TEST(PictureLoading, standsInPlainOpaquePicturesForMissingOnes)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    const Pictures standIns(empty.path() + QLatin1Char('/'));
    EXPECT_EQ(standIns.missing(), everyPicturePath());
    for (int i = 0; i < spriteCount; ++i) {
        const QImage image = standIns.sprite(static_cast<Sprite>(i));
        EXPECT_EQ(image.size(), QSize(16, 16));
        EXPECT_TRUE(isOpaque(image));
    }
    EXPECT_EQ(colours(standIns.sprite(Sprite::pNUL)), std::set<QRgb> {qRgb(0, 0, 0)});
    for (int i = 0; i < Pictures::foodCount; ++i)
        EXPECT_EQ(standIns.food(i).size(), QSize(32, 32));
    EXPECT_EQ(standIns.banner().size(), QSize(309, 91));
    EXPECT_FALSE(standIns.icon().pixmap(32, 32).isNull());
}

TEST(PictureLoading, replacesAPictureOfTheWrongSize)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("sprites")));
    QImage tooBig(17, 16, QImage::Format_RGB32);
    tooBig.fill(Qt::red);
    ASSERT_TRUE(tooBig.save(folder.filePath(Pictures::spritePath(Sprite::pWHU)), "BMP"));
    const Pictures loaded(folder.path() + QLatin1Char('/'));
    EXPECT_TRUE(loaded.missing().contains(Pictures::spritePath(Sprite::pWHU)));
    EXPECT_EQ(loaded.sprite(Sprite::pWHU).size(), QSize(16, 16));
}
