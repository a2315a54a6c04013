#include "trainer/forms.h"

#include "trainer/dialogs.h"
#include "trainer/form1.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QProxyStyle>
#include <QScreen>

#include <utility>

namespace zenkla {

TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;

namespace {

void centreOnScreen(QWidget* window)
{
    window->adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = window->frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        window->move(r.topLeft());
    }
}

// The menu bar's arrow for menus that do not fit, drawn when it is painted.
class ArrowIcon : public QIconEngine {
public:
    void paint(QPainter* p, const QRect& r, QIcon::Mode mode, QIcon::State) override
    {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->setPen(QPen(mode == QIcon::Disabled ? Qt::gray : Qt::black, 1.5));
        const QPointF c = QRectF(r).center();
        const qreal h = r.height() / 4.0;
        for (qreal dx : {-h, h / 4})
            p->drawPolyline(QPolygonF({c + QPointF(dx, -h), c + QPointF(dx + h, 0), c + QPointF(dx, h)}));
        p->restore();
    }
    QIconEngine* clone() const override { return new ArrowIcon; }
};

// The platform's style with that arrow drawn: the toolkit would read it from a PNG when the menu
// bar is made, and finding a reader for a PNG loads every image-format plugin on the machine,
// several milliseconds of Zenkla's start-up for a picture that a pupil never sees (Zenkla reads
// no images).
class ZenklaStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override
    {
        if (icon == SP_ToolBarHorizontalExtensionButton)
            return QIcon(new ArrowIcon);
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

void installStyle()
{
    static QPointer<QStyle> installed; // the application owns and deletes it
    if (!installed) {
        installed = new ZenklaStyle;
        QApplication::setStyle(installed);
    }
}

} // namespace

namespace {

// Loads a modal window into its reference: created on first use, forgotten when destroyed.
template <class Form>
Form* load(Form*& reference)
{
    if (!reference) {
        auto* f = new Form(Form1);
        QObject::connect(f, &QObject::destroyed, [&reference, f] {
            if (reference == f)
                reference = nullptr;
        });
        reference = f;
    }
    return reference;
}

// Unloads it: the reference is forgotten at once, the window deletes itself on closing.
template <class Form>
void unload(Form*& reference)
{
    if (Form* f = std::exchange(reference, nullptr))
        f->close();
}

} // namespace

TForm2* loadForm2()
{
    TForm2* f = load(Form2);
    centreOnScreen(f);
    return f;
}

void unloadForm2()
{
    unload(Form2);
}

TForm3* loadForm3()
{
    return load(Form3);
}

void unloadForm3()
{
    unload(Form3);
}

QIcon programIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0, 0, 128));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    p.setPen(QPen(Qt::white, 3));
    p.drawLine(QPointF(16, 5), QPointF(16, 17)); // plus above …
    p.drawLine(QPointF(10, 11), QPointF(22, 11));
    p.setPen(QPen(QColor(255, 80, 80), 3));
    p.drawLine(QPointF(10, 24), QPointF(22, 24)); // … minus below
    p.end();
    return QIcon(pixmap);
}

} // namespace zenkla

void createForms()
{
    using namespace zenkla;
    QCoreApplication::setApplicationName(applicationTitle());
    QApplication::setWindowIcon(programIcon());
    installStyle();
    Form1 = new TForm1;
    Form1->Form_Load();
    centreOnScreen(Form1);
    Form1->show();
}

void destroyForms()
{
    using namespace zenkla;
    delete Form2;
    delete Form3;
    delete Form1;
    Form1 = nullptr;
}
