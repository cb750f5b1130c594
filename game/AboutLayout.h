#pragma once

// Where the about window opens: the arithmetic that every front-end shares.
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
}
