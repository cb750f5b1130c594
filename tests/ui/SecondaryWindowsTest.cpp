#include <gtest/gtest.h>
#include <QAction>
#include <QTest>

#include "ClockRandom.h"
#include "frmAbout.h"
#include "frmHelp.h"
#include "frmMain.h"
#include "OpenWindows.h"

namespace {
QList<QWidget*> secondaryWindows()
{
    QList<QWidget*> windows;
    for (frmHelp* window : windowsOf<frmHelp>())
        windows << window;
    for (frmAbout* window : windowsOf<frmAbout>())
        windows << window;
    return windows;
}

int openSecondaryWindows()
{
    return static_cast<int>(secondaryWindows().size());
}

void closeSecondaryWindows()
{
    for (QWidget* window : secondaryWindows())
        window->close();
}
}

class SecondaryWindow : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        main.startUp();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    }
    void TearDown() override
    {
        closeSecondaryWindows();
        discardClosedWindows();
    }

    QAction* menuItem() { return main.findChild<QAction*>(GetParam()); }

    ClockRandom random;
    frmMain main {random};
};

TEST_P(SecondaryWindow, isOpenedOnceHoweverOftenItIsChosen)
{
    menuItem()->trigger();
    menuItem()->trigger();
    ASSERT_EQ(openSecondaryWindows(), 1);
    for (QWidget* window : secondaryWindows()) {
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->windowModality(), Qt::NonModal);
        EXPECT_EQ(window->parentWidget(), nullptr);
    }
}

TEST_P(SecondaryWindow, keepsItsSizeAndOffersNoMaximizeButton)
{
    menuItem()->trigger();
    QWidget* window = secondaryWindows().value(0);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->minimumSize(), window->size());
    EXPECT_EQ(window->maximumSize(), window->size());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_P(SecondaryWindow, letsTheGameRunOnBehindIt)
{
    main.findChild<QAction*>("mnuGameNew")->trigger();
    menuItem()->trigger();
    ASSERT_EQ(openSecondaryWindows(), 1);
    const auto headBefore = main.game().headIndex;
    QTest::qWait(350);
    EXPECT_NE(main.game().headIndex, headBefore);
    EXPECT_TRUE(main.game().gameRunning);
}

TEST_P(SecondaryWindow, keepsTheCursorKeysWhileItHasTheFocus)
{
    menuItem()->trigger();
    QWidget* window = secondaryWindows().value(0);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    ASSERT_EQ(QApplication::focusWidget()->window(), window);
    const int heading = main.game().heading;
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left})
        QTest::keyClick(QApplication::focusWidget(), key);
    EXPECT_EQ(main.game().heading, heading);
    QTest::keyClick(&main, heading == 1 ? Qt::Key_Left : Qt::Key_Up);
    EXPECT_NE(main.game().heading, heading);
}

TEST_P(SecondaryWindow, goesWithTheMainWindowWhenTheProgramEnds)
{
    {
        ClockRandom otherRandom;
        frmMain other(otherRandom);
        other.startUp();
        other.findChild<QAction*>(GetParam())->trigger();
        ASSERT_EQ(openSecondaryWindows(), 1);
    }
    EXPECT_EQ(openSecondaryWindows(), 0);
}

INSTANTIATE_TEST_SUITE_P(HelpMenu, SecondaryWindow,
                         testing::Values("mnuHelpInstruct", "mnuHelpAbout"));
