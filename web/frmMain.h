#pragma once

#include <array>
#include <emscripten/html5.h>
#include <string>

#include "ClockRandom.h"
#include "GamePlatform.h"
#include "MenuBar.h"
#include "modWorm.h"
#include "PageTimer.h"

// The game in a web page: the field's canvas with the score and the food
// pictures over it, the menu bar, the two timers and the sounds, all made from
// the game's window tables, and the instructions and about panels over the
// page. Ticks, keys and menu commands go to the rules.
class frmMain : public GamePlatform {
public:
    frmMain();
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // Once the pictures and the font are in.
    void startUp();

    void drawSprite(Sprite sprite, int x, int y) override;
    void clearBoard() override;
    void refreshBoard() override;
    int boardWidth() const override;
    int boardHeight() const override;
    void setScoreCaption(const std::string& caption) override;
    void setScoreVisible(bool visible) override;
    void setFoodLeft(int picture, int left) override;
    void setFoodTop(int picture, int top) override;
    void setTimerEnabled(GameTimer timer, bool enabled) override;
    bool isTimerEnabled(GameTimer timer) const override;
    void setMenuChecked(MenuMark mark, bool checked) override;
    void showMainWindow() override;
    void playSound(SoundEffect effect) override;
    void processEvents() override;
    void endProgram() override;

private:
    // What a click on a panel's element hands back.
    struct PanelHook {
        frmMain* page;
        std::string name;
    };

    static EM_BOOL keyDown(int, const EmscriptenKeyboardEvent* event, void* page);
    static EM_BOOL panelClosed(int, const EmscriptenMouseEvent*, void* panel);
    static EM_BOOL panelClicked(int, const EmscriptenMouseEvent*, void* panel);

    void createBoard();
    void createPanels();
    void menuChosen(Form::Command command);
    bool takeKey(const EmscriptenKeyboardEvent& event);
    void showPanel(const Form::Window& form);
    void raisePanel(const std::string& name);
    void closePanel(const std::string& name);
    PageTimer& timer(GameTimer which);
    const PageTimer& timer(GameTimer which) const;

    ClockRandom random;
    modWorm worm;
    MenuBar menus;
    PageTimer Timer1;
    PageTimer Timer2;
    // The panel the keyboard's Enter and Esc close: the last one opened or clicked.
    std::string activePanel;
    std::array<PanelHook, 2> panels;
    int scale = 1;
    bool ended = false;
};
