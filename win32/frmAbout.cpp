#include "frmAbout.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include "AboutLayout.h"
#include "AboutText.h"
#include "ClientArea.h"
#include "Controls.h"
#include "DialogFont.h"
#include "resource.h"
#include "ScreenScale.h"
#include "WideText.h"

namespace {
constexpr const wchar_t* className = L"VermiloAbout";
constexpr int clientWidth = 329;
constexpr int clientHeight = 288;
constexpr int iconSize = 32;
// The banner's size when the program carries none: the box stays blank.
constexpr SIZE bannerSize {309, 91};
// Picture1's sunken border on each side, as the system draws it at 96 dpi.
constexpr int bannerBorder = 2;
constexpr COLORREF linkAtRest = RGB(0, 0, 255);
constexpr COLORREF linkHoverColour = RGB(255, 0, 0);

SIZE sizeOf(HBITMAP bitmap)
{
    BITMAP description {};
    if (!bitmap || !GetObjectW(bitmap, sizeof description, &description))
        return bannerSize;
    return {description.bmWidth, description.bmHeight};
}

RECT frameOf(HWND window)
{
    RECT frame {};
    GetWindowRect(window, &frame);
    return frame;
}
}

std::function<void(const wchar_t* address)> frmAbout::openAddress = [](const wchar_t* address) {
    // The result is not looked at: with no browser nothing happens.
    ShellExecuteW(nullptr, nullptr, address, nullptr, nullptr, SW_SHOWNORMAL);
};

void frmAbout::open(HINSTANCE instance, HWND mainWindow)
{
    if (openWindow) {
        open(instance, mainWindow, nullptr, nullptr);
        return;
    }
    const int shownIconSize = iconSize * screenScale();
    IconHandle icon(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_VERMILO),
                                                  IMAGE_ICON, shownIconSize, shownIconSize, 0)));
    BitmapHandle banner(static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(IDB_BANNER),
                                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    open(instance, mainWindow, std::move(icon), std::move(banner));
}

void frmAbout::open(HINSTANCE instance, HWND mainWindow, IconHandle icon, BitmapHandle banner)
{
    if (!openWindow) {
        if (!keep(std::unique_ptr<frmAbout>(
                new frmAbout(instance, std::move(icon), std::move(banner)))))
            return;
        openWindow->formLoad(mainWindow);
    }
    // An open window comes to the front where the player left it.
    showAtFront();
}

frmAbout::frmAbout(HINSTANCE instance, IconHandle programIcon, BitmapHandle bannerPicture)
    : icon(std::move(programIcon)), banner(std::move(bannerPicture)), scale(screenScale()),
      titleFont(dialogFont(12, scale, true)), standardFont(dialogFont(8.25, scale)),
      linkFont(dialogFont(8.25, scale, false, true)), linkColour(linkAtRest)
{
    createWindow(instance, className, L"About Vermilo", clientWidth, clientHeight);
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
    case WM_CTLCOLORSTATIC:
        return controlColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
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
        restLink();
        break;
    }
    return commonMessage(message, wParam, lParam);
}

void frmAbout::formCreate()
{
    fitClientArea(frm, clientWidth * scale, clientHeight * scale);
    SendMessageW(frm, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon.get()));
    SendMessageW(frm, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon.get()));

    const DWORD label = SS_LEFT | SS_NOPREFIX;
    HFONT standard = standardFont.get();
    Image1 = createControl(frm, L"STATIC", L"", SS_OWNERDRAW, 0, {16, 16, iconSize, iconSize},
                           scale, idImage1, standard);
    lblTitle = createControl(frm, L"STATIC", L"Vermilo", label, 0, {72, 8, 251, 32}, scale,
                             idlblTitle, titleFont.get());
    lblDescription = createControl(frm, L"STATIC", widen(AboutText::description).c_str(), label, 0,
                                   {72, 32, 205, 22}, scale, idlblDescription, standard);
    lblVersion = createControl(frm, L"STATIC", L"", label, 0, {72, 56, 185, 17}, scale,
                               idlblVersion, standard);
    // The banner in a two-pixel sunken border, the box sized to the picture.
    const SIZE picture = sizeOf(banner.get());
    Picture1 = createControl(frm, L"STATIC", L"", SS_OWNERDRAW, WS_EX_CLIENTEDGE,
                             {8, 120, picture.cx + 2 * bannerBorder, picture.cy + 2 * bannerBorder},
                             scale, idPicture1, standard);
    // However thick the system draws the border, the picture fits inside it.
    fitClientArea(Picture1, picture.cx * scale, picture.cy * scale);
    txtURL = createControl(frm, L"EDIT", widen(AboutText::linkAddress).c_str(),
                           ES_READONLY | ES_CENTER | ES_AUTOHSCROLL, 0, {80, 224, 161, 17}, scale,
                           idtxtURL, linkFont.get());
    SetWindowSubclass(txtURL, txtURLProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
    cmdCancel = createControl(frm, L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 0,
                              {128, 256, 65, 25}, scale, idcmdCancel, standard);
}

void frmAbout::formLoad(HWND mainWindow)
{
    linkHovered = false;

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

LRESULT frmAbout::controlColours(HDC dc, HWND control)
{
    if (control == txtURL) {
        SetTextColor(dc, linkColour);
        SetBkColor(dc, GetSysColor(COLOR_ACTIVEBORDER));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_ACTIVEBORDER));
    }
    // The labels are black on whatever lies behind them.
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(HOLLOW_BRUSH));
}

LRESULT CALLBACK frmAbout::txtURLProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR reference)
{
    auto* self = reinterpret_cast<frmAbout*>(reference);
    switch (message) {
    case WM_MOUSEMOVE: self->txtURLMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_SETCURSOR:
        // An arrow, not a text cursor, whenever the pointer is on the link.
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        return TRUE;
    case WM_LBUTTONDOWN: self->linkPressed = true; return 0;
    case WM_LBUTTONDBLCLK:
        // The second press of a double click: the first already opened the page.
        return 0;
    case WM_LBUTTONUP: self->txtURLButtonUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_CAPTURECHANGED:
        // Another window took the mouse: the link can no longer see the
        // pointer leave, so it goes back to rest.
        if (reinterpret_cast<HWND>(lParam) != field)
            self->leaveLink();
        break;
    case WM_NCDESTROY: RemoveWindowSubclass(field, txtURLProcedure, id); break;
    }
    return DefSubclassProc(field, message, wParam, lParam);
}

void frmAbout::cmdCancelClick()
{
    // Destroying the window deletes this object: nothing may follow.
    DestroyWindow(frm);
}

void frmAbout::txtURLMouseMove(int x, int y)
{
    RECT field {};
    GetClientRect(txtURL, &field);
    if (!AboutLayout::linkContains(x, y, field.right, field.bottom)) {
        restLink();
        linkPressed = false;
    } else if (!linkHovered) {
        linkHovered = true;
        // Holding the mouse lets the field see the pointer go off it.
        SetCapture(txtURL);
        setLinkColour(linkHoverColour);
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    }
}

void frmAbout::txtURLButtonUp(int x, int y)
{
    RECT field {};
    GetClientRect(txtURL, &field);
    const bool click = linkPressed && AboutLayout::linkContains(x, y, field.right, field.bottom);
    linkPressed = false;
    if (click)
        txtURLClick();
}

void frmAbout::txtURLClick()
{
    restLink();
    // Always the game's fixed address, never whatever the field shows.
    if (openAddress)
        openAddress(widen(AboutText::linkAddress).c_str());
}

void frmAbout::restLink()
{
    leaveLink();
    if (GetCapture() == txtURL)
        ReleaseCapture();
}

void frmAbout::leaveLink()
{
    linkHovered = false;
    setLinkColour(linkAtRest);
}

void frmAbout::setLinkColour(COLORREF colour)
{
    if (colour == linkColour)
        return;
    linkColour = colour;
    InvalidateRect(txtURL, nullptr, TRUE);
}
