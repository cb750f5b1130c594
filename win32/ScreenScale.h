#pragma once

// The whole factor by which the game's windows are drawn larger on a dense
// screen: the screen's scale with a half rounded up (96 dpi is 1, 144 and 192
// dpi are 2, 240 dpi is 3), as the Qt windows are. Every pixel of the layout
// becomes a square of that many pixels, as on the play field, so no control
// moves or clips by rounding, and the lettering is sized to match.
int scaleForDpi(unsigned dotsPerInch);
