#include "shell/controls.h"

#include "shell/picture.h"
#include "shell/window.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The family list of a font: the classic family when this machine has it, then look-alikes
// with every Lithuanian letter. A family the machine lacks is left out rather than named:
// asking for it makes the font system search for substitutes, which is slow at start-up, and
// the look-alike after it would be chosen anyway. These fonts have every letter the program
// writes, so no other font is merged in for missing letters (NoFontMerging), which spares the
// search for fallback fonts too.
QStringList families(const char* classic, std::initializer_list<const char*> lookAlikes)
{
    QStringList list;
    if (QFontDatabase::hasFamily(QString::fromLatin1(classic)))
        list << QString::fromLatin1(classic);
    for (const char* f : lookAlikes)
        list << QString::fromLatin1(f);
    return list;
}

} // namespace

QFont bookman(int pixels, bool bold)
{
    static const QStringList names =
        families("Bookman Old Style", {"TeX Gyre Bonum", "URW Bookman", "DejaVu Serif"});
    QFont f;
    f.setFamilies(names);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setStyleStrategy(QFont::NoFontMerging);
    return f;
}

QFont times(int pixels, bool bold, bool italic)
{
    static const QStringList names =
        families("Times New Roman", {"TeX Gyre Termes", "Liberation Serif", "DejaVu Serif"});
    QFont f;
    f.setFamilies(names);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::NoFontMerging);
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
