#include "frmMain.h"

#include <algorithm>
#include <cmath>
#include <emscripten/emscripten.h>

#include "AboutLayout.h"
#include "AboutText.h"
#include "FormBuilder.h"
#include "frmAboutForm.h"
#include "frmHelpForm.h"
#include "frmMainForm.h"
#include "Page.h"

extern "C" {
void vermilo_make_board(const char* id, int width, int height, int scale);
void vermilo_draw_sprite(int sprite, int x, int y);
void vermilo_fill_board(const char* colour);
void vermilo_prepare_sounds(const char* const* urls, int count);
void vermilo_play_sound(int effect);
void vermilo_set_title(const char* title);
}

namespace {
namespace form = frmMainForm;

const std::string boardId = FormBuilder::elementId(form::form, form::picBoard.name);
const std::string canvasId = boardId + "-canvas";
const std::string scoreId = FormBuilder::elementId(form::form, form::lblScore.name);

std::string foodId(int picture)
{
    return FormBuilder::elementId(form::form, form::foodPictures.name) + "_"
        + std::to_string(picture);
}

// The screen's scale with a half rounded up, as the desktop programs take it:
// the field is drawn larger by a whole factor only.
int wholeScale()
{
    const double ratio = emscripten_get_device_pixel_ratio();
    return std::max(1, static_cast<int>(std::floor(ratio + 0.5)));
}

constexpr int keyEnter = 13;
constexpr int keyEscape = 27;
}

frmMain::frmMain()
    : worm(*this, random),
      menus(form::menu, [this](Form::Command command) { menuChosen(command); }),
      Timer1(form::Timer1.interval, [this] { worm.timer1Tick(); }),
      Timer2(form::Timer2.interval, [this] { worm.timer2Tick(); }),
      panels {{{this, frmHelpForm::form.name}, {this, frmAboutForm::form.name}}}
{
    scale = wholeScale();
    createBoard();
    createPanels();
    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, true, keyDown);
    std::array<std::string, soundEffectCount> sounds;
    std::array<const char*, soundEffectCount> urls {};
    for (int i = 0; i < soundEffectCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        sounds.at(index)
            = std::string("sounds/") + soundEffectName(static_cast<SoundEffect>(i)) + ".wav";
        urls.at(index) = sounds.at(index).c_str();
    }
    vermilo_prepare_sounds(urls.data(), soundEffectCount);
}

void frmMain::createBoard()
{
    // The main window's client area, under the menu bar; hidden until start-up.
    const std::string client = std::string(form::form.name) + "-client";
    Page::create("game", "div", client);
    Page::setStyles(client,
                    {{"position", "relative"},
                     {"width", Page::px(form::form.clientWidth)},
                     {"height", Page::px(form::form.clientHeight)}});
    Page::setStyle("game", "visibility", "hidden");

    FormBuilder::buildElement(form::form, form::picBoard);
    Page::create(boardId, "canvas", canvasId);
    FormBuilder::place(canvasId, {0, 0, form::boardInnerWidth, form::boardInnerHeight});
    Page::setStyle(canvasId, "image-rendering", "pixelated");
    vermilo_make_board(canvasId.c_str(), form::boardInnerWidth, form::boardInnerHeight, scale);

    for (int i = 0; i < form::foodPictures.count; ++i) {
        const std::string id = foodId(i);
        Page::create(boardId, "img", id);
        FormBuilder::place(id, {0, 0, form::foodPictures.width, form::foodPictures.height});
        Page::setAttribute(id, "src", "pictures/food/" + std::to_string(i) + ".bmp");
        Page::setAttribute(id, "alt", "");
        Page::setStyle(id, "image-rendering", "pixelated");
    }
    FormBuilder::buildElement(form::form, form::lblScore);
    Page::setStyle(scoreId, "pointer-events", "none");
    Page::setStyle(scoreId, "user-select", "none");
}

void frmMain::createPanels()
{
    FormBuilder::buildWindow(frmHelpForm::form);
    FormBuilder::buildWindow(frmAboutForm::form);
    Page::setText(FormBuilder::elementId(frmAboutForm::form, frmAboutForm::lblVersion.name),
                  AboutText::versionLine());
    Page::create("", "style", "link-lit");
    Page::setText("link-lit",
                  "#" + FormBuilder::elementId(frmAboutForm::form, frmAboutForm::txtURL.name)
                      + ":hover { color: " + FormBuilder::colour(frmAboutForm::txtURL.hoverColour)
                      + " !important; }");
    for (PanelHook& hook : panels) {
        const Form::Window& panel
            = hook.name == frmHelpForm::form.name ? frmHelpForm::form : frmAboutForm::form;
        for (const Form::Element& element : panel.elements)
            if (element.isDefault || element.isCancel)
                emscripten_set_click_callback(
                    ("#" + FormBuilder::elementId(panel, element.name)).c_str(), &hook, false,
                    panelClosed);
        emscripten_set_click_callback(("#" + hook.name + "-close").c_str(), &hook, false,
                                      panelClosed);
        emscripten_set_mousedown_callback(("#" + hook.name).c_str(), &hook, false, panelClicked);
    }
}

void frmMain::startUp()
{
    worm.StartUp();
}

void frmMain::menuChosen(Form::Command command)
{
    switch (command) {
    case Form::Command::GameNew: worm.newGameCommand(); break;
    case Form::Command::GameExit: worm.exitCommand(); break;
    case Form::Command::OptionsSound: worm.soundCommand(); break;
    case Form::Command::OptionsPause: worm.pauseCommand(); break;
    case Form::Command::HelpInstruct: showPanel(frmHelpForm::form); break;
    case Form::Command::HelpAbout: showPanel(frmAboutForm::form); break;
    default: break;
    }
}

void frmMain::showPanel(const Form::Window& panel)
{
    // One of each at most, centred over the field, in front of the other.
    const std::string name = panel.name;
    raisePanel(name);
    Page::setStyle(name, "display", "block");
    const AboutLayout::Point at
        = AboutLayout::centredPosition({0, 0, form::form.clientWidth, form::form.clientHeight},
                                       panel.clientWidth, panel.clientHeight);
    Page::setStyle(name, "left", Page::px(at.x));
    Page::setStyle(name, "top", Page::px(at.y));
}

void frmMain::raisePanel(const std::string& name)
{
    activePanel = name;
    for (const PanelHook& other : panels)
        Page::setStyle(other.name, "z-index", other.name == name ? "11" : "10");
}

void frmMain::closePanel(const std::string& name)
{
    Page::setStyle(name, "display", "none");
    if (activePanel == name)
        activePanel.clear();
}

EM_BOOL frmMain::panelClosed(int, const EmscriptenMouseEvent*, void* panel)
{
    const auto& hook = *static_cast<PanelHook*>(panel);
    hook.page->closePanel(hook.name);
    return true;
}

EM_BOOL frmMain::panelClicked(int, const EmscriptenMouseEvent*, void* panel)
{
    const auto& hook = *static_cast<PanelHook*>(panel);
    hook.page->raisePanel(hook.name);
    return false;
}

EM_BOOL frmMain::keyDown(int, const EmscriptenKeyboardEvent* event, void* page)
{
    // A key the game takes does nothing else in the page: the cursor keys do
    // not scroll it, nor does Ctrl+P print it.
    return static_cast<frmMain*>(page)->takeKey(*event);
}

bool frmMain::takeKey(const EmscriptenKeyboardEvent& event)
{
    if (ended)
        return false;
    if (menus.keyDown(event))
        return true;
    const auto key = static_cast<int>(event.keyCode);
    if ((key == keyEnter || key == keyEscape) && !activePanel.empty()) {
        closePanel(activePanel);
        return true;
    }
    if (key >= modWorm::vkLeft && key <= modWorm::vkDown && !event.ctrlKey && !event.altKey) {
        worm.keyDown(key);
        return true;
    }
    for (const Form::MenuItem& item : form::menu)
        if (item.shortcut.key == key && item.shortcut.control == static_cast<bool>(event.ctrlKey)
            && !event.altKey) {
            menuChosen(item.command);
            return true;
        }
    return false;
}

void frmMain::drawSprite(Sprite sprite, int x, int y)
{
    vermilo_draw_sprite(static_cast<int>(sprite), x, y);
}

void frmMain::clearBoard()
{
    vermilo_fill_board(FormBuilder::colour(form::picBoard.background).c_str());
}

void frmMain::refreshBoard()
{
    // The browser shows the canvas as drawn once this event has been handled.
}

int frmMain::boardWidth() const
{
    return form::boardInnerWidth;
}

int frmMain::boardHeight() const
{
    return form::boardInnerHeight;
}

void frmMain::setScoreCaption(const std::string& caption)
{
    Page::setText(scoreId, caption);
}

void frmMain::setScoreVisible(bool visible)
{
    Page::setStyle(scoreId, "visibility", visible ? "visible" : "hidden");
}

void frmMain::setFoodLeft(int picture, int left)
{
    Page::setStyle(foodId(picture), "left", Page::px(left));
}

void frmMain::setFoodTop(int picture, int top)
{
    Page::setStyle(foodId(picture), "top", Page::px(top));
}

PageTimer& frmMain::timer(GameTimer which)
{
    return which == GameTimer::Timer1 ? Timer1 : Timer2;
}

const PageTimer& frmMain::timer(GameTimer which) const
{
    return which == GameTimer::Timer1 ? Timer1 : Timer2;
}

void frmMain::setTimerEnabled(GameTimer which, bool enabled)
{
    if (enabled)
        timer(which).start();
    else
        timer(which).stop();
}

bool frmMain::isTimerEnabled(GameTimer which) const
{
    return timer(which).isActive();
}

void frmMain::setMenuChecked(MenuMark mark, bool checked)
{
    menus.setChecked(form::markedItem(mark), checked);
}

void frmMain::showMainWindow()
{
    vermilo_set_title(form::form.caption);
    Page::setStyle("game", "visibility", "visible");
}

void frmMain::playSound(SoundEffect effect)
{
    vermilo_play_sound(static_cast<int>(effect));
}

void frmMain::processEvents()
{
    // A page hands its events over only once the game returns to the browser,
    // and a sound starts in the background at once: there is nothing to wait for.
}

void frmMain::endProgram()
{
    // A page cannot close its tab: the game stops and says it has ended.
    worm.closeCommand();
    ended = true;
    menus.disable();
    for (const PanelHook& hook : panels)
        closePanel(hook.name);
    Page::create(boardId, "div", "ended");
    FormBuilder::place("ended", {0, 0, form::boardInnerWidth, form::boardInnerHeight});
    Page::setText("ended", form::endedNotice);
    Page::setStyles("ended",
                    {{"display", "flex"},
                     {"align-items", "center"},
                     {"justify-content", "center"},
                     {"color", FormBuilder::colour(form::lblScore.textColour)},
                     {"background", FormBuilder::colour(form::picBoard.background)}});
    FormBuilder::setFont("ended", Form::standardFont);
    Page::setStyle("game", "opacity", "0.9");
}
