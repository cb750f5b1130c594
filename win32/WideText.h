#pragma once

#include <string>

// The game's texts are plain ASCII; the Windows calls take them wide.
inline std::wstring widen(const char* text)
{
    return std::wstring(text, text + std::char_traits<char>::length(text));
}
