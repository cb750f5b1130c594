#pragma once

#include <array>

#include "Form.h"
#include "HelpText.h"

// The instructions window: a heading and how to play on a white sheet, and an
// OK button that Enter and Esc press too.
namespace frmHelpForm {
using namespace Form;

// The sheet reaches past the right and bottom edges, so only its top and left
// outline fall inside the window.
inline constexpr Element Shape1 {
    .kind = Kind::Shape,
    .name = "Shape1",
    .bounds = {0, 0, 305, 281},
    .textColour = systemColour(ColourRole::WindowFrame),
    .background = systemColour(ColourRole::Window),
    .edge = Edge::Flat,
};

inline constexpr Element Label1 {
    .kind = Kind::Label,
    .name = "Label1",
    .bounds = {8, 8, 289, 25},
    .text = "How to play Vermilo",
    .font = {.points = 9.75, .bold = true},
    .align = Align::Centre,
};

// Read-only, yet the player may select and copy; with no scroll bars the lines
// wrap between words.
inline constexpr Element Text1 {
    .kind = Kind::TextField,
    .name = "Text1",
    .bounds = {8, 32, 289, 201},
    .text = HelpText::instructions,
    .background = systemColour(ColourRole::Window),
    .edge = Edge::Sunken,
    .readOnly = true,
    .multiLine = true,
    .tabStop = true,
};

inline constexpr Element Command1 {
    .kind = Kind::Button,
    .name = "Command1",
    .bounds = {120, 240, 57, 25},
    .text = "OK",
    .tabStop = true,
    .isDefault = true,
    .isCancel = true,
};

inline constexpr std::array elements {Shape1, Label1, Text1, Command1};

inline constexpr Window form {
    .name = "frmHelp",
    .caption = "How to Play",
    .clientWidth = 303,
    .clientHeight = 272,
    .border = Border::Sizable,
    .buttons = {.minimize = true, .maximize = true, .close = true},
    .icon = Icon::None,
    .elements = elements,
};
}
