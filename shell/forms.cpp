#include "shell/forms.h"

#include "equations/practice.h"
#include "equations/testwindow.h"
#include "expressions/practice.h"
#include "expressions/testwindow.h"
#include "shell/feedback.h"
#include "shell/handlers.h"
#include "shell/menus.h"
#include "shell/navigation.h"
#include "shell/prompt.h"
#include "shell/theory.h"
#include "signed/helppages.h"
#include "signed/practice.h"
#include "signed/testwindow.h"

#include <QApplication>
#include <QPixmapCache>
#include <QTimer>

#include <malloc.h>

#include <type_traits>

TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TForm4* Form4 = nullptr;
TForm5* Form5 = nullptr;
TForm6* Form6 = nullptr;
TForm7* Form7 = nullptr;
TForm8* Form8 = nullptr;
TForm9* Form9 = nullptr;
TForm10* Form10 = nullptr;
TForm11* Form11 = nullptr;
TForm12* Form12 = nullptr;
TForm13* Form13 = nullptr;
TForm14* Form14 = nullptr;
TForm15* Form15 = nullptr;
TForm16* Form16 = nullptr;
TForm17* Form17 = nullptr;
TForm18* Form18 = nullptr;
TForm19* Form19 = nullptr;
TForm20* Form20 = nullptr;
TForm21* Form21 = nullptr;
TForm22* Form22 = nullptr;
TForm23* Form23 = nullptr;
TForm24* Form24 = nullptr;
TForm25* Form25 = nullptr;
TForm26* Form26 = nullptr;

namespace {

// Entering a practice or test window again and again must not make the program grow.
// - glibc raises its mmap threshold each time a large block is freed, so the backing store of a
//   released window (1.7 MB) would next come from the heap and its memory stay with the process
//   after the window goes; a fixed threshold keeps such blocks mapped and returns them at once.
// - The style caches the pixmaps it draws buttons with per palette, and every button has a
//   palette of its own (its red caption): a new window's buttons only add entries. A small cache
//   still holds what one window needs.
void boundMemory()
{
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    QPixmapCache::setCacheLimit(1024);
}

// The practice and test windows that are not there yet, in numeric order.
void createExerciseWindows()
{
    const auto make = [](auto*& reference) {
        if (!reference)
            reference = new std::remove_reference_t<decltype(*reference)>;
    };
    make(Form8);
    make(Form14);
    make(Form19);
    make(Form20);
    make(Form25);
    make(Form26);
    // Every new widget asks to be polished at the next turn of the event loop. The hidden
    // windows are polished when they are first shown; polishing all of them now would only
    // take time away from what is on screen.
    QCoreApplication::removePostedEvents(nullptr, QEvent::PolishRequest);
}

// The topic menus, theory pages and the prompt (2 … 24 but 8 and 14), in numeric order, when
// they are not there yet.
void createMenusAndPages()
{
    if (Form2)
        return;
    Form2 = new TForm2;
    Form3 = new TForm3;
    Form4 = new TForm4;
    Form5 = new TForm5;
    Form6 = new TForm6;
    Form7 = new TForm7;
    Form9 = new TForm9;
    Form10 = new TForm10;
    Form11 = new TForm11;
    Form12 = new TForm12;
    Form13 = new TForm13;
    Form15 = new TForm15;
    Form16 = new TForm16;
    Form17 = new TForm17;
    Form18 = new TForm18;
    Form21 = new TForm21;
    Form22 = new TForm22;
    Form23 = new TForm23;
    Form24 = new TForm24;
    // As in createExerciseWindows: the hidden windows are polished when first shown.
    QCoreApplication::removePostedEvents(nullptr, QEvent::PolishRequest);
}

void createRemainingWindows()
{
    createMenusAndPages();
    createExerciseWindows();
}

// Runs a task once, at the turn of the event loop after the watched window's first paint.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget* window, void (*task)()) : QObject(window), task_(task) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, parent(), task_);
            deleteLater();
        }
        return false;
    }

private:
    void (*task_)();
};

} // namespace

void createForms(StartUp startUp)
{
    boundMemory();
    // The program decides itself when it ends: when the main menu closes, or when no window is left.
    QApplication::setQuitOnLastWindowClosed(false);
    resetProgramEnded();
    rewards::resetAll();

    Form1 = new TForm1;
    if (startUp == StartUp::AllWindows)
        createRemainingWindows();
    else
        new AfterFirstPaint(Form1, createRemainingWindows);
    showForm(Form1);
}

void destroyForms()
{
    while (!TWindow::all().isEmpty())
        delete TWindow::all().last();
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
    Form5 = nullptr;
    Form6 = nullptr;
    Form7 = nullptr;
    Form8 = nullptr;
    Form9 = nullptr;
    Form10 = nullptr;
    Form11 = nullptr;
    Form12 = nullptr;
    Form13 = nullptr;
    Form14 = nullptr;
    Form15 = nullptr;
    Form16 = nullptr;
    Form17 = nullptr;
    Form18 = nullptr;
    Form19 = nullptr;
    Form20 = nullptr;
    Form21 = nullptr;
    Form22 = nullptr;
    Form23 = nullptr;
    Form24 = nullptr;
    Form25 = nullptr;
    Form26 = nullptr;
}

TWindow* form(int n)
{
    // A key or click that reaches the main menu before its first paint finds the other windows
    // made on the spot.
    if (Form1 && n != 1)
        createMenusAndPages();
    TWindow* const windows[] = {Form1,  Form2,  Form3,  Form4,  Form5,  Form6,  Form7,  Form8,  Form9,
                                Form10, Form11, Form12, Form13, Form14, Form15, Form16, Form17, Form18,
                                Form19, Form20, Form21, Form22, Form23, Form24, Form25, Form26};
    return n >= 1 && n <= 26 ? windows[n - 1] : nullptr;
}

namespace {
// The new instance takes the reference; the one it replaces can never be reached again and is
// released, so that entering a window again and again costs no memory.
template <class T>
void enter(T*& reference)
{
    TWindow* replaced = reference;
    reference = new T;
    showForm(reference);
    if (replaced)
        replaced->release();
}
} // namespace

void enterPractice(int n)
{
    switch (n) {
    case 8:
        enter(Form8);
        break;
    case 14:
        enter(Form14);
        break;
    case 19:
        enter(Form19);
        break;
    case 20:
        enter(Form20);
        break;
    case 25:
        enter(Form25);
        break;
    case 26:
        enter(Form26);
        break;
    default:
        break;
    }
}
