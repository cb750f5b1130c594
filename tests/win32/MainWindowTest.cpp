#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <windows.h>

#include "FormBuilder.h"
#include "frmAbout.h"
#include "frmHelp.h"
#include "frmMain.h"
#include "ScreenScale.h"
#include "ScriptedRandom.h"
#include "SoundResources.h"
#include "WindowChecks.h"

using Form::Command;

namespace {
constexpr int columns = 30;
constexpr int rows = 23;
}

class MainWindow : public testing::Test {
protected:
    void SetUp() override
    {
        // The window of an earlier test asked the program to end when it went.
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) { }
        window.startUp();
    }

    // Puts a key press in the queue of one of the program's windows and lets
    // the program's own loop take it, as it takes the player's keys. With Alt
    // held it comes as a system key.
    void pressKey(HWND target, WPARAM key, bool alt = false)
    {
        PostMessageW(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, alt ? 1 | (1 << 29) : 1);
        window.handleWaitingEvents();
    }
    void choose(Form::Command command)
    {
        SendMessageW(window.window(), WM_COMMAND, FormBuilder::commandId(command), 0);
    }
    // Lets the program's own loop run, its timers included, until `done` holds.
    bool waitUntil(const std::function<bool()>& done)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!done() && std::chrono::steady_clock::now() < deadline) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            window.handleWaitingEvents();
        }
        return done();
    }
    const WormState& game() const { return window.game().state(); }
    // What is wrong with the window against the rules, the board's pixels included.
    std::string problems()
    {
        std::string found;
        for (const std::string& problem : referee.check(window.game().state(), viewOf(window)))
            found += problem + "\n";
        return found + boardDifference(window, referee);
    }

    // Food far from the top-left corner, where the tests steer the worm.
    ScriptedRandom random {{0.9, 0.9}};
    frmMain window {GetModuleHandleW(nullptr), random};
    GameReferee referee {columns, rows};
};

TEST_F(MainWindow, isAFixedWindowWhoseClientIsTheBorderedField)
{
    wchar_t title[32] {};
    GetWindowTextW(window.window(), title, 32);
    EXPECT_STREQ(title, L"Vermilo");
    RECT client;
    GetClientRect(window.window(), &client);
    EXPECT_EQ(client.right, 481);
    EXPECT_EQ(client.bottom, 369);
    RECT board;
    GetWindowRect(window.board().window(), &board);
    MapWindowPoints(nullptr, window.window(), reinterpret_cast<POINT*>(&board), 2);
    EXPECT_EQ(board.left, 1);
    EXPECT_EQ(board.top, 1);
    EXPECT_EQ(board.right - board.left, 479);
    EXPECT_EQ(board.bottom - board.top, 367);
    const auto style = GetWindowLongPtrW(window.window(), GWL_STYLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX), 0);
    EXPECT_NE(style & WS_SYSMENU, 0);
}

TEST_F(MainWindow, menusHaveTheirCaptionsSeparatorsAndShortcutKeys)
{
    std::wstring entries;
    HMENU bar = window.menu();
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        wchar_t text[64] {};
        GetMenuStringW(bar, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        entries += std::wstring(text) + L"|";
        HMENU items = GetSubMenu(bar, i);
        for (int j = 0; j < GetMenuItemCount(items); ++j) {
            GetMenuStringW(items, static_cast<UINT>(j), text, 64, MF_BYPOSITION);
            const bool separator
                = GetMenuState(items, static_cast<UINT>(j), MF_BYPOSITION) & MF_SEPARATOR;
            entries += (separator ? std::wstring(L"-") : std::wstring(text)) + L"|";
        }
    }
    EXPECT_EQ(entries,
              L"&Game|&New\tF2|-|E&xit|&Options|&Sound FX|&Pause\tCtrl+P|"
              L"&Help|&Instructions|-|&About|");

    ACCEL keys[4] {};
    ASSERT_EQ(CopyAcceleratorTableW(window.shortcuts(), keys, 4), 2);
    EXPECT_EQ(keys[0].key, VK_F2);
    EXPECT_EQ(keys[0].fVirt & (FVIRTKEY | FCONTROL | FALT | FSHIFT), FVIRTKEY);
    EXPECT_EQ(keys[0].cmd, FormBuilder::commandId(Form::Command::GameNew));
    EXPECT_EQ(keys[1].key, 'P');
    EXPECT_EQ(keys[1].fVirt & (FVIRTKEY | FCONTROL | FALT | FSHIFT), FVIRTKEY | FCONTROL);
    EXPECT_EQ(keys[1].cmd, FormBuilder::commandId(Form::Command::OptionsPause));
}

TEST_F(MainWindow, boardShowsWhatTheRulesDrewAfterStartUpNewGameAndSteering)
{
    EXPECT_EQ(problems(), "");

    pressKey(window.window(), VK_F2);
    ASSERT_TRUE(game().gameRunning);
    EXPECT_EQ(problems(), "");

    // Keys sent to the board reach the game too, and Alt held does not matter.
    pressKey(window.board().window(), VK_DOWN, true);
    EXPECT_EQ(game().heading, 3);
    // Let the real timer move the worm three cells down the field.
    EXPECT_TRUE(waitUntil([this] { return game().head().row >= 3; }));
    EXPECT_EQ(game().head().row, 3);
    EXPECT_EQ(problems(), "");
}

TEST_F(MainWindow, menuMarksFollowEveryGameState)
{
    // Idle: sound on, and Pause has nothing to pause.
    EXPECT_TRUE(isChecked(window.menu(), Command::OptionsSound));
    choose(Command::OptionsPause);
    EXPECT_FALSE(isChecked(window.menu(), Command::OptionsPause));
    choose(Command::OptionsSound);
    EXPECT_FALSE(isChecked(window.menu(), Command::OptionsSound));
    choose(Command::OptionsSound);
    EXPECT_TRUE(isChecked(window.menu(), Command::OptionsSound));

    choose(Command::GameNew);
    choose(Command::OptionsPause);
    EXPECT_TRUE(isChecked(window.menu(), Command::OptionsPause));
    EXPECT_FALSE(window.timer(GameTimer::Timer1).isEnabled());
    choose(Command::OptionsPause);
    EXPECT_FALSE(isChecked(window.menu(), Command::OptionsPause));
    EXPECT_EQ(problems(), "");

    // Into the top wall: the count-up runs, and Pause leaves it alone.
    pressKey(window.window(), VK_UP);
    ASSERT_TRUE(waitUntil([this] { return game().gameOverActive; }));
    choose(Command::OptionsPause);
    EXPECT_FALSE(isChecked(window.menu(), Command::OptionsPause));
    EXPECT_TRUE(window.timer(GameTimer::Timer2).isEnabled());
    EXPECT_EQ(problems(), "");

    ASSERT_TRUE(waitUntil([this] { return !game().gameOverActive; }));
    choose(Command::OptionsPause);
    EXPECT_FALSE(isChecked(window.menu(), Command::OptionsPause));
    EXPECT_TRUE(isChecked(window.menu(), Command::OptionsSound));
    EXPECT_EQ(problems(), "");
    EXPECT_TRUE(window.scoreLabel().isVisible());
}

TEST(WindowsResources, eachSoundIsTheWaveFileOfItsName)
{
    const SoundResources sounds(GetModuleHandleW(nullptr));
    for (const SoundEffect effect : {SoundEffect::pop, SoundEffect::oof}) {
        const std::string name = soundEffectName(effect);
        std::ifstream file(std::string(VERMILO_SOUNDS) + "/" + name + ".wav", std::ios::binary);
        const std::string stored {std::istreambuf_iterator<char>(file), {}};
        ASSERT_FALSE(stored.empty()) << name;
        const auto* image = static_cast<const char*>(sounds.find(effect));
        ASSERT_NE(image, nullptr) << name;
        EXPECT_EQ(std::string(image, stored.size()), stored) << name;
    }
}

TEST(WindowsResources, scoreIsWrittenInAnInstalledOcrAFirstThenInTheEmbeddedBoldFace)
{
    EXPECT_STREQ(ScoreFont::familyFor(true, true), L"OCR A Extended");
    EXPECT_STREQ(ScoreFont::familyFor(false, false), L"Courier New");
    // Wine has no OCR A Extended of its own.
    const ScoreFont font(GetModuleHandleW(nullptr));
    ASSERT_TRUE(font.isEmbedded());
    FontHandle face = font.create(96);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, face.get());
    wchar_t name[64] {};
    GetTextFaceW(dc, 64, name);
    TEXTMETRICW metrics {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    DeleteDC(dc);
    EXPECT_STREQ(name, ScoreFont::embeddedFamily);
    EXPECT_GE(metrics.tmWeight, FW_BOLD);
}

TEST(HighDensityScreens, fieldIsMagnifiedByAWholeFactor)
{
    for (const auto& [dpi, scale] : {std::pair {96u, 1},
                                     {120u, 1},
                                     {144u, 2},
                                     {168u, 2},
                                     {192u, 2},
                                     {240u, 3},
                                     {264u, 3},
                                     {288u, 3}})
        EXPECT_EQ(scaleForDpi(dpi), scale) << dpi << " dpi";
}

TEST_F(MainWindow, doubleDensityScreenShowsEveryBoardPixelAsATwoByTwoBlock)
{
    // Windows asks for the size first and suggests it at a place of its own.
    SIZE size {};
    EXPECT_TRUE(
        SendMessageW(window.window(), WM_GETDPISCALEDSIZE, 192, reinterpret_cast<LPARAM>(&size)));
    const RECT suggested {60, 40, 60 + size.cx, 40 + size.cy};
    SendMessageW(window.window(), WM_DPICHANGED, MAKEWPARAM(192, 192),
                 reinterpret_cast<LPARAM>(&suggested));
    RECT frame;
    GetWindowRect(window.window(), &frame);
    EXPECT_EQ(frame.left, 60);
    EXPECT_EQ(frame.top, 40);
    RECT client;
    GetClientRect(window.window(), &client);
    EXPECT_EQ(client.right, 2 * 481);
    EXPECT_EQ(client.bottom, 2 * 369);

    // What the board window shows, read back from its screen.
    UpdateWindow(window.board().window());
    const int width = 2 * 479;
    const int height = 2 * 367;
    HDC screen = GetDC(window.board().window());
    HDC copy = CreateCompatibleDC(screen);
    HBITMAP shot = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(copy, shot);
    BitBlt(copy, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(copy, previous);
    BITMAPINFO info {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> shown(static_cast<std::size_t>(width * height));
    GetDIBits(copy, shot, 0, height, shown.data(), &info, DIB_RGB_COLORS);
    DeleteObject(shot);
    DeleteDC(copy);
    ReleaseDC(window.board().window(), screen);

    // The start-up worm's two top rows of cells, where every pixel matters.
    const std::uint32_t* image = window.board().pixels();
    int differing = 0;
    for (int y = 0; y < 2 * cellSize; ++y)
        for (int x = 0; x < 479; ++x)
            for (int corner = 0; corner < 4; ++corner) {
                const auto at
                    = static_cast<std::size_t>((2 * y + corner / 2) * width + 2 * x + corner % 2);
                differing += (shown.at(at) & 0xFFFFFFu) != (image[y * 479 + x] & 0xFFFFFFu);
            }
    EXPECT_EQ(differing, 0);
}

TEST(ProgramManifest, asksForPerMonitorDensityAndCommonControlsSix)
{
    EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()),
              DPI_AWARENESS_PER_MONITOR_AWARE);
    // Version 6 is its own side-by-side assembly, loaded from the assembly's folder.
    HMODULE controls = LoadLibraryW(L"comctl32.dll");
    ASSERT_NE(controls, nullptr);
    wchar_t path[MAX_PATH] {};
    GetModuleFileNameW(controls, path, MAX_PATH);
    std::wstring folder(path);
    CharLowerW(folder.data());
    EXPECT_NE(folder.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6."),
              std::wstring::npos)
        << "comctl32 came from " << testing::PrintToString(std::wstring(path));
    FreeLibrary(controls);
}

TEST_F(MainWindow, helpWindowsOpenFromTheMenuAndKeepTheirKeysToThemselves)
{
    choose(Command::HelpAbout);
    ASSERT_NE(frmAbout::window(), nullptr);
    DestroyWindow(frmAbout::window());
    choose(Command::HelpInstruct);
    HWND help = frmHelp::window();
    ASSERT_NE(help, nullptr);

    // A cursor key in the instructions window leaves the worm's heading alone,
    // and Esc there closes that window through the program's own loop.
    pressKey(help, VK_UP);
    EXPECT_EQ(game().heading, 2);
    pressKey(help, VK_ESCAPE);
    EXPECT_EQ(frmHelp::window(), nullptr);
    EXPECT_TRUE(IsWindow(window.window()));
}
