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

    Form1->mnuKontrolinis_darbas_Click();
    save(Form1, folder, QStringLiteral("zenkla_name_entry"));

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
