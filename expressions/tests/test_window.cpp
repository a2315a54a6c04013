// The expression test window TForm20 sat as a pupil sits it: answers typed into the box and sent
// with Enter or "Toliau", then the review sheet and the grade.
#include "expressions/expression.h"
#include "expressions/testwindow.h"
#include "shell/forms.h"
#include "shell/windowno.h"
#include "shell/handlers.h"
#include "shell/prompt.h"
#include "testing/draws.h"
#include "testing/ui.h"
#include "testing/veltora_fixture.h"

#include <QFontMetrics>
#include <functional>

namespace {

const auto& questionNames = ExpressionRow::questionNames;
const int questionLefts[9] = {104, 144, 176, 207, 231, 264, 296, 320, 344};

using ReviewRowNames = TForm20::ReviewNames;
const auto& sheet = TForm20::reviewNames;

expr::RowTexts texts(QWidget* w, const char* const (&names)[9])
{
    expr::RowTexts t;
    for (std::size_t i = 0; i < 9; ++i)
        t[i] = ui::text(w, names[i]);
    return t;
}

QString joined(const expr::RowTexts& t)
{
    QString s;
    for (const QString& piece : t)
        s += piece;
    return s;
}

// Where a label's text is drawn: its ink, in window coordinates.
QRect ink(const QLabel* l)
{
    const QFontMetrics fm(l->font());
    return fm.tightBoundingRect(l->text()).translated(l->x(), l->y() + fm.ascent());
}

// Every control of review row n.
QList<QWidget*> reviewControls(QWidget* w, int n)
{
    QList<QWidget*> controls;
    for (const char* name : sheet[n - 1].pieces)
        controls << ui::find<QWidget>(w, name);
    controls << ui::find<QWidget>(w, sheet[n - 1].answer) << ui::find<QWidget>(w, sheet[n - 1].verdict);
    return controls;
}

// A wrong way of writing an accepted answer: with a blank, a leading "+", a capital, or another
// answer altogether.
QString wrongWriting(const QString& accepted, int variant)
{
    switch (variant % 4) {
    case 0:
        return accepted + QStringLiteral(" ");
    case 1:
        return QStringLiteral("+") + accepted;
    case 2:
        return accepted.contains(u'a') ? QString(accepted).replace(u'a', u'A') : accepted + QStringLiteral("A");
    default:
        return accepted + QStringLiteral("+0a");
    }
}

class ExpressionTest : public VeltoraWindows {
protected:
    void SetUp() override
    {
        VeltoraWindows::SetUp();
        noErrorsExpected = true;
        open();
    }

    void open()
    {
        enterPractice(WindowNo::ExpressionTest);
        w = Form20;
        box = ui::find<QLineEdit>(w, "Edit5");
        toliau = ui::find<QPushButton>(w, "BitBtn1");
        ASSERT_TRUE(w->isVisible());
    }

    expr::Expression question() const
    {
        const auto e = expr::fromTexts(texts(w, questionNames));
        if (!e)
            ADD_FAILURE() << "the question row shows no expression";
        return e.value_or(expr::Expression{});
    }

    void send(const QString& text, bool byEnter)
    {
        ui::type(box, text);
        if (byEnter)
            ui::enter(box);
        else
            ui::click(w, "BitBtn1");
    }

    // Sits the whole test, question n answered right when right(n); returns what was typed and
    // the questions as shown.
    void sit(const std::function<bool(int)>& right)
    {
        typed.clear();
        asked.clear();
        for (int n = 1; n <= 10; ++n) {
            const QStringList accepted = expr::acceptedAnswers(question());
            asked << texts(w, questionNames);
            typed << (right(n) ? accepted[n % accepted.size()] : wrongWriting(accepted.front(), n));
            send(typed.back(), n % 2 == 0);
        }
    }

    TForm20* w = nullptr;
    QLineEdit* box = nullptr;
    QPushButton* toliau = nullptr;
    QStringList typed;
    QList<expr::RowTexts> asked;
};

TEST_F(ExpressionTest, OpensOnQuestionOneWithItsRowAlreadyCopied)
{
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Reiškinių pertvarkymas"));
    EXPECT_EQ(ui::text(w, "Label2"), QStringLiteral("Kontrolinis darbas"));
    EXPECT_EQ(ui::text(w, "BitBtn1"), QStringLiteral("Toliau"));
    EXPECT_EQ(w->questionIndex(), 0);
    EXPECT_EQ(w->focusWidget(), box);
    EXPECT_EQ(w->enterTarget(), toliau);
    EXPECT_EQ(box->geometry().topLeft(), QPoint(376, 96));
    EXPECT_EQ(box->width(), 97);
    EXPECT_EQ(toliau->geometry(), QRect(488, 88, 97, 49));
    const int baseline = 88 + QFontMetrics(ui::find<QLabel>(w, "Label15")->font()).ascent();
    for (int i = 0; i < 9; ++i) {
        auto* l = ui::find<QLabel>(w, questionNames[i]);
        EXPECT_TRUE(l->isVisible());
        EXPECT_EQ(l->x(), questionLefts[i]) << questionNames[i];
        EXPECT_EQ(l->y() + QFontMetrics(l->font()).ascent(), baseline) << questionNames[i];
    }
    EXPECT_EQ(texts(w, sheet[0].pieces), expr::reviewCopy(texts(w, questionNames)));
    for (int n = 1; n <= 10; ++n)
        for (QWidget* c : reviewControls(w, n))
            EXPECT_FALSE(c->isVisible()) << c->objectName();
    EXPECT_FALSE(ui::find<QLabel>(w, "Label3")->isVisible());
    EXPECT_FALSE(ui::find<QLabel>(w, "Label12")->isVisible());
}

TEST_F(ExpressionTest, NothingTellsTheVerdictWhileTheTestRuns)
{
    for (int n = 1; n <= 10; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(w->questionIndex(), n - 1);
        EXPECT_EQ(box->text(), QString());
        EXPECT_EQ(w->focusWidget(), box);
        EXPECT_EQ(w->enterTarget(), toliau);
        for (QLabel* l : w->findChildren<QLabel*>())
            if (l->isVisible()) {
                EXPECT_NE(l->text(), QStringLiteral("Gerai")) << l->objectName();
                EXPECT_NE(l->text(), QStringLiteral("Blogai")) << l->objectName();
            }
        for (int k = 1; k <= 10; ++k)
            for (QWidget* c : reviewControls(w, k))
                EXPECT_FALSE(c->isVisible()) << c->objectName();
        EXPECT_FALSE(ui::find<QLabel>(w, "Label3")->isVisible());
        const QStringList accepted = expr::acceptedAnswers(question());
        send(n % 3 ? accepted.front() : wrongWriting(accepted.front(), n), n % 2 == 1);
    }
    EXPECT_EQ(w->questionIndex(), 10);
}

TEST_F(ExpressionTest, GradeIsTheNumberOfAcceptedAnswersButNeverBelowTwo)
{
    const struct {
        std::function<bool(int)> right;
        const char* grade;
    } cases[] = {
        {[](int) { return false; }, "2"},
        {[](int n) { return n == 10; }, "2"},
        {[](int n) { return n == 1; }, "2"},
        {[](int n) { return n == 4 || n == 9; }, "2"},
        {[](int n) { return n != 2 && n != 5 && n != 10; }, "7"},
        {[](int) { return true; }, "10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.grade);
        open();
        sit(c.right);
        EXPECT_TRUE(ui::find<QLabel>(w, "Label3")->isVisible());
        EXPECT_EQ(ui::text(w, "Label3"), QStringLiteral("Įvertinimas:"));
        EXPECT_TRUE(ui::find<QLabel>(w, "Label12")->isVisible());
        EXPECT_EQ(ui::text(w, "Label12"), QString::fromLatin1(c.grade));
        for (int n = 1; n <= 10; ++n)
            EXPECT_EQ(ui::text(w, sheet[n - 1].verdict), c.right(n) ? QStringLiteral("Gerai") : QStringLiteral("Blogai"))
                << "question " << n << ": " << typed[n - 1] << " for " << joined(asked[n - 1]);
    }
}

TEST_F(ExpressionTest, AnEmptyAnswerPromptsAndKeepsTheQuestion)
{
    int accepted = 0;
    for (int n = 1; n <= 10; ++n) {
        if (n == 1 || n == 5 || n == 10) {
            const expr::RowTexts before = texts(w, questionNames);
            for (bool byEnter : {true, false}) {
                Form9->hide();
                toliau->setFocus();
                send(QString(), byEnter);
                EXPECT_TRUE(Form9->isVisible());
                EXPECT_EQ(w->focusWidget(), box);
                EXPECT_EQ(w->questionIndex(), n - 1);
                EXPECT_EQ(texts(w, questionNames), before);
                EXPECT_EQ(ui::text(w, sheet[n - 1].verdict), QString());
                EXPECT_TRUE(box->isVisible());
            }
        }
        send(expr::acceptedAnswers(question()).front(), true);
        ++accepted;
    }
    EXPECT_EQ(ui::text(w, "Label12"), QString::number(accepted));
}

TEST_F(ExpressionTest, ReviewSheetListsEveryQuestionWithTheAnswerAsTyped)
{
    // Question 2 is typed, corrected and sent: the sheet shows the corrected text.
    typed.clear();
    asked.clear();
    for (int n = 1; n <= 10; ++n) {
        const QStringList accepted = expr::acceptedAnswers(question());
        asked << texts(w, questionNames);
        typed << (n % 3 == 0 ? wrongWriting(accepted.front(), n / 3) : accepted.back());
        if (n == 2) {
            ui::type(box, QStringLiteral("7b"));
            for (int k = 0; k < 2; ++k)
                QTest::keyClick(box, Qt::Key_Backspace);
        }
        send(typed.back(), n % 2 == 0);
        EXPECT_EQ(w->savedAnswer(n), typed.back());
    }
    EXPECT_FALSE(box->isVisible());
    EXPECT_FALSE(toliau->isVisible());
    for (const char* name : questionNames)
        EXPECT_FALSE(ui::find<QLabel>(w, name)->isVisible()) << name;
    QRect previousRow;
    for (int n = 1; n <= 10; ++n) {
        SCOPED_TRACE(n);
        const int top = 64 + 40 * (n - 1);
        auto* answer = ui::find<QLineEdit>(w, sheet[n - 1].answer);
        EXPECT_TRUE(answer->isVisible());
        EXPECT_FALSE(answer->isEnabled());
        EXPECT_EQ(answer->text(), typed[n - 1]);
        EXPECT_EQ(answer->geometry(), QRect(336, top, 97, 30));
        auto* verdict = ui::find<QLabel>(w, sheet[n - 1].verdict);
        EXPECT_TRUE(verdict->isVisible());
        EXPECT_EQ(verdict->pos(), QPoint(450, top));
        EXPECT_EQ(verdict->text(), n % 3 == 0 ? QStringLiteral("Blogai") : QStringLiteral("Gerai"));
        EXPECT_EQ(texts(w, sheet[n - 1].pieces), expr::reviewCopy(asked[n - 1])) << joined(asked[n - 1]);
        // One line of pieces, none running into the next, all left of the answer box; the rows
        // do not overlap.
        int end = 0;
        QRect row = answer->geometry() | ink(verdict);
        for (const char* name : sheet[n - 1].pieces) {
            auto* l = ui::find<QLabel>(w, name);
            EXPECT_TRUE(l->isVisible()) << name;
            EXPECT_EQ(l->y(), top) << name;
            if (l->text().isEmpty())
                continue;
            EXPECT_GE(l->x(), end) << name;
            end = l->x() + QFontMetrics(l->font()).horizontalAdvance(l->text());
            row |= ink(l);
        }
        EXPECT_LT(end, answer->x());
        EXPECT_GT(verdict->x(), answer->geometry().right());
        EXPECT_FALSE(row.intersects(previousRow)) << "rows " << n - 1 << " and " << n << " overlap";
        previousRow = row;
    }
    EXPECT_FALSE(previousRow.intersects(ink(ui::find<QLabel>(w, "Label3"))));
    EXPECT_FALSE(previousRow.intersects(ink(ui::find<QLabel>(w, "Label12"))));
    // Only the exit picture is left to press.
    EXPECT_EQ(w->enterTarget(), nullptr);
    EXPECT_EQ(w->questionIndex(), 10);
}

TEST_F(ExpressionTest, ImplicitOnesOfLikeLetterTermsAreWrittenOutOnTheSheet)
{
    // The first question's draws: sign, size - 1 and letter of term 1; operator (1: "-"),
    // magnitude - 1 and letter of term 2; the same for term 3.
    const struct {
        std::array<int, 9> draws;
        const char* listed; // coefficient texts of the three terms on the sheet
    } cases[] = {
        // a + a - 3 becomes 1a + 1a - 3
        {{0, 0, 1, 0, 0, 1, 1, 2, 0}, "1|1|"},
        // -a - a + 5a: the -1 stays "-"
        {{1, 0, 1, 1, 0, 1, 0, 4, 1}, "-|1|5"},
        // 3 - a + 5 stays as shown
        {{0, 2, 0, 1, 0, 1, 0, 4, 0}, "||"},
        // -a + 4 - 4 stays as shown
        {{1, 0, 1, 0, 3, 0, 1, 3, 0}, "-||"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.listed);
        ScriptedDraws scripted(c.draws);
        ScopedDrawSource in(scripted);
        open();
        const ReviewRowNames& row = sheet[0];
        const QString coefficients = ui::text(w, row.pieces[0]) + "|" + ui::text(w, row.pieces[3]) + "|" +
                                     ui::text(w, row.pieces[6]);
        // Number terms show their digits anyway: compare the letter terms' coefficients only.
        QStringList parts = coefficients.split(u'|');
        const expr::Expression e = question();
        for (int t = 0; t < 3; ++t)
            if (!e.letter[static_cast<std::size_t>(t)])
                parts[t].clear();
        EXPECT_EQ(parts.join(u'|'), QString::fromLatin1(c.listed));
        // The letters, operators and "=" are copied as shown.
        for (int i : {1, 2, 4, 5, 7, 8})
            EXPECT_EQ(ui::text(w, row.pieces[i]), ui::text(w, questionNames[i])) << i;
    }
}

TEST_F(ExpressionTest, ASecondOpeningStartsANewTest)
{
    sit([](int) { return true; });
    EXPECT_EQ(ui::text(w, "Label12"), QStringLiteral("10"));
    open();
    EXPECT_EQ(w->questionIndex(), 0);
    EXPECT_EQ(w->score(), 0);
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(ui::find<QLabel>(w, "Label3")->isVisible());
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(w->savedAnswer(n), QString()) << n;
    sit([](int n) { return n <= 3; });
    EXPECT_EQ(ui::text(w, "Label12"), QStringLiteral("3"));
}

// A test left open behind a newer one goes on with its own questions and answers.
TEST_F(ExpressionTest, TwoOpenTestsKeepTheirOwnAnswers)
{
    TForm20* first = w;
    for (int n = 1; n <= 3; ++n)
        send(QStringLiteral("x%1").arg(n), true);
    open();
    ASSERT_NE(w, first);
    ASSERT_TRUE(first->isVisible());
    sit([](int) { return true; });
    EXPECT_EQ(ui::text(w, "Label12"), QStringLiteral("10"));
    EXPECT_EQ(first->questionIndex(), 3);
    w = first;
    box = ui::find<QLineEdit>(w, "Edit5");
    toliau = ui::find<QPushButton>(w, "BitBtn1");
    for (int n = 4; n <= 10; ++n)
        send(QStringLiteral("x%1").arg(n), n % 2 == 0);
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(ui::text(w, sheet[n - 1].answer), QStringLiteral("x%1").arg(n));
        EXPECT_EQ(ui::text(w, sheet[n - 1].verdict), QStringLiteral("Blogai"));
    }
    EXPECT_EQ(ui::text(w, "Label12"), QStringLiteral("2"));
}

} // namespace
