#include "frmHelp.h"

#include "ClientArea.h"
#include "Controls.h"
#include "DialogFont.h"
#include "HelpText.h"
#include "ScreenScale.h"
#include "WideText.h"

namespace {
constexpr const wchar_t* className = L"VermiloHelp";
constexpr int clientWidth = 303;
constexpr int clientHeight = 272;
// The white sheet behind everything reaches past the right and bottom edges.
constexpr SIZE Shape1Size {305, 281};
}

void frmHelp::open(HINSTANCE instance)
{
    if (!openWindow && !keep(std::unique_ptr<frmHelp>(new frmHelp(instance))))
        return;
    showAtFront();
}

frmHelp::frmHelp(HINSTANCE instance)
    : scale(screenScale()), headingFont(dialogFont(9.75, scale, true)),
      standardFont(dialogFont(8.25, scale))
{
    createWindow(instance, className, L"How to Play", clientWidth, clientHeight);
}

frmHelp::~frmHelp()
{
    if (frm)
        DestroyWindow(frm);
}

LRESULT frmHelp::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        formCreate();
        formLoad();
        return 0;
    case WM_PAINT: formPaint(); return 0;
    case WM_CTLCOLORSTATIC: {
        // The heading and the read-only text lie on the white sheet.
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    case WM_COMMAND:
        // OK is both the default and the cancel button: Enter and Esc press it.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            Command1Click();
            return 0;
        }
        break;
    }
    return commonMessage(message, wParam, lParam);
}

void frmHelp::formCreate()
{
    fitClientArea(frm, clientWidth * scale, clientHeight * scale);
    Label1 = createControl(frm, L"STATIC", L"How to play Vermilo", SS_CENTER | SS_NOPREFIX, 0,
                           {8, 8, 289, 25}, scale, idLabel1, headingFont.get());
    // Read-only, yet the player may still select and copy; without scroll
    // bars the lines wrap between words.
    Text1 = createControl(frm, L"EDIT", L"", ES_MULTILINE | ES_READONLY | WS_TABSTOP,
                          WS_EX_CLIENTEDGE, {8, 32, 289, 201}, scale, idText1, standardFont.get());
    Command1 = createControl(frm, L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 0,
                             {120, 240, 57, 25}, scale, idCommand1, standardFont.get());
}

void frmHelp::formLoad()
{
    SetWindowTextW(Text1, widen(HelpText::instructions).c_str());
}

void frmHelp::formPaint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(frm, &paint);
    // Shape1: the window colour with a one-pixel outline, of which only the
    // top and left fall inside the window.
    RECT sheet {0, 0, Shape1Size.cx * scale, Shape1Size.cy * scale};
    FillRect(dc, &sheet, GetSysColorBrush(COLOR_WINDOW));
    for (int line = 0; line < scale; ++line) {
        FrameRect(dc, &sheet, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&sheet, -1, -1);
    }
    EndPaint(frm, &paint);
}

void frmHelp::Command1Click()
{
    // Destroying the window deletes this object: nothing may follow.
    DestroyWindow(frm);
}
