// The equation test window TForm26 sat as a pupil sits it: answers typed into the box and sent
// with Enter or "Toliau", then the review sheet.
#include "equations/equation.h"
#include "equations/testwindow.h"
#include "shell/forms.h"
#include "shell/windowno.h"
#include "shell/handlers.h"
#include "shell/prompt.h"
#include "shell/random.h"
#include "testing/draws.h"
#include "testing/ui.h"
#include "testing/veltora_fixture.h"

#include <QFontMetrics>

#include <functional>

using equation::EquationRow;

namespace {

const auto& largeNames = TForm26::largeNames;
const int largeLefts[11] = {40, 88, 120, 151, 199, 232, 264, 311, 336, 368, 415};

using RowNames = TForm26::ReviewNames;
const auto& rowNames = TForm26::reviewNames;

EquationRow shownLarge(QWidget* w)
{
    EquationRow row;
    for (std::size_t i = 0; i < 11; ++i)
        row.pieces[i] = ui::text(w, largeNames[i]);
    return row;
}

EquationRow shownReview(QWidget* w, int n)
{
    EquationRow row;
    for (std::size_t i = 0; i < 11; ++i)
        row.pieces[i] = ui::text(w, rowNames[n - 1].pieces[i]);
    return row;
}

// Every control of the review sheet and the grade.
QList<QWidget*> sheetControls(QWidget* w)
{
    QList<QWidget*> all{ui::find<QWidget>(w, "Label3"), ui::find<QWidget>(w, "Label12")};
    for (const RowNames& r : rowNames) {
        for (const char* p : r.pieces)
            all.append(ui::find<QWidget>(w, p));
        all.append(ui::find<QWidget>(w, r.answer));
        all.append(ui::find<QWidget>(w, r.verdict));
    }
    return all;
}

class EquationTest : public VeltoraWindows {
protected:
    void SetUp() override
    {
        VeltoraWindows::SetUp();
        noErrorsExpected = true;
        open();
    }
    void open()
    {
        enterPractice(WindowNo::EquationTest);
        w = Form26;
        ASSERT_TRUE(w->isVisible());
    }
    void answer(const QString& text, bool byEnter)
    {
        ui::type(w->Edit5, text);
        if (byEnter)
            ui::enter(w->Edit5);
        else
            ui::click(w, "BitBtn1");
    }
    // Sits the test; question n (1 … 10) is answered right when right(n). Returns what was typed
    // and, in `shown`, each equation as it stood on screen.
    QStringList sit(const std::function<bool(int)>& right, QList<EquationRow>* shown = nullptr)
    {
        QStringList typed;
        for (int n = 1; n <= 10; ++n) {
            const EquationRow row = shownLarge(w);
            if (shown)
                shown->append(row);
            const int x = equation::solution(row);
            typed << (right(n) ? QString::number(x)
                               : n % 3 == 0 ? QStringLiteral("x=%1").arg(x)
                               : n % 3 == 1 ? QString::number(x + 1)
                                            : QStringLiteral(" %1").arg(x));
            answer(typed.back(), n % 2 == 0);
        }
        return typed;
    }

    TForm26* w = nullptr;
};

TEST_F(EquationTest, OpensOnQuestionOneWithNothingOfTheSheetShown)
{
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Lygtys"));
    EXPECT_EQ(ui::text(w, "Label2"), QStringLiteral("Kontrolinis darbas"));
    EXPECT_EQ(w->Label2->pos(), QPoint(240, 16));
    for (int i = 0; i < 11; ++i) {
        QLabel* l = ui::find<QLabel>(w, largeNames[i]);
        EXPECT_TRUE(l->isVisible()) << largeNames[i];
        EXPECT_EQ(l->pos(), QPoint(largeLefts[i], 88)) << largeNames[i];
        EXPECT_EQ(l->font().pixelSize(), 35) << largeNames[i];
    }
    EXPECT_EQ(ui::text(w, "Label138"), QStringLiteral("="));
    EXPECT_EQ(ui::text(w, "BitBtn1"), QStringLiteral("Toliau"));
    EXPECT_EQ(w->enterTarget(), w->BitBtn1);
    EXPECT_EQ(w->focusWidget(), w->Edit5);
    for (QWidget* c : sheetControls(w))
        EXPECT_FALSE(c->isVisible()) << c->objectName();
    EXPECT_EQ(w->questionIndex(), 0);
}

TEST_F(EquationTest, GradeCountsRightAnswersButNeverBelowTwo)
{
    const struct {
        std::function<bool(int)> right;
        const char* grade;
    } cases[] = {
        {[](int) { return true; }, "10"},
        {[](int n) { return n != 2 && n != 5 && n != 9; }, "7"},
        {[](int n) { return n == 4; }, "2"},
        {[](int) { return false; }, "2"},
        {[](int n) { return n <= 2; }, "2"},
        {[](int n) { return n > 7; }, "3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.grade);
        sit(c.right);
        EXPECT_TRUE(w->Label3->isVisible());
        EXPECT_EQ(ui::text(w, "Label3"), QStringLiteral("Įvertinimas:"));
        EXPECT_TRUE(w->Label12->isVisible());
        EXPECT_EQ(ui::text(w, "Label12"), QString::fromLatin1(c.grade));
        for (int n = 1; n <= 10; ++n) {
            QLabel* v = ui::find<QLabel>(w, rowNames[n - 1].verdict);
            EXPECT_TRUE(v->isVisible()) << n;
            EXPECT_EQ(v->text(), c.right(n) ? QStringLiteral("Gerai") : QStringLiteral("Blogai")) << "question " << n;
        }
        // The large row, the box and "Toliau" are gone; Enter does nothing.
        for (const char* name : largeNames)
            EXPECT_FALSE(ui::find<QWidget>(w, name)->isVisible()) << name;
        EXPECT_FALSE(w->Edit5->isVisible());
        EXPECT_FALSE(w->BitBtn1->isVisible());
        EXPECT_EQ(w->enterTarget(), nullptr);
        open();
    }
}

TEST_F(EquationTest, AnEmptyAnswerChangesNothing)
{
    for (int n = 1; n <= 10; ++n) {
        SCOPED_TRACE(n);
        const EquationRow before = shownLarge(w);
        const int right = w->correctCount();
        for (bool byEnter : {true, false}) {
            answer(QString(), byEnter);
            EXPECT_TRUE(Form9->isVisible());
            Form9->hide();
            EXPECT_EQ(w->questionIndex(), n - 1);
            EXPECT_EQ(w->correctCount(), right);
            EXPECT_EQ(shownLarge(w), before);
            EXPECT_EQ(w->focusWidget(), w->Edit5);
            EXPECT_TRUE(w->Edit5->isVisible());
        }
        answer(QString::number(equation::solution(before)), true);
    }
    EXPECT_EQ(ui::text(w, "Label12"), QStringLiteral("10"));
}

TEST_F(EquationTest, NothingOfTheSheetShowsWhileTheTestRuns)
{
    for (int n = 1; n <= 10; ++n) {
        SCOPED_TRACE(n);
        for (QWidget* c : sheetControls(w))
            ASSERT_FALSE(c->isVisible()) << c->objectName();
        EXPECT_EQ(w->enterTarget(), w->BitBtn1);
        EXPECT_EQ(w->focusWidget(), w->Edit5);
        EXPECT_EQ(w->Edit5->text(), QString());
        answer(QString::number(equation::solution(shownLarge(w)) + (n % 2)), n % 2 == 0);
    }
    for (QWidget* c : sheetControls(w))
        EXPECT_TRUE(c->isVisible()) << c->objectName();
}

// The sheet shows every equation as it stood, coefficient 1 empty and -1 as "-", the answers as
// typed in boxes that cannot be edited, and each row reads left to right without overlaps.
TEST_F(EquationTest, TheSheetCopiesEquationsAndAnswersExactly)
{
    bool sawEmpty = false, sawMinus = false;
    for (std::uint64_t base : {100u, 200u, 300u, 400u, 500u, 600u}) {
        SCOPED_TRACE(base);
        fixSeed(base);
        open();
        QList<EquationRow> shown;
        const QStringList typed = sit([](int n) { return n % 2 == 1; }, &shown);
        for (int n = 1; n <= 10; ++n) {
            SCOPED_TRACE(n);
            const RowNames& r = rowNames[n - 1];
            EXPECT_EQ(shownReview(w, n), shown[n - 1]) << equation::toText(shown[n - 1]);
            for (int t = 1; t <= 4; ++t) {
                sawEmpty = sawEmpty || (equation::isXTerm(shown[n - 1], t) && shown[n - 1].number(t).isEmpty());
                sawMinus = sawMinus || shown[n - 1].number(t) == QStringLiteral("-");
            }
            QLineEdit* box = ui::find<QLineEdit>(w, r.answer);
            EXPECT_EQ(box->text(), typed[n - 1]);
            EXPECT_FALSE(box->isEnabled());
            ui::type(box, QStringLiteral("9"));
            EXPECT_EQ(box->text(), typed[n - 1]);

            const int top = 64 + 40 * (n - 1);
            int end = 0;
            for (const char* p : r.pieces) {
                QLabel* l = ui::find<QLabel>(w, p);
                EXPECT_EQ(l->y(), top) << p;
                EXPECT_EQ(l->font().pixelSize(), 21) << p;
                if (l->text().isEmpty())
                    continue;
                EXPECT_GE(l->x(), end) << p << " runs into the piece before it";
                end = l->x() + QFontMetrics(l->font()).horizontalAdvance(l->text());
            }
            EXPECT_GE(box->x(), end);
            EXPECT_EQ(box->y(), top);
            QLabel* v = ui::find<QLabel>(w, r.verdict);
            EXPECT_GE(v->x(), box->geometry().right());
            EXPECT_EQ(v->y(), top);
        }
        // The "=" of all rows stand under each other.
        for (int n = 2; n <= 10; ++n)
            EXPECT_EQ(ui::find<QLabel>(w, rowNames[n - 1].pieces[5])->x(),
                      ui::find<QLabel>(w, rowNames[0].pieces[5])->x());
    }
    EXPECT_TRUE(sawEmpty && sawMinus) << "the seeds should show both implicit coefficients";
}

TEST_F(EquationTest, TheSavedAnswerIsTheBoxAsLastEdited)
{
    const int x = equation::solution(shownLarge(w));
    ui::type(w->Edit5, QStringLiteral("77"));
    QTest::keyClick(w->Edit5, Qt::Key_Backspace);
    QTest::keyClick(w->Edit5, Qt::Key_Backspace);
    ui::type(w->Edit5, QString::number(x));
    EXPECT_EQ(w->savedAnswer(0), QString::number(x));
    ui::enter(w->Edit5);
    EXPECT_EQ(w->correctCount(), 1);
    EXPECT_EQ(w->savedAnswer(1), QString());
    EXPECT_EQ(ui::text(w, "Edit1"), QString::number(x));
}

// The equation drawn after the n-th reseed from a fixed base.
EquationRow replay(std::uint64_t base, int n, equation::Variant variant)
{
    fixSeed(base);
    for (int r = 0; r < n; ++r)
        reseed();
    return equation::generate(draw, variant).row;
}

// The draws of one equation, term by term: the operator (terms 2 and 4; 1: "-"), the sign
// (terms 1 and 3; 1: minus), the magnitude - 1, and whether it carries x.
using EquationDraws = std::array<int, 12>;
// 3x + 4 = -2 + 5x
constexpr EquationDraws ordinary{0, 2, 1, 0, 3, 0, 1, 1, 0, 0, 4, 1};
// -x + x = 3 + 5: the x terms cancel, and the first one's -1 moves.
constexpr EquationDraws cancelledMinusOne{1, 0, 1, 0, 0, 1, 0, 2, 0, 0, 4, 0};

EquationRow drawn(const EquationDraws& values, equation::Variant variant)
{
    ScriptedDraws draws(values);
    return equation::generate([&draws](int n) { return draws.draw(n); }, variant).row;
}

// Question 1 is the first variant; questions 2 … 10 never 2, with -1 becoming -2.
TEST_F(EquationTest, QuestionsComeFromTheirVariants)
{
    // The third test scripts questions 1 and 2, question 2 one in which -1 becomes -2 (2 in the
    // next variant); other questions come from the fixed base, reseeded once per question.
    ASSERT_NE(drawn(cancelledMinusOne, equation::laterQuestion), drawn(cancelledMinusOne, equation::next));
    for (std::uint64_t base : {1100u, 1200u, 1300u}) {
        SCOPED_TRACE(base);
        fixSeed(base);
        const bool scripted = base == 1300u;
        ScriptedDraws draws;
        if (scripted) {
            draws.append(ordinary);
            draws.append(cancelledMinusOne);
        }
        ScopedDrawSource in(draws);
        open();
        for (int n = 1; n <= 10; ++n) {
            const EquationRow row = shownLarge(w);
            const equation::Variant variant = n == 1 ? equation::first : equation::laterQuestion;
            const EquationRow expected = scripted && n <= 2 ? drawn(n == 1 ? ordinary : cancelledMinusOne, variant)
                                                            : replay(base, n, variant);
            EXPECT_EQ(row, expected) << "question " << n;
            EXPECT_EQ(w->expectedAnswer(), equation::solution(row));
            answer(QString::number(w->expectedAnswer()), true);
        }
        EXPECT_EQ(ui::text(w, "Label12"), QStringLiteral("10"));
    }
}

TEST_F(EquationTest, ANewOpeningStartsANewTest)
{
    sit([](int) { return true; });
    TForm26* finished = w;
    open();
    EXPECT_NE(w, finished);
    EXPECT_EQ(w->questionIndex(), 0);
    EXPECT_EQ(w->correctCount(), 0);
    EXPECT_TRUE(w->Edit5->isVisible());
    EXPECT_EQ(w->Edit5->text(), QString());
    for (QWidget* c : sheetControls(w))
        EXPECT_FALSE(c->isVisible()) << c->objectName();
}

// A test window left on screen goes on with its own questions when a second one is opened.
TEST_F(EquationTest, TwoOpenTestsKeepTheirOwnQuestions)
{
    TForm26* older = w;
    for (int n = 1; n <= 3; ++n)
        answer(QString::number(equation::solution(shownLarge(older))), true);
    open();
    ASSERT_NE(w, older);
    ASSERT_TRUE(older->isVisible());
    answer(QStringLiteral("0"), true);
    EXPECT_EQ(older->questionIndex(), 3);
    EXPECT_EQ(older->correctCount(), 3);
    TForm26* newer = w;
    w = older;
    for (int n = 4; n <= 10; ++n)
        answer(QString::number(equation::solution(shownLarge(older))), true);
    EXPECT_EQ(ui::text(older, "Label12"), QStringLiteral("10"));
    EXPECT_EQ(newer->questionIndex(), 1);
    EXPECT_EQ(newer->correctCount(), 0);
}

} // namespace
