// Mouse input goes through the window system, as a real pointer's would, so
// that it reaches whichever widget holds the mouse.
#define QTEST_QPA_MOUSE_HANDLING

#include <gtest/gtest.h>
#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QUrl>

#include "ClockRandom.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "OpenWindows.h"

namespace {
// Stands in for the desktop's browser: notes every address it is asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);
}

class AboutWindow : public testing::Test {
protected:
    void SetUp() override
    {
        main.startUp();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    }
    void TearDown() override
    {
        for (const char* scheme : {"http", "https", "file"})
            QDesktopServices::unsetUrlHandler(scheme);
    }

    frmAbout* open()
    {
        main.findChild<QAction*>("mnuHelpAbout")->trigger();
        const QList<frmAbout*> windows = windowsOf<frmAbout>();
        if (windows.size() != 1)
            return nullptr;
        about = windows.front();
        link = about->findChild<QLineEdit*>("txtURL");
        return QTest::qWaitForWindowExposed(about) ? about.data() : nullptr;
    }

    void pointAt(QPoint onLink) { QTest::mouseMove(link, onLink); }
    QColor linkColour() const { return link->palette().color(QPalette::Text); }

    ClockRandom random;
    frmMain main {random};
    QPointer<frmAbout> about;
    QLineEdit* link = nullptr;
};

TEST_F(AboutWindow, namesTheGameAndItsVersionAndOffersTheLink)
{
    ASSERT_NE(open(), nullptr);
    const auto* title = about->findChild<QLabel*>("lblTitle");
    EXPECT_DOUBLE_EQ(title->font().pointSizeF(), 12);
    EXPECT_TRUE(title->font().bold());
    EXPECT_EQ(about->findChild<QLabel*>("lblVersion")->text(), "Version: 1.1.3");
    EXPECT_TRUE(link->isReadOnly());
    EXPECT_EQ(linkColour(), blue);
    EXPECT_TRUE(link->font().underline());
    EXPECT_DOUBLE_EQ(link->font().pointSizeF(), 8.25);
    // The banner fits inside its box's sunken edge.
    EXPECT_EQ(about->findChild<QLabel*>("Picture1")->contentsRect(), QRect(2, 2, 309, 91));
}

TEST_F(AboutWindow, fitsEveryCaptionAndTheAddressInsideItsBox)
{
    ASSERT_NE(open(), nullptr);
    for (const char* name : {"lblTitle", "lblDescription", "lblVersion"}) {
        const auto* label = about->findChild<QLabel*>(name);
        const QSize needed = label->fontMetrics().size(Qt::TextSingleLine, label->text());
        EXPECT_LE(needed.width(), label->width()) << name;
        EXPECT_LE(needed.height(), label->height()) << name;
    }
    const int textRoom = link->width() - 4; // the field keeps two pixels clear at each side
    EXPECT_LE(link->fontMetrics().horizontalAdvance(link->text()), textRoom);
}

class AboutWindowOverMovedMain : public AboutWindow, public testing::WithParamInterface<QPoint> { };

TEST_P(AboutWindowOverMovedMain, opensCentredOnTheMainWindowsFrame)
{
    // The test platform nudges a window whose inside would start off the
    // screen by its frame's width, so the main window's frame is read back.
    main.move(GetParam());
    QCoreApplication::processEvents();
    ASSERT_NE(open(), nullptr);
    const QRect mainFrame = main.frameGeometry();
    const QRect ownFrame = about->frameGeometry();
    const auto halfDown = [](int difference) { return difference >> 1; }; // rounds down
    EXPECT_EQ(ownFrame.topLeft(),
              mainFrame.topLeft()
                  + QPoint(halfDown(mainFrame.width() - ownFrame.width()),
                           halfDown(mainFrame.height() - ownFrame.height())));
}

INSTANTIATE_TEST_SUITE_P(AroundTheScreen, AboutWindowOverMovedMain,
                         testing::Values(QPoint(0, 0), QPoint(157, 93), QPoint(-211, -37),
                                         QPoint(690, 530), QPoint(1, 1)));

TEST_F(AboutWindow, comesToTheFrontWhereTheUserLeftItWhenOpenedAgain)
{
    ASSERT_NE(open(), nullptr);
    const QPoint moved = about->pos() + QPoint(37, 21);
    about->move(moved);
    QCoreApplication::processEvents();
    frmAbout* first = about;
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(about.data(), first);
    EXPECT_EQ(about->pos(), moved);
}

struct Pointer {
    QPoint onLink;
    bool counts;
};

class AboutWindowLink : public AboutWindow, public testing::WithParamInterface<Pointer> { };

TEST_P(AboutWindowLink, turnsRedAndHoldsTheMouseOnlyWhileThePointerIsOnIt)
{
    ASSERT_NE(open(), nullptr);
    pointAt({40, 8});
    ASSERT_EQ(linkColour(), red);
    ASSERT_EQ(QWidget::mouseGrabber(), link);
    EXPECT_EQ(link->cursor().shape(), Qt::ArrowCursor);

    pointAt(GetParam().onLink);
    EXPECT_EQ(linkColour(), GetParam().counts ? red : blue);
    EXPECT_EQ(QWidget::mouseGrabber(), GetParam().counts ? link : nullptr);
}

// The field is 161 by 17 pixels; its right and bottom edges count as on it.
INSTANTIATE_TEST_SUITE_P(Positions, AboutWindowLink,
                         testing::Values(Pointer {{161, 17}, true}, Pointer {{162, 8}, false},
                                         Pointer {{-60, 40}, false}));

TEST_F(AboutWindow, aClickOpensTheFixedAddressAndLeavesTheWindowOpen)
{
    UrlRecorder browser;
    for (const char* scheme : {"http", "https", "file"})
        QDesktopServices::setUrlHandler(scheme, &browser, "open");
    ASSERT_NE(open(), nullptr);
    // Even if the field showed something else, only the game's own page opens.
    link->setText("file:///etc/passwd");
    pointAt({40, 8});
    QTest::mouseClick(link, Qt::LeftButton, {}, {40, 8});
    EXPECT_EQ(browser.opened, QList<QUrl> {QUrl("https://vermilo.example/")});
    EXPECT_EQ(linkColour(), blue);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    discardClosedWindows();
    ASSERT_FALSE(about.isNull());
    EXPECT_TRUE(about->isVisible());
}

TEST_F(AboutWindow, aDoubleClickOnTheLinkOpensThePageOnce)
{
    UrlRecorder browser;
    QDesktopServices::setUrlHandler("https", &browser, "open");
    ASSERT_NE(open(), nullptr);
    pointAt({52, 6});
    QTest::mouseDClick(link, Qt::LeftButton, {}, {52, 6});
    EXPECT_EQ(browser.opened.size(), 1);
}

TEST_F(AboutWindow, restsWhenThePointerLeavesTheWindowWithoutMovingOverIt)
{
    ASSERT_NE(open(), nullptr);
    pointAt({64, 10});
    ASSERT_EQ(linkColour(), red);
    // What the window system reports when the pointer goes straight on to
    // another window or program, as on Wayland, where nothing holds the mouse.
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(about->windowHandle(), &leave);
    EXPECT_EQ(linkColour(), blue);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(AboutWindow, aPressOpensThePageOnlyWhenLetGoOnTheLink)
{
    UrlRecorder browser;
    QDesktopServices::setUrlHandler("https", &browser, "open");
    ASSERT_NE(open(), nullptr);
    pointAt({40, 8});
    QTest::mousePress(link, Qt::LeftButton, {}, {40, 8});
    QTest::mouseMove(link, {40, 60});
    EXPECT_EQ(linkColour(), blue);
    QTest::mouseRelease(link, Qt::LeftButton, {}, {40, 60});
    EXPECT_TRUE(browser.opened.isEmpty());
    EXPECT_EQ(linkColour(), blue);

    pointAt({40, 8});
    QTest::mousePress(link, Qt::LeftButton, {}, {40, 8});
    QTest::mouseMove(link, {40, 60});
    QTest::mouseMove(link, {50, 8});
    EXPECT_EQ(linkColour(), red);
    QTest::mouseRelease(link, Qt::LeftButton, {}, {50, 8});
    EXPECT_EQ(browser.opened.size(), 1);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(AboutWindow, closingWhileTheLinkIsLitGivesTheMouseBack)
{
    ASSERT_NE(open(), nullptr);
    pointAt({40, 8});
    ASSERT_EQ(QWidget::mouseGrabber(), link);
    QTest::keyClick(about, Qt::Key_Escape);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    discardClosedWindows();
    EXPECT_TRUE(about.isNull());
}

TEST_F(AboutWindow, closesOnEnterAndOnItsOkButton)
{
    ASSERT_NE(open(), nullptr);
    QTest::keyClick(about, Qt::Key_Return);
    discardClosedWindows();
    EXPECT_TRUE(about.isNull());
    ASSERT_NE(open(), nullptr);
    QTest::mouseClick(about->findChild<QWidget*>("cmdCancel"), Qt::LeftButton);
    discardClosedWindows();
    EXPECT_TRUE(about.isNull());
}

#include "AboutWindowTest.moc"
