#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// Leaks one object on purpose from a button's slot, the way a window would leak
// one when the player clicks, then quits. The click is delivered as a window
// system event from inside the event loop, so the leak's stack runs through Qt
// Core, Gui and Widgets. The sanitized test run passes only while the leak
// checker still reports it, so suppressions wide enough to hide the game's own
// leaks fail the run.
namespace {

struct Canary {
    int chirps = 0;
};

void dropCanaryFromSlot()
{
    auto* canary = new Canary;
    canary->chirps = 1;
}

}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QPushButton button(QStringLiteral("Canary"));
    QObject::connect(&button, &QPushButton::clicked, &app, [] {
        dropCanaryFromSlot();
        QCoreApplication::quit();
    });
    button.show();
    QTimer::singleShot(0, &button, [&button] {
        QTest::mouseClick(button.windowHandle(), Qt::LeftButton, {}, button.rect().center());
    });
    return QApplication::exec();
}
