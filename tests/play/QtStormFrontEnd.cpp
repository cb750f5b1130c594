#include "QtStormFrontEnd.h"

#include <QAction>
#include <QApplication>
#include <QMap>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "frmMain.h"
#include "KeyCodes.h"

namespace {
constexpr int notEnded = 7;

QList<QWidget*> openSecondaryWindows(const QWidget& main)
{
    QList<QWidget*> open;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget != &main && widget->isVisible())
            open << widget;
    return open;
}
}

QtStormFrontEnd::QtStormFrontEnd(frmMain& window) : window(window), ticks(window), referee(window)
{
}

const modWorm& QtStormFrontEnd::game() const
{
    return window.game();
}

StormFrontEnd::Outcome QtStormFrontEnd::perform(const StormEvent& next)
{
    outcome = {};
    const int id = ++event;
    QTimer::singleShot(0, &window, [this, id, next] {
        act(next);
        // Whatever was queued meanwhile runs in the next pass; the pass after
        // that ends the loop, unless the program was asked to end before.
        QTimer::singleShot(0, &window, [this, id] {
            QTimer::singleShot(0, &window, [this, id] {
                if (id == event)
                    QCoreApplication::exit(notEnded);
            });
        });
    });
    outcome.ended = QCoreApplication::exec() != notEnded;
    return outcome;
}

void QtStormFrontEnd::act(const StormEvent& next)
{
    using Action = StormEvent::Action;
    if (next.isKey()) {
        pressKey(next);
        return;
    }
    switch (next.action) {
    case Action::menuNew: trigger("mnuGameNew"); break;
    case Action::menuExit: trigger("mnuGameExit"); break;
    case Action::menuSound: trigger("mnuOptionsSound"); break;
    case Action::menuPause: trigger("mnuOptionsPause"); break;
    case Action::menuInstructions: trigger("mnuHelpInstruct"); break;
    case Action::menuAbout: trigger("mnuHelpAbout"); break;
    case Action::closeSecondaryWindows:
        for (QWidget* open : openSecondaryWindows(window))
            open->close();
        // The player clicks on the main window again.
        window.activateWindow();
        break;
    case Action::tick1: ticks.tick(GameTimer::Timer1); break;
    case Action::tick2: ticks.tick(GameTimer::Timer2); break;
    default:
        for (const StormEvent& queued : next.queued) {
            const int id = event;
            QTimer::singleShot(0, &window, [this, queued, id] {
                // Counted when it runs while a step is still going on.
                if (id == event && window.game().isBusy())
                    ++outcome.ranInsideSound;
                act(queued);
            });
        }
        ticks.tick(GameTimer::Timer1);
        break;
    }
}

void QtStormFrontEnd::pressKey(const StormEvent& next)
{
    if (next.key == 0)
        return;
    Qt::KeyboardModifiers modifiers;
    modifiers.setFlag(Qt::ShiftModifier, next.modifiers.shift);
    modifiers.setFlag(Qt::ControlModifier, next.modifiers.control);
    modifiers.setFlag(Qt::AltModifier, next.modifiers.alt);
    modifiers.setFlag(Qt::KeypadModifier, next.modifiers.keypad);
    modifiers.setFlag(Qt::MetaModifier, next.modifiers.meta);
    // Keys go where the player's keyboard goes: to the active window.
    QWidget* target = QApplication::activeWindow();
    QTest::keyClick(target ? target : &window, qtKey(next.key), modifiers);
}

void QtStormFrontEnd::trigger(const char* action)
{
    window.findChild<QAction*>(QString::fromLatin1(action))->trigger();
}

std::string QtStormFrontEnd::problem()
{
    if (auto problems = referee.check(); !problems.empty())
        return problems.front();
    return checkWindows();
}

std::string QtStormFrontEnd::checkWindows() const
{
    if (!window.isVisible())
        return "the main window is gone";
    QMap<QString, int> kinds;
    for (QWidget* open : openSecondaryWindows(window))
        if (++kinds[QString::fromLatin1(open->metaObject()->className())] > 1)
            return std::string("two ") + open->metaObject()->className() + " windows are open";
    return {};
}
