#include "frmHelp.h"

#include "frmHelpForm.h"

namespace {
constexpr const wchar_t* className = L"VermiloHelp";
}

void frmHelp::open(HINSTANCE instance)
{
    if (!openWindow && !keep(std::unique_ptr<frmHelp>(new frmHelp(instance))))
        return;
    showAtFront();
}

frmHelp::frmHelp(HINSTANCE instance) : SecondaryWindow(frmHelpForm::form)
{
    createWindow(instance, className);
}

frmHelp::~frmHelp()
{
    if (frm)
        DestroyWindow(frm);
}

LRESULT frmHelp::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: formCreate(); return 0;
    case WM_PAINT: formPaint(); return 0;
    case WM_CTLCOLORSTATIC:
        // The heading and the read-only text lie on the white sheet.
        return builder.controlColours(reinterpret_cast<HDC>(wParam),
                                      reinterpret_cast<HWND>(lParam));
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
    takeScreenScale();
    for (const Form::Element& element : frmHelpForm::elements)
        builder.build(frm, element);
}

void frmHelp::formPaint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(frm, &paint);
    builder.paintShapes(dc);
    EndPaint(frm, &paint);
}

void frmHelp::Command1Click()
{
    // Destroying the window deletes this object: nothing may follow.
    DestroyWindow(frm);
}
