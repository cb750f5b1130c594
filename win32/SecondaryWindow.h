#pragma once

#include <memory>
#include <windows.h>

#include "Controls.h"
#include "Form.h"
#include "FormBuilder.h"
#include "ProgramWindows.h"
#include "WideText.h"

// What the game's two small windows share: each exists at most once, stands
// alone with no owner, takes Enter, Esc and Tab as a dialog does with its
// IDOK button as the default one, and is thrown away, object and all, when it
// closes: the open window's object belongs to its window, which deletes it as
// its very last message. `Window` is the window's own class, which makes this
// a friend.
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
    SecondaryWindow() = default;
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
    // table gives, its client area sized later.
    void createWindow(HINSTANCE instance, const wchar_t* className, const Form::Window& form)
    {
        registerWindowClass(instance, className, windowProcedure);
        CreateWindowExW(0, className, widen(form.caption).c_str(), FormBuilder::windowStyle(form),
                        CW_USEDEFAULT, CW_USEDEFAULT, form.clientWidth, form.clientHeight, nullptr,
                        nullptr, instance, static_cast<Window*>(this));
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
        }
        return DefWindowProcW(frm, message, wParam, lParam);
    }

    static inline Window* openWindow = nullptr;
    HWND frm = nullptr;

private:
    // The control that had the keyboard when the window was last left.
    HWND focused = nullptr;
};
