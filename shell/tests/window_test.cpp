#include "shell/controls.h"
#include "shell/handlers.h"
#include "shell/picture.h"
#include "shell/window.h"
#include "testing/ui.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

// A window with an answer box and two buttons, both counting their presses.
struct EnterWindow {
    TWindow window{"FormX", QStringLiteral("Bandymas")};
    QLineEdit* box = edit(&window, "Edit1", {20, 20, 80, 30}, bookman(20));
    QPushButton* check = button(&window, "BitBtn1", {120, 20, 97, 49}, QStringLiteral("Tikrinti"), bookman(19));
    QPushButton* next = button(&window, "BitBtn2", {240, 20, 97, 49}, QStringLiteral("Toliau"), bookman(19));
    int checks = 0;
    int nexts = 0;
    EnterWindow()
    {
        QObject::connect(check, &QPushButton::clicked, [this] { ++checks; });
        QObject::connect(next, &QPushButton::clicked, [this] { ++nexts; });
        window.show();
        box->setFocus();
    }
};

class Window : public ::testing::Test {
protected:
    void SetUp() override { setProgramEnd([] {}); }
    void TearDown() override { setProgramEnd({}); }
};

TEST_F(Window, EnterPressesTheVisibleEnabledDefaultButton)
{
    EnterWindow w;
    w.window.makeDefault(w.check);
    w.window.makeDefault(w.next);
    w.next->setEnabled(false); // a disabled default button is passed over
    ui::enter(w.box);
    EXPECT_EQ(w.checks, 1);
    EXPECT_EQ(w.nexts, 0);

    w.next->setEnabled(true);
    w.check->setEnabled(false);
    ui::enter(w.box);
    EXPECT_EQ(w.nexts, 1);

    w.check->setEnabled(true);
    ui::enter(w.box); // both enabled: the one made default last
    EXPECT_EQ(w.nexts, 2);

    w.window.makeDefault(w.next, false);
    ui::enter(w.box);
    EXPECT_EQ(w.checks, 2);

    w.check->hide();
    ui::enter(w.box); // no default visible and enabled: nothing happens
    EXPECT_EQ(w.checks, 2);
    EXPECT_EQ(w.nexts, 2);
}

TEST_F(Window, EnterPressesTheFocusedButtonFirst)
{
    EnterWindow w;
    w.window.makeDefault(w.check);
    w.next->setFocus();
    QTest::keyClick(w.next, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(w.nexts, 1);
    EXPECT_EQ(w.checks, 0);
}

TEST_F(Window, CommonStyle)
{
    TWindow page("FormY", QStringLiteral("Lygtys"));
    EXPECT_EQ(page.windowTitle(), QStringLiteral("Lygtys"));
    EXPECT_FALSE(page.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(page.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_EQ(page.size(), clientSize({800, 550}));
    auto* exit = ui::find<PictureBox>(&page, "Image1");
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->size(), QSize(73, 33));
    EXPECT_EQ(exit->image().size(), QSize(82, 29));
    EXPECT_EQ(exit->accessibleName(), QStringLiteral("Pabaiga"));
    EXPECT_GE(exit->x(), 700);
    EXPECT_GE(exit->y(), 464);
    EXPECT_LE(exit->geometry().bottom(), page.height());
}

TEST_F(Window, ExitPictureWorksFromTheKeyboardAndComesLastInTabOrder)
{
    TWindow page("FormZ", QStringLiteral("Lygtys"));
    QLineEdit* box = edit(&page, "Edit1", {20, 20, 80, 30}, bookman(20));
    page.show();
    EXPECT_EQ(box->nextInFocusChain(), page.Image1);
    page.Image1->setFocus();
    QTest::keyClick(page.Image1, Qt::Key_Space);
    EXPECT_FALSE(page.isVisible());
}

} // namespace
