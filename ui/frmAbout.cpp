#include "frmAbout.h"

#include <QDesktopServices>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

#include <utility>

#include "AboutLayout.h"
#include "DialogFont.h"
#include "SecondaryWindow.h"

namespace {
const QColor linkAtRest(0, 0, 255);
const QColor linkHoverColour(255, 0, 0);

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}
}

frmAbout::frmAbout(const QIcon& icon, const QPixmap& banner, const QWidget& mainWindow)
    : QDialog(nullptr, SecondaryWindow::flags)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About Vermilo"));
    setWindowIcon(icon);
    setFont(dialogFont(8.25));
    // A fixed size, so that tiling desktops float it rather than stretch it.
    setFixedSize(329, 288);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(16, 16, 32, 32);
    Image1->setPixmap(icon.pixmap(32, 32));

    lblTitle = new QLabel(QStringLiteral("Vermilo"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setGeometry(72, 8, 251, 32);
    lblTitle->setFont(dialogFont(12, true));

    lblDescription = new QLabel(QString::fromLatin1(AboutText::description), this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setGeometry(72, 32, 205, 22);

    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setGeometry(72, 56, 185, 17);

    for (QLabel* label : {lblTitle, lblDescription, lblVersion}) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setTextColour(label, Qt::black);
    }

    // The banner in a two-pixel sunken border, the box sized to the picture.
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    Picture1->setPixmap(banner);
    const int border = Picture1->frameWidth();
    Picture1->setGeometry(
        QRect(QPoint(8, 120), banner.deviceIndependentSize().toSize() + QSize(border, border) * 2));

    txtURL = new QLineEdit(QString::fromLatin1(linkAddress), this);
    txtURL->setObjectName(QStringLiteral("txtURL"));
    txtURL->setGeometry(80, 224, 161, 17);
    txtURL->setReadOnly(true);
    txtURL->setFrame(false);
    txtURL->setAlignment(Qt::AlignCenter);
    QFont linkFont = dialogFont(8.25);
    linkFont.setUnderline(true);
    txtURL->setFont(linkFont);
    // There is no active-border colour in Qt's palette; the window's own
    // light grey is the same colour in the usual schemes.
    QPalette linkPalette = txtURL->palette();
    linkPalette.setColor(QPalette::Base, palette().color(QPalette::Window));
    txtURL->setPalette(linkPalette);
    setLinkColour(linkAtRest);
    // An arrow, not a text cursor, whenever the pointer is on the link.
    txtURL->setCursor(Qt::ArrowCursor);
    txtURL->setMouseTracking(true);
    txtURL->installEventFilter(this);

    cmdCancel = new QPushButton(QStringLiteral("OK"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(128, 256, 65, 25);
    // The default button takes Enter; the dialog turns Esc into a rejection.
    cmdCancel->setDefault(true);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::accept);

    formLoad(mainWindow);
}

frmAbout::~frmAbout()
{
    restLink();
}

QPoint frmAbout::centredPosition(const QRect& mainFrame, QSize ownFrame)
{
    const AboutLayout::Point start = AboutLayout::centredPosition(
        {mainFrame.left(), mainFrame.top(), mainFrame.width(), mainFrame.height()},
        ownFrame.width(), ownFrame.height());
    return {start.x, start.y};
}

void frmAbout::formLoad(const QWidget& mainWindow)
{
    linkHovered = false;

    // This window has no frame until it is shown; it will get the same
    // decorations as the main window, so its frame is guessed from that one's.
    const QRect mainFrame = mainWindow.frameGeometry();
    const QRect mainClient = mainWindow.geometry();
    const QSize decorations = mainFrame.size() - mainClient.size();
    move(centredPosition(mainFrame, size() + decorations));

    lblVersion->setText(QString::fromStdString(AboutText::versionLine()));
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtURL) {
        const auto mouse = [event] { return static_cast<QMouseEvent*>(event); };
        switch (event->type()) {
        case QEvent::MouseMove: txtURLMouseMove(mouse()->position().toPoint()); break;
        case QEvent::Leave:
            // The pointer went off the field, the window or the program; where
            // the field cannot hold the mouse this is all it learns.
            restLink();
            break;
        case QEvent::MouseButtonPress: linkPressed = mouse()->button() == Qt::LeftButton; break;
        case QEvent::MouseButtonDblClick: linkPressed = false; break;
        case QEvent::MouseButtonRelease: {
            const QPoint at = mouse()->position().toPoint();
            // A press on the link that is let go on it.
            if (mouse()->button() == Qt::LeftButton && std::exchange(linkPressed, false)
                && AboutLayout::linkContains(at.x(), at.y(), txtURL->width(), txtURL->height()))
                txtURLClick();
            break;
        }
        default: break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::txtURLMouseMove(QPoint position)
{
    if (!AboutLayout::linkContains(position.x(), position.y(), txtURL->width(), txtURL->height())) {
        restLink();
    } else if (!linkHovered) {
        linkHovered = true;
        // Holding the mouse lets the field see the pointer go off it, even past
        // the window's edge. Wayland gives no such hold; there the field is
        // told when the pointer leaves it.
        if (!SecondaryWindow::onWayland())
            txtURL->grabMouse();
        setLinkColour(linkHoverColour);
    }
}

void frmAbout::txtURLClick()
{
    restLink();
    // Always the fixed address, never whatever the field happens to show.
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(linkAddress)));
}

void frmAbout::hideEvent(QHideEvent* event)
{
    // However the window goes (OK, Esc, the close box, minimized), it lets
    // go of the mouse so that other windows get it again.
    restLink();
    QDialog::hideEvent(event);
}

void frmAbout::restLink()
{
    if (QWidget::mouseGrabber() == txtURL)
        txtURL->releaseMouse();
    linkHovered = false;
    setLinkColour(linkAtRest);
}

void frmAbout::setLinkColour(const QColor& colour)
{
    setTextColour(txtURL, colour);
}
