#pragma once

#include <optional>

// What the about window's link does with the pointer, whatever toolkit shows
// it: it lights up while the pointer is on it, and a left press on it that is
// let go on it opens the makers' page, even when the pointer went off it and
// came back in between; let go anywhere else, it opens nothing. A click puts
// the link back to rest until the pointer moves on it again. Positions are
// relative to the link's top-left corner, in the unit of its width and
// height, and its right and bottom edges count as on it.
class AboutLink {
public:
    AboutLink(int width, int height);

    // The pointer came onto the link, or moved while the link could see it.
    void enter(int x, int y);
    void move(int x, int y);
    // The pointer left the link or its window; a press stays pressed.
    void leave();
    void press(int x, int y);
    // True when the page is to be opened now.
    bool release(int x, int y);
    // The second press of a double click, which does not count again.
    void doubleClick(int x, int y);
    // Another window took the mouse, or the link's window was hidden.
    void captureLost();
    void hidden();

    // Shows the colour of a lit link.
    bool isLit() const { return lit; }
    // The link should hold the mouse, to see the pointer leave and the press end.
    bool holdsPointer() const { return lit || pressed; }

private:
    struct Point {
        int x;
        int y;
        bool operator==(const Point&) const = default;
    };

    bool contains(int x, int y) const;
    void rest();

    int width;
    int height;
    bool lit = false;
    bool pressed = false;
    // Where the last click left the pointer: a move that reports that very
    // place again (as window systems do when the mouse is let go) is no move.
    std::optional<Point> clickedAt;
};
