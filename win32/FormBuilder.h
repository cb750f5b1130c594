#pragma once

#include <span>
#include <vector>
#include <windows.h>

#include "Form.h"
#include "GdiHandles.h"

// Makes the game's windows on the Windows API from their rows in the game's
// form tables: one small builder for each kind of element, so that a window's
// own code keeps only its behaviour. Every pixel of the layout becomes a
// square of `scale` screen pixels.
class FormBuilder {
public:
    explicit FormBuilder(const Form::Window& form, int scale = 1);
    FormBuilder(const FormBuilder&) = delete;
    FormBuilder& operator=(const FormBuilder&) = delete;

    // Makes the control a row describes in `window`, lettered in a font of its
    // own; a picture element's box fits a picture of `picture` layout pixels.
    // Shapes are no controls: paintShapes() draws them.
    HWND build(HWND window, const Form::Element& element, SIZE picture = {});
    // The colours a label, a read-only field or a link is painted in, as
    // WM_CTLCOLORSTATIC wants them; a lit link takes its hover colour.
    LRESULT controlColours(HDC dc, HWND control, bool lit = false) const;
    // Paints the window's shapes, behind its controls.
    void paintShapes(HDC dc) const;

    int scale() const { return layoutScale; }
    // Places and letters the controls made so far, and those still to come,
    // at a new scale, as when the window went to a screen of another density.
    void setScale(int scale);

    // The window's style: its border and title-bar buttons.
    static DWORD windowStyle(const Form::Window& form);
    // A control's identifier: IDOK for the default button, so that Enter and
    // Esc reach it as in a dialog; else its place in the table after 100.
    static int controlId(const Form::Window& form, const char* name);
    static COLORREF colour(const Form::Colour& colour);
    // "MS Sans Serif", as Windows maps it, at the point size for `scale`.
    static FontHandle font(const Form::Font& font, int scale);

    // A menu bar from a menu table, each item's identifier its command's, and
    // the table of the items' shortcut keys.
    static HMENU buildMenus(std::span<const Form::MenuItem> menu);
    static HACCEL buildShortcuts(std::span<const Form::MenuItem> menu);
    static UINT commandId(Form::Command command);
    static Form::Command commandOf(UINT id);

private:
    struct Control {
        HWND window;
        const Form::Element* element;
        SIZE picture;
        // Each control has lettering of its own, which lives as long as the builder.
        FontHandle font;
    };
    void place(Control& control) const;

    const Form::Window& form;
    int layoutScale;
    std::vector<Control> controls;
};
