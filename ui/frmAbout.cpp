#include "frmAbout.h"

#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

#include "AboutLayout.h"
#include "FormBuilder.h"
#include "frmAboutForm.h"
#include "SecondaryWindow.h"

frmAbout::frmAbout(const QIcon& icon, const QPixmap& banner, const QWidget& mainWindow)
    : link(frmAboutForm::txtURL.bounds.width, frmAboutForm::txtURL.bounds.height)
{
    setAttribute(Qt::WA_DeleteOnClose);
    FormBuilder::buildWindow(*this, frmAboutForm::form, icon);
    for (const Form::Element& element : frmAboutForm::elements) {
        const QPixmap picture = element.picture == Form::Picture::ProgramIcon
            ? icon.pixmap(element.bounds.width, element.bounds.height)
            : element.picture == Form::Picture::Banner ? banner
                                                       : QPixmap();
        FormBuilder::build(element, this, picture);
    }
    lblVersion = findChild<QLabel*>(QString::fromLatin1(frmAboutForm::lblVersion.name));
    txtURL = findChild<QLineEdit*>(QString::fromLatin1(frmAboutForm::txtURL.name));
    txtURL->installEventFilter(this);
    connect(findChild<QPushButton*>(QString::fromLatin1(frmAboutForm::cmdCancel.name)),
            &QPushButton::clicked, this, &QDialog::accept);
    formLoad(mainWindow);
}

frmAbout::~frmAbout()
{
    link.hidden();
    showLink();
}

void frmAbout::formLoad(const QWidget& mainWindow)
{
    // This window has no frame until it is shown; it will get the same
    // decorations as the main window, so its frame is guessed from that one's.
    const QRect mainFrame = mainWindow.frameGeometry();
    const QRect mainClient = mainWindow.geometry();
    const QSize ownFrame = size() + mainFrame.size() - mainClient.size();
    const AboutLayout::Point start = AboutLayout::centredPosition(
        {mainFrame.left(), mainFrame.top(), mainFrame.width(), mainFrame.height()},
        ownFrame.width(), ownFrame.height());
    move(start.x, start.y);

    lblVersion->setText(QString::fromStdString(AboutText::versionLine()));
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != txtURL)
        return QDialog::eventFilter(watched, event);
    const auto at
        = [event] { return static_cast<QSinglePointEvent*>(event)->position().toPoint(); };
    const auto leftButton
        = [event] { return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton; };
    bool open = false;
    switch (event->type()) {
    case QEvent::Enter: link.enter(at().x(), at().y()); break;
    case QEvent::MouseMove: link.move(at().x(), at().y()); break;
    // The pointer went off the field, the window or the program; where the
    // field cannot hold the mouse this is all it learns.
    case QEvent::Leave: link.leave(); break;
    case QEvent::MouseButtonPress:
        if (leftButton())
            link.press(at().x(), at().y());
        break;
    case QEvent::MouseButtonDblClick:
        if (leftButton())
            link.doubleClick(at().x(), at().y());
        break;
    case QEvent::MouseButtonRelease: open = leftButton() && link.release(at().x(), at().y()); break;
    default: return QDialog::eventFilter(watched, event);
    }
    showLink();
    if (open)
        txtURLClick();
    return QDialog::eventFilter(watched, event);
}

void frmAbout::txtURLClick()
{
    // Always the fixed address, never whatever the field happens to show.
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(AboutText::linkAddress)));
}

void frmAbout::hideEvent(QHideEvent* event)
{
    // However the window goes (OK, Esc, the close box, minimized), it lets
    // go of the mouse so that other windows get it again.
    link.hidden();
    showLink();
    QDialog::hideEvent(event);
}

void frmAbout::showLink()
{
    const Form::Element& row = frmAboutForm::txtURL;
    FormBuilder::setTextColour(*txtURL, link.isLit() ? row.hoverColour : row.textColour);
    // Holding the mouse lets the field see the pointer go off it, even past
    // the window's edge. Wayland gives no such hold; there the field is told
    // when the pointer leaves it.
    const bool holding = QWidget::mouseGrabber() == txtURL;
    if (link.holdsPointer() && !holding && !SecondaryWindow::onWayland())
        txtURL->grabMouse();
    else if (!link.holdsPointer() && holding)
        txtURL->releaseMouse();
}
