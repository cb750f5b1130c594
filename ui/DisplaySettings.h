#pragma once

// How the game asks Qt to use the display, set around the making of the
// application object: the programs that start the game's window (the game
// itself and its measuring programs) all start it this way.
class DisplaySettings {
public:
    // Before the application object is made.
    static void beforeApplication();
    // Right after it: takes back what must not reach the programs the game
    // starts, such as the browser the about window opens.
    static void afterApplication();
};
