#pragma once

#include <windows.h>

#include "GdiHandles.h"

// A memory device context with one bitmap selected into it for its whole life:
// the surface a picture is copied from or drawn into.
class MemoryDC {
public:
    explicit MemoryDC(HBITMAP bitmap);
    ~MemoryDC();
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC get() const { return dc.get(); }

private:
    MemoryDc dc;
    HGDIOBJ previous = nullptr;
};
