#pragma once
// Helpers for driving the signed-number practice window TForm8 through its controls by name.
#include "shell/controls.h"
#include "shell/forms.h"
#include "shell/windowno.h"
#include "shell/handlers.h"
#include "shell/picture.h"
#include "signed/practice.h"
#include "testing/ui.h"
#include "testing/veltora_fixture.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <optional>

namespace practice {

// The controls of each exercise kind by name, and the first picture of its reward cycle.
struct KindNames {
    const char* first;
    const char* op;
    const char* bracket; // nullptr: the kind has none
    const char* second;
    const char* closing;
    const char* edit;
    const char* check;
    const char* help;
    const char* next;
    const char* image;
    char operation; // '+' for addition or subtraction, '*', ':'
    int firstPicture;
};

inline const KindNames kinds[10] = {
    {"Label11", "Label12", nullptr, "Label13", "Label7", "Edit2", "BitBtn4", "BitBtn7", "BitBtn9", "Image2", '+', 0},
    {"Label15", "Label16", nullptr, "Label17", "Label14", "Edit3", "BitBtn10", "BitBtn11", "BitBtn12", "Image3", '+',
     6},
    {"Label8", "Label9", "Label18", "Label10", "Label1", "Edit1", "BitBtn3", "BitBtn2", "BitBtn6", "Image4", ':', 12},
    {"Label21", "Label22", "Label23", "Label25", "Label24", "Edit4", "BitBtn8", "BitBtn13", "BitBtn14", "Image5", '*',
     18},
    {"Label26", "Label27", "Label28", "Label30", "Label29", "Edit5", "BitBtn15", "BitBtn16", "BitBtn17", "Image6", '*',
     23},
    {"Label26", "Label27", "Label28", "Label30", "Label29", "Edit5", "BitBtn18", "BitBtn19", "BitBtn20", "Image7", '+',
     28},
    {"Label26", "Label27", "Label28", "Label30", "Label29", "Edit5", "BitBtn21", "BitBtn22", "BitBtn23", "Image8", '+',
     33},
    {"Label26", "Label27", "Label28", "Label30", "Label29", "Edit5", "BitBtn24", "BitBtn25", "BitBtn26", "Image9", ':',
     38},
    {"Label26", "Label27", "Label28", "Label30", "Label29", "Edit5", "BitBtn27", "BitBtn28", "BitBtn29", "Image10", '+',
     43},
    {"Label26", "Label27", "Label28", "Label30", "Label29", "Edit5", "BitBtn30", "BitBtn31", "BitBtn32", "Image11", '+',
     48},
};

inline const KindNames& names(int k)
{
    return kinds[k - 1];
}

inline QLabel* lbl(QWidget* w, const char* name)
{
    return ui::find<QLabel>(w, name);
}
inline QLineEdit* edit(QWidget* w, int k)
{
    return ui::find<QLineEdit>(w, names(k).edit);
}
inline QPushButton* checkButton(QWidget* w, int k)
{
    return ui::find<QPushButton>(w, names(k).check);
}
inline QPushButton* helpButton(QWidget* w, int k)
{
    return ui::find<QPushButton>(w, names(k).help);
}
inline QPushButton* nextButton(QWidget* w, int k)
{
    return ui::find<QPushButton>(w, names(k).next);
}
inline PictureBox* image(QWidget* w, int k)
{
    return ui::find<PictureBox>(w, names(k).image);
}

// The problem of kind k as its labels show it.
struct Shown {
    int first;
    QString op; // trimmed
    int second;
};

inline Shown shown(QWidget* w, int k)
{
    const KindNames& n = names(k);
    return {lbl(w, n.first)->text().toInt(), lbl(w, n.op)->text().trimmed(), lbl(w, n.second)->text().toInt()};
}

// The expected answer worked out from the labels, independently of the window.
inline int expected(QWidget* w, int k)
{
    const Shown s = shown(w, k);
    if (s.op == QLatin1String("+"))
        return s.first + s.second;
    if (s.op == QLatin1String("-"))
        return s.first - s.second;
    if (s.op == QLatin1String("*"))
        return s.first * s.second;
    return s.first / s.second;
}

// The kind whose Check button is visible now (0 when none or several).
inline int visibleKind(QWidget* w)
{
    int found = 0;
    for (int k = 1; k <= 10; ++k)
        if (checkButton(w, k)->isVisible())
            found = found == 0 ? k : -1;
    return found < 0 ? 0 : found;
}

// Types into the control that has the focus and presses Enter there, as a pupil would.
inline void typeAndEnter(TWindow* w, const QString& text)
{
    QWidget* target = w->focusWidget();
    if (!target) {
        ADD_FAILURE() << "no control has the focus";
        return;
    }
    QTest::keyClicks(target, text);
    QTest::keyClick(target, Qt::Key_Return);
}

inline void pressEnter(TWindow* w)
{
    QWidget* target = w->focusWidget() ? w->focusWidget() : w;
    QTest::keyClick(target, Qt::Key_Return);
}

// Answers the current kind right and presses Enter again for "Toliau".
inline void answerAndGoOn(TForm8* w)
{
    const int k = visibleKind(w);
    typeAndEnter(w, QString::number(expected(w, k)));
    pressEnter(w);
}

// The offscreen platform warns on every raise(); the tests do not need to hear it.
// Every window test: a fresh program in a working directory with or without the pictures,
// errors recorded instead of shown, the program's end replaced.
class PracticeFixture : public VeltoraWindows {
protected:
    explicit PracticeFixture(bool withPictures = true) : dir_(withPictures) {}
    void SetUp() override
    {
        VeltoraWindows::SetUp();
        enterPractice(WindowNo::SignedPractice);
        window = Form8;
    }

    TForm8* window = nullptr;

private:
    ui::WorkingDirectory dir_;
};

} // namespace practice
