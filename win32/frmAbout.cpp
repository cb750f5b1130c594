#include "frmAbout.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include "AboutLayout.h"
#include "AboutText.h"
#include "frmAboutForm.h"
#include "PictureResources.h"
#include "resource.h"
#include "ScreenScale.h"
#include "WideText.h"

namespace {
constexpr const wchar_t* className = L"VermiloAbout";

// A picture's size; the banner's when the program carries none, so the box
// stays blank at its size.
SIZE sizeOf(HBITMAP bitmap)
{
    BITMAP description {};
    if (!bitmap || !GetObjectW(bitmap, sizeof description, &description))
        return PictureResources::bannerSize;
    return {description.bmWidth, description.bmHeight};
}

RECT frameOf(HWND window)
{
    RECT frame {};
    GetWindowRect(window, &frame);
    return frame;
}

HWND control(HWND window, const Form::Element& element)
{
    return GetDlgItem(window, FormBuilder::controlId(frmAboutForm::form, element.name));
}
}

void frmAbout::openInBrowser(const wchar_t* address)
{
    // The shell is loaded, from the system folder, only when a player follows
    // the link: under Wine it brings a dozen more DLLs and a megabyte that the
    // game has no use for, and it stays loaded for the next click.
    using Opener = decltype(&ShellExecuteExW);
    static const Opener opener = [] {
        HMODULE shell = LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        FARPROC found = shell ? GetProcAddress(shell, "ShellExecuteExW") : nullptr;
        // Through the generic function type, which converts to any other.
        return reinterpret_cast<Opener>(reinterpret_cast<void (*)()>(found));
    }();
    if (!opener)
        return;
    // The result is not looked at: with no browser nothing happens, and the
    // shell shows no message of its own. The shell may finish opening after
    // the call has returned, through the thread's messages, which the game
    // goes on handling; waiting for it (SEE_MASK_NOASYNC) would hold up the
    // game for as long as a browser takes to start.
    SHELLEXECUTEINFOW opening {};
    opening.cbSize = sizeof opening;
    opening.fMask = SEE_MASK_FLAG_NO_UI;
    opening.lpFile = address;
    opening.nShow = SW_SHOWNORMAL;
    opener(&opening);
}

void frmAbout::open(HINSTANCE instance, HWND mainWindow, AddressOpener openAddress)
{
    if (openWindow) {
        open(instance, mainWindow, std::move(openAddress), nullptr, nullptr);
        return;
    }
    // The window opens over the main window, on its screen.
    const Form::Rect& iconBounds = frmAboutForm::Image1.bounds;
    const int scale = scaleForDpi(mainWindow ? GetDpiForWindow(mainWindow) : GetDpiForSystem());
    IconHandle icon(
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_VERMILO), IMAGE_ICON,
                                      iconBounds.width * scale, iconBounds.height * scale, 0)));
    BitmapHandle banner(static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(IDB_BANNER),
                                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    open(instance, mainWindow, std::move(openAddress), std::move(icon), std::move(banner));
}

void frmAbout::open(HINSTANCE instance, HWND mainWindow, AddressOpener openAddress, IconHandle icon,
                    BitmapHandle banner)
{
    if (!openWindow) {
        if (!keep(std::unique_ptr<frmAbout>(new frmAbout(instance, std::move(openAddress),
                                                         std::move(icon), std::move(banner)))))
            return;
        openWindow->formLoad(mainWindow);
    }
    // An open window comes to the front where the player left it.
    showAtFront();
}

frmAbout::frmAbout(HINSTANCE instance, AddressOpener openAddress, IconHandle programIcon,
                   BitmapHandle bannerPicture)
    : SecondaryWindow(frmAboutForm::form), openAddress(std::move(openAddress)),
      icon(std::move(programIcon)), banner(std::move(bannerPicture)),
      link(frmAboutForm::txtURL.bounds.width, frmAboutForm::txtURL.bounds.height)
{
    createWindow(instance, className);
}

frmAbout::~frmAbout()
{
    if (frm)
        DestroyWindow(frm);
}

LRESULT frmAbout::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: formCreate(); return 0;
    case WM_DRAWITEM: drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_CTLCOLORSTATIC: {
        const auto control = reinterpret_cast<HWND>(lParam);
        return builder.controlColours(reinterpret_cast<HDC>(wParam), control,
                                      control == txtURL && shownLit);
    }
    case WM_COMMAND:
        // OK is both the default and the cancel button: Enter and Esc press it.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            cmdCancelClick();
            return 0;
        }
        break;
    case WM_DESTROY:
        // However the window goes, it lets go of the mouse so that other
        // windows get it again.
        link.hidden();
        showLink();
        break;
    }
    return commonMessage(message, wParam, lParam);
}

void frmAbout::formCreate()
{
    takeScreenScale();
    if (form.icon == Form::Icon::Program) {
        SendMessageW(frm, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon.get()));
        SendMessageW(frm, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon.get()));
    }
    for (const Form::Element& element : frmAboutForm::elements)
        builder.build(frm, element,
                      element.picture == Form::Picture::Banner ? sizeOf(banner.get()) : SIZE {});
    Image1 = control(frm, frmAboutForm::Image1);
    lblVersion = control(frm, frmAboutForm::lblVersion);
    Picture1 = control(frm, frmAboutForm::Picture1);
    txtURL = control(frm, frmAboutForm::txtURL);
    SetWindowSubclass(txtURL, txtURLProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
    rescaled();
}

void frmAbout::rescaled()
{
    const int scale = builder.scale();
    link = AboutLink(frmAboutForm::txtURL.bounds.width * scale,
                     frmAboutForm::txtURL.bounds.height * scale);
    showLink();
}

void frmAbout::formLoad(HWND mainWindow)
{
    // Centred on the main window's outer frame by the game's own rule.
    if (mainWindow) {
        const RECT mainFrame = frameOf(mainWindow);
        const RECT ownFrame = frameOf(frm);
        const AboutLayout::Point start = AboutLayout::centredPosition(
            {mainFrame.left, mainFrame.top, mainFrame.right - mainFrame.left,
             mainFrame.bottom - mainFrame.top},
            ownFrame.right - ownFrame.left, ownFrame.bottom - ownFrame.top);
        SetWindowPos(frm, nullptr, start.x, start.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    SetWindowTextW(lblVersion, widen(AboutText::versionLine().c_str()).c_str());
}

void frmAbout::drawItem(const DRAWITEMSTRUCT& item)
{
    if (item.hwndItem == Image1) {
        FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
        if (icon)
            DrawIconEx(item.hDC, 0, 0, icon.get(), item.rcItem.right, item.rcItem.bottom, 0,
                       nullptr, DI_NORMAL);
    } else if (item.hwndItem == Picture1) {
        const MemoryDc source(CreateCompatibleDC(item.hDC));
        if (!banner || !source) {
            FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
            return;
        }
        // Each of the banner's pixels becomes a whole square on a high-DPI
        // screen, never a blur.
        const SIZE picture = sizeOf(banner.get());
        const HGDIOBJ previous = SelectObject(source.get(), banner.get());
        SetStretchBltMode(item.hDC, COLORONCOLOR);
        StretchBlt(item.hDC, 0, 0, item.rcItem.right, item.rcItem.bottom, source.get(), 0, 0,
                   picture.cx, picture.cy, SRCCOPY);
        SelectObject(source.get(), previous);
    }
}

LRESULT CALLBACK frmAbout::txtURLProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR reference)
{
    auto* self = reinterpret_cast<frmAbout*>(reference);
    AboutLink& link = self->link;
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    bool click = false;
    switch (message) {
    case WM_MOUSEMOVE:
        link.move(x, y);
        if (link.isLit()) {
            // Told when the pointer leaves, even if the link no longer holds the mouse.
            TRACKMOUSEEVENT leaving {sizeof leaving, TME_LEAVE, field, 0};
            TrackMouseEvent(&leaving);
        }
        break;
    case WM_MOUSELEAVE: link.leave(); break;
    case WM_LBUTTONDOWN: link.press(x, y); break;
    case WM_LBUTTONDBLCLK: link.doubleClick(x, y); break;
    case WM_LBUTTONUP: click = link.release(x, y); break;
    case WM_SETCURSOR:
        // An arrow, not a text cursor, whenever the pointer is on the link.
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        return TRUE;
    case WM_CAPTURECHANGED:
        // Another window took the mouse: the link can no longer see the
        // pointer leave, so it goes back to rest.
        if (reinterpret_cast<HWND>(lParam) != field) {
            link.captureLost();
            self->showLink();
        }
        return DefSubclassProc(field, message, wParam, lParam);
    case WM_NCDESTROY:
        RemoveWindowSubclass(field, txtURLProcedure, id);
        return DefSubclassProc(field, message, wParam, lParam);
    default: return DefSubclassProc(field, message, wParam, lParam);
    }
    // The field's own handling of the mouse, selecting text, is left out.
    self->showLink();
    if (click)
        self->txtURLClick();
    return 0;
}

void frmAbout::cmdCancelClick()
{
    // Destroying the window deletes this object: nothing may follow.
    DestroyWindow(frm);
}

void frmAbout::txtURLClick()
{
    // Always the game's fixed address, never whatever the field shows.
    if (openAddress)
        openAddress(widen(AboutText::linkAddress).c_str());
}

void frmAbout::showLink()
{
    if (!txtURL)
        return;
    if (link.isLit() != shownLit) {
        shownLit = link.isLit();
        InvalidateRect(txtURL, nullptr, TRUE);
    }
    if (link.holdsPointer() && GetCapture() != txtURL) {
        SetCapture(txtURL);
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    } else if (!link.holdsPointer() && GetCapture() == txtURL) {
        ReleaseCapture();
    }
}
