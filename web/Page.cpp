#include "Page.h"

extern "C" {
void vermilo_create(const char* parent, const char* tag, const char* id);
void vermilo_set_style(const char* id, const char* property, const char* value);
void vermilo_set_text(const char* id, const char* text);
void vermilo_set_attribute(const char* id, const char* name, const char* value);
}

namespace Page {
void create(const std::string& parent, const std::string& tag, const std::string& id)
{
    vermilo_create(parent.c_str(), tag.c_str(), id.c_str());
}

void setStyle(const std::string& id, const std::string& property, const std::string& value)
{
    vermilo_set_style(id.c_str(), property.c_str(), value.c_str());
}

void setStyles(const std::string& id,
               std::initializer_list<std::pair<const char*, std::string>> styles)
{
    for (const auto& [property, value] : styles)
        vermilo_set_style(id.c_str(), property, value.c_str());
}

void setText(const std::string& id, const std::string& text)
{
    vermilo_set_text(id.c_str(), text.c_str());
}

void setAttribute(const std::string& id, const std::string& name, const std::string& value)
{
    vermilo_set_attribute(id.c_str(), name.c_str(), value.c_str());
}

std::string px(int pixels)
{
    return std::to_string(pixels) + "px";
}
}
