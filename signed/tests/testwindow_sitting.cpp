// The signed-number test window driven as a pupil would: answers worked out from the questions'
// labels, typed into the boxes and sent with Enter or a click on "Toliau".
#include "shell/controls.h"
#include "shell/forms.h"
#include "shell/windowno.h"
#include "shell/handlers.h"
#include "shell/prompt.h"
#include "shell/random.h"
#include "shell/reviewsheet.h"
#include "signed/problems.h"
#include "signed/testwindow.h"
#include "testing/ui.h"
#include "testing/veltora_fixture.h"

#include <QStringList>
#include <functional>
#include <vector>

namespace {

// The controls of the ten questions as the pupil sees them.
struct Names {
    const char* first;
    const char* op;
    const char* bracket;
    const char* second;
    const char* equals;
    const char* edit;
    const char* next;
    const char* verdict;
};

const Names questions[10] = {
    {"Label26", "Label27", "Label28", "Label30", "Label64", "Edit5", "BitBtn1", "Label10"},
    {"Label3", "Label4", nullptr, "Label8", "Label65", "Edit1", "BitBtn2", "Label13"},
    {"Label6", "Label7", nullptr, "Label9", "Label66", "Edit2", "BitBtn3", "Label14"},
    {"Label16", "Label17", "Label18", "Label21", "Label67", "Edit3", "BitBtn4", "Label22"},
    {"Label24", "Label25", nullptr, "Label31", "Label68", "Edit4", "BitBtn5", "Label32"},
    {"Label34", "Label35", nullptr, "Label36", "Label69", "Edit6", "BitBtn6", "Label37"},
    {"Label39", "Label40", "Label41", "Label43", "Label70", "Edit7", "BitBtn7", "Label44"},
    {"Label46", "Label47", "Label48", "Label50", "Label71", "Edit8", "BitBtn8", "Label51"},
    {"Label53", "Label54", nullptr, "Label55", "Label72", "Edit9", "BitBtn9", "Label56"},
    {"Label58", "Label59", "Label60", "Label62", "Label73", "Edit10", "BitBtn10", "Label63"},
};
// Multiplication, addition or subtraction (+), division, by question.
const QString kinds = QStringLiteral("*++*++:*+:");

QList<QLabel*> labelsOf(QWidget* w, int n)
{
    const Names& q = questions[n - 1];
    QList<QLabel*> labels{ui::find<QLabel>(w, q.first), ui::find<QLabel>(w, q.op)};
    if (q.bracket)
        labels.append(ui::find<QLabel>(w, q.bracket));
    labels.append({ui::find<QLabel>(w, q.second), ui::find<QLabel>(w, q.equals)});
    return labels;
}

QLineEdit* box(QWidget* w, int n)
{
    return ui::find<QLineEdit>(w, questions[n - 1].edit);
}

QLabel* verdict(QWidget* w, int n)
{
    return ui::find<QLabel>(w, questions[n - 1].verdict);
}

// The right answer of question n worked out from what its labels show.
int rightAnswer(QWidget* w, int n)
{
    const Names& q = questions[n - 1];
    const int a = ui::text(w, q.first).toInt();
    const int b = ui::text(w, q.second).toInt();
    const QString op = ui::text(w, q.op);
    if (op == QStringLiteral("*"))
        return a * b;
    if (op == QStringLiteral(":")) {
        if (b == 0) {
            ADD_FAILURE() << "question " << n << " divides by 0";
            return 0;
        }
        EXPECT_EQ(a % b, 0) << "question " << n << ": " << a << " : " << b;
        return a / b;
    }
    if (op == QStringLiteral("+"))
        return a + b;
    EXPECT_EQ(op, QStringLiteral("-")) << "question " << n;
    return a - b;
}

// A wrong way of writing an answer: another number, or the right one written otherwise.
QString wrongText(int expected, int variant)
{
    const QString right = QString::number(expected);
    switch (variant % 4) {
    case 0:
        return QString::number(expected + 1);
    case 1:
        return right + QStringLiteral(" ");
    case 2:
        return QStringLiteral("(") + right + QStringLiteral(")");
    default:
        return expected < 0 ? QStringLiteral("- ") + QString::number(-expected) : QStringLiteral("+") + right;
    }
}

bool showsAnything(const QLabel* l)
{
    return l->isVisible() && !l->text().isEmpty();
}

class SignedTestWindow : public VeltoraWindows {
protected:
    void SetUp() override
    {
        VeltoraWindows::SetUp();
        noErrorsExpected = true;
        open();
    }

    void open()
    {
        enterPractice(WindowNo::SignedTest);
        w = Form14;
        ASSERT_TRUE(w->isVisible());
    }

    // Types the text into question n's box and sends it with Enter or with a click on "Toliau".
    void answer(int n, const QString& text, bool byEnter)
    {
        QLineEdit* e = box(w, n);
        ASSERT_TRUE(e->isVisible()) << "question " << n;
        ui::type(e, text);
        if (byEnter)
            ui::enter(e);
        else
            ui::click(w, questions[n - 1].next);
    }

    // Sits the whole test: question n is answered right when right(n), otherwise wrongly.
    // Returns what was typed.
    QStringList sit(const std::function<bool(int)>& right)
    {
        QStringList typed;
        for (int n = 1; n <= 10; ++n) {
            const int expected = rightAnswer(w, n);
            typed << (right(n) ? QString::number(expected) : wrongText(expected, n));
            answer(n, typed.back(), n % 2 == 0);
        }
        return typed;
    }

    TForm14* w = nullptr;
};

TEST_F(SignedTestWindow, OpensOnQuestionOneWithTheFocusInItsBox)
{
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Teigiami ir neigiami skaičiai"));
    EXPECT_EQ(ui::text(w, "Label1"), QStringLiteral("Kontrolinis darbas"));
    EXPECT_EQ(w->focusWidget(), box(w, 1));
    for (int n = 1; n <= 10; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(box(w, n)->isVisible(), n == 1);
        EXPECT_EQ(ui::find<QPushButton>(w, questions[n - 1].next)->isVisible(), n == 1);
        for (QLabel* l : labelsOf(w, n))
            EXPECT_EQ(l->isVisible(), n == 1) << l->objectName();
        EXPECT_TRUE(w->isDefault(ui::find<QPushButton>(w, questions[n - 1].next)));
        EXPECT_EQ(ui::text(w, questions[n - 1].next), QStringLiteral("Toliau"));
        EXPECT_TRUE(verdict(w, n)->text().isEmpty());
        // Operators of multiplications and divisions and the equals sign of additions are fixed.
        const QChar kind = kinds[n - 1];
        if (kind == QChar('*') || kind == QChar(':')) {
            EXPECT_EQ(ui::text(w, questions[n - 1].op), QString(kind));
        } else {
            EXPECT_EQ(ui::text(w, questions[n - 1].equals), QStringLiteral("= "));
        }
    }
    EXPECT_FALSE(ui::find<QLabel>(w, "Label11")->isVisible());
    EXPECT_TRUE(ui::text(w, "Label12").isEmpty());
}

// The grade for every pattern of right answers, through both Enter and "Toliau".
TEST_F(SignedTestWindow, GradeCountsTheRightAnswersButNeverBelowTwo)
{
    const struct {
        std::function<bool(int)> right;
        const char* grade;
    } cases[] = {
        {[](int) { return true; }, "10"},
        {[](int n) { return n % 2 == 1; }, "5"},
        {[](int n) { return n > 5; }, "5"},
        {[](int n) { return n == 10; }, "2"},
        {[](int n) { return n == 1; }, "2"},
        {[](int) { return false; }, "2"},
        {[](int n) { return n <= 2; }, "2"},
        {[](int n) { return n == 3 || n == 7 || n == 10; }, "3"},
        {[](int n) { return n != 4; }, "9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.grade);
        sit(c.right);
        EXPECT_TRUE(ui::find<QLabel>(w, "Label11")->isVisible());
        EXPECT_EQ(ui::text(w, "Label11"), QStringLiteral("Įvertinimas: "));
        EXPECT_TRUE(ui::find<QLabel>(w, "Label12")->isVisible());
        EXPECT_EQ(ui::text(w, "Label12"), QString::fromLatin1(c.grade));
        for (int n = 1; n <= 10; ++n)
            EXPECT_EQ(ui::text(w, questions[n - 1].verdict),
                      c.right(n) ? QStringLiteral("Gerai") : QStringLiteral("Blogai"))
                << "question " << n;
        open();
    }
}

TEST_F(SignedTestWindow, VerdictsStayHiddenWhileTheTestRuns)
{
    for (int n = 1; n <= 10; ++n) {
        SCOPED_TRACE(n);
        for (int k = 1; k <= 10; ++k) {
            EXPECT_FALSE(showsAnything(verdict(w, k))) << "verdict " << k;
            // Only the current question is on the spot.
            EXPECT_EQ(box(w, k)->isVisible(), k == n);
        }
        EXPECT_FALSE(ui::find<QLabel>(w, "Label11")->isVisible());
        EXPECT_TRUE(ui::text(w, "Label12").isEmpty());
        EXPECT_EQ(w->focusWidget(), box(w, n));
        EXPECT_EQ(w->enterTarget(), ui::find<QPushButton>(w, questions[n - 1].next));
        const int expected = rightAnswer(w, n);
        answer(n, n % 3 ? QString::number(expected) : wrongText(expected, n), n % 2 == 1);
    }
    for (int k = 1; k <= 10; ++k)
        EXPECT_TRUE(showsAnything(verdict(w, k))) << "verdict " << k;
}

TEST_F(SignedTestWindow, AnEmptyAnswerPromptsAndChangesNothing)
{
    for (int n : {1, 4, 10}) {
        SCOPED_TRACE(n);
        while (box(w, n)->isHidden()) {
            const int current = [this] {
                for (int k = 1; k <= 10; ++k)
                    if (box(w, k)->isVisible())
                        return k;
                return 0;
            }();
            answer(current, QString::number(rightAnswer(w, current)), true);
        }
        QStringList shown;
        for (QLabel* l : labelsOf(w, n))
            shown << l->text();
        Form9->hide();
        for (bool byEnter : {true, false}) {
            answer(n, QString(), byEnter);
            EXPECT_TRUE(Form9->isVisible());
            EXPECT_EQ(ui::text(Form9, "Label1"), QStringLiteral("Iveskite skaičių"));
            EXPECT_TRUE(box(w, n)->isVisible());
            EXPECT_EQ(w->focusWidget(), box(w, n));
            if (n < 10) {
                EXPECT_TRUE(box(w, n + 1)->isHidden());
            }
            EXPECT_TRUE(verdict(w, n)->text().isEmpty());
            QStringList now;
            for (QLabel* l : labelsOf(w, n))
                now << l->text();
            EXPECT_EQ(now, shown);
            EXPECT_FALSE(ui::find<QLabel>(w, "Label11")->isVisible());
            Form9->hide();
        }
        // A box holding only a blank is not empty: it is judged, and wrong.
        if (n == 4) {
            answer(n, QStringLiteral(" "), true);
            EXPECT_TRUE(box(w, n)->isHidden());
            EXPECT_EQ(verdict(w, n)->text(), QStringLiteral("Blogai"));
            EXPECT_FALSE(Form9->isVisible());
        }
    }
    answer(10, QString::number(rightAnswer(w, 10)), true);
    // Nine right answers (question 4 got a blank), the empty presses did not count.
    EXPECT_EQ(ui::text(w, "Label12"), QStringLiteral("9"));
}

TEST_F(SignedTestWindow, ReviewSheetShowsEachQuestionInItsRowWithTheAnswerAsTyped)
{
    // Question 2 is typed, corrected and sent: the sheet shows the corrected text.
    QStringList typed;
    for (int n = 1; n <= 10; ++n) {
        const int expected = rightAnswer(w, n);
        typed << (n % 3 == 0 ? wrongText(expected, n / 3) : QString::number(expected));
        if (n == 2) {
            ui::type(box(w, n), QStringLiteral("77"));
            for (int k = 0; k < 2; ++k)
                QTest::keyClick(box(w, n), Qt::Key_Backspace);
        }
        answer(n, typed.back(), true);
    }
    const int shifts[5] = {40, 30, 30, 25, 0};
    const int lefts[5] = {160, 220, 245, 256, 320};
    for (int n = 1; n <= 10; ++n) {
        SCOPED_TRACE(n);
        const int top = 80 + 35 * (n - 1);
        QLineEdit* e = box(w, n);
        EXPECT_TRUE(e->isVisible());
        EXPECT_FALSE(e->isEnabled());
        EXPECT_EQ(e->text(), typed[n - 1]);
        EXPECT_EQ(signedtest::savedAnswer(n), typed[n - 1]);
        EXPECT_EQ(e->pos(), QPoint(360, top));
        EXPECT_EQ(e->font().pointSize(), 14);
        EXPECT_LE(e->height(), 35) << "answer boxes of neighbouring rows overlap";
        EXPECT_EQ(verdict(w, n)->text(), n % 3 == 0 ? QStringLiteral("Blogai") : QStringLiteral("Gerai"));
        EXPECT_TRUE(verdict(w, n)->isVisible());
        EXPECT_EQ(verdict(w, n)->pos(), QPoint(450, top));
        EXPECT_EQ(verdict(w, n)->font().pointSize(), 16);
        EXPECT_TRUE(ui::find<QPushButton>(w, questions[n - 1].next)->isHidden());
        const QList<QLabel*> labels = labelsOf(w, n);
        for (qsizetype i = 0; i < labels.size(); ++i) {
            // Additions and subtractions have no bracket: their second number and equals sign
            // are the last two pieces.
            const int piece = labels.size() == 5 || i < 2 ? int(i) : int(i) + 1;
            EXPECT_TRUE(labels[i]->isVisible()) << labels[i]->objectName();
            EXPECT_EQ(labels[i]->pos(), QPoint(lefts[piece] + shifts[piece], top)) << labels[i]->objectName();
            EXPECT_EQ(labels[i]->font().pointSize(), 16) << labels[i]->objectName();
        }
    }
    // Nothing is left to press but the exit picture.
    EXPECT_EQ(w->enterTarget(), nullptr);
}

// Each question is drawn by the test's generator of its kind, in the fixed order of kinds, and
// shown in its labels as drawn.
TEST_F(SignedTestWindow, QuestionsComeFromTheTestsGeneratorsInTheirOrder)
{
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE(seed);
        fixSeed(seed);
        open();
        QList<QStringList> shown;
        for (int n = 1; n <= 10; ++n) {
            QStringList texts;
            for (QLabel* l : labelsOf(w, n))
                texts << l->text();
            shown << texts;
            answer(n, QStringLiteral("0"), true);
        }
        fixSeed(seed);
        for (int n = 1; n <= 10; ++n) {
            const QChar kind = kinds[n - 1];
            const SignedProblem p = kind == QChar('*')   ? generateMultiplication(10, 10)
                                    : kind == QChar(':') ? generateDivision(ReseedAt::BeforeNumbers)
                                                         : generateAddSub(10);
            const QStringList expected =
                kind == QChar('+')
                    ? QStringList{p.firstText(), QString(p.op), p.secondText(), QStringLiteral("= ")}
                    : QStringList{p.firstText(), QString(kind), p.bracketText(), p.secondText(), p.closingText()};
            EXPECT_EQ(shown[n - 1], expected) << "question " << n;
            EXPECT_EQ(signedtest::expectedAnswer(n), p.answer) << "question " << n;
        }
    }
}

TEST(SignedTestReview, GradeRuleAndRowTops)
{
    const char* grades[] = {"2", "2", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    for (int right = 0; right <= 10; ++right)
        EXPECT_EQ(review::gradeText(right), QString::fromLatin1(grades[right])) << right;
    const review::Rows rows{80, 35};
    const int tops[] = {80, 115, 150, 185, 220, 255, 290, 325, 360, 395};
    for (int row = 1; row <= 10; ++row)
        EXPECT_EQ(rows.top(row), tops[row - 1]);
}

} // namespace
