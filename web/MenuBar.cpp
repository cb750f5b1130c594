#include "MenuBar.h"

#include "FormBuilder.h"
#include "Page.h"

using namespace Form;

namespace {
constexpr const char* barId = "menubar";
// Catches a click anywhere outside an open menu, which closes it.
constexpr const char* shadeId = "menushade";
constexpr unsigned long codeEnter = 13;
constexpr unsigned long codeEscape = 27;
constexpr unsigned long codeLeft = 37;
constexpr unsigned long codeUp = 38;
constexpr unsigned long codeRight = 39;
constexpr unsigned long codeDown = 40;
constexpr const char* lit = "Highlight";
constexpr const char* litText = "HighlightText";

std::string selector(const char* name)
{
    return std::string("#") + name;
}
}

MenuBar::MenuBar(std::span<const MenuItem> items, Chosen chosen)
    : items(items), chosen(std::move(chosen))
{
    Page::create("", "div", shadeId);
    Page::setStyles(
        shadeId, {{"position", "fixed"}, {"inset", "0"}, {"display", "none"}, {"z-index", "20"}});
    emscripten_set_click_callback("#menushade", this, false, shadeClicked);

    Page::create("game", "div", barId);
    Page::setAttribute(barId, "role", "menubar");
    Page::setStyles(barId,
                    {{"display", "flex"},
                     {"position", "relative"},
                     {"z-index", "30"},
                     {"background", "Menu"},
                     {"user-select", "none"}});
    FormBuilder::setFont(barId, standardFont);
    Page::setStyle(barId, "font-family", "system-ui, sans-serif");

    hooks.reserve(items.size());
    int topRow = -1;
    for (int row = 0; row < static_cast<int>(items.size()); ++row) {
        const MenuItem& item = items[static_cast<std::size_t>(row)];
        hooks.push_back({this, row});
        Hook* hook = &hooks.back();
        if (item.topLevel) {
            topRow = row;
            Page::create(barId, "div", item.name);
            Page::setAttribute(item.name, "role", "menuitem");
            Page::setStyle(item.name, "padding", "2px 7px");
            Page::setStyle(item.name, "position", "relative");
            FormBuilder::setCaption(item.name, item.caption);
            const std::string list = itemsId(row);
            Page::create(item.name, "div", list);
            Page::setAttribute(list, "role", "menu");
            Page::setStyles(list,
                            {{"display", "none"},
                             {"position", "absolute"},
                             {"left", "0"},
                             {"top", "100%"},
                             {"background", "Menu"},
                             {"color", "MenuText"},
                             {"border", "2px outset ButtonFace"},
                             {"padding", "2px 0"},
                             {"white-space", "nowrap"}});
        } else if (item.separator) {
            Page::create(itemsId(topRow), "hr", item.name);
            Page::setStyle(item.name, "margin", "3px 1px");
            continue;
        } else {
            const std::string id = item.name;
            Page::create(itemsId(topRow), "div", id);
            Page::setAttribute(id, "role", item.checkable ? "menuitemcheckbox" : "menuitem");
            Page::setStyle(id, "display", "flex");
            Page::setStyle(id, "padding", "2px 0");
            for (const char* part : {"-check", "-caption", "-shortcut"}) {
                Page::create(id, "span", id + part);
            }
            Page::setStyle(id + "-check", "width", "20px");
            Page::setStyle(id + "-check", "text-align", "center");
            Page::setStyle(id + "-caption", "flex", "1");
            Page::setStyle(id + "-shortcut", "padding", "0 16px 0 24px");
            FormBuilder::setCaption(id + "-caption", item.caption);
            Page::setText(id + "-shortcut", shortcutText(item.shortcut));
            if (item.checkable)
                setChecked(item.command, false);
        }
        emscripten_set_click_callback(selector(item.name).c_str(), hook, false, clicked);
        emscripten_set_mouseenter_callback(selector(item.name).c_str(), hook, false, entered);
    }
}

std::string MenuBar::itemsId(int topRow) const
{
    return std::string(items[static_cast<std::size_t>(topRow)].name) + "-items";
}

void MenuBar::setChecked(Command command, bool checked)
{
    for (const MenuItem& item : items)
        if (item.command == command) {
            Page::setText(std::string(item.name) + "-check", checked ? "\u2713" : "");
            Page::setAttribute(item.name, "aria-checked", checked ? "true" : "false");
        }
}

EM_BOOL MenuBar::clicked(int, const EmscriptenMouseEvent*, void* hook)
{
    const auto* target = static_cast<Hook*>(hook);
    target->bar->rowClicked(target->row);
    return true;
}

EM_BOOL MenuBar::entered(int, const EmscriptenMouseEvent*, void* hook)
{
    const auto* target = static_cast<Hook*>(hook);
    MenuBar& bar = *target->bar;
    if (bar.openRow < 0)
        return false;
    if (bar.items[static_cast<std::size_t>(target->row)].topLevel) {
        if (target->row != bar.openRow)
            bar.open(target->row);
    } else {
        bar.highlight(target->row);
    }
    return false;
}

EM_BOOL MenuBar::shadeClicked(int, const EmscriptenMouseEvent*, void* bar)
{
    static_cast<MenuBar*>(bar)->close();
    return true;
}

void MenuBar::rowClicked(int row)
{
    if (!enabled)
        return;
    // A click on an item also reaches its menu's title, which holds it.
    if (!items[static_cast<std::size_t>(row)].topLevel) {
        choose(row);
        itemJustChosen = true;
    } else if (itemJustChosen) {
        itemJustChosen = false;
    } else if (openRow == row) {
        close();
    } else {
        open(row);
    }
}

void MenuBar::open(int topRow)
{
    close();
    openRow = topRow;
    Page::setStyle(items[static_cast<std::size_t>(topRow)].name, "background", lit);
    Page::setStyle(items[static_cast<std::size_t>(topRow)].name, "color", litText);
    Page::setStyle(itemsId(topRow), "display", "block");
    Page::setStyle(shadeId, "display", "block");
}

void MenuBar::close()
{
    highlight(-1);
    if (openRow >= 0) {
        Page::setStyle(items[static_cast<std::size_t>(openRow)].name, "background", "");
        Page::setStyle(items[static_cast<std::size_t>(openRow)].name, "color", "");
        Page::setStyle(itemsId(openRow), "display", "none");
    }
    Page::setStyle(shadeId, "display", "none");
    openRow = -1;
}

void MenuBar::highlight(int row)
{
    if (litRow >= 0) {
        Page::setStyle(items[static_cast<std::size_t>(litRow)].name, "background", "");
        Page::setStyle(items[static_cast<std::size_t>(litRow)].name, "color", "");
    }
    litRow = row;
    if (row >= 0) {
        Page::setStyle(items[static_cast<std::size_t>(row)].name, "background", lit);
        Page::setStyle(items[static_cast<std::size_t>(row)].name, "color", litText);
    }
}

void MenuBar::choose(int row)
{
    const Command command = items[static_cast<std::size_t>(row)].command;
    close();
    // Chosen after the menu has closed, so a command may open a window over it.
    chosen(command);
}

int MenuBar::nextMenu(int direction) const
{
    const int count = static_cast<int>(items.size());
    int row = openRow;
    do
        row = (row + direction + count) % count;
    while (!items[static_cast<std::size_t>(row)].topLevel);
    return row;
}

int MenuBar::nextItem(int direction) const
{
    const int count = static_cast<int>(items.size());
    int row = litRow < 0 ? openRow : litRow;
    for (int tries = 0; tries < count; ++tries) {
        row = (row + direction + count) % count;
        const MenuItem& item = items[static_cast<std::size_t>(row)];
        if (item.topLevel) {
            // Wrap round within the open menu.
            if (direction > 0)
                row = openRow;
            else {
                row = openRow;
                while (row + 1 < count && !items[static_cast<std::size_t>(row + 1)].topLevel)
                    ++row;
                if (!items[static_cast<std::size_t>(row)].separator
                    && !items[static_cast<std::size_t>(row)].topLevel)
                    return row;
            }
            continue;
        }
        if (!item.separator)
            return row;
    }
    return litRow;
}

bool MenuBar::keyDown(const EmscriptenKeyboardEvent& event)
{
    if (!enabled)
        return false;
    const unsigned long key = event.keyCode;
    if (openRow < 0) {
        if (!event.altKey)
            return false;
        for (int row = 0; row < static_cast<int>(items.size()); ++row) {
            const MenuItem& item = items[static_cast<std::size_t>(row)];
            if (item.topLevel && FormBuilder::accessKey(item.caption) == static_cast<char>(key)) {
                open(row);
                highlight(nextItem(1));
                return true;
            }
        }
        return false;
    }
    switch (key) {
    case codeEscape: close(); return true;
    case codeLeft:
    case codeRight:
        open(nextMenu(key == codeRight ? 1 : -1));
        highlight(nextItem(1));
        return true;
    case codeUp:
    case codeDown: highlight(nextItem(key == codeDown ? 1 : -1)); return true;
    case codeEnter:
        if (litRow >= 0)
            choose(litRow);
        return true;
    default: break;
    }
    for (int row = openRow + 1;
         row < static_cast<int>(items.size()) && !items[static_cast<std::size_t>(row)].topLevel;
         ++row)
        if (FormBuilder::accessKey(items[static_cast<std::size_t>(row)].caption)
            == static_cast<char>(key)) {
            choose(row);
            return true;
        }
    // An open menu keeps every other key from the game.
    return true;
}

void MenuBar::disable()
{
    close();
    enabled = false;
    Page::setAttribute(barId, "aria-disabled", "true");
    Page::setStyle(barId, "color", "GrayText");
}
