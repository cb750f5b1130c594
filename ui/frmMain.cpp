#include "frmMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

#include "DialogFont.h"
#include "frmAbout.h"
#include "frmHelp.h"
#include "PictureBox.h"
#include "SecondaryWindow.h"

namespace {
constexpr QSize boardOuterSize(481, 369);
constexpr QSize boardInnerSize(479, 367);
constexpr int tickInterval = 100;

// The score's big digits: OCR-A where it is installed, else any bold fixed font.
QFont scoreFont()
{
    const QStringList installed = QFontDatabase::families();
    QFont font(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (const char* family : {"OCR A Extended", "OCRABold", "OCRA", "OCR A"}) {
        if (installed.contains(QString::fromLatin1(family))) {
            font = QFont(QString::fromLatin1(family));
            break;
        }
    }
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(layoutPointSize(72));
    font.setBold(true);
    return font;
}

int virtualKeyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left: return modWorm::vkLeft;
    case Qt::Key_Up: return modWorm::vkUp;
    case Qt::Key_Right: return modWorm::vkRight;
    case Qt::Key_Down: return modWorm::vkDown;
    default: return 0;
    }
}

// Shows an open secondary window again on top, restored if it was minimized.
void bringToFront(QWidget* window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}
}

frmMain::frmMain(RandomSource& random, QWidget* parent) : QMainWindow(parent), worm(*this, random)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Vermilo"));
    setWindowIcon(pictures.icon());
    // A fixed single border with a close box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    for (int i = 0; i < spriteCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        spriteImages.at(index)
            = pictures.sprite(static_cast<Sprite>(i)).convertToFormat(QImage::Format_RGB32);
    }
    createBoard();
    createMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

frmMain::~frmMain()
{
    // The secondary windows are not this window's children, so nothing else
    // would free them.
    delete helpWindow.data();
    delete aboutWindow.data();
}

void frmMain::createBoard()
{
    boardFrame = new QFrame(this);
    boardFrame->setFrameStyle(QFrame::Box | QFrame::Plain);
    boardFrame->setLineWidth(1);
    boardFrame->setFixedSize(boardOuterSize);
    boardFrame->setFocusPolicy(Qt::NoFocus);
    setCentralWidget(boardFrame);

    // The board's children are clipped to its inner area, so a parked food
    // picture shows nowhere, not even on the border.
    picBoard = new PictureBox(boardInnerSize, Qt::black, boardFrame);
    picBoard->setObjectName(QStringLiteral("picBoard"));
    picBoard->move(1, 1);

    for (int i = 0; i < Pictures::foodCount; ++i) {
        auto* food = new QLabel(picBoard);
        food->setObjectName(QStringLiteral("Image1_%1").arg(i));
        food->setPixmap(pictures.food(i));
        food->setFixedSize(32, 32);
        food->setFocusPolicy(Qt::NoFocus);
        Image1.at(static_cast<std::size_t>(i)) = food;
    }

    lblScore = new QLabel(QStringLiteral("0"), picBoard);
    lblScore->setObjectName(QStringLiteral("lblScore"));
    lblScore->setGeometry(0, 136, 481, 113);
    lblScore->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    lblScore->setFont(scoreFont());
    QPalette palette = lblScore->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    lblScore->setPalette(palette);
    lblScore->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblScore->setFocusPolicy(Qt::NoFocus);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer2 = new QTimer(picBoard);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    for (QTimer* t : {Timer1, Timer2}) {
        t->setInterval(tickInterval);
        t->setTimerType(Qt::PreciseTimer);
    }
    connect(Timer1, &QTimer::timeout, this, [this] { worm.timer1Tick(); });
    connect(Timer2, &QTimer::timeout, this, [this] { worm.timer2Tick(); });
}

void frmMain::createMenus()
{
    QMenu* mnuGame = menuBar()->addMenu(tr("&Game"));
    mnuGameNew = mnuGame->addAction(tr("&New"), this, &frmMain::mnuGameNewClick);
    mnuGameNew->setShortcut(Qt::Key_F2);
    mnuGame->addSeparator();
    mnuGameExit = mnuGame->addAction(tr("E&xit"), this, &frmMain::mnuGameExitClick);

    QMenu* mnuOptions = menuBar()->addMenu(tr("&Options"));
    mnuOptionsSound = mnuOptions->addAction(tr("&Sound FX"), this, &frmMain::mnuOptionsSoundClick);
    mnuOptionsSound->setCheckable(true);
    mnuOptionsPause = mnuOptions->addAction(tr("&Pause"), this, &frmMain::mnuOptionsPauseClick);
    mnuOptionsPause->setCheckable(true);
    mnuOptionsPause->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));

    QMenu* mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelpInstruct = mnuHelp->addAction(tr("&Instructions"), this, &frmMain::mnuHelpInstructClick);
    mnuHelp->addSeparator();
    mnuHelpAbout = mnuHelp->addAction(tr("&About"), this, &frmMain::mnuHelpAboutClick);

    mnuGame->setObjectName(QStringLiteral("mnuGame"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuGameNew->setObjectName(QStringLiteral("mnuGameNew"));
    mnuGameExit->setObjectName(QStringLiteral("mnuGameExit"));
    mnuOptionsSound->setObjectName(QStringLiteral("mnuOptionsSound"));
    mnuOptionsPause->setObjectName(QStringLiteral("mnuOptionsPause"));
    mnuHelpInstruct->setObjectName(QStringLiteral("mnuHelpInstruct"));
    mnuHelpAbout->setObjectName(QStringLiteral("mnuHelpAbout"));
    menuBar()->setFocusPolicy(Qt::NoFocus);
    // The menus' lettering scales with the field, so that the window stays
    // its layout times the screen's whole factor.
    QFont menuFont = menuBar()->font();
    menuFont.setPointSizeF(layoutPointSize(menuFont.pointSizeF()));
    const std::array<QWidget*, 4> menus {menuBar(), mnuGame, mnuOptions, mnuHelp};
    for (QWidget* menu : menus)
        menu->setFont(menuFont);
}

void frmMain::startUp()
{
    worm.StartUp();
}

void frmMain::mnuGameNewClick()
{
    worm.newGameCommand();
}

void frmMain::mnuGameExitClick()
{
    // A step that waits inside a sound finishes first; then the program ends.
    worm.runWhenIdle([] { QCoreApplication::exit(0); });
}

void frmMain::mnuOptionsSoundClick()
{
    mnuOptionsSound->setChecked(marks.at(static_cast<std::size_t>(MenuMark::Sound)));
    worm.soundCommand();
}

void frmMain::mnuOptionsPauseClick()
{
    mnuOptionsPause->setChecked(marks.at(static_cast<std::size_t>(MenuMark::Pause)));
    worm.pauseCommand();
}

void frmMain::mnuHelpInstructClick()
{
    // One instructions window at most; the game goes on behind it.
    if (!helpWindow) {
        helpWindow = new frmHelp;
        SecondaryWindow::showOver(*helpWindow, *this);
    }
    bringToFront(helpWindow);
}

void frmMain::mnuHelpAboutClick()
{
    // A fresh window is centred on this one; an open one stays where it is.
    if (!aboutWindow) {
        aboutWindow = new frmAbout(pictures.icon(), pictures.banner(), *this);
        SecondaryWindow::showOver(*aboutWindow, *this);
    }
    bringToFront(aboutWindow);
}

void frmMain::keyPressEvent(QKeyEvent* event)
{
    // Children take no focus, so every key pressed in this window comes here.
    if (const int code = virtualKeyCode(event->key()))
        worm.keyDown(code);
    else
        QMainWindow::keyPressEvent(event);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // Nothing of the game goes on unseen once its window is closed; an open
    // instructions or about window stays until the player closes it.
    worm.closeCommand();
    const std::array<QWidget*, 2> secondaryWindows {helpWindow.data(), aboutWindow.data()};
    for (QWidget* window : secondaryWindows)
        if (window)
            SecondaryWindow::standAlone(*window);
    event->accept();
}

void frmMain::drawSprite(Sprite sprite, int x, int y)
{
    picBoard->drawImage(x, y, spriteImages.at(static_cast<std::size_t>(sprite)));
}

void frmMain::clearBoard()
{
    picBoard->clear();
}

void frmMain::refreshBoard()
{
    picBoard->refresh();
}

int frmMain::boardWidth() const
{
    return picBoard->width();
}

int frmMain::boardHeight() const
{
    return picBoard->height();
}

void frmMain::setScoreCaption(const std::string& caption)
{
    lblScore->setText(QString::fromStdString(caption));
}

void frmMain::setScoreVisible(bool visible)
{
    lblScore->setVisible(visible);
}

void frmMain::setFoodLeft(int picture, int left)
{
    QLabel* food = Image1.at(static_cast<std::size_t>(picture));
    food->move(left, food->y());
}

void frmMain::setFoodTop(int picture, int top)
{
    QLabel* food = Image1.at(static_cast<std::size_t>(picture));
    food->move(food->x(), top);
}

QTimer* frmMain::timer(GameTimer which) const
{
    return which == GameTimer::Timer1 ? Timer1 : Timer2;
}

void frmMain::setTimerEnabled(GameTimer which, bool enabled)
{
    QTimer* t = timer(which);
    if (!enabled)
        t->stop();
    else if (!t->isActive())
        t->start();
}

bool frmMain::isTimerEnabled(GameTimer which) const
{
    return timer(which)->isActive();
}

QAction* frmMain::markAction(MenuMark mark) const
{
    return mark == MenuMark::Sound ? mnuOptionsSound : mnuOptionsPause;
}

void frmMain::setMenuChecked(MenuMark mark, bool checked)
{
    marks.at(static_cast<std::size_t>(mark)) = checked;
    markAction(mark)->setChecked(checked);
}

void frmMain::showMainWindow()
{
    show();
    // The sound system is opened once the window is on screen, so that loading
    // it does not hold the window up and the first effect starts at once.
    if (QWindow* window = windowHandle())
        window->installEventFilter(this);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    QWindow* window = windowHandle();
    if (watched == window && event->type() == QEvent::Expose && window->isExposed()) {
        window->removeEventFilter(this);
        // After the window's first picture has been drawn and sent.
        QTimer::singleShot(0, this, [this] { sounds.prepare(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::playSound(std::string_view name)
{
    sounds.play(name);
}

void frmMain::processEvents()
{
    QCoreApplication::processEvents();
}
