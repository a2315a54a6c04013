#include "trainer/form1.h"

#include "trainer/accessibility.h"
#include "trainer/dialogs.h"
#include "trainer/forms.h"
#include "trainer/pendingresult.h"
#include "trainer/solutions.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace zenkla {

namespace {

const QString caption =
    QStringLiteral("Mokomoji veltoros programa 7 kl. \"Veiksmai su teigiamais ir neigiamais skaičiais \"");

// The verdicts of Label3.
const QString rightVerdict = QStringLiteral("Teisingai");
const QString wrongVerdict = QStringLiteral("Neteisingai");

void enableMenu(QMenu* m, bool enabled)
{
    m->menuAction()->setEnabled(enabled);
}

void showMenu(QMenu* m, bool visible)
{
    m->menuAction()->setVisible(visible);
}

} // namespace

QString applicationTitle()
{
    return caption;
}

TForm1::TForm1() : draws_(std::make_unique<RandomDraws>())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(caption);
    setFont(windowFont());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(618, 499);
    setCentralWidget(client);
    buildControls(client);
    buildMenus();
    makeAccessible(*this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    programEnd_ = [this] {
        hide();
        QCoreApplication::exit(0);
    };
    message_ = [this](const QString& text) {
        QMessageBox box(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
        box.exec();
    };
    pendingResult_ = new PendingResult(this);
    connect(pendingResult_, &PendingResult::savedLater, this, [this](const QString& text) {
        message_(text);
        presentResults(*this, QString());
    });
}

TForm1::~TForm1() = default;

void TForm1::setDrawSource(std::unique_ptr<DrawSource> source)
{
    draws_ = std::move(source);
}

bool TForm1::testMode() const
{
    return mnuKontrolinis_darbas->isChecked();
}

bool TForm1::mixedMode() const
{
    return Label16->text() == mixedTitle;
}

// --- Start-up and shut-down ---

void TForm1::Form_Load()
{
    enableMenu(mnuVeiksmai, false);
    enableMenu(mnuLygis, false);
}

void TForm1::Form_Unload()
{
    unloadForm2();
    unloadForm3();
}

void TForm1::closeEvent(QCloseEvent* e)
{
    leaveResults();
    Form_Unload();
    e->accept();
}

// --- Choosing operation and level ---

void TForm1::Command2_Click()
{
    // 1-2
    Timer1->start();
    Label16->show();
    if (mnuTreniruoklis->isChecked()) {
        enableMenu(mnuVeiksmai, true);
        enableMenu(mnuLygis, true);
    }
    // 3
    showAll({Label1, Label4, Label5, Label2, Text1});
    hideAll({Label17, Label18});
    Text1->setFocus();
    hideAll({Frame1, Frame2});
    // 4: the operation of the selected option button, if any.
    for (int i = 0; i < 5; ++i) {
        if (!operationOptions_[i]->isChecked())
            continue;
        const Operation& op = operations()[i];
        if (!op.sign.isEmpty())
            Label1->setText(op.sign);
        Label16->setText(op.title);
        veiksm = op.theme;
        checkOnly(operationItems_, i);
        break;
    }
    // 5
    for (int i = 0; i < 4; ++i) {
        if (levelOptions_[i]->isChecked()) {
            setLevel(startLevels()[i]);
            checkOnly(levelItems_, i);
            break;
        }
    }
    // 6
    if (mnuKontrolinis_darbas->isChecked()) {
        Label26->show();
        Label26->setText(QStringLiteral(" ") + QString::number(k + 1) + QStringLiteral("   pratimas:"));
        startResultsTable();
    }
    // 7-8
    Command2->hide();
    draws_->reseed();
    Label13->setText(QStringLiteral("0"));
    Label15->setText(QStringLiteral("0"));
    // 9-10
    if (mixedMode())
        Label1->setText(drawSign(*draws_));
    Label3->setText(QString());
    drawAndShow(Rule::First);
}

void TForm1::setLevel(const Level& level)
{
    Label23->setText(level.status);
    pr = level.pr;
    sk = level.sk;
    d = level.d;
}

void TForm1::checkOnly(const std::array<QAction*, 5>& items, int index)
{
    for (int i = 0; i < 5; ++i)
        items[i]->setChecked(i == index);
}

void TForm1::checkOnly(const std::array<QAction*, 4>& items, int index)
{
    for (int i = 0; i < 4; ++i)
        items[i]->setChecked(i == index);
}

void TForm1::chooseLevelFromMenu(int index)
{
    Frame4->hide();
    l = -1;
    Label13->setText(QStringLiteral("0"));
    Label15->setText(QStringLiteral("0"));
    setLevel(menuLevels()[index]);
    Text1->clear();
    checkOnly(levelItems_, index);
    nauja();
}

void TForm1::mnu1_Click() { chooseLevelFromMenu(0); }
void TForm1::mnu2_Click() { chooseLevelFromMenu(1); }
void TForm1::mnu3_Click() { chooseLevelFromMenu(2); }
void TForm1::mnu4_Click() { chooseLevelFromMenu(3); }

// The menus keep the operands on show; only the sign (and for ":" the first operand) changes.
void TForm1::chooseOperationFromMenu(int index)
{
    const Operation& op = operations()[index];
    Frame4->hide();
    Label16->setText(op.title);
    veiksm = op.menuTheme;
    l = -1;
    Label13->setText(QStringLiteral("0"));
    Label15->setText(QStringLiteral("0"));
    Text1->clear();
    checkOnly(operationItems_, index);

    if (!op.sign.isEmpty())
        Label1->setText(op.sign);
    if (op.sign == sign::times)
        return; // the verdict and the correct result stay
    if (op.sign == sign::divide) {
        // a := (−a)·b, so that the division comes out even. Pressed again and again this grows
        // without end; past a magnitude of 10^12 a stays, so that every result stays exact.
        const Decimal product = -a * b;
        if (product.abs() < Decimal::fromUnits(std::int64_t{1'000'000'000'000} * Decimal::scale)) {
            a = product;
            Label4->setText(numberText(a));
        }
    }
    Label3->setText(QString());
    Label7->setText(QString());
    Label6->hide();
}

void TForm1::mnuSudėtis_Click() { chooseOperationFromMenu(0); }
void TForm1::mnuAtimtis_Click() { chooseOperationFromMenu(1); }
void TForm1::mnuDaugyba_Click() { chooseOperationFromMenu(2); }
void TForm1::mnuDalyba_Click() { chooseOperationFromMenu(3); }
void TForm1::mnuĮvairūs_veiksmai_Click() { chooseOperationFromMenu(4); }

// --- Modes ---

void TForm1::mnuTreniruoklis_Click()
{
    hideAll({Label26, Label19, Label20, Label24, text2});
    Frame3->show();
    k = 0;
    mnuTreniruoklis->setChecked(true);
    mnuKontrolinis_darbas->setChecked(false);
}

void TForm1::mnuKontrolinis_darbas_Click()
{
    Frame4->hide();
    Label21->setText(QStringLiteral("Mokinys"));
    l = -1;
    Picture1->hide();
    showAll({Label22, Label23});
    kontr = 0;
    hideAll({Label17, Label16, Label18, Label19, Label21, Label2, Text1});
    hideAll({Frame1, Frame2, Frame3});
    hideAll({Label3, Label6, Label7});
    Text1->clear();
    hideAll({Command2, Command3});
    // Mended: "&Toliau" would act on hidden controls during the name entry.
    Command1->hide();
    showMenu(mnuVeiksmai, false);
    showMenu(mnuLygis, false);
    showMenu(mnuRežimas, false);
    k = 0;
    hideAll({Label1, Label4, Label5});
    mnuTreniruoklis->setChecked(false);
    mnuKontrolinis_darbas->setChecked(true);
    showAll({Label19, Label20, Label24, text2});
    // Emptied after it has the focus, so that a screen reader reads it as the focus moves there.
    text2->setFocus();
    text2->clear();
}

void TForm1::mnuIš_naujo_Click()
{
    leaveResults();
    returnToStartScreen(Return::Menu);
}

void TForm1::Command3_Click()
{
    leaveResults();
    returnToStartScreen(Return::EndOfTest);
}

void TForm1::returnToStartScreen(Return from)
{
    const bool menu = from == Return::Menu;
    if (menu) {
        hideAll({Frame4, Label26, Label20, Label24, Label21, text2, Label16, Picture1});
    } else {
        Label26->hide();
        clearResultsTable();
        hideAll({Label21, Label16, Picture1});
    }
    Frame3->show();
    mnuTreniruoklis->setChecked(true);
    mnuKontrolinis_darbas->setChecked(false);
    enableMenu(mnuVeiksmai, false);
    enableMenu(mnuLygis, false);
    showMenu(mnuVeiksmai, true);
    showMenu(mnuLygis, true);
    if (menu)
        enableMenu(mnuRežimas, true);
    showMenu(mnuRežimas, true);
    if (menu)
        hideAll({Label3, Label6, Label7});
    showAll({Label17, Label18});
    hideAll({Label19, Label21, Label2, Text1});
    showAll({Frame1, Frame2});
    hideAll({Label4, Label5, Label1});
    if (menu) {
        Label16->setText(QString());
        veiksm.clear();
        Command1->hide();
    }
    Command2->show();
    l = -1;
    Label13->setText(QStringLiteral("0"));
    Label15->setText(QStringLiteral("0"));
    Text1->clear();
    if (!menu)
        Command3->hide();
}

void TForm1::mnuBaigti_Click()
{
    leaveResults();
    programEnd_();
}

void TForm1::mnuApie_Click()
{
    loadForm2()->exec();
}

// --- Elapsed time ---

void TForm1::Timer1_Timer()
{
    ++l;
    Label8->setText(QString::number(l % 60));
    Label9->setText(QString::number(l / 60));
}

// --- Problems ---

void TForm1::nauja()
{
    drawAndShow(Rule::First);
}

void TForm1::drawAndShow(Rule rule)
{
    sitting.answerRecorded = false;
    const Operands o = drawOperands(rule, pr, sk, d, Label1->text(), *draws_);
    a = o.a;
    b = o.b;
    Label4->setText(numberText(a));
    Label5->setText(secondOperandText(b, systemSeparator()));
}

void TForm1::Command1_Click()
{
    // 1-2
    Frame4->hide();
    if (mixedMode())
        Label1->setText(drawSign(*draws_));
    Label3->setText(QString());
    // 3-6
    drawAndShow(Rule::FollowUp);
    // 7
    Label26->setText(QStringLiteral(" ") + QString::number(k + 1) + QStringLiteral(" pratimas"));
    hideAll({Command1, Label6, Label7});
    // The box is emptied after it has the focus: a screen reader then reads it as the focus moves.
    Text1->setFocus();
    Text1->clear();
}

void TForm1::text1_keypress(int& KeyAscii)
{
    Label3->show();
    if (!Text1->text().isEmpty() && KeyAscii == key::enter) {
        // A test records one answer per problem: Enter again in the box does not add a row.
        if (testMode() && sitting.answerRecorded)
            KeyAscii = key::none;
        else
            judgeAnswer(KeyAscii);
        return;
    }
    KeyAscii = filterAnswerKey(KeyAscii);
}

void TForm1::addOne(QLabel* count)
{
    const Decimal n = TypedNumber::read(count->text()).toDecimal().value_or(Decimal{});
    count->setText(numberText(n + Decimal{1}));
}

void TForm1::judgeAnswer(int& KeyAscii)
{
    Command1->hide();
    const Judgement j = judge(Text1->text(), a, Label1->text(), b);
    if (j.judged) {
        if (j.right) {
            setColour(Label3, colour::blue);
            Label3->setText(rightVerdict);
            addOne(Label13);
        } else {
            setColour(Label3, colour::red);
            Label3->setText(wrongVerdict);
            addOne(Label15);
            setColour(Label14, colour::red);
            setColour(Label15, colour::red);
            setColour(Label6, colour::blue);
            setColour(Label7, colour::blue);
            Label6->show();
            Label7->setText(numberText(j.result));
            Label7->show();
            Frame4->show();
            showSolution(solve(a, Label1->text(), b, systemSeparator()));
        }
    }
    Command1->show();
    Command1->setFocus();
    Picture1->setColour(colour::blue);
    if (testMode())
        afterJudgingInTest(j, KeyAscii);
}

void TForm1::showSolution(const WorkedSolution& w)
{
    const std::array<const SolutionLine*, 5> lines{&w.label27, &w.label28, &w.label29, &w.label30, &w.label31};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i]->text)
            solutionLabels_[i]->setText(*lines[i]->text);
        if (lines[i]->visible)
            solutionLabels_[i]->setVisible(*lines[i]->visible);
    }
}

} // namespace zenkla
