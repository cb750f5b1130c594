#pragma once

#include "GdiHandles.h"

// The small windows' lettering, "MS Sans Serif" at a point size, which
// Windows maps to Microsoft Sans Serif and which falls back to the system's
// sans serif where neither is installed. Points are taken at 96 pixels to the
// inch times the windows' whole `scale`, so the letters keep to the layout.
FontHandle dialogFont(double pointSize, int scale, bool bold = false, bool underline = false);
