#pragma once

#include <QImage>

#include <array>
#include <string>
#include <vector>

#include "GameReferee.h"
#include "Pictures.h"

class QAction;
class QLabel;
class QTimer;
class frmMain;

// Checks the real main window against the rules after every event: what its
// timers, score label, food pictures and menu marks show, and that the board's
// image equals a fresh rendering of the worm from the game's own sprites.
class WindowReferee {
public:
    explicit WindowReferee(frmMain& window);

    // What is wrong now; nothing when all is well.
    std::vector<std::string> check();
    GameView view() const;

    GameReferee rules;

private:
    // The board as it must look; only the cells that changed since the last
    // call are drawn again.
    const QImage& render(const std::vector<Sprite>& cells);
    std::string describeDifference(const QImage& shown, const QImage& expected) const;

    frmMain& window;
    Pictures pictures;
    std::array<QImage, spriteCount> sprites;
    QTimer* timer1;
    QTimer* timer2;
    QLabel* score;
    std::array<QLabel*, Pictures::foodCount> food {};
    QAction* soundMark;
    QAction* pauseMark;
    std::vector<Sprite> renderedCells;
    QImage rendered;
};
