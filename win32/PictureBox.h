#pragma once

#include <cstdint>
#include <vector>
#include <windows.h>

#include "GdiHandles.h"
#include "MemoryDC.h"

class BoardElement;

// The play field: a child window that keeps its picture in a device-independent
// bitmap of its inner size. Drawing goes into the bitmap, a refresh repaints
// at once only what changed since the last one, and the window shows the bitmap
// magnified by a whole factor, pixel for pixel, with the elements above it.
class PictureBox {
public:
    PictureBox(HINSTANCE instance, HWND parent, int width, int height);
    ~PictureBox();
    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;

    HWND window() const { return hwnd; }
    int innerWidth() const { return width; }
    int innerHeight() const { return height; }

    // Copies a width × height block from (0, 0) of `source` to (x, y), every
    // pixel replaced.
    void drawImage(int x, int y, HDC source, int sourceWidth, int sourceHeight);
    void clear();
    void refresh();
    // Repaints an area given in board pixels soon, whatever was drawn.
    void invalidate(const RECT& area);

    // Moves the window to (left, top) of its parent at `scale` device pixels
    // per board pixel.
    void place(int left, int top, int scale);
    // Painted above the picture in the order added; the element must outlive the box.
    void addElement(const BoardElement& element);

    // The persistent picture as 0x00RRGGBB pixels, top row first.
    const std::uint32_t* pixels() const;

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void paint();
    RECT toDevice(const RECT& area) const;

    int width;
    int height;
    int scale = 1;
    std::uint32_t* bits = nullptr;
    BitmapHandle image;
    MemoryDC surface;
    std::vector<RECT> changed;
    std::vector<const BoardElement*> elements;
    HWND hwnd = nullptr;
};
