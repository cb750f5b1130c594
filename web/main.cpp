#include <array>
#include <emscripten/emscripten.h>
#include <string>

#include "frmMain.h"
#include "frmMainForm.h"

extern "C" void vermilo_load(const char* face, const char* fontUrl, const char* const* names,
                             int count);

namespace {
// The page lives as long as its tab; the game with it.
frmMain* page = nullptr;
}

// Called by the page once the sprites and the score's font have loaded.
extern "C" EMSCRIPTEN_KEEPALIVE void vermilo_loaded()
{
    page->startUp();
}

int main()
{
    // The sprites are asked for first: the field waits for them.
    static std::array<std::string, spriteCount> files;
    static std::array<const char*, spriteCount> names {};
    for (int i = 0; i < spriteCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        files.at(index)
            = "pictures/sprites/" + std::string(spriteName(static_cast<Sprite>(i))) + ".bmp";
        names.at(index) = files.at(index).c_str();
    }
    vermilo_load(frmMainForm::lblScore.font.face, "fonts/score.ttf", names.data(), spriteCount);
    page = new frmMain;
    return 0;
}
