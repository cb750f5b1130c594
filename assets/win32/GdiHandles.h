#pragma once

#include <memory>
#include <type_traits>
#include <windows.h>

// Owners for the GDI objects, icons and other handles the program makes, each
// freed the way its kind wants, so that every path out of a window gives them back.
struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};

struct MemoryDcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};

struct KernelHandleDeleter {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};

struct FontResourceDeleter {
    void operator()(HANDLE fonts) const { RemoveFontMemResourceEx(fonts); }
};

using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using BitmapHandle = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;
using IconHandle = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;
using KernelHandle = std::unique_ptr<void, KernelHandleDeleter>;
using FontResourceHandle = std::unique_ptr<void, FontResourceDeleter>;
