#include "Form.h"

namespace Form {
std::string shortcutText(const Shortcut& shortcut)
{
    constexpr int keyF1 = 0x70;
    constexpr int keyF24 = 0x87;
    std::string text;
    if (shortcut.key == 0)
        return text;
    if (shortcut.control)
        text.append("Ctrl+");
    if (shortcut.key >= keyF1 && shortcut.key <= keyF24)
        text.append("F").append(std::to_string(shortcut.key - keyF1 + 1));
    else
        text.push_back(static_cast<char>(shortcut.key));
    return text;
}
}
