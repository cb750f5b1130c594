#pragma once

#include <memory>
#include <type_traits>
#include <windows.h>

// Owners of the Windows handles the game keeps, each freed the way its kind
// wants, so that no path through the program leaks one.
struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;

struct DeviceContextDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using UniqueDeviceContext = std::unique_ptr<std::remove_pointer_t<HDC>, DeviceContextDeleter>;

struct KernelHandleDeleter {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, KernelHandleDeleter>;

struct FontResourceDeleter {
    void operator()(HANDLE fonts) const { RemoveFontMemResourceEx(fonts); }
};
using UniqueFontResource = std::unique_ptr<void, FontResourceDeleter>;
