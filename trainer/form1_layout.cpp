#include "trainer/form1.h"

#include "trainer/namefilter.h"
#include "trainer/widgets.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

// Form1's controls at their places and its menus, each with its handler connected; the
// controls of the later screens start hidden.

namespace zenkla {

namespace {

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

} // namespace

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

} // namespace zenkla
