#pragma once

#include <array>
#include <windows.h>

#include "GdiHandles.h"
#include "Sprite.h"

// The game's pictures on Windows: the sixteen cell sprites, the twelve food
// pictures and the about window's banner, loaded once from the program's
// bitmap resources and kept for the run. A picture that cannot be loaded is
// replaced by a plain black one of the right size, so the game still runs.
class PictureResources {
public:
    explicit PictureResources(HINSTANCE module);

    HBITMAP sprite(Sprite sprite) const;
    HBITMAP food(int index) const;
    HBITMAP banner() const { return bannerPicture.get(); }

    static constexpr int foodCount = 12;
    static constexpr SIZE spriteSize {16, 16};
    static constexpr SIZE foodSize {32, 32};
    static constexpr SIZE bannerSize {309, 91};

private:
    static BitmapHandle load(HINSTANCE module, int id, SIZE size);

    std::array<BitmapHandle, spriteCount> sprites;
    std::array<BitmapHandle, foodCount> foods;
    BitmapHandle bannerPicture;
};
