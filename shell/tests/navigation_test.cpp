#include "shell/forms.h"
#include "shell/windowno.h"
#include "shell/handlers.h"
#include "shell/menus.h"
#include "shell/navigation.h"
#include "shell/window.h"
#include "testing/ui.h"
#include "testing/veltora_fixture.h"

#include <QEvent>
#include <QPushButton>
#include <vector>

namespace {

// Records, in order, every window of the program that is shown or hidden.
class ShowHideLog : public QObject {
public:
    ShowHideLog() { qApp->installEventFilter(this); }
    ~ShowHideLog() override { qApp->removeEventFilter(this); }
    std::vector<std::string> entries;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if ((e->type() == QEvent::Show || e->type() == QEvent::Hide) && qobject_cast<TWindow*>(o))
            entries.push_back((e->type() == QEvent::Show ? "show " : "hide ") + o->objectName().toStdString());
        return false;
    }
};

class Navigation : public VeltoraWindows {
protected:
    static std::vector<int> visible()
    {
        std::vector<int> shown;
        for (int n = 1; n <= WindowNo::Count; ++n)
            if (form(n)->isVisible())
                shown.push_back(n);
        return shown;
    }
};

TEST_F(Navigation, StartsOnTheMainMenuAloneWithEveryWindowNamed)
{
    EXPECT_EQ(visible(), std::vector<int>{1});
    EXPECT_EQ(Form1->windowTitle(), QStringLiteral("Veltora 7"));
    for (int n = 1; n <= WindowNo::Count; ++n) {
        EXPECT_EQ(form(n)->objectName(), QStringLiteral("Form%1").arg(n));
        EXPECT_EQ(QString::fromLatin1(form(n)->metaObject()->className()), QStringLiteral("TForm%1").arg(n));
        EXPECT_EQ(form(n)->findChild<QWidget*>(QStringLiteral("Image1")) != nullptr, n != 9) << n;
    }
}

TEST_F(Navigation, CaptionsOfTheCatalogue)
{
    const QString signed1 = QStringLiteral("Teigiami neigiami skaičiai");
    const QString signed2 = QStringLiteral("Teigiami ir neigiami skaičiai");
    const QString expr = QStringLiteral("Reiškinių pertvarkymas");
    const QString eq = QStringLiteral("Lygtys");
    const QString captions[] = {QStringLiteral("Veltora 7"), signed1, signed1, signed1, signed1, signed1,
                                signed2, signed2, QString(), signed1, signed2, signed2, signed2, signed2,
                                expr, expr, expr, expr, expr, expr, eq, eq, eq, eq, eq, eq};
    for (int n = 1; n <= WindowNo::Count; ++n)
        EXPECT_EQ(form(n)->windowTitle(), captions[n - 1]) << "Form" << n;
}

TEST_F(Navigation, MenuButtonCaptions)
{
    EXPECT_EQ(ui::text(Form1, "Label1"), QStringLiteral("Veltoros uždaviniai 7 klasei"));
    EXPECT_EQ(ui::text(Form1, "BitBtn1"), QStringLiteral("Teigiami neigiami skaičiai"));
    EXPECT_EQ(ui::text(Form1, "BitBtn2"), QStringLiteral("Reiškinių pertvarkymas"));
    EXPECT_EQ(ui::text(Form1, "BitBtn3"), QStringLiteral("Lygtys"));
    const struct {
        int menu;
        const char* heading;
    } menus[] = {{2, "Teigiami ir neigiami skaičiai"}, {16, "Reiškinių pertvarkymas"}, {21, "Lygtys"}};
    for (const auto& m : menus) {
        EXPECT_EQ(ui::text(form(m.menu), "Label1"), QString::fromUtf8(m.heading));
        EXPECT_EQ(ui::text(form(m.menu), "BitBtn1"), QStringLiteral("Teorija"));
        EXPECT_EQ(ui::text(form(m.menu), "BitBtn2"), QStringLiteral("Pratybos"));
        EXPECT_EQ(ui::text(form(m.menu), "BitBtn3"), QStringLiteral("Patikrinamasis darbas"));
        EXPECT_EQ(ui::text(form(m.menu), "BitBtn4"), QStringLiteral("Turinys"));
    }
}

// Every navigation button: from which window, which button, to which window, and whether the
// target shows before the own window closes.
struct Route {
    int from;
    const char* button;
    int to;
    bool showsFirst;
};

const Route routes[] = {
    {1, "BitBtn1", 2, false},   {1, "BitBtn2", 16, false},  {1, "BitBtn3", 21, false},
    {2, "BitBtn1", 3, false},   {2, "BitBtn4", 1, false},   {16, "BitBtn1", 15, false},
    {16, "BitBtn4", 1, false},  {21, "BitBtn1", 22, false}, {21, "BitBtn4", 1, false},
    {3, "BitBtn5", 1, false},   {3, "BitBtn1", 2, false},   {3, "BitBtn2", 4, false},
    {4, "BitBtn5", 1, false},   {4, "BitBtn1", 2, false},   {4, "BitBtn2", 5, false},
    {5, "BitBtn5", 1, false},   {5, "BitBtn1", 2, false},   {5, "BitBtn2", 6, false},
    {6, "BitBtn5", 1, false},   {6, "BitBtn1", 2, false},   {6, "BitBtn2", 7, false},
    {7, "BitBtn5", 1, false},   {7, "BitBtn1", 2, false},   {15, "BitBtn5", 1, false},
    {15, "BitBtn1", 16, true},  {15, "BitBtn2", 17, false}, {17, "BitBtn5", 1, false},
    {17, "BitBtn1", 16, true},  {17, "BitBtn2", 18, false}, {18, "BitBtn5", 1, false},
    {18, "BitBtn1", 16, true},  {22, "BitBtn5", 1, false},  {22, "BitBtn1", 21, false},
    {22, "BitBtn2", 23, false}, {23, "BitBtn5", 1, false},  {23, "BitBtn1", 21, false},
    {23, "BitBtn2", 24, false}, {24, "BitBtn5", 1, false},  {24, "BitBtn1", 21, false},
    {8, "BitBtn5", 1, false},   {8, "BitBtn1", 2, false},   {19, "BitBtn5", 1, true},
    {19, "BitBtn1", 16, true},  {25, "BitBtn5", 1, true},   {25, "BitBtn1", 21, true},
};

TEST_F(Navigation, EveryButtonHidesItsWindowAndShowsItsTargetInOrder)
{
    for (const Route& r : routes) {
        SCOPED_TRACE(testing::Message() << "Form" << r.from << "." << r.button);
        for (TWindow* w : TWindow::all())
            w->hide();
        form(r.from)->show();
        ShowHideLog log;
        ui::click(form(r.from), r.button);
        const std::string hide = "hide Form" + std::to_string(r.from);
        const std::string show = "show Form" + std::to_string(r.to);
        const std::vector<std::string> expected =
            r.showsFirst ? std::vector<std::string>{show, hide} : std::vector<std::string>{hide, show};
        EXPECT_EQ(log.entries, expected);
        EXPECT_FALSE(programEnded());
    }
}

TEST_F(Navigation, TheoryChainsEndWithoutToliau)
{
    for (int last : {7, 18, 24})
        EXPECT_EQ(form(last)->findChild<QPushButton*>(QStringLiteral("BitBtn2")), nullptr) << last;
}

TEST_F(Navigation, TopicMenusCreateANewExerciseWindowOnEveryEntryAndStayOnScreen)
{
    const struct {
        int menu;
        const char* button;
        int window;
    } entries[] = {{2, "BitBtn2", 8},   {2, "BitBtn3", 14},  {16, "BitBtn2", 19},
                   {16, "BitBtn3", 20}, {21, "BitBtn2", 25}, {21, "BitBtn3", 26}};
    for (const auto& e : entries) {
        SCOPED_TRACE(e.window);
        showForm(form(e.menu));
        TWindow* before = form(e.window);
        ui::click(form(e.menu), e.button);
        TWindow* first = form(e.window);
        EXPECT_NE(first, before);
        EXPECT_TRUE(first->isVisible());
        EXPECT_TRUE(form(e.menu)->isVisible());
        ui::click(first, "Image1");
        EXPECT_FALSE(first->isVisible());
        ui::click(form(e.menu), e.button);
        EXPECT_NE(form(e.window), first);
        EXPECT_TRUE(form(e.window)->isVisible());
        EXPECT_FALSE(first->isVisible()); // the older instance lives on, hidden
        EXPECT_TRUE(TWindow::all().contains(first));
    }
}

TEST_F(Navigation, ExitPictureOnlyHidesItsWindow)
{
    for (int n = 2; n <= WindowNo::Count; ++n) {
        if (n == 9)
            continue;
        showForm(form(n));
        ui::click(form(n), "Image1");
        EXPECT_FALSE(form(n)->isVisible()) << n;
        EXPECT_FALSE(programEnded()) << n; // the main menu is still on screen
    }
}

TEST_F(Navigation, MainMenuExitPictureEndsTheProgramWhateverIsOpen)
{
    ui::click(Form1, "BitBtn1");
    ui::click(form(WindowNo::SignedMenu), "BitBtn2");
    ui::click(form(WindowNo::SignedMenu), "BitBtn4");
    ASSERT_TRUE(Form1->isVisible());
    ASSERT_TRUE(form(WindowNo::SignedPractice)->isVisible());
    ui::click(Form1, "Image1");
    EXPECT_TRUE(programEnded());
}

TEST_F(Navigation, ClosingTheLastVisibleWindowEndsTheProgram)
{
    // A topic menu's exit picture while the main menu is hidden.
    ui::click(Form1, "BitBtn2");
    ASSERT_EQ(visible(), std::vector<int>{16});
    ui::click(form(WindowNo::ExpressionMenu), "Image1");
    EXPECT_TRUE(programEnded());
}

TEST_F(Navigation, ClosingATheoryPageAloneEndsTheProgram)
{
    ui::click(Form1, "BitBtn3");
    ui::click(form(WindowNo::EquationMenu), "BitBtn1");
    ASSERT_EQ(visible(), std::vector<int>{22});
    ui::click(form(WindowNo::EquationTheory1), "BitBtn2"); // navigation passes through no visible window: not an end
    EXPECT_FALSE(programEnded());
    ui::click(form(WindowNo::EquationTheory2), "Image1");
    EXPECT_TRUE(programEnded());
}

TEST_F(Navigation, PracticeExitReturnsToTheTopicMenuUnderneath)
{
    ui::click(Form1, "BitBtn1");
    ui::click(form(WindowNo::SignedMenu), "BitBtn2");
    ui::click(form(WindowNo::SignedPractice), "Image1");
    EXPECT_EQ(visible(), std::vector<int>{2});
    EXPECT_FALSE(programEnded());
}

TEST_F(Navigation, TurinysFromPracticeLeavesTheTopicMenuOnScreen)
{
    ui::click(Form1, "BitBtn1");
    ui::click(form(WindowNo::SignedMenu), "BitBtn2");
    ui::click(form(WindowNo::SignedPractice), "BitBtn5");
    EXPECT_EQ(visible(), (std::vector<int>{1, 2}));
}

TEST_F(Navigation, MainMenuFocusStartsOnTheFirstTopic)
{
    EXPECT_EQ(Form1->focusWidget(), Form1->BitBtn1);
}

} // namespace
