// Renders every window of Veltora offscreen to PNG files for looking at (not for asserting),
// and a contact sheet of the reward pictures. Usage: veltora_screenshots <folder>
// Run it in a working directory that holds "paveikslai".
#include "expressions/expression.h"
#include "expressions/practice.h"
#include "expressions/testwindow.h"
#include "shell/forms.h"
#include "shell/picture.h"
#include "shell/random.h"
#include "shell/window.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <cstdio>
#include <functional>

namespace {

void save(QWidget* window, const QString& folder, const QString& name)
{
    window->show();
    QApplication::processEvents();
    window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

void contactSheet(const QString& folder)
{
    const int perRow = 16, cell = 141;
    QImage sheet(perRow * cell, (151 + perRow - 1) / perRow * cell, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    for (int n = 0; n < 151; ++n) {
        try {
            p.drawImage(QPoint(n % perRow * cell + 2, n / perRow * cell + 2),
                        loadJpeg(QStringLiteral("paveikslai/images%1.jpg").arg(n)));
        } catch (const PictureError& e) {
            std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        }
    }
    p.end();
    sheet.save(QDir(folder).filePath(QStringLiteral("pictures.png")));
}

// Expression windows: a few chosen expressions in the practice window, and a finished test.
namespace expressions {

// The first fixed seed whose first expression has the property; the window opened right after
// fixSeed(seed) shows that expression.
std::uint64_t seedFor(const std::function<bool(const expr::Expression&)>& wanted)
{
    for (std::uint64_t seed = 1;; ++seed) {
        fixSeed(seed);
        reseed();
        if (wanted(expr::generate(draw)))
            return seed;
    }
}

TForm19* practiceWith(const std::function<bool(const expr::Expression&)>& wanted)
{
    fixSeed(seedFor(wanted));
    enterPractice(19);
    return Form19;
}

void answerRight(TForm19* w)
{
    w->Edit5->setText(expr::acceptedAnswers(*w->row.shown()).front());
    w->BitBtn30->click();
}

void screenshots(const QString& folder)
{
    // Pattern 4 with all three underline marks, the widest coefficients.
    TForm19* w = practiceWith([](const expr::Expression& e) {
        return expr::pattern(e) == 4 && e.c1 == -8 && e.m2 == 8 && e.m3 >= 2;
    });
    w->BitBtn31->click();
    save(w, folder, QStringLiteral("Form19-pattern4-marks"));
    // "-" before "a", a wrong answer typed.
    w = practiceWith([](const expr::Expression& e) { return e.letter[0] && e.c1 == -1 && expr::pattern(e) == 2; });
    w->Edit5->setText(QStringLiteral("3A+5"));
    w->BitBtn30->click();
    save(w, folder, QStringLiteral("Form19-minus-a-wrong"));
    // A two-digit K, answered right: verdict, count and picture.
    w = practiceWith([](const expr::Expression& e) {
        return expr::combinedTerm(e).value <= -10 && expr::pattern(e) == 1;
    });
    answerRight(w);
    w->BitBtn31->click();
    save(w, folder, QStringLiteral("Form19-two-digit-K-right"));

    // A finished test: every third answer wrong, one typed with a blank, one with a capital.
    fixSeed(seedFor([](const expr::Expression& e) { return e.c1 == -8 && e.letter[0]; }));
    enterPractice(20);
    TForm20* t = Form20;
    save(t, folder, QStringLiteral("Form20-question1"));
    for (int n = 1; n <= 10; ++n) {
        const QStringList accepted = expr::acceptedAnswers(*t->row.shown());
        QString answer = accepted.back();
        if (n == 3)
            answer = accepted.front() + QStringLiteral(" ");
        else if (n == 6)
            answer = accepted.front().toUpper();
        else if (n == 9)
            answer = QStringLiteral("+") + accepted.front();
        t->Edit5->setText(answer);
        t->BitBtn1->click();
    }
    save(t, folder, QStringLiteral("Form20-review"));
}

} // namespace expressions

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltora 7"));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);
    createForms();
    for (int n = 1; n <= 26; ++n)
        save(form(n), folder, QStringLiteral("Form%1").arg(n));
    contactSheet(folder);
    expressions::screenshots(folder);
    destroyForms();
    return 0;
}
