#pragma once

#include <array>

#include "Form.h"
#include "GamePlatform.h"

// The main window: the play field fills its client area, with the score over
// it, the food pictures on it, the two timers and the menu bar.
namespace frmMainForm {
using namespace Form;

// A single flat line around the field; the rules read the field's inner size,
// 479 × 367, which is 30 × 23 cells with the last column and row partly shown.
inline constexpr Element picBoard {
    .kind = Kind::Board,
    .name = "picBoard",
    .bounds = {0, 0, 481, 369},
    .background = rgb(0, 0, 0),
    .edge = Edge::Flat,
};
inline constexpr int boardBorder = 1;
inline constexpr int boardInnerWidth = picBoard.bounds.width - 2 * boardBorder;
inline constexpr int boardInnerHeight = picBoard.bounds.height - 2 * boardBorder;

// The score's big digits, centred across the whole field about mid-height,
// the board showing around them.
inline constexpr Element lblScore {
    .kind = Kind::Label,
    .name = "lblScore",
    .bounds = {0, 136, 481, 113},
    .container = "picBoard",
    .text = "0",
    .font = {.face = "OCR A Extended", .points = 72, .bold = true},
    .align = Align::Middle,
    .textColour = rgb(255, 255, 255),
};

// The food pictures, each 32 × 32 pixels, covering a block of 2 × 2 cells.
inline constexpr ImageArray foodPictures {
    .name = "Image1",
    .count = 12,
    .width = 32,
    .height = 32,
    .container = "picBoard",
};

// Timer1 moves the worm; Timer2 counts the score up after a death.
inline constexpr Timer Timer1 {.name = "Timer1", .interval = 100};
inline constexpr Timer Timer2 {.name = "Timer2", .interval = 100, .container = "picBoard"};

inline constexpr std::array elements {picBoard, lblScore};

// Where the game cannot close its own window (a page in a browser's tab), what
// the field shows once Game > Exit has ended it.
inline constexpr const char* endedNotice = "Vermilo has ended. Reload the page to play again.";

inline constexpr Window form {
    .name = "frmMain",
    .caption = "Vermilo",
    .clientWidth = 481,
    .clientHeight = 369,
    .border = Border::FixedSingle,
    .buttons = {.minimize = false, .maximize = false, .close = true},
    .icon = Icon::Program,
    // The menus are lettered as the desktop letters them.
    .font = {.face = nullptr},
    .elements = elements,
};

inline constexpr std::array<MenuItem, 11> menu {{
    {.name = "mnuGame", .caption = "&Game", .topLevel = true},
    {.name = "mnuGameNew",
     .caption = "&New",
     .command = Command::GameNew,
     .shortcut = {.key = keyF2}},
    {.name = "mnusep1", .caption = "-", .separator = true},
    {.name = "mnuGameExit", .caption = "E&xit", .command = Command::GameExit},
    {.name = "mnuOptions", .caption = "&Options", .topLevel = true},
    {.name = "mnuOptionsSound",
     .caption = "&Sound FX",
     .command = Command::OptionsSound,
     .checkable = true},
    {.name = "mnuOptionsPause",
     .caption = "&Pause",
     .command = Command::OptionsPause,
     .shortcut = {.key = 'P', .control = true},
     .checkable = true},
    {.name = "mnuHelp", .caption = "&Help", .topLevel = true},
    {.name = "mnuHelpInstruct", .caption = "&Instructions", .command = Command::HelpInstruct},
    {.name = "mnusep2", .caption = "-", .separator = true},
    {.name = "mnuHelpAbout", .caption = "&About", .command = Command::HelpAbout},
}};

// The item whose check mark shows a mark of the rules.
constexpr Command markedItem(MenuMark mark)
{
    return mark == MenuMark::Sound ? Command::OptionsSound : Command::OptionsPause;
}
}
