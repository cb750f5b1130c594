#pragma once

#include <array>
#include <windows.h>

#include "frmAboutForm.h"
#include "frmMainForm.h"
#include "GdiHandles.h"
#include "Sprite.h"
#include "WormSegment.h"

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

    static constexpr int foodCount = frmMainForm::foodPictures.count;
    static constexpr SIZE spriteSize {cellSize, cellSize};
    static constexpr SIZE foodSize {frmMainForm::foodPictures.width,
                                    frmMainForm::foodPictures.height};
    // The banner fills the about window's picture box inside its edge.
    static constexpr SIZE bannerSize {frmAboutForm::banner.width, frmAboutForm::banner.height};

private:
    static BitmapHandle load(HINSTANCE module, int id, SIZE size);

    std::array<BitmapHandle, spriteCount> sprites;
    std::array<BitmapHandle, foodCount> foods;
    BitmapHandle bannerPicture;
};
