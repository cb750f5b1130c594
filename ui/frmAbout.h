#pragma once

#include <QDialog>

#include "AboutLink.h"

class QLabel;
class QLineEdit;

// The about window: the game's name, version and banner, and a link to the
// makers' page that lights up under the pointer. It opens
// centred on the main window (on Wayland the desktop places it over it), stands
// alone beside it and is thrown away when closed.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    // Reads the main window's frame to centre on it; keeps no link to it.
    frmAbout(const QIcon& icon, const QPixmap& banner, const QWidget& mainWindow);
    ~frmAbout() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void formLoad(const QWidget& mainWindow);
    void txtURLClick();
    // Shows the link as its pointer rules say: its colour, and whether it
    // holds the mouse.
    void showLink();

    QLabel* lblVersion = nullptr;
    QLineEdit* txtURL = nullptr;
    AboutLink link;
};
