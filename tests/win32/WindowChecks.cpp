#include "WindowChecks.h"

#include "FormBuilder.h"
#include "frmMain.h"

namespace {
// The sixteen sprites as 0x00RRGGBB pixels, top row first, read from assets/bitmaps.
std::vector<std::vector<std::uint32_t>> spritePixels()
{
    std::vector<std::vector<std::uint32_t>> sprites;
    HDC screen = GetDC(nullptr);
    for (int i = 0; i < spriteCount; ++i) {
        const std::string_view name = spriteName(static_cast<Sprite>(i));
        const std::wstring path = std::wstring(VERMILO_BITMAPS) + L"/"
            + std::wstring(name.begin(), name.end()) + L".bmp";
        auto* bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                       LR_LOADFROMFILE | LR_CREATEDIBSECTION));
        std::vector<std::uint32_t> pixels(cellSize * cellSize);
        BITMAPINFO info {};
        info.bmiHeader
            = {sizeof(BITMAPINFOHEADER), cellSize, -cellSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        if (bitmap)
            GetDIBits(screen, bitmap, 0, cellSize, pixels.data(), &info, DIB_RGB_COLORS);
        DeleteObject(bitmap);
        sprites.push_back(std::move(pixels));
    }
    ReleaseDC(nullptr, screen);
    return sprites;
}
}

GameView viewOf(const frmMain& window)
{
    GameView view;
    view.timer1 = window.timer(GameTimer::Timer1).isEnabled();
    view.timer2 = window.timer(GameTimer::Timer2).isEnabled();
    view.scoreVisible = window.scoreLabel().isVisible();
    const std::wstring& caption = window.scoreLabel().caption();
    view.scoreCaption.assign(caption.begin(), caption.end());
    view.soundMark = isChecked(window.menu(), Form::Command::OptionsSound);
    view.pauseMark = isChecked(window.menu(), Form::Command::OptionsPause);
    const int width = window.board().innerWidth();
    const int height = window.board().innerHeight();
    for (int i = 0; i < PictureResources::foodCount; ++i) {
        const ImageElement& food = window.foodPicture(i);
        if (food.left() < width && food.top() < height && food.left() + 32 > 0
            && food.top() + 32 > 0)
            view.foodInField.push_back({i, food.left(), food.top()});
    }
    return view;
}

bool isChecked(HMENU menu, Form::Command command)
{
    return (GetMenuState(menu, FormBuilder::commandId(command), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

std::string boardDifference(const frmMain& window, const GameReferee& referee)
{
    static const auto sprites = spritePixels();
    const int width = window.board().innerWidth();
    const int height = window.board().innerHeight();
    const std::vector<Sprite> cells = referee.expectedCells(window.game().state());
    const std::uint32_t* shown = window.board().pixels();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Sprite sprite = cells.at(
                static_cast<std::size_t>((y / cellSize) * referee.columns + x / cellSize));
            const std::uint32_t expected
                = sprites.at(static_cast<std::size_t>(sprite))
                      .at(static_cast<std::size_t>((y % cellSize) * cellSize + x % cellSize));
            const std::uint32_t pixel = shown[y * width + x] & 0xFFFFFFu;
            if (pixel != expected)
                return "the board differs first at pixel (" + std::to_string(x) + ", "
                    + std::to_string(y) + ") in the cell of " + std::string(spriteName(sprite));
        }
    }
    return {};
}
