#pragma once

// The whole factor by which the game's small windows are drawn larger on a
// high-DPI screen: 1 up to 191 dots per inch, 2 from 192, and so on. Every
// pixel of their layout becomes a square of that many pixels, as on the play
// field, so no control moves or clips by rounding, and their lettering is
// sized to match.
int screenScale();
