#pragma once

// Where the about window opens and where its link reacts to the pointer: the
// arithmetic that every front-end of the game shares.
namespace AboutLayout {
struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// A window's outer frame on the screen, in pixels.
struct Frame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Where the frame of a window `ownWidth` by `ownHeight` pixels goes to be
// centred on `mainFrame`: the top-left corner of its frame, in pixels.
Point centredPosition(const Frame& mainFrame, int ownWidth, int ownHeight);

// Whether the pointer at (x, y), relative to the link's top-left corner, is on
// a link of `width` by `height` pixels. The right and bottom edges count as on
// it: the pointer has left only beyond width and height.
bool linkContains(int x, int y, int width, int height);
}
