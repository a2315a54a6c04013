// Handler cost: how long one right answer (Check: verdict, picture decoded from its file, tally)
// and one move to the next exercise (Next: a new problem, controls swapped) take in the real
// signed-number practice window. Run it in a folder that holds "paveikslai".
#include "expressions/expression.h"
#include "expressions/practice.h"
#include "shell/forms.h"
#include "shell/handlers.h"
#include "signed/practice.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <vector>

// Expression practice TForm19: a right answer (count, verdict, the pattern's next picture decoded
// from its file) and "Toliau" (a new expression drawn and written into the row).
static void expressionPractice()
{
    enterPractice(19);
    std::vector<double> check, next;
    for (int round = 0; round < 300; ++round) {
        Form19->Edit5->setText(expr::acceptedAnswers(*Form19->row.shown()).front());
        QElapsedTimer t;
        t.start();
        Form19->BitBtn30->click();
        check.push_back(t.nsecsElapsed() / 1000.0);
        t.restart();
        Form19->BitBtn32->click();
        next.push_back(t.nsecsElapsed() / 1000.0);
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf("TForm19 Tikrinti (right answer, picture loaded): median %.0f us, max %.0f us\n", median(check),
                *std::max_element(check.begin(), check.end()));
    std::printf("TForm19 Toliau (new expression):                 median %.0f us, max %.0f us\n", median(next),
                *std::max_element(next.begin(), next.end()));
}

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setProgramEnd([] {});
    createForms();
    enterPractice(8);
    const char* const checks[] = {"BitBtn4",  "BitBtn10", "BitBtn3",  "BitBtn8",  "BitBtn15",
                                  "BitBtn18", "BitBtn21", "BitBtn24", "BitBtn27", "BitBtn30"};
    const char* const nexts[] = {"BitBtn9",  "BitBtn12", "BitBtn6",  "BitBtn14", "BitBtn17",
                                 "BitBtn20", "BitBtn23", "BitBtn26", "BitBtn29", "BitBtn32"};
    const char* const edits[] = {"Edit2", "Edit3", "Edit1", "Edit4", "Edit5",
                                 "Edit5", "Edit5", "Edit5", "Edit5", "Edit5"};
    std::vector<double> check, next;
    for (int round = 0; round < 300; ++round) {
        const int k = round % 10;
        auto* edit = Form8->findChild<QLineEdit*>(QString::fromLatin1(edits[k]));
        edit->setText(QString::number(signedPractice.expected[static_cast<std::size_t>(k)]));
        QElapsedTimer t;
        t.start();
        Form8->findChild<QPushButton*>(QString::fromLatin1(checks[k]))->click();
        check.push_back(t.nsecsElapsed() / 1000.0);
        t.restart();
        Form8->findChild<QPushButton*>(QString::fromLatin1(nexts[k]))->click();
        next.push_back(t.nsecsElapsed() / 1000.0);
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf("Check (right answer, picture loaded): median %.0f us, max %.0f us\n", median(check),
                *std::max_element(check.begin(), check.end()));
    std::printf("Next (new problem):                   median %.0f us, max %.0f us\n", median(next),
                *std::max_element(next.begin(), next.end()));
    expressionPractice();
    destroyForms();
    return 0;
}
