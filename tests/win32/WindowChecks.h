#pragma once

#include <cstdint>
#include <string>
#include <vector>
#include <windows.h>

#include "Form.h"
#include "GameReferee.h"

class frmMain;

// What the Windows main window shows, in the terms the rules' referee compares.
GameView viewOf(const frmMain& window);

// Whether the menu item of that command is checked.
bool isChecked(HMENU menu, Form::Command command);

// The board as the rules say it must look, drawn from the committed bitmap
// files rather than from the program's resources, and compared pixel for pixel
// with the window's persistent image. Empty when they agree.
std::string boardDifference(const frmMain& window, const GameReferee& referee);
