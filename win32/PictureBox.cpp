#include "PictureBox.h"

#include "BoardElement.h"
#include "Controls.h"
#include "WindowProcedure.h"

namespace {
constexpr const wchar_t* className = L"VermiloPictureBox";
// Past this many changed areas one repaint of the whole board is cheaper.
constexpr std::size_t changedLimit = 64;

BitmapHandle createImage(int width, int height, std::uint32_t*& bits)
{
    BITMAPINFO info {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    bits = static_cast<std::uint32_t*>(pixels);
    return bitmap;
}
}

PictureBox::PictureBox(HINSTANCE instance, HWND parent, int width, int height)
    : width(width), height(height), image(createImage(width, height, bits)), surface(image.get())
{
    registerWindowClass(instance, className, windowProcedure<PictureBox>);
    CreateWindowExW(0, className, L"picBoard", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, width,
                    height, parent, nullptr, instance, this);
    clear();
}

PictureBox::~PictureBox()
{
    if (hwnd)
        DestroyWindow(hwnd);
}

void PictureBox::drawImage(int x, int y, HDC source, int sourceWidth, int sourceHeight)
{
    BitBlt(surface.get(), x, y, sourceWidth, sourceHeight, source, 0, 0, SRCCOPY);
    if (changed.size() < changedLimit)
        changed.push_back({x, y, x + sourceWidth, y + sourceHeight});
    else
        changed.assign(1, RECT {0, 0, width, height});
}

void PictureBox::clear()
{
    PatBlt(surface.get(), 0, 0, width, height, BLACKNESS);
    changed.assign(1, RECT {0, 0, width, height});
}

void PictureBox::refresh()
{
    for (const RECT& area : changed)
        invalidate(area);
    changed.clear();
    // Painted now rather than when a loop next asks for paint: a loop the
    // system runs while a title-bar button is held asks for none.
    if (hwnd)
        UpdateWindow(hwnd);
}

void PictureBox::invalidate(const RECT& area)
{
    if (!hwnd)
        return;
    const RECT device = toDevice(area);
    InvalidateRect(hwnd, &device, FALSE);
}

RECT PictureBox::toDevice(const RECT& area) const
{
    return {area.left * scale, area.top * scale, area.right * scale, area.bottom * scale};
}

void PictureBox::place(int left, int top, int newScale)
{
    scale = newScale;
    if (!hwnd)
        return;
    SetWindowPos(hwnd, nullptr, left, top, width * scale, height * scale,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // What is shown already was drawn at the old scale.
    InvalidateRect(hwnd, nullptr, FALSE);
}

void PictureBox::addElement(const BoardElement& element)
{
    elements.push_back(&element);
}

const std::uint32_t* PictureBox::pixels() const
{
    GdiFlush();
    return bits;
}

LRESULT PictureBox::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE: hwnd = window; break;
    case WM_NCDESTROY: hwnd = nullptr; break;
    case WM_ERASEBKGND: return 1; // the picture covers every pixel
    case WM_PAINT: paint(); return 0;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void PictureBox::paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    // The board pixels under the exposed area, each shown as a scale × scale block.
    const int left = ps.rcPaint.left / scale;
    const int top = ps.rcPaint.top / scale;
    const int right = (ps.rcPaint.right + scale - 1) / scale;
    const int bottom = (ps.rcPaint.bottom + scale - 1) / scale;
    if (scale == 1) {
        BitBlt(dc, left, top, right - left, bottom - top, surface.get(), left, top, SRCCOPY);
    } else {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, left * scale, top * scale, (right - left) * scale, (bottom - top) * scale,
                   surface.get(), left, top, right - left, bottom - top, SRCCOPY);
    }
    for (const BoardElement* element : elements)
        element->paint(dc, scale);
    EndPaint(hwnd, &ps);
}
