// The equation practice window TForm25 driven through its controls, as a pupil drives it.
#include "equations/equation.h"
#include "equations/practice.h"
#include "shell/controls.h"
#include "shell/forms.h"
#include "shell/windowno.h"
#include "shell/handlers.h"
#include "shell/picture.h"
#include "shell/prompt.h"
#include "shell/random.h"
#include "testing/ui.h"
#include "testing/veltora_fixture.h"

#include <QFontMetrics>

using equation::EquationRow;

namespace {

const char* const rowNames[11] = {"Label15", "Label1",  "Label27", "Label30", "Label8", "Label10",
                                  "Label6",  "Label11", "Label14", "Label9",  "Label7"};
const int rowLefts[11] = {120, 168, 200, 231, 279, 312, 344, 391, 432, 464, 511};
const char* const underlineNames[4] = {"Label16", "Label17", "Label18", "Label19"};

QLabel* piece(QWidget* w, int i)
{
    return ui::find<QLabel>(w, rowNames[i]);
}

// The equation as the pupil sees it: each piece's text, and whether it is visible.
struct Seen {
    EquationRow row;
    std::array<bool, 11> visible{};
    bool operator==(const Seen&) const = default;
};

Seen seen(QWidget* w)
{
    Seen s;
    for (std::size_t i = 0; i < 11; ++i) {
        s.row.pieces[i] = piece(w, static_cast<int>(i))->text();
        s.visible[i] = piece(w, static_cast<int>(i))->isVisible();
    }
    return s;
}

void show(QWidget* w, const EquationRow& row)
{
    for (std::size_t i = 0; i < 11; ++i)
        piece(w, static_cast<int>(i))->setText(row.pieces[i]);
}

EquationRow rowOf(std::initializer_list<const char*> pieces)
{
    EquationRow row;
    std::size_t i = 0;
    for (const char* p : pieces)
        row.pieces.at(i++) = QString::fromUtf8(p);
    return row;
}

// The solution worked out from what the labels show.
int solutionShown(QWidget* w)
{
    return equation::solution(seen(w).row);
}

QColor colourOf(const QLabel* l)
{
    return l->palette().color(QPalette::WindowText);
}

class PracticeFixture : public VeltoraWindows {
protected:
    explicit PracticeFixture(bool withPictures = true) : dir_(withPictures) {}
    void SetUp() override
    {
        VeltoraWindows::SetUp();
        open();
    }
    void open()
    {
        enterPractice(WindowNo::EquationPractice);
        w = Form25;
        ASSERT_TRUE(w->isVisible());
    }
    // Types into the control with the focus and presses Enter there.
    void typeAndEnter(const QString& text)
    {
        QWidget* target = w->focusWidget();
        ASSERT_NE(target, nullptr) << "no control has the focus";
        ui::type(target, text);
        ui::enter(target);
    }
    void enter() { ui::enter(w->focusWidget() ? w->focusWidget() : w); }

    TForm25* w = nullptr;

private:
    ui::WorkingDirectory dir_;
};

class EquationPractice : public PracticeFixture {};

class EquationPracticeWithoutPictures : public PracticeFixture {
protected:
    EquationPracticeWithoutPictures() : PracticeFixture(false) {}
};

TEST_F(EquationPractice, OpensWithAnEquationOnOneLine)
{
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Lygtys"));
    const int numberAscent = QFontMetrics(piece(w, 0)->font()).ascent();
    for (int i = 0; i < 11; ++i) {
        QLabel* l = piece(w, i);
        SCOPED_TRACE(rowNames[i]);
        EXPECT_TRUE(l->isVisible());
        EXPECT_EQ(l->x(), rowLefts[i]);
        EXPECT_TRUE(l->font().bold());
        EXPECT_EQ(colourOf(l), colour::yellow);
        // The operators and "=" are larger but share the numbers' baseline.
        const bool larger = i == 2 || i == 5;
        EXPECT_EQ(l->font().pixelSize(), larger ? 37 : 35);
        EXPECT_EQ(l->y() + QFontMetrics(l->font()).ascent(), 56 + numberAscent);
    }
    EXPECT_EQ(ui::text(w, "Label10"), QStringLiteral("="));
    EXPECT_EQ(ui::text(w, "Label12"), QStringLiteral("x"));
    EXPECT_EQ(ui::text(w, "Label26"), QStringLiteral("="));
    EXPECT_EQ(ui::text(w, "BitBtn30"), QStringLiteral("Tikrinti"));
    EXPECT_EQ(ui::text(w, "BitBtn31"), QStringLiteral("Pabraukti"));
    EXPECT_EQ(ui::text(w, "BitBtn32"), QStringLiteral("Toliau"));
    EXPECT_EQ(w->BitBtn31->pos(), QPoint(552, 56));
    EXPECT_EQ(w->Edit5->pos(), QPoint(240, 152));
    EXPECT_FALSE(w->BitBtn32->isEnabled());
    EXPECT_EQ(w->enterTarget(), w->BitBtn30);
    EXPECT_EQ(w->focusWidget(), w->Edit5);
    for (const char* u : underlineNames)
        EXPECT_FALSE(ui::find<QLabel>(w, u)->isVisible()) << u;
    EXPECT_FALSE(w->Image11->isVisible());
    EXPECT_EQ(ui::text(w, "Label13"), QString());
    EXPECT_EQ(ui::text(w, "Label4"), QStringLiteral("0"));
    EXPECT_EQ(ui::text(w, "Label5"), QStringLiteral("0"));
    const int x = solutionShown(w);
    EXPECT_TRUE(x != 0 && x != 1 && x != -1) << equation::toText(seen(w).row);
}

// With a fixed seed the window shows exactly what the generator gives: the first variant when it
// opens, the next variant after every "Toliau".
TEST_F(EquationPractice, OpensWithTheFirstVariantAndGoesOnWithTheNext)
{
    for (std::uint64_t base : {3000u, 4100u, 9770u}) {
        SCOPED_TRACE(base);
        fixSeed(base);
        open();
        fixSeed(base);
        reseed();
        EXPECT_EQ(seen(w).row, equation::generate(draw, equation::first).row);
        for (int k = 0; k < 3; ++k) {
            typeAndEnter(QString::number(solutionShown(w)));
            enter();
            ASSERT_FALSE(w->BitBtn32->isEnabled());
            const EquationRow shown = seen(w).row;
            // Replay: the window has reseeded once on opening and once per "Toliau".
            fixSeed(base);
            for (int r = 0; r < k + 2; ++r)
                reseed();
            EXPECT_EQ(shown, equation::generate(draw, equation::next).row) << k;
        }
    }
}

TEST_F(EquationPractice, RightAnswerCountsEnablesToliauAndShowsThePicture)
{
    const Seen before = seen(w);
    typeAndEnter(QString::number(solutionShown(w)));
    EXPECT_EQ(ui::text(w, "Label13"), QStringLiteral("Gerai"));
    EXPECT_EQ(ui::text(w, "Label4"), QStringLiteral("1"));
    EXPECT_EQ(ui::text(w, "Label5"), QStringLiteral("0"));
    EXPECT_TRUE(w->BitBtn32->isEnabled());
    EXPECT_TRUE(w->isDefault(w->BitBtn32));
    EXPECT_FALSE(w->isDefault(w->BitBtn30));
    EXPECT_TRUE(w->BitBtn30->isEnabled());
    EXPECT_EQ(w->enterTarget(), w->BitBtn32);
    EXPECT_TRUE(w->Image11->isVisible());
    EXPECT_EQ(w->Image11->fileName(), QStringLiteral("paveikslai/images101.jpg"));
    EXPECT_FALSE(w->Image11->image().isNull());
    EXPECT_EQ(seen(w), before);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(' ');

    // Enter now goes on: a new equation, everything ready for it, the tally kept.
    enter();
    EXPECT_FALSE(w->BitBtn32->isEnabled());
    EXPECT_EQ(w->enterTarget(), w->BitBtn30);
    EXPECT_TRUE(w->isDefault(w->BitBtn30));
    EXPECT_FALSE(w->Image11->isVisible());
    EXPECT_EQ(ui::text(w, "Label13"), QString());
    EXPECT_EQ(w->Edit5->text(), QString());
    EXPECT_EQ(w->focusWidget(), w->Edit5);
    EXPECT_EQ(ui::text(w, "Label4"), QStringLiteral("1"));
    const int x = solutionShown(w);
    EXPECT_TRUE(x != 0 && x != 1 && x != -1 && x != 2) << equation::toText(seen(w).row);
}

TEST_F(EquationPractice, AfterAClickOnTikrintiEnterGoesOn)
{
    ui::type(w->Edit5, QString::number(solutionShown(w)));
    QTest::mouseClick(w->BitBtn30, Qt::LeftButton);
    ASSERT_EQ(ui::text(w, "Label13"), QStringLiteral("Gerai"));
    EXPECT_EQ(w->focusWidget(), w->BitBtn32) << "the focus is on \"Toliau\"";
    enter();
    EXPECT_EQ(ui::text(w, "Label4"), QStringLiteral("1")) << "Enter did not check again";
    EXPECT_FALSE(w->BitBtn32->isEnabled()) << "Enter went on to the next equation";

    // A wrong answer clicked: the box keeps the focus for the correction.
    ui::type(w->Edit5, QString::number(solutionShown(w) + 1));
    QTest::mouseClick(w->BitBtn30, Qt::LeftButton);
    EXPECT_EQ(w->focusWidget(), w->Edit5);
}

TEST_F(EquationPractice, RepeatedRightCheckCountsAgainWithTheNextPicture)
{
    typeAndEnter(QString::number(solutionShown(w)));
    ui::click(w, "BitBtn30");
    ui::click(w, "BitBtn30");
    EXPECT_EQ(ui::text(w, "Label4"), QStringLiteral("3"));
    EXPECT_EQ(w->Image11->fileName(), QStringLiteral("paveikslai/images103.jpg"));
    EXPECT_EQ(ui::text(w, "Label13"), QStringLiteral("Gerai"));
}

TEST_F(EquationPractice, WrongAnswerCountsOncePerPressAndKeepsTheBox)
{
    const QString wrong = QString::number(solutionShown(w) + 1);
    typeAndEnter(wrong);
    ui::click(w, "BitBtn30");
    enter();
    EXPECT_EQ(ui::text(w, "Label13"), QStringLiteral("Blogai"));
    EXPECT_EQ(ui::text(w, "Label5"), QStringLiteral("3"));
    EXPECT_EQ(ui::text(w, "Label4"), QStringLiteral("0"));
    EXPECT_EQ(w->Edit5->text(), wrong);
    EXPECT_FALSE(w->BitBtn32->isEnabled());
    EXPECT_EQ(w->enterTarget(), w->BitBtn30);
    EXPECT_FALSE(w->Image11->isVisible());

    // After a right answer a wrong one leaves "Toliau" as it is.
    w->Edit5->setText(QString::number(solutionShown(w)));
    enter();
    w->Edit5->setText(wrong);
    ui::click(w, "BitBtn30");
    EXPECT_EQ(ui::text(w, "Label13"), QStringLiteral("Blogai"));
    EXPECT_EQ(ui::text(w, "Label5"), QStringLiteral("4"));
    EXPECT_TRUE(w->BitBtn32->isEnabled());
    EXPECT_TRUE(w->isDefault(w->BitBtn32));
    w->Edit5->setFocus();
    EXPECT_EQ(w->enterTarget(), w->BitBtn32);
}

TEST_F(EquationPractice, EmptyAnswerPromptsAndCountsNothing)
{
    w->BitBtn31->setFocus();
    ui::click(w, "BitBtn30");
    EXPECT_TRUE(Form9->isVisible());
    EXPECT_EQ(w->focusWidget(), w->Edit5);
    EXPECT_EQ(ui::text(w, "Label13"), QString());
    EXPECT_EQ(ui::text(w, "Label4"), QStringLiteral("0"));
    EXPECT_EQ(ui::text(w, "Label5"), QStringLiteral("0"));
    EXPECT_FALSE(w->BitBtn32->isEnabled());
    EXPECT_FALSE(w->Image11->isVisible());
}

// Only the exact decimal text of x is right.
TEST_F(EquationPractice, OnlyTheExactTextIsRight)
{
    show(w, rowOf({"", "x", "+", "2", "", "=", "3", "x", "+", "8", ""}));
    const struct {
        const char* typed;
        bool right;
    } cases[] = {{"-3", true},    {"- 3", false}, {"(-3)", false}, {"+-3", false}, {"x=-3", false},
                 {"03", false},   {" -3", false}, {"-3 ", false},  {"3", false},   {"-03", false},
                 {"−3", false},  {" ", false}};
    int right = 0, wrong = 0;
    for (const auto& c : cases) {
        w->Edit5->setText(QString::fromUtf8(c.typed));
        ui::click(w, "BitBtn30");
        (c.right ? right : wrong) += 1;
        EXPECT_EQ(ui::text(w, "Label13"), c.right ? QStringLiteral("Gerai") : QStringLiteral("Blogai")) << c.typed;
        EXPECT_EQ(ui::text(w, "Label4"), QString::number(right)) << c.typed;
        EXPECT_EQ(ui::text(w, "Label5"), QString::number(wrong)) << c.typed;
    }
}

TEST_F(EquationPractice, PabrauktiUnderlinesPairsOfLikeTerms)
{
    const struct {
        EquationRow row;
        const char* colours; // per term: r red, g lime, . none
    } cases[] = {
        {rowOf({"3", "x", "-", "5", "", "=", "", "x", "+", "7", ""}), "rgrg"},
        {rowOf({"2", "x", "+", "5", "", "=", "", "x", "-", "3", "x"}), "r.rr"},
        {rowOf({"", "x", "+", "2", "", "=", "3", "", "+", "8", ""}), ".ggg"},
        {rowOf({"-4", "", "+", "2", "x", "=", "-", "x", "+", "1", ""}), "grrg"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(equation::toText(c.row));
        ui::click(w, "BitBtn32"); // disabled: nothing happens
        show(w, c.row);
        w->BitBtn31->setFocus();
        ui::click(w, "BitBtn31");
        for (int t = 0; t < 4; ++t) {
            QLabel* u = ui::find<QLabel>(w, underlineNames[t]);
            const char want = c.colours[t];
            EXPECT_EQ(u->isVisible(), want != '.') << "term " << t + 1;
            if (want != '.') {
                EXPECT_EQ(colourOf(u), want == 'r' ? colour::red : colour::lime) << "term " << t + 1;
            }
        }
        EXPECT_EQ(w->focusWidget(), w->Edit5);
        EXPECT_EQ(ui::text(w, "Label13"), QString());
        EXPECT_EQ(ui::text(w, "Label4"), QStringLiteral("0"));
        // A right answer leaves the underlines; "Toliau" takes them away.
        w->Edit5->setText(QString::number(solutionShown(w)));
        ui::click(w, "BitBtn30");
        EXPECT_EQ(ui::find<QLabel>(w, underlineNames[0])->isVisible(), c.colours[0] != '.');
        ui::click(w, "BitBtn32");
        for (const char* name : underlineNames)
            EXPECT_FALSE(ui::find<QLabel>(w, name)->isVisible()) << name;
        open();
    }
}

// The equation is what is judged: no check changes or hides a piece of it.
void expectChecksLeaveTheDisplay(PracticeFixture& f, TForm25* w, const std::function<void(const QString&)>& check)
{
    const EquationRow rows[] = {
        rowOf({"-", "x", "+", "6", "", "=", "2", "x", "-", "3", ""}),
        rowOf({"", "x", "+", "2", "", "=", "3", "x", "+", "8", ""}),
        rowOf({"4", "", "-", "3", "x", "=", "-", "x", "-", "8", ""}),
    };
    (void)f;
    for (const EquationRow& row : rows) {
        show(w, row);
        const Seen before = seen(w);
        const int x = equation::solution(row);
        ASSERT_NE(x, 0);
        for (const QString& typed : {QString(), QString::number(x + 1), QString::number(x)}) {
            check(typed);
            EXPECT_EQ(seen(w), before) << "after checking \"" << typed << "\" on " << equation::toText(row);
        }
    }
}

TEST_F(EquationPractice, ChecksLeaveTheEquationAsShown)
{
    expectChecksLeaveTheDisplay(*this, w, [this](const QString& typed) {
        w->Edit5->setText(typed);
        ui::click(w, "BitBtn30");
    });
    EXPECT_TRUE(errors.isEmpty()) << errors.join(' ');
}

TEST_F(EquationPracticeWithoutPictures, AMissingPictureLeavesTheEquationAndTheRightAnswerCounted)
{
    expectChecksLeaveTheDisplay(*this, w, [this](const QString& typed) {
        w->Edit5->setText(typed);
        ui::click(w, "BitBtn30");
    });
    ASSERT_EQ(errors.size(), 3);
    EXPECT_EQ(errors[0], QStringLiteral("Cannot open file paveikslai/images101.jpg."));
    EXPECT_EQ(errors[2], QStringLiteral("Cannot open file paveikslai/images103.jpg."));
    EXPECT_EQ(ui::text(w, "Label4"), QStringLiteral("3"));
    EXPECT_EQ(ui::text(w, "Label5"), QStringLiteral("3"));
    EXPECT_EQ(ui::text(w, "Label13"), QStringLiteral("Gerai"));
    EXPECT_TRUE(w->BitBtn32->isEnabled());
    w->Edit5->setFocus();
    EXPECT_EQ(w->enterTarget(), w->BitBtn32);
    EXPECT_TRUE(w->Image11->isVisible());
    // The pupil goes on as usual.
    enter();
    EXPECT_FALSE(w->BitBtn32->isEnabled());
    EXPECT_EQ(ui::text(w, "Label13"), QString());
}

// The reward pictures run on across windows: the 51st right answer shows images101 again.
TEST_F(EquationPractice, TheFiftyFirstRightAnswerWrapsAcrossReopenedWindows)
{
    for (int n = 1; n <= 51; ++n) {
        if (n % 7 == 0) {
            ui::click(w, "BitBtn1"); // "Pradžia", then "Pratybos" again
            open();
            ASSERT_EQ(ui::text(w, "Label4"), QStringLiteral("0"));
        }
        typeAndEnter(QString::number(solutionShown(w)));
        ASSERT_EQ(w->Image11->fileName(), QStringLiteral("paveikslai/images%1.jpg").arg(100 + (n - 1) % 50 + 1))
            << "right answer " << n;
        enter();
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join(' ');
}

// "Toliau" never gives an equation whose solution is 2, however often.
TEST_F(EquationPractice, ToliauNeverGivesTwo)
{
    fixSeed(7);
    for (int k = 0; k < 300; ++k) {
        w->Edit5->setText(QString::number(solutionShown(w)));
        ui::click(w, "BitBtn30");
        ui::click(w, "BitBtn32");
        const EquationRow row = seen(w).row;
        const int x = equation::solution(row);
        ASSERT_TRUE(x != 0 && x != 1 && x != -1 && x != 2) << equation::toText(row);
    }
}

} // namespace
