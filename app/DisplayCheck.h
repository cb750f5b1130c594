#pragma once

// Makes a missing display a one-line message and a clean exit instead of an abort.
namespace DisplayCheck {
// False when no platform was asked for and neither an X nor a Wayland display is set.
bool displayAvailable();
// Until restoreMessages(), a window system that cannot be opened ends the
// program with one sentence on standard error and exit status 1, no core dump.
void reportPlatformFailureCalmly();
void restoreMessages();
}
