#include "FormBuilder.h"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>

#include <cstring>

using namespace Form;

namespace {
// The windows are laid out in pixels as on a 96-dpi screen; a point size
// given for that screen becomes the one that keeps the lettering the same
// size against the layout on the screen in use, whatever its dots per inch.
qreal layoutPointSize(qreal pointSize)
{
    constexpr qreal layoutDpi = 96;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? pointSize * layoutDpi / screen->logicalDotsPerInchY() : pointSize;
}

// The same faces under the names Linux desktops install them by.
QStringList familiesFor(const char* face)
{
    if (std::strcmp(face, "OCR A Extended") == 0)
        return {QStringLiteral("OCR A Extended"), QStringLiteral("OCRABold"),
                QStringLiteral("OCRA"), QStringLiteral("OCR A")};
    return {QString::fromLatin1(face)};
}

Qt::Alignment alignment(Align align)
{
    switch (align) {
    case Align::Centre: return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Middle: return Qt::AlignCenter;
    default: return Qt::AlignLeft | Qt::AlignTop;
    }
}

// What every element has: its name, place, lettering and text colour.
template <class Widget> Widget* place(Widget* widget, const Element& element)
{
    widget->setObjectName(QString::fromLatin1(element.name));
    widget->setGeometry(element.bounds.left, element.bounds.top, element.bounds.width,
                        element.bounds.height);
    widget->setFont(FormBuilder::font(element.font));
    if (element.textColour.role != ColourRole::WindowText)
        FormBuilder::setTextColour(*widget, element.textColour);
    return widget;
}

QWidget* makeShape(const Element& element, QWidget* parent)
{
    auto* shape = place(new QFrame(parent), element);
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape->setLineWidth(element.edge == Edge::None ? 0 : 1);
    QPalette palette = shape->palette();
    palette.setColor(QPalette::Window, FormBuilder::colour(element.background));
    palette.setColor(QPalette::WindowText, FormBuilder::colour(element.textColour));
    shape->setPalette(palette);
    shape->setAutoFillBackground(true);
    return shape;
}

QWidget* makeLabel(const Element& element, QWidget* parent)
{
    auto* label = place(new QLabel(QString::fromLatin1(element.text), parent), element);
    label->setAlignment(alignment(element.align));
    return label;
}

QWidget* makeTextField(const Element& element, QWidget* parent)
{
    if (!element.multiLine) {
        auto* field = place(new QLineEdit(QString::fromLatin1(element.text), parent), element);
        field->setReadOnly(element.readOnly);
        field->setFrame(element.edge != Edge::None);
        // A line of text sits in the middle of its field's height.
        field->setAlignment((alignment(element.align) & Qt::AlignHorizontal_Mask)
                            | Qt::AlignVCenter);
        return field;
    }
    auto* field = place(new QTextEdit(parent), element);
    field->setAcceptRichText(false);
    field->setUndoRedoEnabled(false);
    field->setReadOnly(element.readOnly);
    // Read-only, yet the player may still select and copy.
    if (element.readOnly)
        field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    const Qt::ScrollBarPolicy bars
        = element.scrollBars ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    field->setHorizontalScrollBarPolicy(bars);
    field->setVerticalScrollBarPolicy(bars);
    field->setLineWrapMode(QTextEdit::WidgetWidth);
    field->setWordWrapMode(QTextOption::WordWrap);
    field->setPlainText(QString::fromLatin1(element.text));
    return field;
}

QWidget* makeButton(const Element& element, QWidget* parent)
{
    auto* button = place(new QPushButton(QString::fromLatin1(element.text), parent), element);
    // The default button takes Enter; a dialog turns Esc into a rejection.
    button->setDefault(element.isDefault);
    return button;
}

QWidget* makeLink(const Element& element, QWidget* parent)
{
    auto* link = qobject_cast<QLineEdit*>(makeTextField(element, parent));
    QPalette palette = link->palette();
    palette.setColor(QPalette::Base, FormBuilder::colour(element.background));
    link->setPalette(palette);
    // An arrow, not a text cursor, whenever the pointer is on the link.
    link->setCursor(Qt::ArrowCursor);
    link->setMouseTracking(true);
    return link;
}

// An image, or a picture in a box sized to it inside the box's edge.
QWidget* makePicture(const Element& element, QWidget* parent, const QPixmap& picture)
{
    auto* box = place(new QLabel(parent), element);
    if (element.edge == Edge::Sunken)
        box->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    box->setPixmap(picture);
    const int edge = box->frameWidth();
    if (element.kind == Kind::Picture)
        box->resize(picture.deviceIndependentSize().toSize() + QSize(edge, edge) * 2);
    return box;
}
}

namespace FormBuilder {
QFont font(const Form::Font& wanted)
{
    QFont made = QApplication::font();
    if (wanted.face) {
        const bool fixedPitch = std::strcmp(wanted.face, "OCR A Extended") == 0;
        made = QFontDatabase::systemFont(fixedPitch ? QFontDatabase::FixedFont
                                                    : QFontDatabase::GeneralFont);
        for (const QString& family : familiesFor(wanted.face)) {
            if (QFontDatabase::hasFamily(family)) {
                made = QFont(family);
                break;
            }
        }
        made.setStyleHint(fixedPitch ? QFont::Monospace : QFont::SansSerif);
    }
    made.setPointSizeF(layoutPointSize(wanted.face ? wanted.points : made.pointSizeF()));
    made.setBold(wanted.bold);
    made.setUnderline(wanted.underline);
    return made;
}

void setTextColour(QWidget& widget, const Form::Colour& wanted)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour(wanted));
    palette.setColor(QPalette::Text, colour(wanted));
    widget.setPalette(palette);
}

QColor colour(const Form::Colour& wanted)
{
    const QPalette palette = QApplication::palette();
    switch (wanted.role) {
    case ColourRole::Rgb: return {wanted.red, wanted.green, wanted.blue};
    case ColourRole::Window: return palette.color(QPalette::Base);
    case ColourRole::WindowText: return palette.color(QPalette::WindowText);
    case ColourRole::WindowFrame: return Qt::black;
    // There is no active-border colour in Qt's palette; the window's own
    // light grey is the same colour in the usual schemes.
    case ColourRole::ButtonFace:
    case ColourRole::ActiveBorder: return palette.color(QPalette::Window);
    default: return Qt::transparent;
    }
}

void buildWindow(QWidget& window, const Form::Window& form, const QIcon& programIcon)
{
    window.setObjectName(QString::fromLatin1(form.name));
    window.setWindowTitle(QString::fromLatin1(form.caption));
    if (form.icon == Icon::Program)
        window.setWindowIcon(programIcon);
    if (form.font.face)
        window.setFont(font(form.font));
    Qt::WindowFlags flags
        = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    flags.setFlag(Qt::WindowMinimizeButtonHint, form.buttons.minimize);
    flags.setFlag(Qt::WindowMaximizeButtonHint, form.buttons.maximize);
    flags.setFlag(Qt::WindowCloseButtonHint, form.buttons.close);
    flags.setFlag(Qt::MSWindowsFixedSizeDialogHint, form.border == Border::FixedSingle);
    window.setWindowFlags(flags);
    // A main window's menu bar comes on top of the client area, so its layout
    // holds the size; other windows are their client area. A sizable window
    // only shows more or less of its background: its elements keep their
    // places and sizes.
    auto* main = qobject_cast<QMainWindow*>(&window);
    if (form.border != Border::FixedSingle)
        window.resize(form.clientWidth, form.clientHeight);
    else if (main && main->layout())
        main->layout()->setSizeConstraint(QLayout::SetFixedSize);
    else
        window.setFixedSize(form.clientWidth, form.clientHeight);
}

QWidget* build(const Form::Element& element, QWidget* parent, const QPixmap& picture)
{
    switch (element.kind) {
    case Kind::Shape: return makeShape(element, parent);
    case Kind::Label: return makeLabel(element, parent);
    case Kind::TextField: return makeTextField(element, parent);
    case Kind::Button: return makeButton(element, parent);
    case Kind::Link: return makeLink(element, parent);
    case Kind::Image:
    case Kind::Picture: return makePicture(element, parent, picture);
    default: return nullptr;
    }
}

std::array<QAction*, Form::commandCount>
buildMenus(QMenuBar& bar, std::span<const Form::MenuItem> menu,
           const std::function<void(Form::Command)>& choose)
{
    std::array<QAction*, commandCount> items {};
    // The menus' lettering scales with the field, so that the window stays its
    // layout times the screen's whole factor.
    QFont menuFont = bar.font();
    menuFont.setPointSizeF(layoutPointSize(menuFont.pointSizeF()));
    bar.setFont(menuFont);
    bar.setFocusPolicy(Qt::NoFocus);
    QMenu* current = nullptr;
    for (const MenuItem& row : menu) {
        if (row.topLevel) {
            current = bar.addMenu(QString::fromLatin1(row.caption));
            current->setObjectName(QString::fromLatin1(row.name));
            current->setFont(menuFont);
        } else if (row.separator) {
            current->addSeparator()->setObjectName(QString::fromLatin1(row.name));
        } else {
            QAction* item = current->addAction(QString::fromLatin1(row.caption));
            item->setObjectName(QString::fromLatin1(row.name));
            item->setCheckable(row.checkable);
            item->setShortcut(QKeySequence(QString::fromStdString(shortcutText(row.shortcut))));
            QObject::connect(item, &QAction::triggered, &bar,
                             [choose, command = row.command] { choose(command); });
            items.at(static_cast<std::size_t>(row.command)) = item;
        }
    }
    return items;
}
}
