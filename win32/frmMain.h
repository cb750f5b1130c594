#pragma once

#include <array>
#include <memory>
#include <windows.h>

#include "frmMainForm.h"
#include "GamePlatform.h"
#include "GdiHandles.h"
#include "ImageElement.h"
#include "MemoryDC.h"
#include "MessageLoop.h"
#include "modWorm.h"
#include "PictureBox.h"
#include "PictureResources.h"
#include "ScoreFont.h"
#include "SoundResources.h"
#include "TransparentLabel.h"
#include "WaitableTimer.h"

class RandomSource;

// The game's main window on Windows: the play field with its score label and
// food pictures, the two timers and the menus. It shows what the rules draw
// and passes its ticks, keys and commands on to them.
class frmMain : private GamePlatform {
public:
    frmMain(HINSTANCE instance, RandomSource& random);
    ~frmMain() override;
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // Prepares the game and shows the window.
    void startUp();
    // Runs the program's message loop until it ends; returns the exit code.
    int run();
    // One pass over the messages and timer ticks that are waiting.
    void handleWaitingEvents();

    HWND window() const { return hwnd; }
    HMENU menu() const { return GetMenu(hwnd); }
    HACCEL shortcuts() const { return accelerators; }
    const modWorm& game() const { return worm; }
    const PictureBox& board() const { return *picBoard; }
    const TransparentLabel& scoreLabel() const { return *lblScore; }
    const ImageElement& foodPicture(int index) const;
    const WaitableTimer& timer(GameTimer which) const;

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void createBoard();
    // Lays the board and score out at the scale for `dpi` and gives the window
    // the frame `suggested` or, with none, the size that scale asks for.
    void applyScale(UINT dpi, const RECT* suggested);
    // The window's outer size at `dpi`, for a menu bar of one line.
    SIZE frameSize(UINT dpi) const;
    bool preTranslate(MSG& msg);
    bool isMainOrChild(HWND window) const;

    void onCommand(int id);
    void onPaint();
    void onDpiChanged(UINT dpi, const RECT& suggested);
    void onClose();

    void Form_KeyDown(int keyCode);
    void mnuGameNewClick();
    void mnuGameExitClick();
    void mnuOptionsSoundClick();
    void mnuOptionsPauseClick();
    void mnuHelpInstructClick();
    void mnuHelpAboutClick();

    // GamePlatform
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

    HINSTANCE instance;
    PictureResources pictures;
    SoundResources sounds;
    ScoreFont scoreFont;
    std::array<std::unique_ptr<MemoryDC>, spriteCount> spriteSurfaces;
    std::array<std::unique_ptr<MemoryDC>, PictureResources::foodCount> foodSurfaces;
    modWorm worm;
    WaitableTimer Timer1;
    WaitableTimer Timer2;
    // After the timers, so that the loop's relay has stopped waiting on them
    // before they go.
    MessageLoop loop;
    HACCEL accelerators = nullptr;

    HWND hwnd = nullptr;
    std::unique_ptr<PictureBox> picBoard;
    std::unique_ptr<TransparentLabel> lblScore;
    FontHandle lblScoreFont;
    std::array<std::unique_ptr<ImageElement>, PictureResources::foodCount> Image1;
};
