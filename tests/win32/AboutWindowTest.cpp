#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "frmAbout.h"
#include "frmAboutForm.h"
#include "WindowProbe.h"

using namespace std::chrono_literals;

namespace {
constexpr COLORREF blue = RGB(0, 0, 255);
constexpr COLORREF red = RGB(255, 0, 0);

LPARAM at(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)),
                      static_cast<WORD>(static_cast<short>(y)));
}

BitmapHandle makeBanner()
{
    HDC screen = GetDC(nullptr);
    BitmapHandle banner(CreateCompatibleBitmap(screen, 309, 91));
    ReleaseDC(nullptr, screen);
    return banner;
}

// How many of a window's pixels on screen are of exactly that colour.
int pixelsOfColour(HWND window, COLORREF colour)
{
    const Bounds size = clientOf(window);
    HDC screen = GetDC(window);
    HDC copy = CreateCompatibleDC(screen);
    HBITMAP shot = CreateCompatibleBitmap(screen, size.width, size.height);
    HGDIOBJ previous = SelectObject(copy, shot);
    BitBlt(copy, 0, 0, size.width, size.height, screen, 0, 0, SRCCOPY);
    int count = 0;
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x)
            count += GetPixel(copy, x, y) == colour;
    SelectObject(copy, previous);
    DeleteObject(shot);
    DeleteDC(copy);
    ReleaseDC(window, screen);
    return count;
}

// Stands in for the game's main window: a fixed frame at a chosen place.
HWND makeMainWindow(const Bounds& frame)
{
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"VermiloTestMain";
    RegisterClassExW(&windowClass);
    HWND main = CreateWindowExW(
        0, L"VermiloTestMain", L"Vermilo", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, frame.left,
        frame.top, frame.width, frame.height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(main, SW_SHOW);
    pumpFor(150ms);
    return main;
}
}

class AboutWindow : public testing::Test {
protected:
    void SetUp() override
    {
        // The real pointer waits in a corner, away from every window.
        SetCursorPos(1279, 1023);
        main = makeMainWindow({120, 90, 497, 437});
    }
    void TearDown() override
    {
        if (frmAbout::window())
            DestroyWindow(frmAbout::window());
        DestroyWindow(main);
        pumpFor(20ms);
    }

    HWND open()
    {
        frmAbout::open(GetModuleHandleW(nullptr), main, browser,
                       IconHandle(CopyIcon(LoadIconW(nullptr, IDI_APPLICATION))), makeBanner());
        about = frmAbout::window();
        if (!about || !pumpUntil([this] { return IsWindowVisible(about) != FALSE; }))
            return nullptr;
        link = item(frmAboutForm::txtURL);
        return about;
    }
    HWND item(const Form::Element& element) const
    {
        return controlOf(about, frmAboutForm::form, element);
    }

    void pointAt(int x, int y) { SendMessageW(link, WM_MOUSEMOVE, 0, at(x, y)); }
    COLORREF linkColour() const { return paintedTextColour(about, link); }

    HWND main = nullptr;
    HWND about = nullptr;
    HWND link = nullptr;
    std::vector<std::wstring> opened;
    // Stands in for the system's browser.
    frmAbout::AddressOpener browser
        = [this](const wchar_t* address) { opened.emplace_back(address); };
};

TEST_F(AboutWindow, namesTheGameAndItsVersionAndOffersTheLinkInPlace)
{
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(GetWindow(about, GW_OWNER), nullptr);
    EXPECT_NE(SendMessageW(about, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_EQ(layoutDifference(about, frmAboutForm::form), "");
    // The banner fits inside its box's sunken edge.
    EXPECT_EQ(clientOf(item(frmAboutForm::Picture1)), (Bounds {0, 0, 309, 91}));
    EXPECT_EQ(textOf(item(frmAboutForm::lblVersion)), L"Version: 1.1.3");
    EXPECT_NE(GetWindowLongPtrW(link, GWL_STYLE) & ES_READONLY, 0);
    EXPECT_EQ(linkColour(), blue);
    LOGFONTW font {};
    GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(link, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_TRUE(font.lfUnderline);
}

TEST_F(AboutWindow, opensWithBlankPicturesWhenTheProgramCarriesNone)
{
    frmAbout::open(GetModuleHandleW(nullptr), main, browser);
    about = frmAbout::window();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(pumpUntil([this] { return IsWindowVisible(about) != FALSE; }));
    EXPECT_EQ(placeOf(item(frmAboutForm::Picture1)), (Bounds {8, 120, 313, 95}));
}

class AboutWindowOverMain : public AboutWindow, public testing::WithParamInterface<Bounds> { };

TEST_P(AboutWindowOverMain, opensCentredOnTheMainWindowsFrame)
{
    DestroyWindow(main);
    main = makeMainWindow(GetParam());
    ASSERT_NE(open(), nullptr);
    pumpFor(150ms);
    const Bounds mainFrame = frameOf(main);
    const Bounds ownFrame = frameOf(about);
    const auto halfDown = [](int difference) { return difference >> 1; }; // rounds down
    const Bounds expected {mainFrame.left + halfDown(mainFrame.width - ownFrame.width),
                           mainFrame.top + halfDown(mainFrame.height - ownFrame.height),
                           ownFrame.width, ownFrame.height};
    std::printf("main frame %d,%d %dx%d; about frame at %d,%d %dx%d; centred %d,%d\n",
                mainFrame.left, mainFrame.top, mainFrame.width, mainFrame.height, ownFrame.left,
                ownFrame.top, ownFrame.width, ownFrame.height, expected.left, expected.top);
    EXPECT_EQ(ownFrame, expected);
}

INSTANTIATE_TEST_SUITE_P(AroundTheScreen, AboutWindowOverMain,
                         testing::Values(Bounds {120, 90, 497, 437}, Bounds {400, 300, 498, 438},
                                         Bounds {30, 60, 300, 200}));

TEST_F(AboutWindow, comesToTheFrontWhereThePlayerLeftItWhenOpenedAgain)
{
    ASSERT_NE(open(), nullptr);
    const Bounds first = frameOf(about);
    SetWindowPos(about, nullptr, first.left + 37, first.top + 21, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    pumpFor(100ms);
    const Bounds moved = frameOf(about);
    HWND before = about;
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(about, before);
    EXPECT_EQ(windowsOfClass(L"VermiloAbout"), 1);
    pumpFor(100ms);
    EXPECT_EQ(frameOf(about), moved);
}

struct Pointer {
    int x;
    int y;
    bool counts;
};

class AboutWindowLink : public AboutWindow, public testing::WithParamInterface<Pointer> { };

TEST_P(AboutWindowLink, turnsRedAndHoldsTheMouseOnlyWhileThePointerIsOnIt)
{
    ASSERT_NE(open(), nullptr);
    pointAt(40, 8);
    ASSERT_EQ(linkColour(), red);
    ASSERT_EQ(GetCapture(), link);
    // An arrow, where a text field would show its text cursor.
    SendMessageW(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));

    pointAt(GetParam().x, GetParam().y);
    EXPECT_EQ(linkColour(), GetParam().counts ? red : blue);
    EXPECT_EQ(GetCapture(), GetParam().counts ? link : nullptr);
}

// The field is 161 by 17 pixels; its right and bottom edges count as on it.
INSTANTIATE_TEST_SUITE_P(Positions, AboutWindowLink,
                         testing::Values(Pointer {161, 17, true}, Pointer {162, 8, false},
                                         Pointer {40, -1, false}));

TEST_F(AboutWindow, goesBackToRestWhenAnotherWindowTakesTheMouse)
{
    ASSERT_NE(open(), nullptr);
    pointAt(40, 8);
    ASSERT_EQ(linkColour(), red);
    SetCapture(main);
    EXPECT_EQ(linkColour(), blue);
    ReleaseCapture();
    pointAt(60, 8);
    EXPECT_EQ(linkColour(), red);
}

struct Gesture {
    const char* name;
    std::vector<std::pair<UINT, LPARAM>> messages;
    std::size_t opens;
};

class AboutWindowClick : public AboutWindow, public testing::WithParamInterface<Gesture> { };

TEST_P(AboutWindowClick, opensOnlyTheFixedAddressAndLeavesTheLinkAtRest)
{
    ASSERT_NE(open(), nullptr);
    // Whatever the field shows, only the game's own page opens.
    SetWindowTextW(link, L"file:///C:/windows/system32/cmd.exe");
    pointAt(40, 8);
    for (const auto& [message, where] : GetParam().messages)
        SendMessageW(link, message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON, where);
    EXPECT_EQ(opened, std::vector<std::wstring>(GetParam().opens, L"https://vermilo.example/"));
    EXPECT_EQ(linkColour(), blue);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(IsWindowVisible(about));
}

INSTANTIATE_TEST_SUITE_P(
    Gestures, AboutWindowClick,
    testing::Values(Gesture {"Click", {{WM_LBUTTONDOWN, at(40, 8)}, {WM_LBUTTONUP, at(40, 8)}}, 1},
                    Gesture {"DoubleClick",
                             {{WM_LBUTTONDOWN, at(40, 8)},
                              {WM_LBUTTONUP, at(40, 8)},
                              {WM_LBUTTONDBLCLK, at(40, 8)},
                              {WM_LBUTTONUP, at(40, 8)}},
                             1},
                    Gesture {"PressThenLeave",
                             {{WM_LBUTTONDOWN, at(40, 8)},
                              {WM_MOUSEMOVE, at(40, 60)},
                              {WM_LBUTTONUP, at(40, 60)}},
                             0},
                    Gesture {"PressLeaveAndComeBack",
                             {{WM_LBUTTONDOWN, at(40, 8)},
                              {WM_MOUSEMOVE, at(40, 60)},
                              {WM_MOUSEMOVE, at(40, 8)},
                              {WM_LBUTTONUP, at(40, 8)}},
                             1}),
    [](const testing::TestParamInfo<Gesture>& gesture) { return std::string(gesture.param.name); });

TEST_F(AboutWindow, staysBlueAfterARealClickUntilThePointerMovesOnItAgain)
{
    ASSERT_NE(open(), nullptr);
    RECT field;
    GetWindowRect(link, &field);
    const POINT middle {(field.left + field.right) / 2, (field.top + field.bottom) / 2};
    SetCursorPos(middle.x, middle.y);
    ASSERT_TRUE(pumpUntil([this] { return linkColour() == red; }));
    INPUT click[2] {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, click, sizeof(INPUT));
    // Whatever the system sends once the mouse is let go, the pointer has not moved.
    pumpFor(500ms);
    EXPECT_EQ(opened.size(), 1U);
    EXPECT_EQ(linkColour(), blue);
    UpdateWindow(link);
    const int bluePixels = pixelsOfColour(link, blue);
    const int redPixels = pixelsOfColour(link, red);
    std::printf("half a second after the click: %d blue, %d red pixels\n", bluePixels, redPixels);
    EXPECT_GT(bluePixels, 0);
    EXPECT_EQ(redPixels, 0);

    SetCursorPos(middle.x + 6, middle.y);
    EXPECT_TRUE(pumpUntil([this] { return linkColour() == red; }));
}

TEST_F(AboutWindow, goesBackToRestWhenThePointerLeavesUnseen)
{
    ASSERT_NE(open(), nullptr);
    pointAt(40, 8);
    ASSERT_EQ(linkColour(), red);
    SendMessageW(link, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(linkColour(), blue);
    EXPECT_EQ(GetCapture(), nullptr);
}

enum class Dismissal { Escape, Enter, ClickOk, CloseBox };

class AboutWindowDismissal : public AboutWindow, public testing::WithParamInterface<Dismissal> { };

TEST_P(AboutWindowDismissal, closesAndGivesTheMouseBackWhileTheLinkIsLit)
{
    ASSERT_NE(open(), nullptr);
    pointAt(40, 8);
    ASSERT_EQ(GetCapture(), link);
    HWND ok = item(frmAboutForm::cmdCancel);
    switch (GetParam()) {
    case Dismissal::Escape: pressKey(ok, VK_ESCAPE); break;
    case Dismissal::Enter: pressKey(ok, VK_RETURN); break;
    case Dismissal::ClickOk: PostMessageW(ok, BM_CLICK, 0, 0); break;
    case Dismissal::CloseBox: PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    }
    EXPECT_TRUE(pumpUntil([this] { return !IsWindow(about); }));
    EXPECT_EQ(frmAbout::window(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(EachWay, AboutWindowDismissal,
                         testing::Values(Dismissal::Escape, Dismissal::Enter, Dismissal::ClickOk,
                                         Dismissal::CloseBox));
