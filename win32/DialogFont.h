#pragma once

#include "GdiHandles.h"

// The small windows' lettering, "MS Sans Serif" at a point size, which
// Windows maps to Microsoft Sans Serif and which falls back to the system's
// sans serif where neither is installed.
FontHandle dialogFont(double pointSize, bool bold = false, bool underline = false);
