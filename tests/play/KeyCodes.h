#pragma once

#include <Qt>

#include "modWorm.h"

// The Qt key a player presses for one of the rules' cursor-key codes.
inline Qt::Key qtKey(int virtualKey)
{
    switch (virtualKey) {
    case modWorm::vkLeft: return Qt::Key_Left;
    case modWorm::vkUp: return Qt::Key_Up;
    case modWorm::vkRight: return Qt::Key_Right;
    default: return Qt::Key_Down;
    }
}
