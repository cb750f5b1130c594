// The floor the Windows program's cost is measured against: the least a Win32
// window of the game's shape can be. The game's menu bar over a black
// 481 × 369 board kept in a DIB section, and the game's kind of 100 ms timer (a
// high-resolution waitable timer the message loop waits on) that copies a
// 16 × 16 sprite into the next cell and repaints only that cell at once, as a
// worm step does. No sound, no fonts of its own, no second thread.
//   bare_window.exe [SECONDS]   closes itself after that many seconds
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <windows.h>

#include "FormBuilder.h"
#include "frmMainForm.h"
#include "GdiHandles.h"
#include "MemoryDC.h"
#include "WaitableTimer.h"

namespace {
namespace form = frmMainForm;
constexpr int cell = 16;
constexpr int boardWidth = form::picBoard.bounds.width;
constexpr int boardHeight = form::picBoard.bounds.height;

BitmapHandle createImage(int width, int height, std::uint32_t colour)
{
    BITMAPINFO info {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (pixels)
        std::fill_n(static_cast<std::uint32_t*>(pixels), width * height, colour);
    return bitmap;
}

class BareWindow {
public:
    BareWindow(HINSTANCE instance, int seconds)
        : picture(createImage(boardWidth, boardHeight, 0)), board(picture.get()),
          sprite(createImage(cell, cell, 0x00ff00)), spriteSurface(sprite.get()),
          closeAt(seconds > 0 ? GetTickCount64() + 1000ULL * static_cast<unsigned>(seconds) : 0)
    {
        WNDCLASSEXW windowClass {};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
        windowClass.lpszClassName = L"BareWindow";
        RegisterClassExW(&windowClass);
        const DWORD style = FormBuilder::windowStyle(form::form);
        RECT frame {0, 0, boardWidth, boardHeight};
        AdjustWindowRectEx(&frame, style, TRUE, 0);
        hwnd = CreateWindowExW(0, windowClass.lpszClassName, L"Bare window", style, CW_USEDEFAULT,
                               CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                               nullptr, FormBuilder::buildMenus(form::menu), instance, this);
    }

    int run()
    {
        if (!hwnd)
            return 1;
        ShowWindow(hwnd, SW_SHOWNORMAL);
        UpdateWindow(hwnd);
        timer.setEnabled(true);
        const HANDLE tick = timer.handle();
        for (;;) {
            if (MsgWaitForMultipleObjectsEx(1, &tick, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE)
                == WAIT_OBJECT_0)
                step();
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (msg.message == WM_QUIT)
                    return static_cast<int>(msg.wParam);
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
    }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE)
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(
                                  reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams));
        auto* self = reinterpret_cast<BareWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        switch (message) {
        case WM_PAINT:
            if (self) {
                self->paint();
                return 0;
            }
            break;
        case WM_ERASEBKGND: return 1;
        case WM_COMMAND: DestroyWindow(window); return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: break;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    void paint()
    {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        const RECT& area = ps.rcPaint;
        BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, board.get(),
               area.left, area.top, SRCCOPY);
        EndPaint(hwnd, &ps);
    }

    void step()
    {
        if (closeAt && GetTickCount64() >= closeAt) {
            timer.setEnabled(false);
            PostMessageW(hwnd, WM_CLOSE, 0, 0);
            return;
        }
        constexpr int columns = boardWidth / cell;
        constexpr int rows = boardHeight / cell;
        next = (next + 1) % (columns * rows);
        if (next == 0)
            BitBlt(spriteSurface.get(), 0, 0, cell, cell, nullptr, 0, 0, DSTINVERT);
        const int x = (next % columns) * cell;
        const int y = (next / columns) * cell;
        BitBlt(board.get(), x, y, cell, cell, spriteSurface.get(), 0, 0, SRCCOPY);
        const RECT changed {x, y, x + cell, y + cell};
        InvalidateRect(hwnd, &changed, FALSE);
        UpdateWindow(hwnd);
    }

    BitmapHandle picture;
    MemoryDC board;
    BitmapHandle sprite;
    MemoryDC spriteSurface;
    WaitableTimer timer {form::Timer1.interval};
    ULONGLONG closeAt;
    int next = -1;
    HWND hwnd = nullptr;
};
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int)
{
    BareWindow window(instance, std::wcstol(commandLine, nullptr, 10));
    return window.run();
}
