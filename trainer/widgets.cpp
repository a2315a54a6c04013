#include "trainer/widgets.h"

#include "trainer/codepage.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace zenkla {

namespace {

QString nameOf(const char* name)
{
    return QString::fromUtf8(name);
}

// Clicks the watched push button on Enter.
class EnterPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::KeyPress) {
            const auto* k = static_cast<QKeyEvent*>(e);
            if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && !k->isAutoRepeat()) {
                auto* b = static_cast<QPushButton*>(watched);
                if (b->isVisible() && b->isEnabled())
                    b->click();
                return true;
            }
        }
        return false;
    }
};

} // namespace

QFont sans(double points, bool bold, bool italic)
{
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QFont windowFont()
{
    return sans(13.5);
}

QLabel* label(QWidget* parent, const char* name, const QRect& place, const QString& text, const QFont& font,
              Qt::Alignment align, Wrap wrap)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(nameOf(name));
    l->setGeometry(place);
    l->setFont(font);
    l->setAlignment(align | Qt::AlignTop);
    l->setWordWrap(wrap == Wrap::Words);
    l->setTextFormat(Qt::PlainText);
    setColour(l, colour::black);
    return l;
}

namespace {

// As a VB frame: a thin grey border through the middle of the caption, no panel of its own, the
// caption in the frame's text colour. Painted here rather than by a style sheet, which would
// cost the frame and every control in it a style-sheet pass at start-up.
class Frame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QFontMetrics metrics(font());
        const int border = metrics.ascent() - metrics.capHeight() / 2; // through the capitals' middle
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawRect(QRect(0, border, width() - 1, height() - 1 - border));
        const int textLeft = 12;
        p.fillRect(QRect(7, 0, textLeft - 7 + metrics.horizontalAdvance(title()) + 4, metrics.height()),
                   palette().window());
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(textLeft, metrics.ascent(), title());
    }
};

} // namespace

QGroupBox* frame(QWidget* parent, const char* name, const QRect& place, const QString& caption,
                 const QFont& font, const QColor& captionColour)
{
    auto* g = new Frame(caption, parent);
    g->setObjectName(nameOf(name));
    g->setGeometry(place);
    g->setFont(font);
    setColour(g, captionColour);
    return g;
}

namespace {

// A captioned control of kind T at its place, in black.
template <class T>
T* captioned(QWidget* parent, const char* name, const QRect& place, const QString& caption, const QFont& font)
{
    auto* c = new T(caption, parent);
    c->setObjectName(nameOf(name));
    c->setGeometry(place);
    c->setFont(font);
    setColour(c, colour::black);
    return c;
}

} // namespace

QRadioButton* option(QWidget* parent, const char* name, const QRect& place, const QString& text,
                     const QFont& font)
{
    return captioned<QRadioButton>(parent, name, place, text, font);
}

QPushButton* button(QWidget* parent, const char* name, const QRect& place, const QString& caption,
                    const QFont& font)
{
    auto* b = captioned<QPushButton>(parent, name, place, caption, font);
    b->setAutoDefault(false);
    return b;
}

void showAll(std::initializer_list<QWidget*> controls)
{
    for (QWidget* c : controls)
        c->show();
}

void hideAll(std::initializer_list<QWidget*> controls)
{
    for (QWidget* c : controls)
        c->hide();
}

void setColour(QWidget* control, const QColor& colour)
{
    QPalette p = control->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    control->setPalette(p);
}

QColor colourOf(const QWidget* control)
{
    return control->palette().color(QPalette::WindowText);
}

Shape::Shape(QWidget* parent, const char* name, const QRect& place) : QWidget(parent)
{
    setObjectName(nameOf(name));
    setGeometry(place);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

VerticalLine::VerticalLine(QWidget* parent, const char* name, int x, int top, int bottom) : QWidget(parent)
{
    setObjectName(nameOf(name));
    setGeometry(x, top, 1, bottom - top);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void VerticalLine::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
}

int keyAsciiOf(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return 13;
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return -1;
    if (event.key() == Qt::Key_Backspace)
        return 8;
    if (event.key() == Qt::Key_Escape)
        return 27;
    const QString text = event.text();
    if (text.size() != 1 || !text.front().isPrint())
        return -1;
    QStringEncoder encode("windows-1257");
    if (!encode.isValid()) { // a Qt without ICU (the Windows build): the code page's own table
        const int code = windows1257Code(text.front());
        return code < 0 ? '?' : code;
    }
    const QByteArray bytes = encode(text);
    if (encode.hasError() || bytes.size() != 1)
        return '?';
    return static_cast<unsigned char>(bytes.front());
}

QChar charOfKeyAscii(int code)
{
    const char byte = static_cast<char>(code);
    QStringDecoder decode("windows-1257");
    if (!decode.isValid()) {
        // A Qt without ICU: the table read backwards; the codes the code page leaves undefined
        // come back as the codec gives them (0x80 … 0x9F as C1 controls, the rest as U+FFFD).
        static const std::array<char16_t, 256> chars = [] {
            std::array<char16_t, 256> all{};
            for (int i = 0; i < 256; ++i)
                all[static_cast<std::size_t>(i)] = i < 0xA0 ? static_cast<char16_t>(i) : u'\uFFFD';
            for (char16_t u = 0x80; u < 0x2200; ++u)
                if (const int c = windows1257Code(QChar(u)); c >= 0)
                    all[static_cast<std::size_t>(c)] = u;
            return all;
        }();
        return code >= 0 && code < 256 ? QChar(chars[static_cast<std::size_t>(code)]) : QChar(u'?');
    }
    const QString s = decode(QByteArrayView(&byte, 1));
    return s.size() == 1 ? s.front() : QChar(u'?');
}

FilterValidator::FilterValidator(QObject* parent, std::function<QString(const QString&)> filter)
    : QValidator(parent), filter_(std::move(filter))
{
}

QValidator::State FilterValidator::validate(QString& input, int& pos) const
{
    const QString before = filter_(input.left(pos));
    const QString all = filter_(input);
    input = all;
    pos = static_cast<int>(std::min(before.size(), all.size()));
    return Acceptable;
}

KeyBox::KeyBox(QWidget* parent, const char* name, const QRect& place, const QFont& font) : QLineEdit(parent)
{
    setObjectName(nameOf(name));
    setGeometry(place);
    setFont(font);
}

void KeyBox::setTextFilter(std::function<QString(const QString&)> filter)
{
    setValidator(new FilterValidator(this, std::move(filter)));
}

bool KeyBox::event(QEvent* e)
{
    // The window's menu shortcuts come before the box's own use of Ctrl+C (VB's accelerators
    // win over the edit box): let the shortcut map see it.
    if (e->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(e)->matches(QKeySequence::Copy)) {
        e->ignore();
        return true;
    }
    return QLineEdit::event(e);
}

void KeyBox::setPaste(std::function<void(const QString&)> handler)
{
    paste_ = std::move(handler);
    setAcceptDrops(!paste_);
}

void KeyBox::keyPressEvent(QKeyEvent* e)
{
    if (paste_ && e->matches(QKeySequence::Paste)) {
        e->accept();
        paste_(QGuiApplication::clipboard()->text());
        return;
    }
    const int code = keyAsciiOf(*e);
    if (code < 0 || !keyPress_) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    int k = code;
    keyPress_(k);
    e->accept();
    if (k == 0 || code == 13 || k == 13 || k == 27)
        return;
    if (k == code) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    if (k == 8)
        backspace();
    else
        insert(QString(charOfKeyAscii(k)));
}

void KeyBox::contextMenuEvent(QContextMenuEvent* e)
{
    if (!paste_) {
        QLineEdit::contextMenuEvent(e);
        return;
    }
    // The box's own menu, with its "Paste" turned to the paste handler.
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QString pasteText = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (action->text().section(u'\t', 0, 0) != pasteText)
            continue;
        action->disconnect(this);
        connect(action, &QAction::triggered, this, [this] { paste_(QGuiApplication::clipboard()->text()); });
    }
    menu->popup(e->globalPos());
}

void KeyBox::mouseReleaseEvent(QMouseEvent* e)
{
    if (paste_ && e->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        e->accept();
        deselect();
        paste_(QGuiApplication::clipboard()->text(QClipboard::Selection));
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

void pressOnEnter(QPushButton* button)
{
    button->installEventFilter(new EnterPresses(button));
}

} // namespace zenkla
