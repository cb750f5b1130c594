#pragma once

#include <QFont>
#include <QIcon>
#include <QPixmap>

#include <array>
#include <functional>
#include <span>

#include "Form.h"

class QAction;
class QMenuBar;
class QWidget;

// Makes the game's Qt windows from their rows in the game's form tables: one
// small builder for each kind of element, so that a window's own code keeps
// only its behaviour. Positions are layout pixels; Qt scales them for the screen.
namespace FormBuilder {
// Names the window, gives it its caption, lettering, icon, border and
// title-bar buttons, and fixes its size where the border is fixed.
void buildWindow(QWidget& window, const Form::Window& form, const QIcon& programIcon = {});

// Makes the element a row describes as a child of `parent`; an image or a
// picture element shows `picture`.
QWidget* build(const Form::Element& element, QWidget* parent, const QPixmap& picture = {});

// Fills a menu bar from a menu table; `choose` runs the command of the item
// chosen. Returns the items by command.
std::array<QAction*, Form::commandCount>
buildMenus(QMenuBar& bar, std::span<const Form::MenuItem> menu,
           const std::function<void(Form::Command)>& choose);

// The face a row names where it is installed, else the nearest the desktop
// has, at a point size that keeps the letters the size of the pixel layout.
QFont font(const Form::Font& font);
QColor colour(const Form::Colour& colour);
void setTextColour(QWidget& widget, const Form::Colour& colour);
}
