#pragma once

#include <memory>
#include <windows.h>

#include "ClientArea.h"
#include "Controls.h"
#include "Form.h"
#include "FormBuilder.h"
#include "ProgramWindows.h"
#include "ScreenScale.h"
#include "WideText.h"

// What the game's two small windows share: each exists at most once, stands
// alone with no owner, takes Enter, Esc and Tab as a dialog does with its
// IDOK button as the default one, and is thrown away, object and all, when it
// closes: the open window's object belongs to its window, which deletes it as
// its very last message. Each is laid out at the scale of the screen it is on
// and laid out afresh when it goes to a screen of another density; resizing
// it shows more or less background around elements that stay where they are.
// `Window` is the window's own class, which makes this a friend.
template <class Window> class SecondaryWindow {
public:
    // Gives the open window Enter, Esc and Tab; true when it took the message.
    static bool preTranslate(MSG& message)
    {
        return openWindow && IsDialogMessageW(openWindow->frm, &message);
    }

    // The open window, or null when there is none.
    static HWND window() { return openWindow ? openWindow->frm : nullptr; }

    // Closes the open window, if any; its object goes with it.
    static void close()
    {
        if (openWindow)
            DestroyWindow(openWindow->frm);
    }

    SecondaryWindow(const SecondaryWindow&) = delete;
    SecondaryWindow& operator=(const SecondaryWindow&) = delete;

protected:
    explicit SecondaryWindow(const Form::Window& table) : form(table), builder(table) { }
    ~SecondaryWindow() = default;

    // Keeps a newly made window as the open one; false when its window could
    // not be made.
    static bool keep(std::unique_ptr<Window> made)
    {
        if (!made->frm)
            return false;
        openWindow = made.release();
        return true;
    }

    // Makes the window of class `className` with the frame and caption its
    // table gives, its client area sized later by takeScreenScale().
    void createWindow(HINSTANCE instance, const wchar_t* className)
    {
        registerWindowClass(instance, className, windowProcedure);
        CreateWindowExW(0, className, widen(form.caption).c_str(), FormBuilder::windowStyle(form),
                        CW_USEDEFAULT, CW_USEDEFAULT, form.clientWidth, form.clientHeight, nullptr,
                        nullptr, instance, static_cast<Window*>(this));
    }

    // Takes the scale of the screen the new window is on and sizes its client
    // area to its table's at that scale; the elements built after follow it.
    void takeScreenScale()
    {
        builder.setScale(scaleForDpi(GetDpiForWindow(frm)));
        fitClientArea(frm, form.clientWidth * builder.scale(), form.clientHeight * builder.scale());
    }

    // Shows the open window and brings it to the front, where it stands.
    static void showAtFront()
    {
        HWND shown = openWindow->frm;
        ShowWindow(shown, IsIconic(shown) ? SW_RESTORE : SW_SHOW);
        SetForegroundWindow(shown);
    }

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE) {
            auto* made
                = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            made->frm = window;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(made));
        }
        auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (!self)
            return DefWindowProcW(window, message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            // The window is gone: so is the object, and the next opening
            // makes both afresh. A window whose making failed is not kept,
            // and the one making it still owns its object.
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            self->frm = nullptr;
            if (openWindow == self) {
                openWindow = nullptr;
                delete self;
            }
            return DefWindowProcW(window, message, wParam, lParam);
        }
        return self->handleMessage(message, wParam, lParam);
    }

    // The messages both windows answer alike; anything else goes to the
    // system's default handling.
    LRESULT commonMessage(UINT message, WPARAM wParam, LPARAM lParam)
    {
        switch (message) {
        case DM_GETDEFID: return MAKELRESULT(IDOK, DC_HASDEFID);
        case WM_NEXTDLGCTL:
            // A multi-line text field hands Enter to the default button this way.
            SetFocus(LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                    : GetNextDlgTabItem(frm, GetFocus(), wParam != 0));
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND holder = GetFocus();
                if (holder && IsChild(frm, holder))
                    focused = holder;
            }
            break;
        case WM_SETFOCUS:
            // Back to the control that had the keyboard, at first the OK button.
            SetFocus(focused ? focused : GetDlgItem(frm, IDOK));
            return 0;
        case WM_DESTROY: endProgramIfLastWindow(frm); return 0;
        case WM_GETDPISCALEDSIZE:
            scaledSize(static_cast<UINT>(wParam), *reinterpret_cast<SIZE*>(lParam));
            return TRUE;
        case WM_DPICHANGED: {
            builder.setScale(scaleForDpi(HIWORD(wParam)));
            static_cast<Window*>(this)->rescaled();
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(frm, nullptr, suggested.left, suggested.top,
                         suggested.right - suggested.left, suggested.bottom - suggested.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            InvalidateRect(frm, nullptr, TRUE);
            return 0;
        }
        }
        return DefWindowProcW(frm, message, wParam, lParam);
    }

    // What a window adds to its builder's at a new scale.
    void rescaled() { }

    static inline Window* openWindow = nullptr;
    HWND frm = nullptr;
    const Form::Window& form;
    FormBuilder builder;

private:
    // The frame at `dpi` around the client area as the player left it, grown
    // or shrunk by the whole factor the scale changes by, which Windows then
    // suggests with WM_DPICHANGED.
    void scaledSize(UINT dpi, SIZE& size) const
    {
        RECT client {};
        GetClientRect(frm, &client);
        const int scale = scaleForDpi(dpi);
        RECT frame {0, 0, client.right * scale / builder.scale(),
                    client.bottom * scale / builder.scale()};
        AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(frm, GWL_STYLE)),
                                 FALSE, static_cast<DWORD>(GetWindowLongPtrW(frm, GWL_EXSTYLE)),
                                 dpi);
        size = {frame.right - frame.left, frame.bottom - frame.top};
    }

    // The control that had the keyboard when the window was last left.
    HWND focused = nullptr;
};
