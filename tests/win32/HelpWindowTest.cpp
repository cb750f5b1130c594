#include <gtest/gtest.h>

#include "frmHelp.h"
#include "WindowProbe.h"

using namespace std::chrono_literals;

class HelpWindow : public testing::Test {
protected:
    void SetUp() override
    {
        frmHelp::open(GetModuleHandleW(nullptr));
        window = frmHelp::window();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(pumpUntil([this] { return IsWindowVisible(window) != FALSE; }));
    }
    void TearDown() override
    {
        if (frmHelp::window())
            DestroyWindow(frmHelp::window());
        pumpFor(20ms);
    }

    HWND item(int id) const { return GetDlgItem(window, id); }

    HWND window = nullptr;
};

TEST_F(HelpWindow, showsTheInstructionsInAFixedWindowOnlyOnce)
{
    frmHelp::open(GetModuleHandleW(nullptr));
    EXPECT_EQ(frmHelp::window(), window);
    EXPECT_EQ(windowsOfClass(L"VermiloHelp"), 1);
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);

    EXPECT_EQ(textOf(window), L"How to Play");
    EXPECT_EQ(clientOf(window), (Bounds {0, 0, 303, 272}));
    EXPECT_EQ(placeOf(item(frmHelp::idLabel1)), (Bounds {8, 8, 289, 25}));
    EXPECT_EQ(placeOf(item(frmHelp::idText1)), (Bounds {8, 32, 289, 201}));
    EXPECT_EQ(placeOf(item(frmHelp::idCommand1)), (Bounds {120, 240, 57, 25}));
    EXPECT_EQ(textOf(item(frmHelp::idLabel1)), L"How to play Vermilo");
    EXPECT_EQ(textOf(item(frmHelp::idCommand1)), L"OK");

    HWND text = item(frmHelp::idText1);
    EXPECT_EQ(textOf(text),
              L"The worm needs to be fed in order to survive. Guide him around the screen to the "
              L"food using the cursor keys on the keyboard.\r\n\r\nEach time he eats, the Vermilo "
              L"will grow. The longer he is, the more points you score.\r\n\r\nBut watch out! "
              L"Don't let the worm hit the walls or itself.\r\n\r\nGood Luck.");
    const LONG_PTR style = GetWindowLongPtrW(text, GWL_STYLE);
    EXPECT_NE(style & ES_READONLY, 0);
    EXPECT_EQ(style & (WS_VSCROLL | WS_HSCROLL), 0);
}

TEST_F(HelpWindow, fitsAllItsLinesInTheFieldWithoutScrolling)
{
    HWND text = item(frmHelp::idText1);
    HDC dc = GetDC(text);
    const HGDIOBJ previous
        = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(text, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(text, dc);
    RECT room {};
    SendMessageW(text, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));

    const auto lines = static_cast<LONG>(SendMessageW(text, EM_GETLINECOUNT, 0, 0));
    // Seven lines at the least, more where the long ones wrap.
    EXPECT_GT(lines, 7);
    EXPECT_LE(lines * metrics.tmHeight, room.bottom - room.top)
        << lines << " lines of " << metrics.tmHeight << " pixels";
}

enum class HelpDismissal {
    EnterOnButton,
    EscapeOnButton,
    EnterInText,
    EscapeInText,
    ClickOk,
    CloseBox
};

class HelpWindowDismissal : public HelpWindow,
                            public testing::WithParamInterface<HelpDismissal> { };

TEST_P(HelpWindowDismissal, closesTheWindowAndThrowsItAway)
{
    HWND ok = item(frmHelp::idCommand1);
    HWND text = item(frmHelp::idText1);
    switch (GetParam()) {
    case HelpDismissal::EnterOnButton: pressKey(ok, VK_RETURN); break;
    case HelpDismissal::EscapeOnButton: pressKey(ok, VK_ESCAPE); break;
    case HelpDismissal::EnterInText: pressKey(text, VK_RETURN); break;
    case HelpDismissal::EscapeInText: pressKey(text, VK_ESCAPE); break;
    case HelpDismissal::ClickOk: PostMessageW(ok, BM_CLICK, 0, 0); break;
    case HelpDismissal::CloseBox: PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    }
    EXPECT_TRUE(pumpUntil([this] { return !IsWindow(window); }));
    EXPECT_EQ(frmHelp::window(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(EachWay, HelpWindowDismissal,
                         testing::Values(HelpDismissal::EnterOnButton,
                                         HelpDismissal::EscapeOnButton, HelpDismissal::EnterInText,
                                         HelpDismissal::EscapeInText, HelpDismissal::ClickOk,
                                         HelpDismissal::CloseBox));

TEST_F(HelpWindow, tabMovesTheKeyboardBetweenTheTextAndOk)
{
    HWND ok = item(frmHelp::idCommand1);
    HWND text = item(frmHelp::idText1);
    pressKey(ok, VK_TAB);
    EXPECT_TRUE(pumpUntil([text] { return GetFocus() == text; }, 2s));
    pressKey(text, VK_TAB);
    EXPECT_TRUE(pumpUntil([ok] { return GetFocus() == ok; }, 2s));
}
