// Identifiers of the Windows program's resources, shared by the resource
// script and the code. The resource compiler reads this file too, so it holds
// plain #defines only.
#pragma once

// The program icon's group, in all its sizes; its 32 x 32 image in 256
// colours is icon 30001.
#define IDI_VERMILO 1

// The main window's menu bar and its shortcut keys.
#define IDM_MAIN 100
#define IDA_MAIN 101

// Menu commands.
#define IDM_GAME_NEW 1001
#define IDM_GAME_EXIT 1002
#define IDM_OPTIONS_SOUND 1011
#define IDM_OPTIONS_PAUSE 1012
#define IDM_HELP_INSTRUCT 1021
#define IDM_HELP_ABOUT 1022

// Pictures: the sixteen cell sprites in the order of the game's Sprite enum
// (pWHU first), the twelve food pictures in the game's food order, and the
// about window's banner.
#define IDB_SPRITE_FIRST 200
#define IDB_FOOD_FIRST 300
#define IDB_BANNER 400

// The score's bold OCR-A face, registered for the program alone at start-up.
#define IDR_SCORE_FONT 500
