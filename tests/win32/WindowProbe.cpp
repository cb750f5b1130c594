#include "WindowProbe.h"

#include <sstream>

#include "FormBuilder.h"
#include "frmAbout.h"
#include "frmHelp.h"
#include "GdiHandles.h"
#include "WideText.h"

std::ostream& operator<<(std::ostream& out, const Bounds& bounds)
{
    return out << "(" << bounds.left << ", " << bounds.top << ") " << bounds.width << " x "
               << bounds.height;
}

bool pumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            // A closed last window ends the program's loop; here the test goes on.
            if (message.message == WM_QUIT)
                continue;
            if (frmHelp::preTranslate(message) || frmAbout::preTranslate(message))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void pumpFor(std::chrono::milliseconds duration)
{
    pumpUntil([] { return false; }, duration);
}

Bounds frameOf(HWND window)
{
    RECT frame {};
    GetWindowRect(window, &frame);
    return {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top};
}

Bounds clientOf(HWND window)
{
    RECT client {};
    GetClientRect(window, &client);
    return {client.left, client.top, client.right, client.bottom};
}

Bounds placeOf(HWND control)
{
    RECT frame {};
    GetWindowRect(control, &frame);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&frame), 2);
    return {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top};
}

std::wstring textOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

int windowsOfClass(const wchar_t* className)
{
    int count = 0;
    for (HWND found = FindWindowExW(nullptr, nullptr, className, nullptr); found;
         found = FindWindowExW(nullptr, found, className, nullptr))
        ++count;
    return count;
}

COLORREF paintedTextColour(HWND window, HWND control)
{
    const MemoryDc dc(CreateCompatibleDC(nullptr));
    SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                 reinterpret_cast<LPARAM>(control));
    return GetTextColor(dc.get());
}

void pressKey(HWND control, WPARAM key)
{
    SetFocus(control);
    PostMessageW(control, WM_KEYDOWN, key, 1);
    PostMessageW(control, WM_KEYUP, key, 1 | (3u << 30));
}

HWND controlOf(HWND window, const Form::Window& form, const Form::Element& element)
{
    return GetDlgItem(window, FormBuilder::controlId(form, element.name));
}

std::string layoutDifference(HWND window, const Form::Window& form, int scale)
{
    std::ostringstream found;
    if (textOf(window) != widen(form.caption))
        found << "the caption differs\n";
    if (clientOf(window) != Bounds {0, 0, form.clientWidth * scale, form.clientHeight * scale})
        found << "the client area is " << clientOf(window) << "\n";
    return found.str() + placesDifference(window, form, scale);
}

std::string placesDifference(HWND window, const Form::Window& form, int scale)
{
    std::ostringstream found;
    for (const Form::Element& element : form.elements) {
        if (element.kind == Form::Kind::Shape)
            continue;
        HWND control = controlOf(window, form, element);
        const Form::Rect& at = element.bounds;
        Bounds place = placeOf(control);
        // A picture fills its box inside an edge the system draws as thick
        // as it draws edges.
        if (element.kind == Form::Kind::Picture && element.edge == Form::Edge::Sunken) {
            const Bounds inside = clientOf(control);
            place.width = inside.width + 4 * scale;
            place.height = inside.height + 4 * scale;
        }
        if (place != Bounds {at.left * scale, at.top * scale, at.width * scale, at.height * scale})
            found << element.name << " lies at " << placeOf(control) << "\n";
        // The version line is written when the window opens.
        if (*element.text && textOf(control) != widen(element.text))
            found << element.name << " reads otherwise\n";
    }
    return found.str();
}

HWND createMessageWindow(const wchar_t* className, WNDPROC procedure, void* self)
{
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);
    HWND window = CreateWindowExW(0, className, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  windowClass.hInstance, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    return window;
}
