#pragma once

#include <QMainWindow>
#include <QPointer>

#include <array>

#include "Form.h"
#include "frmMainForm.h"
#include "GamePlatform.h"
#include "modWorm.h"
#include "Pictures.h"
#include "SoundEffects.h"

class QAction;
class QFrame;
class QLabel;
class QTimer;
class PictureBox;
class frmAbout;
class frmHelp;
class RandomSource;

// The game's main window: the play field with its score label and food
// pictures, the two timers and the menus. It shows what the rules draw and
// passes its ticks, keys and commands on to them.
class frmMain : public QMainWindow, private GamePlatform {
    Q_OBJECT

public:
    explicit frmMain(RandomSource& random, QWidget* parent = nullptr);
    ~frmMain() override;

    // Prepares the game and shows the window.
    void startUp();

    const modWorm& game() const { return worm; }
    PictureBox* board() const { return picBoard; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createBoard();
    void menuChosen(Form::Command command);

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

    QTimer* timer(GameTimer which) const;
    QAction* markAction(MenuMark mark) const;

    Pictures pictures;
    SoundEffects sounds;
    std::array<QImage, spriteCount> spriteImages;
    modWorm worm;

    QFrame* boardFrame = nullptr;
    PictureBox* picBoard = nullptr;
    QLabel* lblScore = nullptr;
    std::array<QLabel*, frmMainForm::foodPictures.count> Image1 {};
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;

    // The menu items, by the command each runs.
    std::array<QAction*, Form::commandCount> menuItems {};
    // The marks as the commands last wrote them: a checkable action flips its
    // own mark when chosen, and only the command may decide it.
    std::array<bool, 2> marks {};

    // The secondary windows while they are open; each deletes itself on close.
    QPointer<frmHelp> helpWindow;
    QPointer<frmAbout> aboutWindow;
};
