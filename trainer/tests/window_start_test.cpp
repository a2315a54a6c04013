// Form1 as it starts: every control's name, text, place, font and start state, the
// menu bar, Form_Load, and the About and error windows.
#include "trainer/dialogs.h"
#include "zenkla_ui.h"

#include <QFontInfo>
#include <QMenuBar>

using namespace zenkla;

namespace {

struct ControlRow {
    const char* name;
    const char* text; // nullptr: no text to check
    QRect place;
    double points;    // 0: not checked
    bool bold;
    bool shownAtStart;
};

const ControlRow controls[] = {
    {"Label17", "Mokomoji veltoros programa 7 klasei", {72, 0, 425, 25}, 13.5, true, true},
    {"Label18", "Aritmetiniai veiksmai su teigiamais ir neigiamais skaičiais", {72, 16, 401, 113}, 19.5, true, true},
    {"Frame1", "Veiksmas", {112, 144, 153, 201}, 13.5, true, true},
    {"Option1", "Sudėtis", {8, 32, 137, 24}, 8.25, false, true},
    {"Option2", "Atimtis", {8, 64, 137, 24}, 8.25, false, true},
    {"Option3", "Daugyba", {8, 96, 137, 24}, 8.25, false, true},
    {"Option4", "Dalyba", {8, 128, 137, 24}, 8.25, false, true},
    {"Option5", "Įvairūs veiksmai", {8, 152, 137, 24}, 8.25, false, true},
    {"Frame2", "Lygis", {320, 144, 161, 201}, 13.5, true, true},
    {"Option6", "1 lygis [10;10]", {8, 32, 145, 24}, 8.25, false, true},
    {"Option7", "2 lygis [20;20]", {8, 64, 145, 24}, 8.25, false, true},
    {"Option8", "3 lygis [20.0;20.0]", {8, 96, 145, 24}, 8.25, false, true},
    {"Option9", "4 lygis [100.00;100.00]", {8, 136, 145, 24}, 8.25, false, true},
    {"Command2", "&Pasirinkau veiksmą ir lygį", {144, 352, 289, 57}, 13.5, true, true},
    {"Label16", "", {144, 48, 241, 33}, 16.5, true, false},
    {"Label19", "Kontrolinis darbas", {112, 16, 273, 33}, 19.5, true, false},
    {"Label21", "Sprendžia", {136, 0, 425, 25}, 13.5, false, false},
    {"Label4", "", {40, 144, 153, 33}, 19.5, false, false},
    {"Label1", "", {192, 144, 25, 41}, 19.5, false, true},
    {"Label5", "", {224, 144, 113, 49}, 19.5, false, false},
    {"Label2", "=", {336, 136, 33, 49}, 19.5, false, false},
    {"Text1", "", {360, 136, 137, 44}, 19.5, false, false},
    {"Label3", "", {88, 216, 145, 33}, 16.5, true, true},
    {"Label6", "Turi būti ", {80, 264, 185, 49}, 19.5, false, false},
    {"Label7", "", {200, 264, 177, 49}, 19.5, false, false},
    {"Frame4", "Sprendimas:", {312, 184, 297, 249}, 13.5, false, false},
    {"Label27", "Label27", {8, 72, 281, 48}, 12, false, false},
    {"Label28", "Label28", {8, 120, 281, 32}, 12, false, false},
    {"Label29", "", {8, 152, 281, 64}, 12, false, false},
    {"Label30", "", {8, 216, 281, 30}, 12, false, false},
    {"Label31", "Label31", {8, 24, 281, 48}, 12, false, false},
    {"Command1", "&Toliau", {152, 400, 153, 33}, 13.5, false, false},
    {"Frame3", nullptr, {64, 448, 249, 41}, 0, false, true},
    {"Label12", "Teisingai", {8, 8, 57, 17}, 9.75, false, true},
    {"Label13", "", {80, 8, 33, 17}, 9.75, false, true},
    {"Label14", "Neteisingai", {136, 8, 73, 17}, 9.75, false, true},
    {"Label15", "", {216, 8, 25, 17}, 9.75, false, true},
    {"Shape1", nullptr, {0, 0, 249, 33}, 0, false, true},
    {"Line1", nullptr, {128, 0, 1, 33}, 0, false, true},
    {"Shape2", nullptr, {312, 448, 265, 33}, 0, false, true},
    {"Line2", nullptr, {448, 448, 1, 33}, 0, false, true},
    {"Label22", "Lygis", {320, 456, 41, 17}, 9.75, false, true},
    {"Label23", "", {360, 456, 89, 17}, 8.25, false, true},
    {"Label10", "Laikas", {456, 456, 41, 17}, 9.75, false, true},
    {"Label9", "", {504, 456, 25, 17}, 9.75, false, true},
    {"Label11", ":", {528, 456, 17, 25}, 9.75, false, true},
    {"Label8", "", {552, 456, 17, 17}, 9.75, false, true},
    {"Label20", "Įrašykite savo vardą ir pavardę, spauskite \"ENTER\"", {56, 136, 457, 25}, 13.5, false, false},
    {"Label24", "Reikia išspręsti 10 pratimų.", {56, 88, 401, 33}, 13.5, false, false},
    {"text2", "", {80, 168, 297, 33}, 12, false, false},
    {"Label26", "Label26", {56, 88, 145, 33}, 9.75, false, false},
    {"Picture1", nullptr, {72, 80, 489, 353}, 0, false, false},
    {"Command3", "Toliau", {104, 440, 153, 33}, 13.5, false, false},
};

} // namespace

TEST_F(Zenkla, EveryControlStartsWithItsNameTextPlaceFontAndState)
{
    for (const ControlRow& c : controls) {
        SCOPED_TRACE(c.name);
        QWidget* w = find(c.name);
        ASSERT_NE(w, nullptr);
        if (c.text) {
            EXPECT_EQ(text(c.name), QString::fromUtf8(c.text));
        }
        EXPECT_EQ(w->geometry(), c.place);
        if (c.points > 0) {
            EXPECT_DOUBLE_EQ(w->font().pointSizeF(), c.points);
            EXPECT_EQ(w->font().bold(), c.bold);
            EXPECT_EQ(w->font().families().value(0), QStringLiteral("MS Sans Serif"));
            EXPECT_EQ(w->font().families().value(1), QStringLiteral("Liberation Sans"));
        }
        // Worked-solution lines are shown inside their hidden frame.
        const bool insideFrame4 = w->parentWidget() == find("Frame4");
        EXPECT_EQ(insideFrame4 ? !w->isHidden() : shown(c.name), insideFrame4 || c.shownAtStart);
    }
    EXPECT_TRUE(label("Label3")->font().italic());
    EXPECT_FALSE(find<QRadioButton>("Option1")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("Option5")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("Option6")->isChecked());
    auto* timer = find<QTimer>("Timer1");
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
}

TEST_F(Zenkla, TheWindowHasItsCaptionAndA618By499ClientArea)
{
    EXPECT_EQ(window->objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("Mokomoji veltoros programa 7 kl. \"Veiksmai su teigiamais ir neigiamais skaičiais \""));
    EXPECT_EQ(QCoreApplication::applicationName(), window->windowTitle());
    EXPECT_EQ(window->centralWidget()->size(), QSize(618, 499));
    EXPECT_TRUE(window->isVisible());
    EXPECT_DOUBLE_EQ(window->font().pointSizeF(), 13.5);
}

TEST_F(Zenkla, LithuanianLettersRenderInTheChosenFont)
{
    const QFontInfo info(label("Label17")->font());
    EXPECT_TRUE(info.family().contains(QStringLiteral("Sans"))) << info.family();
    const QFontMetrics metrics(label("Label17")->font());
    for (const QChar c : QStringLiteral("ąčęėįšųūžĄČĘĖĮŠŲŪŽ"))
        EXPECT_TRUE(metrics.inFont(c)) << QString(c);
}

struct MenuRow {
    const char* menu;
    const char* title;
    const char* item;
    const char* text;
    const char* shortcut;
    bool checked;
};

TEST_F(Zenkla, TheMenuBarHasItsMenusItemsAccessKeysShortcutsAndChecks)
{
    const MenuRow rows[] = {
        {"mnuPrograma", "&Programa", "mnuIš_naujo", "&Iš naujo", "Ctrl+N", false},
        {"mnuPrograma", "&Programa", "mnuBaigti", "&Baigti", "Ctrl+Q", false},
        {"mnuVeiksmai", "&Veiksmai", "mnuSudėtis", "&Sudėtis", "", false},
        {"mnuVeiksmai", "&Veiksmai", "mnuAtimtis", "&Atimtis", "", false},
        {"mnuVeiksmai", "&Veiksmai", "mnuDaugyba", "Dau&gyba", "", false},
        {"mnuVeiksmai", "&Veiksmai", "mnuDalyba", "Da&lyba", "", false},
        {"mnuVeiksmai", "&Veiksmai", "mnuĮvairūs_veiksmai", "Į&vairūs veiksmai", "", false},
        {"mnuLygis", "&Lygis", "mnu1", "&1 [-10;10]", "", false},
        {"mnuLygis", "&Lygis", "mnu2", "&2 [-20;20]", "", false},
        {"mnuLygis", "&Lygis", "mnu3", "&3 [-20.0;20.0]", "", false},
        {"mnuLygis", "&Lygis", "mnu4", "&4 [-100.0;100.0]", "", false},
        {"mnuRežimas", "&Režimas", "mnuTreniruoklis", "&Treniruoklis", "", true},
        {"mnuRežimas", "&Režimas", "mnuKontrolinis_darbas", "&Kontrolinis darbas", "Ctrl+C", false},
        {"mnuPagalba", "&Pagalba", "mnuApie", "&Apie", "", false},
    };
    for (const MenuRow& r : rows) {
        SCOPED_TRACE(r.item);
        QMenu* m = menu(r.menu);
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->title(), QString::fromUtf8(r.title));
        QAction* a = action(r.item);
        ASSERT_NE(a, nullptr);
        EXPECT_TRUE(m->actions().contains(a));
        EXPECT_EQ(a->text(), QString::fromUtf8(r.text));
        EXPECT_EQ(a->shortcut().toString(QKeySequence::PortableText), QString::fromLatin1(r.shortcut));
        EXPECT_EQ(a->isChecked(), r.checked);
    }
    const QList<QAction*> bar = window->menuBar()->actions();
    ASSERT_EQ(bar.size(), 5);
    EXPECT_EQ(bar[0]->menu(), menu("mnuPrograma"));
    EXPECT_EQ(bar[4]->menu(), menu("mnuPagalba"));
    // Form_Load disables "&Veiksmai" and "&Lygis".
    EXPECT_TRUE(menuEnabled("mnuPrograma"));
    EXPECT_FALSE(menuEnabled("mnuVeiksmai"));
    EXPECT_FALSE(menuEnabled("mnuLygis"));
    EXPECT_TRUE(menuEnabled("mnuRežimas"));
    EXPECT_TRUE(menuEnabled("mnuPagalba"));
}

TEST_F(Zenkla, AboutIsModalAndGeraiUnloadsIt)
{
    EXPECT_EQ(Form2, nullptr);
    bool checked = false;
    QTimer::singleShot(0, [&] {
        ASSERT_NE(Form2, nullptr);
        EXPECT_EQ(Form2->objectName(), QStringLiteral("Form2"));
        EXPECT_TRUE(Form2->isVisible());
        EXPECT_TRUE(Form2->isModal());
        EXPECT_EQ(QApplication::activeModalWidget(), Form2);
        EXPECT_EQ(Form2->windowTitle(), QStringLiteral("Apie programą"));
        EXPECT_EQ(Form2->size(), QSize(344, 232));
        auto* text = Form2->findChild<QLabel*>(QStringLiteral("Label1"));
        EXPECT_EQ(text->text(), QStringLiteral("Mokomoji veltoros programa 7 klasei. Skirta mokytis temą \"Veiksmai "
                                               "su teigiamais ir neigiamais skaičiais\"."));
        EXPECT_EQ(text->geometry(), QRect(112, 16, 209, 73));
        EXPECT_TRUE(text->wordWrap());
        auto* ok = Form2->findChild<QPushButton*>(QStringLiteral("Command1"));
        EXPECT_EQ(ok->text(), QStringLiteral("Gerai"));
        EXPECT_EQ(ok->geometry(), QRect(192, 184, 97, 33));
        EXPECT_FALSE(Form2->findChild<QLabel*>(QStringLiteral("Picture1"))->pixmap().isNull());
        checked = true;
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    trigger("mnuApie");
    EXPECT_TRUE(checked);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Form2, nullptr);
}

TEST_F(Zenkla, TheErrorWindowHasItsTextAndOkEmptiesTheNameBox)
{
    TForm3* error = loadForm3();
    EXPECT_EQ(error->objectName(), QStringLiteral("Form3"));
    EXPECT_EQ(error->windowTitle(), QStringLiteral("Klaida!"));
    EXPECT_EQ(error->size(), QSize(292, 156));
    EXPECT_TRUE(error->isModal());
    auto* message = error->findChild<QLabel*>(QStringLiteral("Label1"));
    EXPECT_EQ(message->text(), QStringLiteral("Labai ilgas įrašas. Įrašykite vardą ir pavardę iš naujo."));
    EXPECT_EQ(message->geometry(), QRect(32, 24, 209, 57));
    EXPECT_DOUBLE_EQ(message->font().pointSizeF(), 12);
    auto* ok = error->findChild<QPushButton*>(QStringLiteral("Command1"));
    EXPECT_EQ(ok->text(), QStringLiteral("Ok"));
    EXPECT_EQ(ok->geometry(), QRect(88, 96, 89, 33));
    find<QLineEdit>("text2")->setText(QStringLiteral("Vardenis"));
    error->show();
    QTest::mouseClick(ok, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Form3, nullptr);
    EXPECT_EQ(text("text2"), QString());
}

TEST_F(Zenkla, BaigtiEndsTheProgramAtOnce)
{
    start(1);
    trigger("mnuBaigti");
    EXPECT_TRUE(ended);
}

TEST_F(Zenkla, ClosingForm1UnloadsTheAboutWindow)
{
    loadForm2()->show();
    ASSERT_NE(Form2, nullptr);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Form2, nullptr);
}
