#pragma once

#include <QApplication>
#include <QList>
#include <QWidget>

// Frees the windows that were closed and asked to be deleted.
inline void discardClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The top-level windows of one kind that still exist once closed ones are gone.
template <class Window> QList<Window*> windowsOf()
{
    discardClosedWindows();
    QList<Window*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(widget))
            found << window;
    return found;
}
