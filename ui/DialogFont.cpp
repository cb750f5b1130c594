#include "DialogFont.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

QFont dialogFont(qreal pointSize, bool bold)
{
    const QString wanted = QStringLiteral("MS Sans Serif");
    QFont font = QFontDatabase::hasFamily(wanted)
        ? QFont(wanted)
        : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(layoutPointSize(pointSize));
    font.setBold(bold);
    return font;
}

qreal layoutPointSize(qreal pointSize)
{
    constexpr qreal layoutDpi = 96;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? pointSize * layoutDpi / screen->logicalDotsPerInchY() : pointSize;
}
