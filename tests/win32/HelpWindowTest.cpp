#include <gtest/gtest.h>

#include "frmHelp.h"
#include "frmHelpForm.h"
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

    HWND item(const Form::Element& element) const
    {
        return controlOf(window, frmHelpForm::form, element);
    }

    HWND window = nullptr;
};

TEST_F(HelpWindow, showsTheInstructionsInOneWindowOnly)
{
    frmHelp::open(GetModuleHandleW(nullptr));
    EXPECT_EQ(frmHelp::window(), window);
    EXPECT_EQ(windowsOfClass(L"VermiloHelp"), 1);
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);

    EXPECT_EQ(layoutDifference(window, frmHelpForm::form), "");
    HWND text = item(frmHelpForm::Text1);
    const LONG_PTR style = GetWindowLongPtrW(text, GWL_STYLE);
    EXPECT_NE(style & ES_READONLY, 0);
    EXPECT_EQ(style & (WS_VSCROLL | WS_HSCROLL), 0);
}

TEST_F(HelpWindow, fitsAllItsLinesInTheFieldWithoutScrolling)
{
    HWND text = item(frmHelpForm::Text1);
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
    HWND ok = item(frmHelpForm::Command1);
    HWND text = item(frmHelpForm::Text1);
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
    HWND ok = item(frmHelpForm::Command1);
    HWND text = item(frmHelpForm::Text1);
    pressKey(ok, VK_TAB);
    EXPECT_TRUE(pumpUntil([text] { return GetFocus() == text; }, 2s));
    pressKey(text, VK_TAB);
    EXPECT_TRUE(pumpUntil([ok] { return GetFocus() == ok; }, 2s));
}
