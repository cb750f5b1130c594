#include "PictureChecks.h"

#include <QStringList>

namespace PictureChecks {

const Pictures& pictures()
{
    static const Pictures loaded;
    return loaded;
}

char letter(QRgb pixel)
{
    if (qAlpha(pixel) != 255)
        return '?';
    switch (pixel & 0xFFFFFF) {
    case 0x040204: return '.';
    case 0x048204: return 'o';
    case 0x04FE04: return '#';
    case 0xFCFEFC: return 'w';
    case 0xFC0204: return 'r';
    case 0x000000: return 'k';
    default: return '?';
    }
}

QString rowLetters(const QImage& image, int y)
{
    QString text;
    for (int x = 0; x < image.width(); ++x)
        text += QLatin1Char(letter(image.pixel(x, y)));
    return text;
}

QString columnLetters(const QImage& image, int x)
{
    QString text;
    for (int y = 0; y < image.height(); ++y)
        text += QLatin1Char(letter(image.pixel(x, y)));
    return text;
}

QString bodyMeetingBackground(const QImage& image)
{
    QStringList places;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (letter(image.pixel(x, y)) != '#')
                continue;
            for (QPoint n :
                 {QPoint(x - 1, y), QPoint(x + 1, y), QPoint(x, y - 1), QPoint(x, y + 1)}) {
                if (image.rect().contains(n) && letter(image.pixel(n)) == '.') {
                    places << QStringLiteral("%1,%2").arg(x).arg(y);
                    break;
                }
            }
        }
    return places.join(QLatin1Char(' '));
}

std::set<QRgb> colours(const QImage& image)
{
    std::set<QRgb> found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            found.insert(image.pixel(x, y));
    return found;
}

bool isOpaque(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 255)
                return false;
    return true;
}
}
