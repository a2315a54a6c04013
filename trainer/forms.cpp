#include "trainer/forms.h"

#include "trainer/dialogs.h"
#include "trainer/form1.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
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
