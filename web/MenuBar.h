#pragma once

#include <emscripten/html5.h>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "Form.h"

// The page's menu bar, made from the game's menu table: menus that open on a
// click or their access key with Alt, items with check marks and shortcuts,
// chosen with the mouse or the keyboard.
class MenuBar {
public:
    using Chosen = std::function<void(Form::Command)>;

    MenuBar(std::span<const Form::MenuItem> items, Chosen chosen);
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    void setChecked(Form::Command command, bool checked);
    // Takes a key while a menu is open, or Alt with a menu's letter; true
    // when the key was the menu's.
    bool keyDown(const EmscriptenKeyboardEvent& event);
    // A closed menu bar opens nothing more.
    void disable();

private:
    struct Hook {
        MenuBar* bar;
        int row;
    };

    static EM_BOOL clicked(int, const EmscriptenMouseEvent*, void* hook);
    static EM_BOOL entered(int, const EmscriptenMouseEvent*, void* hook);
    static EM_BOOL shadeClicked(int, const EmscriptenMouseEvent*, void* bar);

    void rowClicked(int row);
    void open(int topRow);
    void close();
    void highlight(int row);
    void choose(int row);
    int nextMenu(int direction) const;
    int nextItem(int direction) const;
    std::string itemsId(int topRow) const;

    std::span<const Form::MenuItem> items;
    Chosen chosen;
    std::vector<Hook> hooks;
    int openRow = -1;
    int litRow = -1;
    bool enabled = true;
    // The click that chose an item goes on to its menu's title, which holds it.
    bool itemJustChosen = false;
};
