#include "trainer/form1.h"

#include "trainer/accessibility.h"
#include "trainer/dialogs.h"
#include "trainer/forms.h"
#include "trainer/namefilter.h"
#include "trainer/pendingresult.h"
#include "trainer/resultsfile.h"
#include "trainer/solutions.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace zenkla {

namespace {

const QString caption =
    QStringLiteral("Mokomoji veltoros programa 7 kl. \"Veiksmai su teigiamais ir neigiamais skaičiais \"");

// The verdicts of Label3; the test reads them back to count and colour its rows.
const QString rightVerdict = QStringLiteral("Teisingai");
const QString wrongVerdict = QStringLiteral("Neteisingai");

QAction* item(QMenu* menu, const char* name, const QString& text, bool checkable = false,
              const QKeySequence& shortcut = {})
{
    auto* a = menu->addAction(text);
    a->setObjectName(QString::fromUtf8(name));
    a->setCheckable(checkable);
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    return a;
}

QMenu* menu(QMenuBar* bar, const char* name, const QString& title)
{
    auto* m = bar->addMenu(title);
    m->setObjectName(QString::fromUtf8(name));
    m->menuAction()->setObjectName(QString::fromUtf8(name) + QStringLiteral("_title"));
    return m;
}

void enableMenu(QMenu* m, bool enabled)
{
    m->menuAction()->setEnabled(enabled);
}

void showMenu(QMenu* m, bool visible)
{
    m->menuAction()->setVisible(visible);
}

void showAll(std::initializer_list<QWidget*> controls)
{
    for (QWidget* c : controls)
        c->show();
}

void hideAll(std::initializer_list<QWidget*> controls)
{
    for (QWidget* c : controls)
        c->hide();
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

void TForm1::buildControls(QWidget* c)
{
    const QFont window = windowFont();
    const QFont big = sans(19.5);

    // The tally and status boxes lie under everything else.
    Frame3 = new QWidget(c);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frame3->setGeometry(64, 448, 249, 41);
    Shape1 = new Shape(Frame3, "Shape1", {0, 0, 249, 33});
    Line1 = new VerticalLine(Frame3, "Line1", 128, 0, 33);
    Shape2 = new Shape(c, "Shape2", {312, 448, 265, 33});
    Line2 = new VerticalLine(c, "Line2", 448, 448, 481);

    Label17 = label(c, "Label17", {72, 0, 425, 25}, QStringLiteral("Mokomoji veltoros programa 7 klasei"),
                    sans(13.5, true));
    Label18 = label(c, "Label18", {72, 16, 401, 113},
                    QStringLiteral("Aritmetiniai veiksmai su teigiamais ir neigiamais skaičiais"), sans(19.5, true),
                    Qt::AlignHCenter, Wrap::Words);
    setColour(Label18, colour::activeTitleBar);

    Frame1 = frame(c, "Frame1", {112, 144, 153, 201}, QStringLiteral("Veiksmas"), sans(13.5, true));
    const QFont small = sans(8.25);
    Option1 = option(Frame1, "Option1", {8, 32, 137, 24}, QStringLiteral("Sudėtis"), small);
    Option2 = option(Frame1, "Option2", {8, 64, 137, 24}, QStringLiteral("Atimtis"), small);
    Option3 = option(Frame1, "Option3", {8, 96, 137, 24}, QStringLiteral("Daugyba"), small);
    Option4 = option(Frame1, "Option4", {8, 128, 137, 24}, QStringLiteral("Dalyba"), small);
    Option5 = option(Frame1, "Option5", {8, 152, 137, 24}, QStringLiteral("Įvairūs veiksmai"), small);
    Frame2 = frame(c, "Frame2", {320, 144, 161, 201}, QStringLiteral("Lygis"), sans(13.5, true));
    Option6 = option(Frame2, "Option6", {8, 32, 145, 24}, QStringLiteral("1 lygis [10;10]"), small);
    Option7 = option(Frame2, "Option7", {8, 64, 145, 24}, QStringLiteral("2 lygis [20;20]"), small);
    Option8 = option(Frame2, "Option8", {8, 96, 145, 24}, QStringLiteral("3 lygis [20.0;20.0]"), small);
    Option9 = option(Frame2, "Option9", {8, 136, 145, 24}, QStringLiteral("4 lygis [100.00;100.00]"), small);
    Option6->setChecked(true);
    operationOptions_ = {Option1, Option2, Option3, Option4, Option5};
    levelOptions_ = {Option6, Option7, Option8, Option9};

    Command2 = button(c, "Command2", {144, 352, 289, 57}, QStringLiteral("&Pasirinkau veiksmą ir lygį"),
                      sans(13.5, true));

    Label16 = label(c, "Label16", {144, 48, 241, 33}, QString(), sans(16.5, true), Qt::AlignHCenter);
    setColour(Label16, colour::desktop);
    Label19 = label(c, "Label19", {112, 16, 273, 33}, QStringLiteral("Kontrolinis darbas"), sans(19.5, true),
                    Qt::AlignHCenter);
    setColour(Label19, colour::highlight);
    Label21 = label(c, "Label21", {136, 0, 425, 25}, QStringLiteral("Sprendžia"), window);
    // The first operand stands right-aligned against the sign, so that the problem reads as one
    // line ("-3,5 + 5") however many digits the operand has.
    Label4 = label(c, "Label4", {40, 144, 153, 33}, QString(), big, Qt::AlignRight);
    Label4->setContentsMargins(0, 0, 8, 0);
    Label1 = label(c, "Label1", {192, 144, 25, 41}, QString(), big);
    Label5 = label(c, "Label5", {224, 144, 113, 49}, QString(), big);
    Label2 = label(c, "Label2", {336, 136, 33, 49}, QStringLiteral("="), big);
    Text1 = new KeyBox(c, "Text1", {360, 136, 137, 44}, big);
    Text1->setTextFilter(filterAnswerText);
    Text1->setKeyPress([this](int& key) { text1_keypress(key); });
    Label3 = label(c, "Label3", {88, 216, 145, 33}, QString(), sans(16.5, true, true));
    Label6 = label(c, "Label6", {80, 264, 185, 49}, QStringLiteral("Turi būti "), big);
    Label7 = label(c, "Label7", {200, 264, 177, 49}, QString(), big);

    Frame4 = frame(c, "Frame4", {312, 184, 297, 249}, QStringLiteral("Sprendimas:"), window, colour::activeTitleBar);
    const QFont solution = sans(12);
    Label31 = label(Frame4, "Label31", {8, 24, 281, 48}, QStringLiteral("Label31"), solution, Qt::AlignLeft, Wrap::Words);
    Label27 = label(Frame4, "Label27", {8, 72, 281, 48}, QStringLiteral("Label27"), solution, Qt::AlignLeft, Wrap::Words);
    Label28 = label(Frame4, "Label28", {8, 120, 281, 32}, QStringLiteral("Label28"), solution, Qt::AlignLeft, Wrap::Words);
    Label29 = label(Frame4, "Label29", {8, 152, 281, 64}, QString(), solution, Qt::AlignLeft, Wrap::Words);
    Label30 = label(Frame4, "Label30", {8, 216, 281, 30}, QString(), solution, Qt::AlignLeft, Wrap::Words);
    solutionLabels_ = {Label27, Label28, Label29, Label30, Label31};

    Command1 = button(c, "Command1", {152, 400, 153, 33}, QStringLiteral("&Toliau"), window);

    const QFont tally = sans(9.75);
    Label12 = label(Frame3, "Label12", {8, 8, 57, 17}, QStringLiteral("Teisingai"), tally);
    Label13 = label(Frame3, "Label13", {80, 8, 33, 17}, QString(), tally);
    Label14 = label(Frame3, "Label14", {136, 8, 73, 17}, QStringLiteral("Neteisingai"), tally);
    Label15 = label(Frame3, "Label15", {216, 8, 25, 17}, QString(), tally);

    Label22 = label(c, "Label22", {320, 456, 41, 17}, QStringLiteral("Lygis"), tally);
    Label23 = label(c, "Label23", {360, 456, 89, 17}, QString(), small);
    Label10 = label(c, "Label10", {456, 456, 41, 17}, QStringLiteral("Laikas"), tally);
    Label9 = label(c, "Label9", {504, 456, 25, 17}, QString(), tally);
    Label11 = label(c, "Label11", {528, 456, 17, 25}, QStringLiteral(":"), tally);
    Label8 = label(c, "Label8", {552, 456, 17, 17}, QString(), tally);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

    Label20 = label(c, "Label20", {56, 136, 457, 25},
                    QStringLiteral("Įrašykite savo vardą ir pavardę, spauskite \"ENTER\""), window);
    Label24 = label(c, "Label24", {56, 88, 401, 33}, QStringLiteral("Reikia išspręsti 10 pratimų."), window);
    text2 = new KeyBox(c, "text2", {80, 168, 297, 33}, sans(12));
    text2->setTextFilter(filterNameText);
    text2->setKeyPress([this](int& key) { text2_keypress(key); });
    text2->setPaste([this](const QString& pasted) { pasteIntoText2(pasted); });
    Label26 = label(c, "Label26", {56, 88, 145, 33}, QStringLiteral("Label26"), tally);
    Picture1 = new ResultsTable(c);
    Picture1->move(72, 80);
    Command3 = button(c, "Command3", {104, 440, 153, 33}, QStringLiteral("Toliau"), window);

    // Start states.
    hideAll({Label16, Label19, Label21, Label4, Label5, Label2, Text1, Label6, Label7, Frame4, Command1, Label20,
          Label24, text2, Label26, Picture1, Command3});

    for (QPushButton* b : {Command1, Command2, Command3})
        pressOnEnter(b);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
}

void TForm1::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    bar->setFont(QApplication::font()); // the system's menu font, not the window's

    mnuPrograma = menu(bar, "mnuPrograma", QStringLiteral("&Programa"));
    mnuIš_naujo = item(mnuPrograma, "mnuIš_naujo", QStringLiteral("&Iš naujo"), false, QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuBaigti = item(mnuPrograma, "mnuBaigti", QStringLiteral("&Baigti"), false, QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuVeiksmai = menu(bar, "mnuVeiksmai", QStringLiteral("&Veiksmai"));
    mnuSudėtis = item(mnuVeiksmai, "mnuSudėtis", QStringLiteral("&Sudėtis"), true);
    mnuAtimtis = item(mnuVeiksmai, "mnuAtimtis", QStringLiteral("&Atimtis"), true);
    mnuDaugyba = item(mnuVeiksmai, "mnuDaugyba", QStringLiteral("Dau&gyba"), true);
    mnuDalyba = item(mnuVeiksmai, "mnuDalyba", QStringLiteral("Da&lyba"), true);
    mnuĮvairūs_veiksmai = item(mnuVeiksmai, "mnuĮvairūs_veiksmai", QStringLiteral("Į&vairūs veiksmai"), true);
    operationItems_ = {mnuSudėtis, mnuAtimtis, mnuDaugyba, mnuDalyba, mnuĮvairūs_veiksmai};

    mnuLygis = menu(bar, "mnuLygis", QStringLiteral("&Lygis"));
    mnu1 = item(mnuLygis, "mnu1", QStringLiteral("&1 [-10;10]"), true);
    mnu2 = item(mnuLygis, "mnu2", QStringLiteral("&2 [-20;20]"), true);
    mnu3 = item(mnuLygis, "mnu3", QStringLiteral("&3 [-20.0;20.0]"), true);
    mnu4 = item(mnuLygis, "mnu4", QStringLiteral("&4 [-100.0;100.0]"), true);
    levelItems_ = {mnu1, mnu2, mnu3, mnu4};

    mnuRežimas = menu(bar, "mnuRežimas", QStringLiteral("&Režimas"));
    mnuTreniruoklis = item(mnuRežimas, "mnuTreniruoklis", QStringLiteral("&Treniruoklis"), true);
    mnuKontrolinis_darbas = item(mnuRežimas, "mnuKontrolinis_darbas", QStringLiteral("&Kontrolinis darbas"), true,
                                 QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuTreniruoklis->setChecked(true);

    mnuPagalba = menu(bar, "mnuPagalba", QStringLiteral("&Pagalba"));
    mnuApie = item(mnuPagalba, "mnuApie", QStringLiteral("&Apie"));

    // The check marks are the handlers' to set: a click must not toggle them first.
    for (QAction* a : {mnuSudėtis, mnuAtimtis, mnuDaugyba, mnuDalyba, mnuĮvairūs_veiksmai, mnu1, mnu2, mnu3, mnu4,
                       mnuTreniruoklis, mnuKontrolinis_darbas}) {
        connect(a, &QAction::triggered, this, [a](bool checked) {
            a->blockSignals(true);
            a->setChecked(!checked);
            a->blockSignals(false);
        });
    }
    connect(mnuIš_naujo, &QAction::triggered, this, [this] { mnuIš_naujo_Click(); });
    connect(mnuBaigti, &QAction::triggered, this, [this] { mnuBaigti_Click(); });
    connect(mnuSudėtis, &QAction::triggered, this, [this] { mnuSudėtis_Click(); });
    connect(mnuAtimtis, &QAction::triggered, this, [this] { mnuAtimtis_Click(); });
    connect(mnuDaugyba, &QAction::triggered, this, [this] { mnuDaugyba_Click(); });
    connect(mnuDalyba, &QAction::triggered, this, [this] { mnuDalyba_Click(); });
    connect(mnuĮvairūs_veiksmai, &QAction::triggered, this, [this] { mnuĮvairūs_veiksmai_Click(); });
    connect(mnu1, &QAction::triggered, this, [this] { mnu1_Click(); });
    connect(mnu2, &QAction::triggered, this, [this] { mnu2_Click(); });
    connect(mnu3, &QAction::triggered, this, [this] { mnu3_Click(); });
    connect(mnu4, &QAction::triggered, this, [this] { mnu4_Click(); });
    connect(mnuTreniruoklis, &QAction::triggered, this, [this] { mnuTreniruoklis_Click(); });
    connect(mnuKontrolinis_darbas, &QAction::triggered, this, [this] { mnuKontrolinis_darbas_Click(); });
    connect(mnuApie, &QAction::triggered, this, [this] { mnuApie_Click(); });
}

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
    answerRecorded_ = false;
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
        if (testMode() && answerRecorded_)
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

// --- Test mode ---

void TForm1::text2_keypress(int& KeyAscii)
{
    switch (nameKey(text2->text(), KeyAscii)) {
    case NameKey::AcceptName:
        KeyAscii = key::none;
        acceptName();
        break;
    case NameKey::Type:
        break;
    case NameKey::Discard:
        KeyAscii = key::none;
        break;
    case NameKey::TooLong:
        KeyAscii = key::none;
        nameTooLong();
        break;
    }
}

void TForm1::acceptName()
{
    showAll({Frame1, Frame2, Command2, Label21});
    Label21->setText(Label21->text() + QStringLiteral("  ") + text2->text());
    hideAll({Label20, Label24, text2, Command1});
    Picture1->setAutoRedraw(false);
}

// The box is emptied and Form3 tells the pupil to type the name again.
void TForm1::nameTooLong()
{
    text2->clear();
    TForm3* form3 = loadForm3();
    form3->move(pos() + QPoint(100, 67));
    form3->exec();
    text2->setFocus();
}

void TForm1::pasteIntoText2(const QString& pasted)
{
    const int start = text2->hasSelectedText() ? text2->selectionStart() : text2->cursorPosition();
    const NamePaste paste =
        pasteIntoName(text2->text(), start, static_cast<int>(text2->selectedText().size()), pasted);
    if (paste.tooLong) {
        nameTooLong();
        return;
    }
    text2->setText(paste.text);
    text2->setCursorPosition(paste.cursor);
}

// Command2_Click in test mode: the header of the results table.
void TForm1::startResultsTable()
{
    // Every test starts on an empty table, so an abandoned test's rows never show in the next.
    Picture1->clear();
    Picture1->setAutoRedraw(true);
    Picture1->setFontSize(14);
    Picture1->setFontBold(true);
    Picture1->setColour(colour::black);
    // A long name, or "įvairūs veiksmai" with a level of decimals, is set narrower to fit the box.
    const qreal right = ResultsTable::clientWidth - 2;
    Picture1->printWithin(QStringLiteral("  Sprendė     ") + text2->text(), right);
    Picture1->endLine();
    Picture1->printLine(QStringLiteral("  Kontrolinio darbo rezultatai"));
    Picture1->printWithin(QStringLiteral("  Pasirinkta tema  ") + veiksm + QStringLiteral("   Lygis  ") + Label23->text(),
                          right);
    Picture1->endLine();
    Picture1->setFontSize(12);
    Picture1->printLine(QStringLiteral("  Eil.nr.  Mokinio sprendimas           Teisingas atsakymas"));
    Picture1->setFontBold(false);
}

// After each judged answer in test mode: the row of the results table, the end of the test.
void TForm1::afterJudgingInTest(const Judgement& j, int& KeyAscii)
{
    Frame4->hide();
    if (Label3->text() == rightVerdict)
        ++kontr;
    hideAll({Label3, Label6, Label7});
    ++k;
    answerRecorded_ = true;

    const QChar separator = systemSeparator();
    Picture1->print(QStringLiteral("      ") + printForm(Decimal{k}, separator) + QStringLiteral("       "));
    if (Label3->text() == wrongVerdict)
        Picture1->setColour(colour::red);
    // A long row (level 4, a long typed answer) is set narrower rather than run past the third
    // column's line: so every correct result stays in its own grid row at column 40.
    const auto& lines = ResultsTable::verticalLines;
    Picture1->printWithin(printForm(a, separator) + QStringLiteral("  ") + Label1->text() + QStringLiteral("   ")
                              + Label5->text() + QStringLiteral("=") + QStringLiteral("    ")
                              + printForm(j.typed, separator) + QStringLiteral("  "),
                          lines[2] - 3);
    Picture1->moveToColumn(40);
    Picture1->setColour(colour::blue);
    // Without a sign there is no correct result to show.
    if (j.judged)
        Picture1->printWithin(printForm(j.result, separator), lines[3] - 3);
    Picture1->endLine();

    if (k >= 10)
        endTest(KeyAscii);
}

void TForm1::endTest(int& KeyAscii)
{
    KeyAscii = key::none;
    hideAll({Label1, Label2, Label4, Label5, Text1});
    Picture1->printLine();
    Picture1->setFontSize(16);
    Picture1->setColour(colour::red);
    Picture1->printLine(QStringLiteral("  Pažymys:  ") + gradePrintForm(kontr));
    Picture1->show();
    Command1->hide();
    Command3->show();
    // The table and grade are drawn before the line is saved, which may wait a few seconds for
    // another program writing the same file.
    repaint();
    // A line that could not be saved is told with the table and grade on screen, and tried
    // again while they stay there.
    const QString unsaved = pendingResult_->save(text2->text(), kontr);
    if (!unsaved.isEmpty()) {
        message_(unsaved);
        pendingResult_->keepTrying();
    }
    presentResults(*this, unsaved);
}

// Leaving the results: a line still unsaved is tried once more, and the pupil told how it went.
void TForm1::leaveResults()
{
    const QString told = pendingResult_->leave();
    if (!told.isEmpty())
        message_(told);
}

// Command3_Click: the finished table is emptied.
void TForm1::clearResultsTable()
{
    Picture1->clear();
    Picture1->setAutoRedraw(false);
}

} // namespace zenkla
