// The least a Qt 6 game window can be: a menu bar over a 481 × 369 widget.
// The measurements compare the game's start-up, memory and CPU with this.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.menuBar()
        ->addMenu(QStringLiteral("&Game"))
        ->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    auto* field = new QWidget(&window);
    field->setFixedSize(481, 369);
    window.setCentralWidget(field);
    window.show();
    return QApplication::exec();
}
