#pragma once

#include <string>

// What the about window says, the same in every front-end.
namespace AboutText {
// The makers' page: the only address the link ever opens, whatever it shows.
inline constexpr const char* linkAddress = "https://vermilo.example/";

// The makers' one-line notice under the title.
inline constexpr const char* description = "Made by the Vermilo team.";

// "Version: " and the program's major, minor and revision numbers in plain
// decimal: "Version: 1.1.3".
std::string versionLine();
}
