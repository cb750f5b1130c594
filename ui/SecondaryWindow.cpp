#include "SecondaryWindow.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

bool SecondaryWindow::onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void SecondaryWindow::showOver(QWidget& window, QWidget& mainWindow)
{
    if (!onWayland())
        return;
    // The tie has to be there before the window is first shown: the desktop
    // learns of it when the window appears.
    window.winId();
    window.windowHandle()->setTransientParent(mainWindow.windowHandle());
}

void SecondaryWindow::standAlone(QWidget& window)
{
    // A window that belongs to another one does not count among the
    // program's windows when the last of them closes.
    if (QWindow* handle = window.windowHandle())
        handle->setTransientParent(nullptr);
}
