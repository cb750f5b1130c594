#include "PictureResources.h"

#include "resource.h"

PictureResources::PictureResources(HINSTANCE module)
{
    for (int i = 0; i < spriteCount; ++i)
        sprites.at(static_cast<std::size_t>(i)) = load(module, IDB_SPRITE_FIRST + i, spriteSize);
    for (int i = 0; i < foodCount; ++i)
        foods.at(static_cast<std::size_t>(i)) = load(module, IDB_FOOD_FIRST + i, foodSize);
    bannerPicture = load(module, IDB_BANNER, bannerSize);
}

HBITMAP PictureResources::sprite(Sprite sprite) const
{
    return sprites.at(static_cast<std::size_t>(sprite)).get();
}

HBITMAP PictureResources::food(int index) const
{
    return foods.at(static_cast<std::size_t>(index)).get();
}

BitmapHandle PictureResources::load(HINSTANCE module, int id, SIZE size)
{
    // Kept as device-independent bitmaps: the board copies them pixel for pixel.
    if (auto* loaded = static_cast<HBITMAP>(
            LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)))
        return BitmapHandle(loaded);
    BITMAPINFO info {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    // A fresh section is all zeros: black.
    return BitmapHandle(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
}
