// Renders Zenkla's windows in their typical states offscreen to PNG files, for looking at (not
// for asserting). Usage: zenkla_screenshots [folder]
#include "trainer/dialogs.h"
#include "trainer/form1.h"
#include "trainer/forms.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace zenkla;

namespace {

void save(QWidget* window, const QString& folder, const QString& name)
{
    QApplication::processEvents();
    window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

void answer(const QString& typed)
{
    Form1->Text1->setText(typed);
    QTest::keyClick(Form1->Text1, Qt::Key_Return);
}

void typeKeys(QWidget* box, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void showProblem(Decimal a, const QString& sign, Decimal b)
{
    Form1->a = a;
    Form1->b = b;
    Form1->Label1->setText(sign);
    Form1->Label4->setText(numberText(a));
    Form1->Label5->setText(secondOperandText(b, systemSeparator()));
}

// Answers the problem on show, rightly or wrongly by one.
void answerProblem(bool right)
{
    const Decimal r = exactResult(Form1->a, Form1->Label1->text(), Form1->b).value_or(Decimal{});
    answer(numberText(right ? r : r + Decimal{1}, u'.'));
}

// A test from the name to the grade: every third answer wrong; the rows given first replace
// the drawn problems (a, sign, b, typed).
struct Row {
    Decimal a;
    QString sign;
    Decimal b;
    QString typed;
};
void sitTest(const QString& folder, const QString& shot, const QString& name, QRadioButton* operation,
             QRadioButton* level, const QList<Row>& rows)
{
    Form1->mnuKontrolinis_darbas_Click();
    typeKeys(Form1->text2, name);
    QTest::keyClick(Form1->text2, Qt::Key_Return);
    operation->setChecked(true);
    level->setChecked(true);
    Form1->Command2_Click();
    for (int i = 0; i < 10; ++i) {
        if (i > 0)
            Form1->Command1_Click();
        if (i < rows.size()) {
            showProblem(rows[i].a, rows[i].sign, rows[i].b);
            answer(rows[i].typed);
        } else {
            answerProblem(i % 3 != 1);
        }
        if (i == 0)
            save(Form1, folder, shot + QStringLiteral("_first_answer"));
    }
    save(Form1, folder, shot);
    Form1->Command3_Click();
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);

    createForms();
    save(Form1, folder, QStringLiteral("zenkla_start"));

    // Addition at level 3: -3.5 + 5 answered wrongly.
    Form1->setDrawSource(std::make_unique<RandomDraws>(7));
    Form1->Option1->setChecked(true);
    Form1->Option8->setChecked(true);
    Form1->Command2_Click();
    Form1->a = Decimal::fromUnits(-35000);
    Form1->b = Decimal{5};
    Form1->Label4->setText(numberText(Form1->a));
    Form1->Label5->setText(secondOperandText(Form1->b, systemSeparator()));
    save(Form1, folder, QStringLiteral("zenkla_problem"));
    answer(QStringLiteral("-1.5"));
    save(Form1, folder, QStringLiteral("zenkla_wrong_addition"));

    // Subtraction 2 - (-4), wrong.
    Form1->mnuAtimtis_Click();
    Form1->a = Decimal{2};
    Form1->b = Decimal{-4};
    Form1->Label4->setText(numberText(Form1->a));
    Form1->Label5->setText(secondOperandText(Form1->b, systemSeparator()));
    answer(QStringLiteral("-2"));
    save(Form1, folder, QStringLiteral("zenkla_wrong_subtraction"));

    // Division with a negative quotient, wrong; then a right one.
    Form1->mnuDalyba_Click();
    answer(QStringLiteral("1"));
    save(Form1, folder, QStringLiteral("zenkla_wrong_division"));
    Form1->Command1_Click();
    const auto r = exactResult(Form1->a, Form1->Label1->text(), Form1->b);
    answer(numberText(*r, u'.'));
    save(Form1, folder, QStringLiteral("zenkla_right"));

    // The test writes kontr.txt into the working directory: a temporary one here.
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    Form1->mnuKontrolinis_darbas_Click();
    typeKeys(Form1->text2, QStringLiteral("Rūta Žemaitytė"));
    save(Form1, folder, QStringLiteral("zenkla_name_entry"));
    QTest::keyClick(Form1->text2, Qt::Key_Return);
    save(Form1, folder, QStringLiteral("zenkla_test_choice"));
    Form1->Option2->setChecked(true);
    Form1->Option8->setChecked(true);
    Form1->Command2_Click();
    save(Form1, folder, QStringLiteral("zenkla_test_problem"));
    Form1->mnuIš_naujo_Click();

    sitTest(folder, QStringLiteral("zenkla_test_results"), QStringLiteral("Rūta Žemaitytė"), Form1->Option3,
            Form1->Option8, {});
    // The widest texts: a name of 31 characters, "įvairūs veiksmai" at level 4, the longest rows.
    const Decimal longest = Decimal::fromUnits(-999900);
    sitTest(folder, QStringLiteral("zenkla_test_results_long"), QStringLiteral("Ąžuolas Žemaitis Kęstutaitis Jr"),
            Form1->Option5, Form1->Option9,
            {{longest, QStringLiteral("·"), longest, QStringLiteral("-9998.0001")},
             {longest, QStringLiteral("·"), longest, QStringLiteral("9998.0001")},
             {longest, QStringLiteral("-"), Decimal::fromUnits(999900), QStringLiteral("-199.98")},
             {longest, QStringLiteral("+"), longest, QStringLiteral("123456789012345678901234567890")}});

    TForm2* about = loadForm2();
    about->show();
    save(about, folder, QStringLiteral("zenkla_about"));
    unloadForm2();
    TForm3* error = loadForm3();
    error->show();
    save(error, folder, QStringLiteral("zenkla_error"));
    unloadForm3();

    destroyForms();
    return 0;
}
