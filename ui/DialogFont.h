#pragma once

#include <QFont>

// The small windows' lettering: "MS Sans Serif" where it is installed, else
// the desktop's own sans serif at the same point size.
QFont dialogFont(qreal pointSize, bool bold = false);
