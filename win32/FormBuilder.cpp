#include "FormBuilder.h"

#include <cmath>
#include <cstring>
#include <string>

#include "ClientArea.h"
#include "WideText.h"

using namespace Form;

namespace {
constexpr int firstControlId = 101;
constexpr UINT firstCommandId = 1000;

int systemIndex(ColourRole role)
{
    switch (role) {
    case ColourRole::Window: return COLOR_WINDOW;
    case ColourRole::WindowFrame: return COLOR_WINDOWFRAME;
    case ColourRole::ButtonFace: return COLOR_BTNFACE;
    case ColourRole::ActiveBorder: return COLOR_ACTIVEBORDER;
    default: return COLOR_WINDOWTEXT;
    }
}

DWORD kindStyle(const Element& element)
{
    const DWORD centred = element.align == Align::Left ? 0 : ES_CENTER;
    const DWORD tabStop = element.tabStop ? WS_TABSTOP : 0;
    switch (element.kind) {
    case Kind::Label: return (element.align == Align::Left ? SS_LEFT : SS_CENTER) | SS_NOPREFIX;
    case Kind::TextField:
    case Kind::Link:
        return centred | tabStop | (element.readOnly ? ES_READONLY : 0)
            | (element.multiLine ? ES_MULTILINE : ES_AUTOHSCROLL)
            | (element.scrollBars ? WS_VSCROLL : 0);
    case Kind::Button: return (element.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | tabStop;
    default: return SS_OWNERDRAW;
    }
}

const wchar_t* kindClass(Kind kind)
{
    switch (kind) {
    case Kind::TextField:
    case Kind::Link: return L"EDIT";
    case Kind::Button: return L"BUTTON";
    default: return L"STATIC";
    }
}
}

FormBuilder::FormBuilder(const Form::Window& form, int scale) : form(form), layoutScale(scale) { }

HWND FormBuilder::build(HWND window, const Form::Element& element, SIZE picture)
{
    if (element.kind == Kind::Shape)
        return nullptr;
    auto* instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    HWND control = CreateWindowExW(
        element.edge == Edge::Sunken ? WS_EX_CLIENTEDGE : 0, kindClass(element.kind),
        widen(element.text).c_str(), WS_CHILD | WS_VISIBLE | kindStyle(element), 0, 0, 0, 0, window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(form, element.name))), instance,
        nullptr);
    controls.push_back({control, &element, picture, nullptr});
    place(controls.back());
    return control;
}

void FormBuilder::setScale(int scale)
{
    layoutScale = scale;
    for (Control& control : controls)
        place(control);
}

void FormBuilder::place(Control& control) const
{
    // A picture's box is sized to its picture, inside its edge.
    const Element& element = *control.element;
    const Rect& at = element.bounds;
    const int edge = element.edge == Edge::Sunken ? 2 : element.edge == Edge::Flat ? 1 : 0;
    const SIZE picture = control.picture;
    const bool sizedToPicture = element.kind == Kind::Picture && picture.cx > 0;
    const int width = sizedToPicture ? picture.cx + 2 * edge : at.width;
    const int height = sizedToPicture ? picture.cy + 2 * edge : at.height;
    const int s = layoutScale;
    SetWindowPos(control.window, nullptr, at.left * s, at.top * s, width * s, height * s,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    FontHandle lettering = font(element.font, s);
    SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(lettering.get()), TRUE);
    control.font = std::move(lettering);
    // However thick the system draws the edge, the picture fits inside it.
    if (sizedToPicture)
        fitClientArea(control.window, picture.cx * s, picture.cy * s);
}

LRESULT FormBuilder::controlColours(HDC dc, HWND control, bool lit) const
{
    for (const Control& made : controls) {
        if (made.window != control)
            continue;
        const Element* element = made.element;
        SetTextColor(dc, colour(lit ? element->hoverColour : element->textColour));
        const Colour& background = element->background;
        if (background.role == ColourRole::Transparent) {
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetStockObject(HOLLOW_BRUSH));
        }
        SetBkColor(dc, colour(background));
        if (background.role != ColourRole::Rgb)
            return reinterpret_cast<LRESULT>(GetSysColorBrush(systemIndex(background.role)));
        SetDCBrushColor(dc, colour(background));
        return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
    }
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void FormBuilder::paintShapes(HDC dc) const
{
    for (const Element& shape : form.elements) {
        if (shape.kind != Kind::Shape)
            continue;
        const Rect& at = shape.bounds;
        const int scale = layoutScale;
        RECT area {at.left * scale, at.top * scale, (at.left + at.width) * scale,
                   (at.top + at.height) * scale};
        FillRect(dc, &area, GetSysColorBrush(systemIndex(shape.background.role)));
        // The outline is a layout pixel wide.
        for (int line = 0; shape.edge != Edge::None && line < scale; ++line) {
            FrameRect(dc, &area, GetSysColorBrush(systemIndex(shape.textColour.role)));
            InflateRect(&area, -1, -1);
        }
    }
}

DWORD FormBuilder::windowStyle(const Form::Window& form)
{
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    if (form.border == Border::Sizable)
        style |= WS_THICKFRAME;
    if (form.buttons.minimize)
        style |= WS_MINIMIZEBOX;
    if (form.buttons.maximize)
        style |= WS_MAXIMIZEBOX;
    return style;
}

int FormBuilder::controlId(const Form::Window& form, const char* name)
{
    for (std::size_t i = 0; i < form.elements.size(); ++i)
        if (std::strcmp(form.elements[i].name, name) == 0)
            return form.elements[i].isDefault ? IDOK : firstControlId + static_cast<int>(i);
    return 0;
}

COLORREF FormBuilder::colour(const Form::Colour& colour)
{
    if (colour.role == ColourRole::Rgb)
        return RGB(colour.red, colour.green, colour.blue);
    return GetSysColor(systemIndex(colour.role));
}

FontHandle FormBuilder::font(const Form::Font& font, int scale)
{
    // A point is 1/72 inch; a negative height asks for the character height.
    const double pixelsPerInch = 96.0 * scale;
    const int height = -static_cast<int>(std::lround(font.points * pixelsPerInch / 72.0));
    return FontHandle(CreateFontW(
        height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, font.underline ? TRUE : FALSE,
        FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
        VARIABLE_PITCH | FF_SWISS, font.face ? widen(font.face).c_str() : nullptr));
}

HMENU FormBuilder::buildMenus(std::span<const Form::MenuItem> menu)
{
    HMENU bar = CreateMenu();
    HMENU current = nullptr;
    for (const MenuItem& row : menu) {
        if (row.topLevel) {
            current = CreatePopupMenu();
            AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(current),
                        widen(row.caption).c_str());
        } else if (row.separator) {
            AppendMenuW(current, MF_SEPARATOR, 0, nullptr);
        } else {
            // The shortcut is shown right-aligned, after a tab.
            const std::string shortcut = shortcutText(row.shortcut);
            const std::wstring text
                = widen(row.caption) + (shortcut.empty() ? L"" : L"\t" + widen(shortcut.c_str()));
            AppendMenuW(current, MF_STRING, commandId(row.command), text.c_str());
        }
    }
    return bar;
}

HACCEL FormBuilder::buildShortcuts(std::span<const Form::MenuItem> menu)
{
    std::vector<ACCEL> keys;
    for (const MenuItem& row : menu)
        if (row.shortcut.key != 0)
            keys.push_back({static_cast<BYTE>(FVIRTKEY | (row.shortcut.control ? FCONTROL : 0)),
                            static_cast<WORD>(row.shortcut.key),
                            static_cast<WORD>(commandId(row.command))});
    return CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

UINT FormBuilder::commandId(Form::Command command)
{
    return firstCommandId + static_cast<UINT>(command);
}

Form::Command FormBuilder::commandOf(UINT id)
{
    const UINT index = id - firstCommandId;
    return id >= firstCommandId && index < commandCount ? static_cast<Command>(index)
                                                        : Command::None;
}
