#pragma once

#include <QFont>

// The small windows' lettering: "MS Sans Serif" where it is installed, else
// the desktop's own sans serif at the same point size.
QFont dialogFont(qreal pointSize, bool bold = false);

// The windows are laid out in pixels as on a 96-dpi screen; a point size
// given for that screen becomes the one that keeps the lettering the same
// size against the layout on the screen in use, whatever its dots per inch.
qreal layoutPointSize(qreal pointSize);
