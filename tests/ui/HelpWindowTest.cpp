#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include "frmHelp.h"
#include "HelpText.h"
#include "OpenWindows.h"

namespace {
const QStringList paragraphs {
    "The worm needs to be fed in order to survive. Guide him around the screen to the food using "
    "the cursor keys on the keyboard.",
    "",
    "Each time he eats, the Vermilo will grow. The longer he is, the more points you score.",
    "",
    "But watch out! Don't let the worm hit the walls or itself.",
    "",
    "Good Luck.",
};
}

class HelpWindow : public testing::Test {
protected:
    void SetUp() override
    {
        window = new frmHelp;
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        text = window->findChild<QTextEdit*>("Text1");
        ASSERT_NE(text, nullptr);
    }
    void TearDown() override
    {
        delete window.data();
        discardClosedWindows();
    }

    QPointer<frmHelp> window;
    QTextEdit* text = nullptr;
};

TEST(InstructionsText, isThreeParagraphsAndGoodLuckJoinedByCrLfWithNoBreakAtTheEnd)
{
    const QString instructions = QString::fromLatin1(HelpText::instructions);
    EXPECT_TRUE(instructions.startsWith("The worm needs to be fed"));
    EXPECT_TRUE(instructions.endsWith("itself.\r\n\r\nGood Luck."));
    EXPECT_EQ(instructions.split("\r\n"), paragraphs);
    EXPECT_EQ(instructions.count('\r'), 6);
    EXPECT_EQ(instructions.count('\n'), 6);
}

TEST_F(HelpWindow, showsTheInstructionsAsParagraphsUnderItsHeading)
{
    QStringList shown;
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next())
        shown << block.text();
    EXPECT_EQ(shown, paragraphs);
}

TEST_F(HelpWindow, fitsAllItsTextWithoutScrollingAndWrapsOnlyBetweenWords)
{
    const QTextDocument* document = text->document();
    EXPECT_LE(document->size().height(), text->viewport()->height());
    int wrappedLines = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i)
            EXPECT_LE(layout->lineAt(i).naturalTextWidth(), text->viewport()->width());
        for (int i = 0; i + 1 < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const int end = line.textStart() + line.textLength();
            EXPECT_EQ(block.text().at(end - 1), ' ') << block.text().toStdString() << " @" << end;
            ++wrappedLines;
        }
    }
    EXPECT_GT(wrappedLines, 0);
    const QFont labelFont = window->findChild<QLabel*>("Label1")->font();
    EXPECT_DOUBLE_EQ(labelFont.pointSizeF(), 9.75);
    EXPECT_TRUE(labelFont.bold());
    EXPECT_DOUBLE_EQ(text->font().pointSizeF(), 8.25);
}

TEST_F(HelpWindow, ignoresTypingPastingAndDeletingButLetsTheTextBeSelected)
{
    text->setFocus();
    QApplication::clipboard()->setText("pasted");
    QTest::keyClicks(text, "abc");
    QTest::keyClick(text, Qt::Key_Backspace);
    QTest::keyClick(text, Qt::Key_Delete);
    QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(text->toPlainText(), QStringList(paragraphs).join('\n'));

    QTest::keyClick(text, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(text, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(text, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(text->textCursor().selectedText(), "The");
}

enum class Dismissal {
    EnterOnButton,
    ReturnInText,
    EscapeOnButton,
    EscapeInText,
    ClickOk,
    CloseBox
};

class HelpWindowDismissal : public HelpWindow, public testing::WithParamInterface<Dismissal> { };

TEST_P(HelpWindowDismissal, closesTheWindowAndThrowsItAway)
{
    auto* ok = window->findChild<QPushButton*>("Command1");
    switch (GetParam()) {
    case Dismissal::EnterOnButton: QTest::keyClick(ok, Qt::Key_Enter); break;
    case Dismissal::ReturnInText: QTest::keyClick(text, Qt::Key_Return); break;
    case Dismissal::EscapeOnButton: QTest::keyClick(ok, Qt::Key_Escape); break;
    case Dismissal::EscapeInText: QTest::keyClick(text, Qt::Key_Escape); break;
    case Dismissal::ClickOk: QTest::mouseClick(ok, Qt::LeftButton); break;
    case Dismissal::CloseBox: window->close(); break;
    }
    EXPECT_FALSE(window && window->isVisible());
    discardClosedWindows();
    EXPECT_TRUE(window.isNull());
}

INSTANTIATE_TEST_SUITE_P(EachWay, HelpWindowDismissal,
                         testing::Values(Dismissal::EnterOnButton, Dismissal::ReturnInText,
                                         Dismissal::EscapeOnButton, Dismissal::EscapeInText,
                                         Dismissal::ClickOk, Dismissal::CloseBox));
