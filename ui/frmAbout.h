#pragma once

#include <QDialog>

#include "AboutText.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The about window: the game's name, version and banner, and a link to the
// makers' page that lights up under the pointer, at a fixed size. It opens
// centred on the main window (on Wayland the desktop places it over it), stands
// alone beside it and is thrown away when closed.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    // Reads the main window's frame to centre on it; keeps no link to it.
    frmAbout(const QIcon& icon, const QPixmap& banner, const QWidget& mainWindow);
    ~frmAbout() override;

    // Where a window whose frame is `ownFrame` goes to be centred on
    // `mainFrame`: the top-left of its frame, in pixels.
    static QPoint centredPosition(const QRect& mainFrame, QSize ownFrame);

    // The makers' page, the only address the link ever opens.
    static constexpr const char* linkAddress = AboutText::linkAddress;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void formLoad(const QWidget& mainWindow);
    void txtURLMouseMove(QPoint position);
    void txtURLClick();
    void restLink();
    void setLinkColour(const QColor& colour);

    QLabel* Image1 = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* Picture1 = nullptr;
    QLineEdit* txtURL = nullptr;
    QPushButton* cmdCancel = nullptr;
    // True while the pointer is on the link (and, where the window system
    // allows it, the link holds the mouse).
    bool linkHovered = false;
    // True from a left press on the link until it is let go; the second press
    // of a double click does not count, so a double click opens the page once.
    bool linkPressed = false;
};
