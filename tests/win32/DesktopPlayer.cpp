#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>
#include <windows.h>

// Plays the built program in Wine's virtual desktop, where the window frames,
// their caption buttons and the loops that run while a window is dragged, a
// menu is open or a caption button is held are Wine's own, as Windows draws
// and runs them. With the mouse and keyboard, as a player would: the main
// window's title bar offers a close box alone, the worm moves on through each
// of those loops, and Game > Exit with both secondary windows open ends the
// program with status 0. The last line says PASSED or FAILED.
//   desktop_player.exe VERMILO.EXE
namespace {
using namespace std::chrono_literals;

int failures = 0;

void check(bool good, const std::string& what)
{
    std::printf("%s: %s\n", good ? "ok" : "FAIL", what.c_str());
    std::fflush(stdout);
    failures += good ? 0 : 1;
}

HWND waitForWindow(const wchar_t* className, std::chrono::milliseconds timeout = 20s)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        HWND found = FindWindowW(className, nullptr);
        if (found && IsWindowVisible(found))
            return found;
        if (std::chrono::steady_clock::now() > deadline)
            return nullptr;
        std::this_thread::sleep_for(50ms);
    }
}

void send(std::vector<INPUT> inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    std::this_thread::sleep_for(60ms);
}

INPUT mouse(DWORD flags, POINT at = {})
{
    INPUT input {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    input.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    return input;
}

INPUT key(WORD code, bool up = false)
{
    INPUT input {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = code;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void press(WORD code)
{
    send({key(code), key(code, true)});
}

void pressWithAlt(WORD code)
{
    send({key(VK_MENU), key(code), key(code, true), key(VK_MENU, true)});
}

void click(POINT at)
{
    send({mouse(0, at), mouse(MOUSEEVENTF_LEFTDOWN, at), mouse(MOUSEEVENTF_LEFTUP, at)});
}

// The screen's pixels in a rectangle, as 0x00RRGGBB, top row first.
std::vector<std::uint32_t> screenPixels(const RECT& area)
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC copy = CreateCompatibleDC(screen);
    HBITMAP shot = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(copy, shot);
    BitBlt(copy, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(copy, previous);
    BITMAPINFO info {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * height));
    GetDIBits(copy, shot, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(shot);
    DeleteDC(copy);
    ReleaseDC(nullptr, screen);
    for (std::uint32_t& pixel : pixels)
        pixel &= 0xFFFFFFu;
    return pixels;
}

RECT clientOnScreen(HWND window)
{
    RECT client {};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

// The field's cells that show the worm's bright green body, as row * 100 + column.
std::set<int> wormCells(HWND game)
{
    const RECT field = clientOnScreen(game);
    const int width = field.right - field.left;
    const std::vector<std::uint32_t> pixels = screenPixels(field);
    std::set<int> cells;
    for (std::size_t i = 0; i < pixels.size(); ++i)
        if (pixels[i] == 0x04FE04u) {
            const int x = static_cast<int>(i) % width - 1;
            const int y = static_cast<int>(i) / width - 1;
            cells.insert(y / 16 * 100 + x / 16);
        }
    return cells;
}

// The buttons in a window's title bar, counted from its pixels: the runs of
// button face along a line through the upper part of the bar, where the
// buttons' symbols do not reach.
int captionButtons(HWND window)
{
    RECT frame {};
    GetWindowRect(window, &frame);
    const int border = GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CXPADDEDBORDER);
    const int y = frame.top + border + GetSystemMetrics(SM_CYSIZE) / 4;
    const std::vector<std::uint32_t> line = screenPixels({frame.left, y, frame.right, y + 1});
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const std::uint32_t wanted = GetRValue(face) << 16 | GetGValue(face) << 8 | GetBValue(face);
    int buttons = 0;
    int run = 0;
    for (std::uint32_t pixel : line) {
        run = pixel == wanted ? run + 1 : 0;
        if (run == 4)
            ++buttons;
    }
    return buttons;
}

// A point on the window's title bar: `fromRight` false, just right of its
// icon; true, on its rightmost button.
POINT onTitleBar(HWND window, bool fromRight = false)
{
    RECT frame {};
    GetWindowRect(window, &frame);
    const int y = frame.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    if (fromRight)
        return {frame.right - GetSystemMetrics(SM_CXFRAME) - GetSystemMetrics(SM_CXSIZE) / 2 - 2,
                y};
    return {frame.left + 40, y};
}

// Clicks the field, which makes the main window the active one.
void activate(HWND game)
{
    const RECT field = clientOnScreen(game);
    click({field.left + 240, field.bottom - 20});
}

// What the system says the game's thread is doing: in a menu, moving a
// window, holding the mouse for a window.
GUITHREADINFO threadState(HWND game)
{
    GUITHREADINFO state {};
    state.cbSize = sizeof state;
    GetGUIThreadInfo(GetWindowThreadProcessId(game, nullptr), &state);
    return state;
}

// Starts a new game, then holds the game in one of the system's own loops
// for half a second: `hold` enters it, `during` runs every 100 ms in it,
// `letGo` leaves it. Halfway the game's thread must be in it, as `inLoop`
// tells from the system's account, and the worm must move on meanwhile.
void checkTheWormMovesWhile(HWND game, const std::string& what, const std::function<void()>& hold,
                            const std::function<void()>& during,
                            const std::function<bool(const GUITHREADINFO&)>& inLoop,
                            const std::function<void()>& letGo)
{
    activate(game);
    press(VK_F2);
    hold();
    const auto started = std::chrono::steady_clock::now();
    const std::set<int> first = wormCells(game);
    bool wasInLoop = false;
    for (int step = 0; step < 5; ++step) {
        during();
        std::this_thread::sleep_for(100ms);
        wasInLoop = wasInLoop || inLoop(threadState(game));
    }
    const std::set<int> last = wormCells(game);
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - started);
    letGo();
    check(wasInLoop, "the system's loop runs while " + what);
    // Along the top row to the right: the head is the rightmost cell there.
    const auto head
        = [](const std::set<int>& cells) { return cells.empty() ? 0 : *cells.rbegin() % 100; };
    check(!first.empty() && first != last,
          "the worm moves on while " + what + " (" + std::to_string(head(last) - head(first))
              + " cells in " + std::to_string(took.count()) + " ms)");
}

bool isMoving(const GUITHREADINFO& state)
{
    return (state.flags & GUI_INMOVESIZE) != 0;
}

bool isInMenu(const GUITHREADINFO& state)
{
    return (state.flags & GUI_INMENUMODE) != 0;
}

// Drags the window by its title bar, slowly, with the worm moving on.
void drag(HWND game, HWND window, const std::string& name)
{
    RECT before {};
    GetWindowRect(window, &before);
    POINT at = onTitleBar(window);
    checkTheWormMovesWhile(
        game, "the " + name + " window is dragged",
        [&] {
            send({mouse(0, at), mouse(MOUSEEVENTF_LEFTDOWN, at)});
        },
        [&] {
            at.x += 8;
            at.y += 6;
            send({mouse(0, at)});
        },
        isMoving, [&] { send({mouse(MOUSEEVENTF_LEFTUP, at)}); });
    std::this_thread::sleep_for(200ms);
    RECT after {};
    GetWindowRect(window, &after);
    check(after.left != before.left || after.top != before.top,
          "the " + name + " window moved with its title bar");
}

struct Game {
    PROCESS_INFORMATION process {};
    HWND main = nullptr;
    HWND help = nullptr;
    HWND about = nullptr;
};

// Starts the program and opens its instructions and about windows from the
// menu with the keyboard; false when a window did not come.
bool start(const char* path, Game& game)
{
    STARTUPINFOA startup {};
    startup.cb = sizeof startup;
    std::string commandLine = std::string("\"") + path + "\"";
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &game.process)) {
        check(false, std::string(path) + " starts");
        return false;
    }
    game.main = waitForWindow(L"VermiloMain");
    check(game.main != nullptr, "the game's window is shown");
    if (!game.main)
        return false;
    std::this_thread::sleep_for(500ms);
    activate(game.main);
    pressWithAlt('H');
    press('I');
    game.help = waitForWindow(L"VermiloHelp", 10s);
    check(game.help != nullptr, "Alt+H, I opens the instructions");
    activate(game.main);
    pressWithAlt('H');
    press('A');
    game.about = waitForWindow(L"VermiloAbout", 10s);
    check(game.about != nullptr, "Alt+H, A opens the about window");
    return game.help && game.about;
}

// The program's exit status once it has ended, within ten seconds; it is
// ended by force when it does not.
DWORD end(Game& game)
{
    DWORD status = STILL_ACTIVE;
    if (WaitForSingleObject(game.process.hProcess, 10'000) == WAIT_OBJECT_0)
        GetExitCodeProcess(game.process.hProcess, &status);
    if (status == STILL_ACTIVE)
        TerminateProcess(game.process.hProcess, 1);
    CloseHandle(game.process.hThread);
    CloseHandle(game.process.hProcess);
    return status;
}

void playThroughTheSystemsLoops(Game& game)
{
    // Both moved off the main window, for it to stay in sight.
    SetWindowPos(game.help, nullptr, 560, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(game.about, nullptr, 560, 420, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    std::this_thread::sleep_for(300ms);
    check(captionButtons(game.main) == 1,
          "the main window's title bar shows one button, the close box");
    const int aboutButtons = captionButtons(game.about);
    check(aboutButtons == 3,
          "the about window's title bar shows minimize, maximize and close ("
              + std::to_string(aboutButtons) + " buttons)");

    drag(game.main, game.help, "instructions");
    drag(game.main, game.about, "about");
    const auto nothing = [] {};
    checkTheWormMovesWhile(
        game.main, "the Game menu is open", [] { pressWithAlt('G'); }, nothing, isInMenu,
        [] {
            press(VK_ESCAPE);
            press(VK_ESCAPE);
        });
    const RECT aboutInside = clientOnScreen(game.about);
    const RECT field = clientOnScreen(game.main);
    const POINT onField {field.left + 240, field.bottom - 20};
    checkTheWormMovesWhile(
        game.main, "the about window's system menu is open",
        [&] {
            click({aboutInside.left + 160, aboutInside.top + 160});
            pressWithAlt(VK_SPACE);
        },
        nothing, isInMenu, [&] { click(onField); });
    // Let go off the close box: the window stays.
    const POINT closeBox = onTitleBar(game.main, true);
    checkTheWormMovesWhile(
        game.main, "the main window's close box is held down",
        [&] {
            send({mouse(0, closeBox), mouse(MOUSEEVENTF_LEFTDOWN, closeBox)});
        },
        nothing, [&](const GUITHREADINFO& state) { return state.hwndCapture == game.main; },
        [&] {
            send({mouse(0, onField), mouse(MOUSEEVENTF_LEFTUP, onField)});
        });
    check(IsWindowVisible(game.main), "letting go off the close box leaves the window open");
}
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::printf("usage: desktop_player VERMILO.EXE\n");
        return 2;
    }
    Game first;
    if (start(argv[1], first)) {
        playThroughTheSystemsLoops(first);
        activate(first.main);
        pressWithAlt('G');
        press('X');
    }
    const DWORD exited = end(first);
    check(exited == 0,
          "Game > Exit with both windows open ends the program with status "
              + std::to_string(exited));

    // The main window closed first, then the other two: the last one ends it.
    Game second;
    if (start(argv[1], second)) {
        click(onTitleBar(second.main, true));
        std::this_thread::sleep_for(300ms);
        check(!IsWindow(second.main) && IsWindow(second.help) && IsWindow(second.about),
              "the instructions and about windows stay when the main window is closed");
        click(onTitleBar(second.help, true));
        click(onTitleBar(second.about, true));
    }
    const DWORD closed = end(second);
    check(closed == 0,
          "closing the last window ends the program with status " + std::to_string(closed));
    std::printf("%s\n", failures ? "FAILED" : "PASSED");
    return failures ? 1 : 0;
}
