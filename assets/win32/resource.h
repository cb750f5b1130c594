// Identifiers of the Windows program's resources, shared by the resource
// script and the code. The resource compiler reads this file too, so it holds
// plain #defines only.
#pragma once

// The program icon's group, in all its sizes; its 32 x 32 image in 256
// colours is icon 30001.
#define IDI_VERMILO 1

// Pictures: the sixteen cell sprites in the order of the game's Sprite enum
// (pWHU first), the twelve food pictures in the game's food order, and the
// about window's banner.
#define IDB_SPRITE_FIRST 200
#define IDB_FOOD_FIRST 300
#define IDB_BANNER 400

// The score's bold OCR-A face, registered for the program alone at start-up.
#define IDR_SCORE_FONT 500
