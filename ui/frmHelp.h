#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QTextEdit;

// The instructions window: a heading, how to play in a read-only field and an
// OK button, at a fixed size. It stands alone beside the main window (on
// Wayland the desktop shows it over it) and is thrown away when closed, so
// every opening starts afresh.
class frmHelp : public QDialog {
    Q_OBJECT

public:
    frmHelp();

    // How to play, paragraphs separated by CR LF pairs, no break at the end.
    static QString instructionsText();

private:
    void formLoad();

    QFrame* Shape1 = nullptr;
    QLabel* Label1 = nullptr;
    QTextEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
};
