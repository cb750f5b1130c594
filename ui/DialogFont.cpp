#include "DialogFont.h"

#include <QFontDatabase>

QFont dialogFont(qreal pointSize, bool bold)
{
    const QString wanted = QStringLiteral("MS Sans Serif");
    QFont font = QFontDatabase::hasFamily(wanted)
        ? QFont(wanted)
        : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}
