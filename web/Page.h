#pragma once

#include <initializer_list>
#include <string>
#include <utility>

// The document's elements, as page.js lets the game reach them: made, styled,
// and written by their ids; an empty id is the page's body.
namespace Page {
void create(const std::string& parent, const std::string& tag, const std::string& id);
void setStyle(const std::string& id, const std::string& property, const std::string& value);
void setStyles(const std::string& id,
               std::initializer_list<std::pair<const char*, std::string>> styles);
void setText(const std::string& id, const std::string& text);
void setAttribute(const std::string& id, const std::string& name, const std::string& value);

// CSS pixels, as the layout's pixels are laid out in the page.
std::string px(int pixels);
}
