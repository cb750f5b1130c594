#include "frmMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

#include "FormBuilder.h"
#include "frmAbout.h"
#include "frmHelp.h"
#include "PictureBox.h"
#include "SecondaryWindow.h"

namespace {
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
    for (int i = 0; i < spriteCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        spriteImages.at(index)
            = pictures.sprite(static_cast<Sprite>(i)).convertToFormat(QImage::Format_RGB32);
    }
    createBoard();
    menuItems = FormBuilder::buildMenus(*menuBar(), frmMainForm::menu,
                                        [this](Form::Command command) { menuChosen(command); });
    FormBuilder::buildWindow(*this, frmMainForm::form, pictures.icon());
}

frmMain::~frmMain()
{
    // Letting go of the sound output runs waiting events; no tick may reach
    // the rules once they are gone, so the game stops here, not later.
    Timer1->stop();
    Timer2->stop();
    // The secondary windows are not this window's children, so nothing else
    // would free them.
    delete helpWindow.data();
    delete aboutWindow.data();
}

void frmMain::createBoard()
{
    namespace form = frmMainForm;
    boardFrame = new QFrame(this);
    boardFrame->setFrameStyle(QFrame::Box | QFrame::Plain);
    boardFrame->setLineWidth(form::boardBorder);
    boardFrame->setFixedSize(form::picBoard.bounds.width, form::picBoard.bounds.height);
    boardFrame->setFocusPolicy(Qt::NoFocus);
    setCentralWidget(boardFrame);

    // The board's children are clipped to its inner area, so a parked food
    // picture shows nowhere, not even on the border.
    picBoard = new PictureBox(QSize(form::boardInnerWidth, form::boardInnerHeight),
                              FormBuilder::colour(form::picBoard.background), boardFrame);
    picBoard->setObjectName(QString::fromLatin1(form::picBoard.name));
    picBoard->move(form::boardBorder, form::boardBorder);

    for (int i = 0; i < form::foodPictures.count; ++i) {
        auto* food = new QLabel(picBoard);
        food->setObjectName(
            QStringLiteral("%1_%2").arg(QString::fromLatin1(form::foodPictures.name)).arg(i));
        food->setPixmap(pictures.food(i));
        food->setFixedSize(form::foodPictures.width, form::foodPictures.height);
        food->setFocusPolicy(Qt::NoFocus);
        Image1.at(static_cast<std::size_t>(i)) = food;
    }

    lblScore = qobject_cast<QLabel*>(FormBuilder::build(form::lblScore, picBoard));
    lblScore->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblScore->setFocusPolicy(Qt::NoFocus);

    Timer1 = new QTimer(this);
    Timer2 = new QTimer(picBoard);
    for (const auto& [timer, row] : {std::pair {Timer1, form::Timer1}, {Timer2, form::Timer2}}) {
        timer->setObjectName(QString::fromLatin1(row.name));
        timer->setInterval(row.interval);
        timer->setTimerType(Qt::PreciseTimer);
    }
    connect(Timer1, &QTimer::timeout, this, [this] { worm.timer1Tick(); });
    connect(Timer2, &QTimer::timeout, this, [this] { worm.timer2Tick(); });
}

void frmMain::menuChosen(Form::Command command)
{
    switch (command) {
    case Form::Command::GameNew: mnuGameNewClick(); break;
    case Form::Command::GameExit: mnuGameExitClick(); break;
    case Form::Command::OptionsSound: mnuOptionsSoundClick(); break;
    case Form::Command::OptionsPause: mnuOptionsPauseClick(); break;
    case Form::Command::HelpInstruct: mnuHelpInstructClick(); break;
    case Form::Command::HelpAbout: mnuHelpAboutClick(); break;
    default: break;
    }
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
    worm.exitCommand();
}

void frmMain::mnuOptionsSoundClick()
{
    markAction(MenuMark::Sound)->setChecked(marks.at(static_cast<std::size_t>(MenuMark::Sound)));
    worm.soundCommand();
}

void frmMain::mnuOptionsPauseClick()
{
    markAction(MenuMark::Pause)->setChecked(marks.at(static_cast<std::size_t>(MenuMark::Pause)));
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
    return menuItems.at(static_cast<std::size_t>(frmMainForm::markedItem(mark)));
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

void frmMain::playSound(SoundEffect effect)
{
    sounds.play(effect);
}

void frmMain::processEvents()
{
    QCoreApplication::processEvents();
}

void frmMain::endProgram()
{
    QCoreApplication::exit(0);
}
