#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

#include "frmAbout.h"
#include "frmAboutForm.h"
#include "frmHelp.h"
#include "frmHelpForm.h"
#include "ScreenScale.h"
#include "WindowProbe.h"

using namespace std::chrono_literals;

// One of the two small windows, opened with the program's own pictures.
struct SmallWindow {
    const Form::Window* form;
    HWND (*open)();
};

void PrintTo(const SmallWindow& window, std::ostream* out)
{
    *out << window.form->name;
}

class SmallWindows : public testing::TestWithParam<SmallWindow> {
protected:
    void SetUp() override
    {
        window = GetParam().open();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(pumpUntil([this] { return IsWindowVisible(window) != FALSE; }));
    }
    void TearDown() override
    {
        frmHelp::close();
        frmAbout::close();
        pumpFor(20ms);
    }

    // The frame Windows suggests with WM_DPICHANGED, at a place of its choosing.
    RECT suggestedFrame(UINT dpi, POINT at) const
    {
        SIZE size {};
        EXPECT_TRUE(
            SendMessageW(window, WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&size)));
        return {at.x, at.y, at.x + size.cx, at.y + size.cy};
    }
    // The height of the OK button's lettering, in pixels.
    LONG buttonLetteringHeight() const
    {
        LOGFONTW font {};
        HWND ok = GetDlgItem(window, IDOK);
        GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(ok, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        return font.lfHeight;
    }

    HWND window = nullptr;
};

TEST_P(SmallWindows, opensAtTheScaleOfTheScreenItIsOn)
{
    const UINT dpi = GetDpiForWindow(window);
    const int scale = scaleForDpi(dpi);
    const Bounds frame = frameOf(window);
    const Bounds client = clientOf(window);
    std::printf("%s at %u dpi: scale %d, client %d x %d, frame %d x %d\n", GetParam().form->name,
                dpi, scale, client.width, client.height, frame.width, frame.height);
    EXPECT_EQ(layoutDifference(window, *GetParam().form, scale), "");
}

TEST_P(SmallWindows, isSizableAndShowsMoreOrLessBackgroundAroundElementsThatStayPut)
{
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU),
              WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU);
    const Bounds frame = frameOf(window);
    for (const SIZE size :
         {SIZE {frame.width + 200, frame.height + 150}, SIZE {frame.width / 2, frame.height / 2}}) {
        SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        pumpFor(50ms);
        EXPECT_EQ(frameOf(window).width, size.cx);
        EXPECT_EQ(placesDifference(window, *GetParam().form), "") << size.cx << " x " << size.cy;
    }
}

TEST_P(SmallWindows, followsItsScreensDensityIntoTheFrameWindowsSuggests)
{
    // The client area the player left, at the new whole factor.
    const Bounds client = clientOf(window);
    RECT expected {0, 0, client.width * 2, client.height * 2};
    AdjustWindowRectExForDpi(&expected, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                             FALSE, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)),
                             192);
    const RECT doubled = suggestedFrame(192, {40, 30});
    EXPECT_EQ(doubled.right - doubled.left, expected.right - expected.left);
    EXPECT_EQ(doubled.bottom - doubled.top, expected.bottom - expected.top);

    const LONG standardLettering = buttonLetteringHeight();
    for (const auto& [dpi, scale] : {std::pair {192u, 2}, {96u, 1}}) {
        const RECT suggested = suggestedFrame(dpi, {40, 30});
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        EXPECT_EQ(
            frameOf(window),
            (Bounds {40, 30, suggested.right - suggested.left, suggested.bottom - suggested.top}));
        EXPECT_EQ(placesDifference(window, *GetParam().form, scale), "") << dpi << " dpi";
        EXPECT_EQ(buttonLetteringHeight(), standardLettering * scale) << dpi << " dpi";
    }
}

INSTANTIATE_TEST_SUITE_P(HelpAndAbout, SmallWindows,
                         testing::Values(SmallWindow {&frmHelpForm::form,
                                                      [] {
                                                          frmHelp::open(GetModuleHandleW(nullptr));
                                                          return frmHelp::window();
                                                      }},
                                         SmallWindow {&frmAboutForm::form,
                                                      [] {
                                                          frmAbout::open(GetModuleHandleW(nullptr),
                                                                         nullptr,
                                                                         [](const wchar_t*) {});
                                                          return frmAbout::window();
                                                      }}),
                         [](const testing::TestParamInfo<SmallWindow>& window) {
                             return std::string(window.param.form->name);
                         });
