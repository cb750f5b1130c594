#pragma once

#include <cstdint>
#include <span>
#include <string>

// The words the game's windows are described in: a window and its elements as
// constant data, the way a form file holds them. Every front-end builds its
// windows from these tables and keeps only their behaviour. Positions and
// sizes are pixels of the layout, before a front-end scales it for a dense screen.
namespace Form {
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A colour as red, green and blue, or one the desktop's colour scheme decides.
enum class ColourRole : std::uint8_t {
    Rgb,
    Transparent, // nothing painted: what lies behind shows
    Window, // the background of text fields and sheets, white in the usual scheme
    WindowText, // ordinary text
    WindowFrame, // thin outlines, black in the usual scheme
    ButtonFace, // the background of dialogs and buttons
    ActiveBorder, // the active window's border, a light grey in the usual scheme
};

struct Colour {
    ColourRole role = ColourRole::Transparent;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

constexpr Colour rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return {ColourRole::Rgb, red, green, blue};
}

constexpr Colour systemColour(ColourRole role)
{
    return {role};
}

// Lettering by face, size in points and weight; a null face is the desktop's own.
struct Font {
    const char* face = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
    bool underline = false;
};

// The lettering of the dialogs' plain text, which their elements use unless a
// row says otherwise.
inline constexpr Font standardFont {};

// Where the text lies in its element: at the top, at the left or centred
// across; or centred both across and down.
enum class Align : std::uint8_t { Left, Centre, Middle };

// The line around an element.
enum class Edge : std::uint8_t {
    None,
    Flat, // one plain pixel
    Sunken, // two pixels, shaded as if the element lay below the window
};

enum class Kind : std::uint8_t {
    Shape, // a filled rectangle with an outline, behind the rest
    Label, // a line of text
    TextField, // text in a field of its own, which the player can select
    Button,
    Link, // a field whose text lights up under the pointer and opens a page
    Image, // a picture at its natural size
    Picture, // a picture in a box with an edge, the box sized to the picture
    Board, // the play field: a picture box the rules draw into
};

// What an image or picture element shows.
enum class Picture : std::uint8_t { None, ProgramIcon, Banner };

// One element of a window, from back to front in its window's table.
struct Element {
    Kind kind = Kind::Label;
    const char* name = "";
    // In the client area, or inside the element named here, in its inner pixels.
    Rect bounds {};
    const char* container = nullptr;
    const char* text = "";
    Font font = standardFont;
    Align align = Align::Left;
    Colour textColour = systemColour(ColourRole::WindowText);
    Colour background = systemColour(ColourRole::Transparent);
    // A link's text colour while the pointer is on it.
    Colour hoverColour = textColour;
    Edge edge = Edge::None;
    Picture picture = Picture::None;
    bool readOnly = false;
    bool multiLine = false;
    bool scrollBars = false;
    // Reached with Tab; the window first gives the keyboard to its default button.
    bool tabStop = false;
    // Enter presses the default button, Esc the cancel button.
    bool isDefault = false;
    bool isCancel = false;
};

enum class Border : std::uint8_t {
    FixedSingle, // the player cannot resize the window
    Sizable, // the player may resize it; its elements stay where they are
};

struct TitleButtons {
    bool minimize = false;
    bool maximize = false;
    bool close = true;
};

enum class Icon : std::uint8_t { None, Program };

// A window: its frame and its elements.
struct Window {
    const char* name = "";
    const char* caption = "";
    int clientWidth = 0;
    int clientHeight = 0;
    Border border = Border::FixedSingle;
    TitleButtons buttons {};
    Icon icon = Icon::None;
    Font font = standardFont;
    std::span<const Element> elements {};
};

// Several image elements of one name, told apart by their index.
struct ImageArray {
    const char* name = "";
    int count = 0;
    int width = 0;
    int height = 0;
    const char* container = nullptr;
};

struct Timer {
    const char* name = "";
    int interval = 0; // milliseconds
    const char* container = nullptr;
};

// What a menu item does when it is chosen.
enum class Command : std::uint8_t {
    None,
    GameNew,
    GameExit,
    OptionsSound,
    OptionsPause,
    HelpInstruct,
    HelpAbout,
};
inline constexpr int commandCount = 7;

// Virtual-key codes, as the rules take the cursor keys: a letter is its capital.
inline constexpr int keyF2 = 0x71;

// A key that chooses a menu item while its window is active.
struct Shortcut {
    int key = 0; // none
    bool control = false;
};

// The shortcut as a menu shows it beside the caption: "F2", "Ctrl+P"; empty for none.
std::string shortcutText(const Shortcut& shortcut);

// One row of a menu bar: a top-level menu, followed by its items, top to
// bottom. An ampersand marks the letter that chooses it from the keyboard.
struct MenuItem {
    const char* name = "";
    const char* caption = "";
    bool topLevel = false;
    bool separator = false;
    Command command = Command::None;
    Shortcut shortcut {};
    bool checkable = false;
};
}
