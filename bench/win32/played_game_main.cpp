// The Windows program as it starts, played without a key from outside: each
// time the board has been painted after a step, the tests' autoplayer picks a
// cursor key and posts it to the main window, which takes it through its own
// message loop as it takes a player's key, in the same wake-up; once a game's
// count-up has ended it posts F2. The player adds no timer, thread or wake-up
// of its own, and the shipped program knows nothing of it: it watches the
// board window's paint through a subclassed window procedure.
//   played_game.exe SECONDS [silent]
//       closes the window after that many seconds; says how much it has played
//       every 50 steps and at the end. "silent" turns the sound off first, as
//       Options > Sound FX does, to tell the sound's cost from the rest.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <windows.h>

#include "Autoplayer.h"
#include "ClockRandom.h"
#include "FormBuilder.h"
#include "frmMain.h"

namespace {
class Pilot {
public:
    Pilot(frmMain& window, int seconds)
        : window(window), bot(Autoplayer::Style::towardsFood, 30, 23), startedAt(GetTickCount64()),
          closeAt(startedAt + 1000ULL * static_cast<unsigned>(seconds))
    {
        QueryPerformanceFrequency(&frequency);
        pilot = this;
        const HWND board = window.board().window();
        boardProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(board, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(watchBoard)));
    }

    void report() const
    {
        std::fprintf(stderr, "%d games, %d steps, %d meals, %.1f ms in the autoplayer in %.1f s\n",
                     games, steps, meals, thinkingMilliseconds,
                     static_cast<double>(GetTickCount64() - startedAt) / 1e3);
        std::fflush(stderr);
    }

private:
    static LRESULT CALLBACK watchBoard(HWND board, UINT message, WPARAM wParam, LPARAM lParam)
    {
        const LRESULT result
            = CallWindowProcW(pilot->boardProcedure, board, message, wParam, lParam);
        if (message == WM_PAINT)
            pilot->afterPaint();
        return result;
    }

    void afterPaint()
    {
        const HWND main = window.window();
        if (closing)
            return;
        if (GetTickCount64() >= closeAt) {
            closing = true;
            PostMessageW(main, WM_CLOSE, 0, 0);
            return;
        }
        const bool running = window.timer(GameTimer::Timer1).isEnabled();
        if (!running) {
            if (!window.timer(GameTimer::Timer2).isEnabled() && !newGameAsked) {
                newGameAsked = true;
                ++games;
                PostMessageW(main, WM_KEYDOWN, VK_F2, 0);
            }
            return;
        }
        newGameAsked = false;
        ++steps;
        // A meal makes the worm grow for three steps, the first of them this one.
        if (window.game().state().growCount == 2)
            ++meals;
        LARGE_INTEGER before;
        LARGE_INTEGER after;
        QueryPerformanceCounter(&before);
        const int key = bot.chooseKey(window.game());
        QueryPerformanceCounter(&after);
        thinkingMilliseconds += static_cast<double>(after.QuadPart - before.QuadPart) * 1e3
            / static_cast<double>(frequency.QuadPart);
        if (key)
            PostMessageW(main, WM_KEYDOWN, static_cast<WPARAM>(key), 0);
        // Read by whoever stops the program from outside.
        if (steps % 50 == 0)
            report();
    }

    static inline Pilot* pilot = nullptr;
    frmMain& window;
    Autoplayer bot;
    ULONGLONG startedAt;
    ULONGLONG closeAt;
    WNDPROC boardProcedure = nullptr;
    LARGE_INTEGER frequency {};
    bool closing = false;
    bool newGameAsked = false;
    int games = 0;
    int steps = 0;
    int meals = 0;
    double thinkingMilliseconds = 0;
};
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int)
{
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    ClockRandom random;
    frmMain window(instance, random);
    wchar_t* rest = nullptr;
    Pilot pilot(window, std::max(1, static_cast<int>(std::wcstol(commandLine, &rest, 10))));
    window.startUp();
    if (std::wcsstr(rest, L"silent"))
        PostMessageW(window.window(), WM_COMMAND,
                     FormBuilder::commandId(Form::Command::OptionsSound), 0);
    const int status = window.run();
    pilot.report();
    return status;
}
