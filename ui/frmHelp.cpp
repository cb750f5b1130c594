#include "frmHelp.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include "DialogFont.h"
#include "HelpText.h"
#include "SecondaryWindow.h"

frmHelp::frmHelp() : QDialog(nullptr, SecondaryWindow::flags)
{
    setObjectName(QStringLiteral("frmHelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("How to Play"));
    setFont(dialogFont(8.25));
    // A fixed size, so that tiling desktops float it rather than stretch it.
    setFixedSize(303, 272);

    // A white sheet behind everything; only its top and left outline fall
    // inside the window.
    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(0, 0, 305, 281);
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setLineWidth(1);
    QPalette sheet = Shape1->palette();
    sheet.setColor(QPalette::Window, sheet.color(QPalette::Base));
    sheet.setColor(QPalette::WindowText, Qt::black);
    Shape1->setPalette(sheet);
    Shape1->setAutoFillBackground(true);

    Label1 = new QLabel(QStringLiteral("How to play Vermilo"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 8, 289, 25);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFont(dialogFont(9.75, true));

    Text1 = new QTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(8, 32, 289, 201);
    Text1->setAcceptRichText(false);
    Text1->setUndoRedoEnabled(false);
    Text1->setReadOnly(true);
    // Read-only, yet the player may still select and copy.
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setLineWrapMode(QTextEdit::WidgetWidth);
    Text1->setWordWrapMode(QTextOption::WordWrap);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(120, 240, 57, 25);
    // The default button takes Enter; the dialog turns Esc into a rejection.
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);

    formLoad();
}

QString frmHelp::instructionsText()
{
    return QString::fromLatin1(HelpText::instructions);
}

void frmHelp::formLoad()
{
    Text1->setPlainText(instructionsText());
}
