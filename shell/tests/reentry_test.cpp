// Entering a practice or test window again and again: every entry is a new instance, and the
// instances it replaces are released, so the program does not grow however often a pupil comes back.
#include "shell/forms.h"
#include "shell/windowno.h"
#include "shell/handlers.h"
#include "shell/menus.h"
#include "shell/navigation.h"
#include "shell/window.h"
#include "testing/ui.h"
#include "testing/veltora_fixture.h"

#include <QPushButton>

namespace {

// The six windows entered from a topic menu: the window, its menu, the menu's button, and how
// the pupil leaves it ("Pradžia" of a practice window, the exit picture of a test).
struct Entry {
    int window;
    int menu;
    const char* menuButton;
    const char* leave;
};
const Entry entries[] = {
    {WindowNo::SignedPractice, WindowNo::SignedMenu, "BitBtn2", "BitBtn1"},
    {WindowNo::SignedTest, WindowNo::SignedMenu, "BitBtn3", "Image1"},
    {WindowNo::ExpressionPractice, WindowNo::ExpressionMenu, "BitBtn2", "BitBtn1"},
    {WindowNo::ExpressionTest, WindowNo::ExpressionMenu, "BitBtn3", "Image1"},
    {WindowNo::EquationPractice, WindowNo::EquationMenu, "BitBtn2", "BitBtn1"},
    {WindowNo::EquationTest, WindowNo::EquationMenu, "BitBtn3", "Image1"},
};

class Reentry : public VeltoraWindows {
protected:
    // Lets the event loop release what was given up.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static QList<TWindow*> instances(int n)
    {
        const QString cls = QStringLiteral("TForm%1").arg(n);
        QList<TWindow*> found;
        for (TWindow* w : TWindow::all())
            if (QString::fromLatin1(w->metaObject()->className()) == cls)
                found.append(w);
        return found;
    }
};

TEST_F(Reentry, FiftyEntriesOfEachWindowLeaveOneInstance)
{
    const qsizetype windowsAtStart = TWindow::all().size();
    for (const Entry& e : entries) {
        showForm(form(e.menu));
        for (int i = 0; i < 50; ++i) {
            TWindow* before = form(e.window);
            ui::click(form(e.menu), e.menuButton);
            TWindow* now = form(e.window);
            ASSERT_NE(now, before) << "Form" << e.window << ": every entry is a new instance";
            ASSERT_TRUE(now->isVisible());
            ASSERT_TRUE(form(e.menu)->isVisible()) << "the topic menu stays underneath";
            ui::click(now, e.leave);
            settle();
            ASSERT_FALSE(now->isVisible());
        }
        const QList<TWindow*> left = instances(e.window);
        ASSERT_EQ(left.size(), 1) << "Form" << e.window;
        EXPECT_EQ(left.front(), form(e.window)) << "the reference is the newest instance";
        EXPECT_TRUE(form(e.menu)->isVisible());
    }
    EXPECT_EQ(TWindow::all().size(), windowsAtStart);
    EXPECT_FALSE(programEnded());
}

TEST_F(Reentry, AReplacedWindowStillOnScreenStaysUntilClosed)
{
    showForm(Form2);
    ui::click(Form2, "BitBtn2");
    TWindow* first = form(WindowNo::SignedPractice);
    // The pupil goes back to the menu without closing the practice window and enters again.
    showForm(Form2);
    ui::click(Form2, "BitBtn2");
    settle();
    ASSERT_EQ(instances(WindowNo::SignedPractice).size(), 2);
    EXPECT_TRUE(first->isVisible()) << "nothing on screen changes";
    ui::click(first, "Image1");
    settle();
    EXPECT_EQ(instances(WindowNo::SignedPractice), QList<TWindow*>{form(WindowNo::SignedPractice)});
    EXPECT_TRUE(form(WindowNo::SignedPractice)->isVisible());
}

// Left alone, the program makes the other windows after the main menu's first paint, in the
// order their creation handlers run when everything is made at once.
TEST(StartUp, TheOtherWindowsAreMadeInTheirOrderAfterThePaint)
{
    const auto names = [] {
        QStringList list;
        for (const TWindow* w : TWindow::all())
            list << w->objectName();
        return list;
    };
    setProgramEnd([] {});
    createForms(StartUp::AllWindows);
    const QStringList allAtOnce = names();
    destroyForms();

    createForms(StartUp::MenuFirst);
    EXPECT_EQ(names(), QStringList{"Form1"});
    ASSERT_TRUE(QTest::qWaitFor([] { return Form26 != nullptr; }, 5000)) << "the menu was painted";
    EXPECT_EQ(allAtOnce.size(), 26);
    EXPECT_EQ(names(), allAtOnce);
    destroyForms();
    setProgramEnd({});
}

// The program itself shows the main menu first and builds the other 25 windows just after it
// is painted; until then a window asked for is made on the spot, and what the pupil reaches
// that way is not replaced afterwards.
TEST(StartUp, TheOtherWindowsFollowTheMainMenu)
{
    setProgramEnd([] {});
    setErrorSink([](const QString&) {});
    createForms(StartUp::MenuFirst);
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_EQ(TWindow::all(), QList<TWindow*>{Form1});

    // A pupil quick enough to enter the signed-number practice before the menu is painted.
    TWindow* menu = form(WindowNo::SignedMenu);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(TWindow::all().size(), 20) << "the menus, pages and prompt";
    for (const Entry& e : entries)
        EXPECT_EQ(form(e.window), nullptr) << "Form" << e.window;
    showForm(menu);
    ui::click(menu, "BitBtn2");
    TWindow* entered = form(WindowNo::SignedPractice);
    ASSERT_NE(entered, nullptr);
    EXPECT_TRUE(entered->isVisible());

    ASSERT_TRUE(QTest::qWaitFor([] { return form(WindowNo::EquationTest) != nullptr; }, 5000))
        << "the menu was painted";
    EXPECT_EQ(TWindow::all().size(), 26);
    EXPECT_EQ(form(WindowNo::SignedMenu), menu) << "the menu made on the spot is kept";
    EXPECT_EQ(form(WindowNo::SignedPractice), entered) << "the window entered is kept";
    for (const Entry& e : entries)
        EXPECT_EQ(form(e.window)->isVisible(), e.window == 8) << "Form" << e.window;
    destroyForms();
    setErrorSink({});
    setProgramEnd({});
}

} // namespace
