#pragma once

#include <Qt>

#include "modWorm.h"
#include "StormEvent.h"

// The Qt key a player presses for one of the virtual-key codes the rules and
// the storm use.
inline Qt::Key qtKey(int virtualKey)
{
    switch (virtualKey) {
    case modWorm::vkLeft: return Qt::Key_Left;
    case modWorm::vkUp: return Qt::Key_Up;
    case modWorm::vkRight: return Qt::Key_Right;
    case modWorm::vkDown: return Qt::Key_Down;
    case StormEvent::vkTab: return Qt::Key_Tab;
    case StormEvent::vkReturn: return Qt::Key_Return;
    case StormEvent::vkEscape: return Qt::Key_Escape;
    case StormEvent::vkSpace: return Qt::Key_Space;
    case StormEvent::vkHome: return Qt::Key_Home;
    case StormEvent::vkA: return Qt::Key_A;
    case StormEvent::vkP: return Qt::Key_P;
    case StormEvent::vkF1: return Qt::Key_F1;
    case StormEvent::vkF2: return Qt::Key_F2;
    case StormEvent::vkF3: return Qt::Key_F3;
    default: return Qt::Key_unknown;
    }
}
