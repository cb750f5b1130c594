#include "MemoryDC.h"

MemoryDC::MemoryDC(HBITMAP bitmap) : dc(CreateCompatibleDC(nullptr))
{
    if (dc)
        previous = SelectObject(dc.get(), bitmap);
}

MemoryDC::~MemoryDC()
{
    // The bitmap goes back out, so its owner may free it after this.
    if (dc && previous)
        SelectObject(dc.get(), previous);
}
