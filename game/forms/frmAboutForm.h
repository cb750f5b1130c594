#pragma once

#include <array>

#include "AboutText.h"
#include "Form.h"

// The about window: the game's name, version and banner, a link to the makers'
// page and an OK button that Enter and Esc press too.
namespace frmAboutForm {
using namespace Form;

inline constexpr Element Image1 {
    .kind = Kind::Image,
    .name = "Image1",
    .bounds = {16, 16, 32, 32},
    .picture = Picture::ProgramIcon,
};

inline constexpr Element lblTitle {
    .kind = Kind::Label,
    .name = "lblTitle",
    .bounds = {72, 8, 251, 32},
    .text = "Vermilo",
    .font = {.points = 12, .bold = true},
    .textColour = rgb(0, 0, 0),
};

inline constexpr Element lblDescription {
    .kind = Kind::Label,
    .name = "lblDescription",
    .bounds = {72, 32, 205, 22},
    .text = AboutText::description,
    .textColour = rgb(0, 0, 0),
};

// Its text is the version line, which the window writes when it opens.
inline constexpr Element lblVersion {
    .kind = Kind::Label,
    .name = "lblVersion",
    .bounds = {72, 56, 185, 17},
    .textColour = rgb(0, 0, 0),
};

// The banner, 309 × 91 pixels, in a two-pixel sunken edge.
inline constexpr Element Picture1 {
    .kind = Kind::Picture,
    .name = "Picture1",
    .bounds = {8, 120, 313, 95},
    .edge = Edge::Sunken,
    .picture = Picture::Banner,
};
inline constexpr int pictureEdge = 2;
inline constexpr Rect banner {0, 0, Picture1.bounds.width - 2 * pictureEdge,
                              Picture1.bounds.height - 2 * pictureEdge};

inline constexpr Element txtURL {
    .kind = Kind::Link,
    .name = "txtURL",
    .bounds = {80, 224, 161, 17},
    .text = AboutText::linkAddress,
    .font = {.underline = true},
    .align = Align::Centre,
    .textColour = rgb(0, 0, 255),
    .background = systemColour(ColourRole::ActiveBorder),
    .hoverColour = rgb(255, 0, 0),
    .readOnly = true,
};

inline constexpr Element cmdCancel {
    .kind = Kind::Button,
    .name = "cmdCancel",
    .bounds = {128, 256, 65, 25},
    .text = "OK",
    .tabStop = true,
    .isDefault = true,
    .isCancel = true,
};

inline constexpr std::array elements {Image1,   lblTitle, lblDescription, lblVersion,
                                      Picture1, txtURL,   cmdCancel};

inline constexpr Window form {
    .name = "frmAbout",
    .caption = "About Vermilo",
    .clientWidth = 329,
    .clientHeight = 288,
    .border = Border::Sizable,
    .buttons = {.minimize = true, .maximize = true, .close = true},
    .icon = Icon::Program,
    .elements = elements,
};
}
