#include <gtest/gtest.h>
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include "ClockRandom.h"
#include "frmMain.h"
#include "PictureBox.h"

class MainWindow : public testing::Test {
protected:
    void SetUp() override { window.startUp(); }

    QAction* action(const char* name) { return window.findChild<QAction*>(name); }
    QLabel* food(int i) { return window.findChild<QLabel*>(QStringLiteral("Image1_%1").arg(i)); }

    ClockRandom random;
    frmMain window {random};
};

TEST_F(MainWindow, hasAFixedBoardOf479By367InsideAOnePixelBorder)
{
    EXPECT_EQ(window.windowTitle(), "Vermilo");
    EXPECT_EQ(window.board()->size(), QSize(479, 367));
    EXPECT_EQ(window.centralWidget()->size(), QSize(481, 369));
    EXPECT_EQ(window.board()->mapTo(&window, QPoint(0, 0)),
              window.centralWidget()->mapTo(&window, QPoint(1, 1)));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST_F(MainWindow, offersTheGameOptionsAndHelpMenus)
{
    QStringList entries;
    for (QAction* menu : window.menuBar()->actions()) {
        entries << menu->text();
        for (QAction* item : menu->menu()->actions())
            entries << (item->isSeparator() ? QStringLiteral("-")
                                            : item->text() + " " + item->shortcut().toString());
    }
    EXPECT_EQ(entries.join("|"),
              "&Game|&New F2|-|E&xit |&Options|&Sound FX |&Pause Ctrl+P|"
              "&Help|&Instructions |-|&About ");
}

TEST_F(MainWindow, startsWithSoundCheckedAndPauseNot)
{
    EXPECT_TRUE(action("mnuOptionsSound")->isChecked());
    EXPECT_FALSE(action("mnuOptionsPause")->isChecked());
}

TEST_F(MainWindow, onlyThePauseCommandDecidesItsMark)
{
    action("mnuOptionsPause")->trigger(); // no game yet: nothing to pause
    EXPECT_FALSE(action("mnuOptionsPause")->isChecked());
    action("mnuOptionsSound")->trigger();
    EXPECT_FALSE(action("mnuOptionsSound")->isChecked());
    EXPECT_FALSE(window.game().state().soundEnabled);
}

TEST_F(MainWindow, aParkedFoodPictureShowsNoPixel)
{
    const QImage before = window.centralWidget()->grab().toImage();
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(food(i)->pos(), QPoint(479, 367));
    food(3)->move(479, 367);
    food(3)->show();
    EXPECT_EQ(window.centralWidget()->grab().toImage(), before);
}

TEST_F(MainWindow, drawsTheStartingWormIntoTheBoardsImage)
{
    const QImage& image = window.board()->image();
    EXPECT_NE(image.pixel(5 * 16 + 8, 8), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(6 * 16 + 8, 8), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(8, 16 + 8), qRgb(0, 0, 0));
}

TEST_F(MainWindow, cursorKeysSteerWithOrWithoutModifiers)
{
    QTest::keyClick(&window, Qt::Key_Up);
    EXPECT_EQ(window.game().state().heading, 1);
    QTest::keyClick(&window, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(window.game().state().heading, 4);
    QTest::keyClick(&window, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(window.game().state().heading, 3);
}

TEST_F(MainWindow, runsBothTimersEveryHundredMillisecondsPrecisely)
{
    for (const char* name : {"Timer1", "Timer2"}) {
        auto* timer = window.findChild<QTimer*>(name);
        ASSERT_NE(timer, nullptr);
        EXPECT_EQ(timer->interval(), 100);
        EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
        EXPECT_FALSE(timer->isActive());
    }
}
