#include "FormBuilder.h"

#include <cctype>
#include <cstdio>
#include <string_view>

#include "Page.h"

using namespace Form;

namespace FormBuilder {
namespace {
// The layout's pixels are those of a 96-dpi screen, as CSS pixels are.
std::string fontSize(double points)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2fpx", points * 96.0 / 72.0);
    return text;
}

std::string pictureUrl(Picture picture)
{
    return picture == Picture::Banner ? "pictures/banner.bmp" : "pictures/icon/vermilo-32.png";
}

// The line around an element, as wide as the desktop draws it.
void setEdge(const std::string& id, Edge edge, const Colour& line)
{
    switch (edge) {
    case Edge::Flat: Page::setStyle(id, "border", "1px solid " + colour(line)); break;
    case Edge::Sunken: Page::setStyle(id, "border", "2px inset ButtonFace"); break;
    default: Page::setStyle(id, "border", "none"); break;
    }
    // The element's rectangle includes its line, as on the desktop.
    Page::setStyle(id, "box-sizing", "border-box");
}

void setAlignment(const std::string& id, Align align)
{
    if (align == Align::Middle) {
        Page::setStyles(
            id, {{"display", "flex"}, {"align-items", "center"}, {"justify-content", "center"}});
    } else {
        Page::setStyle(id, "text-align", align == Align::Centre ? "center" : "left");
    }
}

// The text as the page shows it: each CR LF a plain line break.
std::string pageText(std::string_view text)
{
    std::string result;
    for (const char c : text)
        if (c != '\r')
            result.push_back(c);
    return result;
}
}

std::string elementId(const Window& window, const char* name)
{
    return std::string(window.name) + "-" + name;
}

std::string colour(const Colour& colour)
{
    switch (colour.role) {
    case ColourRole::Rgb: {
        char text[8];
        std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
        return text;
    }
    // The browser's own names for the desktop's colours.
    case ColourRole::Window: return "Canvas";
    case ColourRole::WindowText: return "CanvasText";
    case ColourRole::WindowFrame: return "WindowFrame";
    case ColourRole::ButtonFace: return "ButtonFace";
    // Browsers now show ActiveBorder as a button's dark outline; the desktop's
    // is the light grey of a window's frame.
    case ColourRole::ActiveBorder: return "ButtonFace";
    default: return "transparent";
    }
}

void place(const std::string& id, const Rect& bounds)
{
    Page::setStyles(id,
                    {{"position", "absolute"},
                     {"left", Page::px(bounds.left)},
                     {"top", Page::px(bounds.top)},
                     {"width", Page::px(bounds.width)},
                     {"height", Page::px(bounds.height)},
                     {"margin", "0"},
                     {"padding", "0"}});
}

void setFont(const std::string& id, const Font& font)
{
    Page::setStyle(id, "font-family",
                   font.face ? "\"" + std::string(font.face) + "\", sans-serif"
                             : std::string("system-ui, sans-serif"));
    Page::setStyles(id,
                    {{"font-size", fontSize(font.points)},
                     {"font-weight", font.bold ? "bold" : "normal"},
                     {"text-decoration", font.underline ? "underline" : "none"}});
}

void buildElement(const Window& window, const Element& element)
{
    // The board is a box; its front-end puts the canvas the rules draw on in it.
    static constexpr const char* tags[]
        = {"div", "div", "textarea", "button", "a", "img", "div", "div"};
    const std::string id = elementId(window, element.name);
    const std::string parent = element.container ? elementId(window, element.container)
                                                 : std::string(window.name) + "-client";
    Page::create(parent, tags[static_cast<int>(element.kind)], id);
    place(id, element.bounds);
    setFont(id, element.font);
    Page::setStyle(id, "color", colour(element.textColour));
    Page::setStyle(id, "background", colour(element.background));
    setEdge(id, element.edge, element.kind == Kind::Shape ? element.textColour : Colour {});
    setAlignment(id, element.align);
    Page::setStyle(id, "white-space", element.multiLine ? "pre-wrap" : "nowrap");
    Page::setStyle(id, "overflow", "hidden");
    switch (element.kind) {
    case Kind::TextField:
        if (element.readOnly)
            Page::setAttribute(id, "readonly", "");
        Page::setStyle(id, "resize", "none");
        Page::setText(id, pageText(element.text));
        break;
    case Kind::Button:
        // The browser's own button, its caption centred.
        Page::setStyles(id,
                        {{"border", ""},
                         {"background", ""},
                         {"color", "ButtonText"},
                         {"text-align", "center"}});
        Page::setText(id, element.text);
        break;
    case Kind::Link:
        // A new tab, which learns nothing of this page.
        Page::setAttribute(id, "href", element.text);
        Page::setAttribute(id, "target", "_blank");
        Page::setAttribute(id, "rel", "noopener noreferrer");
        Page::setText(id, element.text);
        break;
    // A panel's pictures are fetched when it first shows, not with the page.
    case Kind::Image:
        Page::setAttribute(id, "loading", "lazy");
        Page::setAttribute(id, "src", pictureUrl(element.picture));
        break;
    case Kind::Picture: {
        const std::string image = id + "-image";
        Page::create(id, "img", image);
        Page::setAttribute(image, "loading", "lazy");
        Page::setAttribute(image, "src", pictureUrl(element.picture));
        Page::setStyle(image, "display", "block");
        break;
    }
    case Kind::Board: break;
    default: Page::setText(id, pageText(element.text)); break;
    }
    if (!element.tabStop)
        Page::setAttribute(id, "tabindex", "-1");
}

std::string buildWindow(const Window& window)
{
    const std::string frame = window.name;
    const std::string caption = frame + "-caption";
    const std::string client = frame + "-client";
    Page::create("", "div", frame);
    Page::setAttribute(frame, "role", "dialog");
    Page::setAttribute(frame, "aria-label", window.caption);
    Page::setStyles(frame,
                    {{"position", "absolute"},
                     {"display", "none"},
                     {"border", "2px outset ButtonFace"},
                     {"background", "ButtonFace"},
                     {"z-index", "10"}});

    Page::create(frame, "div", caption);
    Page::setText(caption, window.caption);
    setFont(caption, {.face = nullptr, .points = window.font.points, .bold = true});
    Page::setStyles(caption,
                    {{"background", "ActiveCaption"},
                     {"color", "CaptionText"},
                     {"padding", "2px 4px"},
                     {"position", "relative"}});
    if (window.buttons.close) {
        const std::string close = frame + "-close";
        Page::create(caption, "button", close);
        Page::setText(close, "\u00d7");
        Page::setAttribute(close, "aria-label", "Close");
        Page::setAttribute(close, "tabindex", "-1");
        Page::setStyles(close,
                        {{"position", "absolute"},
                         {"right", "2px"},
                         {"top", "1px"},
                         {"line-height", "1"},
                         {"padding", "0 4px"}});
    }

    Page::create(frame, "div", client);
    Page::setStyles(client,
                    {{"position", "relative"},
                     {"width", Page::px(window.clientWidth)},
                     {"height", Page::px(window.clientHeight)},
                     {"overflow", "hidden"}});
    setFont(client, window.font);
    // A sizable window is resized from its corner; its elements stay put.
    if (window.border == Border::Sizable)
        Page::setStyle(client, "resize", "both");
    for (const Element& element : window.elements)
        buildElement(window, element);
    return client;
}

void setCaption(const std::string& id, const char* caption)
{
    const std::string_view text(caption);
    const auto mark = text.find('&');
    if (mark == std::string_view::npos || mark + 1 >= text.size()) {
        Page::setText(id, std::string(text));
        return;
    }
    Page::create(id, "span", id + "-before");
    Page::setText(id + "-before", std::string(text.substr(0, mark)));
    Page::create(id, "u", id + "-key");
    Page::setText(id + "-key", std::string(text.substr(mark + 1, 1)));
    Page::create(id, "span", id + "-after");
    Page::setText(id + "-after", std::string(text.substr(mark + 2)));
}

char accessKey(const char* caption)
{
    const std::string_view text(caption);
    const auto mark = text.find('&');
    if (mark == std::string_view::npos || mark + 1 >= text.size())
        return 0;
    return static_cast<char>(std::toupper(static_cast<unsigned char>(text[mark + 1])));
}
}
