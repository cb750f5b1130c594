#pragma once

#include <QDialog>

// The instructions window: a heading, how to play in a read-only field and an
// OK button. It stands alone beside the main window (on Wayland the desktop
// shows it over it) and is thrown away when closed, so every opening starts afresh.
class frmHelp : public QDialog {
    Q_OBJECT

public:
    frmHelp();
};
