#include "shell/controls.h"

#include "shell/picture.h"
#include "shell/window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QFont bookman(int pixels, bool bold)
{
    QFont f;
    f.setFamilies({QStringLiteral("Bookman Old Style"), QStringLiteral("TeX Gyre Bonum"),
                   QStringLiteral("URW Bookman"), QStringLiteral("DejaVu Serif")});
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QFont times(int pixels, bool bold, bool italic)
{
    QFont f;
    f.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("TeX Gyre Termes"),
                   QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

namespace {

void setRole(QWidget* w, QPalette::ColorRole role, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(role, c);
    w->setPalette(p);
}

int labelHeight(const QFont& font)
{
    // Room for the tallest letters with marks (Į, Š) and for descenders.
    return font.pixelSize() > 0 ? font.pixelSize() * 5 / 4 + 4 : QFontMetrics(font).height() + 4;
}

} // namespace

QLabel* label(QWidget* parent, const char* name, QPoint at, const QString& text, const QFont& font,
              const QColor& c)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(font);
    // Labels inherit their window's text colour (yellow); only other colours need a palette
    // of their own, which saves start-up time on windows with many labels.
    if (parent->palette().color(QPalette::WindowText) != c)
        setRole(l, QPalette::WindowText, c);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(at.x(), at.y(), qMax(40, parent->width() - at.x()), labelHeight(font));
    return l;
}

void setColour(QLabel* l, const QColor& c)
{
    setRole(l, QPalette::WindowText, c);
}

void setLabelFont(QLabel* l, const QFont& font)
{
    l->setFont(font);
    l->resize(l->width(), labelHeight(font));
}

QPushButton* button(QWidget* parent, const char* name, const QRect& rect, const QString& caption,
                    const QFont& font)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFont(font);
    // Red captions on enabled buttons; a disabled button keeps the grey caption, so that a pupil
    // sees that it cannot be pressed yet.
    QPalette p = b->palette();
    p.setColor(QPalette::Active, QPalette::ButtonText, colour::red);
    p.setColor(QPalette::Inactive, QPalette::ButtonText, colour::red);
    b->setPalette(p);
    b->setAutoDefault(false);
    b->setGeometry(rect);
    return b;
}

QLineEdit* edit(QWidget* parent, const char* name, const QRect& rect, const QFont& font,
                const QColor& textColour)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setFont(font);
    setRole(e, QPalette::Text, textColour);
    e->setGeometry(rect);
    return e;
}

PictureBox* picture(QWidget* parent, const char* name, const QRect& rect, const QString& accessibleName)
{
    auto* p = new PictureBox(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setAccessibleName(accessibleName);
    p->setGeometry(rect);
    return p;
}

QPushButton* navButton(QWidget* parent, const char* name, int slot, const QString& caption)
{
    QPushButton* b = button(parent, name, QRect(8 + 72 * slot, parent->height() - 46, 65, 25), caption,
                            bookman(13));
    if (auto* window = qobject_cast<TWindow*>(parent))
        window->keepLastInTabOrder(b);
    return b;
}

QPushButton* menuButton(QWidget* parent, const char* name, int top, const QString& caption)
{
    return button(parent, name, QRect((parent->width() - 305) / 2, top, 305, 81), caption,
                  bookman(20));
}

QLabel* heading(QWidget* parent, const char* name, int top, const QString& text, const QFont& font,
                const QColor& c)
{
    QLabel* l = label(parent, name, {0, top}, text, font, c);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setGeometry(0, top, parent->width(), l->height());
    return l;
}
