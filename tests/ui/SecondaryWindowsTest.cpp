#include <gtest/gtest.h>
#include <QAction>
#include <QTest>

#include <ostream>

#include "ClockRandom.h"
#include "frmAbout.h"
#include "frmAboutForm.h"
#include "frmHelp.h"
#include "frmHelpForm.h"
#include "frmMain.h"
#include "OpenWindows.h"

// A window and the menu item that opens it.
struct Opening {
    const char* menuItem;
    const Form::Window* form;
};

void PrintTo(const Opening& opening, std::ostream* out)
{
    *out << opening.form->name;
}

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

class SecondaryWindow : public testing::TestWithParam<Opening> {
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

    QAction* menuItem() { return main.findChild<QAction*>(GetParam().menuItem); }

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

TEST_P(SecondaryWindow, isSizableWhileItsElementsStayWhereTheTableHasThem)
{
    menuItem()->trigger();
    QWidget* window = secondaryWindows().value(0);
    ASSERT_NE(window, nullptr);
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::MSWindowsFixedSizeDialogHint);
    const Form::Window& form = *GetParam().form;
    for (const QSize size : {QSize(form.clientWidth + 200, form.clientHeight + 150),
                             QSize(form.clientWidth / 2, form.clientHeight / 2)}) {
        window->resize(size);
        EXPECT_EQ(window->size(), size);
        for (const Form::Element& element : form.elements) {
            const Form::Rect& at = element.bounds;
            EXPECT_EQ(window->findChild<QWidget*>(element.name)->geometry(),
                      QRect(at.left, at.top, at.width, at.height))
                << element.name << " in " << size.width() << " x " << size.height();
        }
    }
}

TEST_P(SecondaryWindow, isBuiltAsItsTableDescribesIt)
{
    menuItem()->trigger();
    QWidget* window = secondaryWindows().value(0);
    ASSERT_NE(window, nullptr);
    const Form::Window& form = *GetParam().form;
    EXPECT_EQ(window->windowTitle(), form.caption);
    EXPECT_EQ(window->size(), QSize(form.clientWidth, form.clientHeight));
    for (const Form::Element& element : form.elements) {
        const auto* made = window->findChild<QWidget*>(element.name);
        ASSERT_NE(made, nullptr) << element.name;
        const Form::Rect& at = element.bounds;
        EXPECT_EQ(made->geometry(), QRect(at.left, at.top, at.width, at.height)) << element.name;
        // Labels, buttons and one-line fields; the version line is written
        // when the window opens.
        const QVariant text = made->property("text");
        if (*element.text && text.isValid()) {
            EXPECT_EQ(text.toString(), element.text) << element.name;
        }
    }
}

TEST_P(SecondaryWindow, letsTheGameRunOnBehindIt)
{
    main.findChild<QAction*>("mnuGameNew")->trigger();
    menuItem()->trigger();
    ASSERT_EQ(openSecondaryWindows(), 1);
    const auto headBefore = main.game().state().headIndex;
    QTest::qWait(350);
    EXPECT_NE(main.game().state().headIndex, headBefore);
    EXPECT_TRUE(main.game().state().gameRunning);
}

TEST_P(SecondaryWindow, keepsTheCursorKeysWhileItHasTheFocus)
{
    menuItem()->trigger();
    QWidget* window = secondaryWindows().value(0);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    ASSERT_EQ(QApplication::focusWidget()->window(), window);
    const int heading = main.game().state().heading;
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left})
        QTest::keyClick(QApplication::focusWidget(), key);
    EXPECT_EQ(main.game().state().heading, heading);
    QTest::keyClick(&main, heading == 1 ? Qt::Key_Left : Qt::Key_Up);
    EXPECT_NE(main.game().state().heading, heading);
}

TEST_P(SecondaryWindow, goesWithTheMainWindowWhenTheProgramEnds)
{
    {
        ClockRandom otherRandom;
        frmMain other(otherRandom);
        other.startUp();
        other.findChild<QAction*>(GetParam().menuItem)->trigger();
        ASSERT_EQ(openSecondaryWindows(), 1);
    }
    EXPECT_EQ(openSecondaryWindows(), 0);
}

INSTANTIATE_TEST_SUITE_P(HelpMenu, SecondaryWindow,
                         testing::Values(Opening {"mnuHelpInstruct", &frmHelpForm::form},
                                         Opening {"mnuHelpAbout", &frmAboutForm::form}));
