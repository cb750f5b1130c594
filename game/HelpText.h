#pragma once

// How to play, as the instructions window shows it: three paragraphs and a
// farewell, separated by empty lines, each line break a CR LF pair, and no
// break after the last line. Every front-end shows this same text.
namespace HelpText {
inline constexpr const char* instructions
    = "The worm needs to be fed in order to survive."
      " Guide him around the screen to the food using the cursor keys on the keyboard."
      "\r\n\r\n"
      "Each time he eats, the Vermilo will grow."
      " The longer he is, the more points you score."
      "\r\n\r\n"
      "But watch out! Don't let the worm hit the walls or itself."
      "\r\n\r\n"
      "Good Luck.";
}
