#pragma once

#include <string>

#include "Form.h"

// Builds the page's elements from the game's window tables, one small builder
// per kind of element, as the desktop programs build their windows.
namespace FormBuilder {
// The element's id in the page: its window's name and its own.
std::string elementId(const Form::Window& window, const char* name);

std::string colour(const Form::Colour& colour);
void place(const std::string& id, const Form::Rect& bounds);
void setFont(const std::string& id, const Form::Font& font);

// Makes a window's frame, caption and client area, hidden, with every element
// in it; returns the id of its client area.
std::string buildWindow(const Form::Window& window);
void buildElement(const Form::Window& window, const Form::Element& element);

// A caption with its access key's letter underlined: "&Game" shows "Game".
void setCaption(const std::string& id, const char* caption);
// The letter after the ampersand, in capitals; none is 0.
char accessKey(const char* caption);
}
