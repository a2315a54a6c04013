// The expression practice window TForm19 driven through its controls: typing into the answer
// box, Enter, and clicks on "Tikrinti", "Pabraukti" and "Toliau".
#include "expressions/expression.h"
#include "expressions/practice.h"
#include "shell/feedback.h"
#include "shell/forms.h"
#include "shell/windowno.h"
#include "shell/handlers.h"
#include "shell/picture.h"
#include "shell/prompt.h"
#include "testing/draws.h"
#include "testing/ui.h"
#include "testing/veltora_fixture.h"

#include <QFontMetrics>

namespace {

const char* const rowNames[9] = {"Label15", "Label1", "Label27", "Label30", "Label8",
                                 "Label10", "Label6", "Label11", "Label14"};
const int rowLefts[9] = {56, 96, 128, 159, 183, 216, 248, 271, 296};
// Underline marks under terms 1, 2, 3, and the first picture of each pattern's cycle.
const char* const marks[3] = {"Label9", "Label12", "Label13"};
const int firstPicture[8] = {0, 54, 62, 70, 78, 86, 94, 0};

QList<QLabel*> rowLabels(QWidget* w)
{
    QList<QLabel*> labels;
    for (const char* name : rowNames)
        labels << ui::find<QLabel>(w, name);
    return labels;
}

// The expression that the row shows, read from the labels by their names.
expr::Expression shown(QWidget* w)
{
    expr::RowTexts texts;
    for (std::size_t i = 0; i < 9; ++i)
        texts[i] = ui::text(w, rowNames[i]);
    const auto e = expr::fromTexts(texts);
    if (!e)
        ADD_FAILURE() << "the row shows no expression";
    return e.value_or(expr::Expression{});
}

// The draws of an expression 3 + 5 - 2 whose letter terms make pattern p: sign and size - 1 of
// term 1, its letter; operator, magnitude - 1 and letter of term 2; the same for term 3.
std::array<int, 9> patternDraws(int p)
{
    const std::array<int, 3> letters[8] = {{}, {1, 1, 0}, {1, 0, 1}, {0, 1, 1}, {1, 1, 1},
                                           {0, 0, 1}, {0, 1, 0}, {1, 0, 0}};
    const auto [l1, l2, l3] = letters[p];
    return {0, 2, l1, 0, 4, l2, 1, 1, l3};
}

QString picture(int n)
{
    return QStringLiteral("paveikslai/images%1.jpg").arg(n);
}

class ExpressionPractice : public VeltoraWindows {
protected:
    explicit ExpressionPractice(bool withPictures = true) : dir_(withPictures) {}
    void SetUp() override
    {
        VeltoraWindows::SetUp();
        open();
    }

    // A new practice window, showing an expression of pattern p when p is given.
    void open(int p = 0)
    {
        if (p != 0)
            draws_.append(patternDraws(p));
        enterPractice(WindowNo::ExpressionPractice);
        w = Form19;
        edit = ui::find<QLineEdit>(w, "Edit5");
        check = ui::find<QPushButton>(w, "BitBtn30");
        underline = ui::find<QPushButton>(w, "BitBtn31");
        next = ui::find<QPushButton>(w, "BitBtn32");
        image = ui::find<PictureBox>(w, "Image11");
        ASSERT_TRUE(w->isVisible());
    }

    // Types an answer into the emptied box and sends it with Enter.
    void answer(const QString& text)
    {
        edit->clear();
        ui::type(edit, text);
        ui::enter(edit);
    }
    // The same with a click on "Tikrinti" (after a right answer Enter goes to "Toliau").
    void answerByClick(const QString& text)
    {
        edit->clear();
        ui::type(edit, text);
        ui::click(w, "BitBtn30");
    }

    QString verdict() const { return ui::text(w, "Label7"); }
    QString right() const { return ui::text(w, "Label4"); }
    QString wrong() const { return ui::text(w, "Label5"); }

    TForm19* w = nullptr;
    QLineEdit* edit = nullptr;
    QPushButton* check = nullptr;
    QPushButton* underline = nullptr;
    QPushButton* next = nullptr;
    PictureBox* image = nullptr;

private:
    ui::WorkingDirectory dir_;
    ScriptedDraws draws_;
    ScopedDrawSource drawsInPlace_{draws_};
};

class ExpressionPracticeWithoutPictures : public ExpressionPractice {
protected:
    ExpressionPracticeWithoutPictures() : ExpressionPractice(false) {}
};

// Awaiting an answer: "Tikrinti" takes Enter, "Toliau" is disabled, no verdict, no picture, no marks.
void expectAwaitingAnswer(TForm19* w)
{
    EXPECT_TRUE(w->isDefault(w->BitBtn30));
    EXPECT_EQ(w->enterTarget(), w->BitBtn30);
    EXPECT_FALSE(w->BitBtn32->isEnabled());
    EXPECT_TRUE(w->BitBtn30->isEnabled());
    EXPECT_EQ(ui::text(w, "Label7"), QString());
    EXPECT_FALSE(ui::find<PictureBox>(w, "Image11")->isVisible());
    for (const char* m : marks)
        EXPECT_FALSE(ui::find<QLabel>(w, m)->isVisible()) << m;
    EXPECT_EQ(w->focusWidget(), ui::find<QLineEdit>(w, "Edit5"));
    EXPECT_EQ(ui::text(w, "Edit5"), QString());
}

TEST_F(ExpressionPractice, OpensOnAnExpressionAwaitingAnAnswer)
{
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Reiškinių pertvarkymas"));
    expectAwaitingAnswer(w);
    EXPECT_EQ(right(), QStringLiteral("0"));
    EXPECT_EQ(wrong(), QStringLiteral("0"));
    EXPECT_EQ(ui::text(w, "Label2"), QStringLiteral("Teisingi atsakymai: "));
    EXPECT_EQ(ui::text(w, "Label3"), QStringLiteral("Neteisingi atsakymai: "));
    EXPECT_EQ(ui::text(w, "BitBtn30"), QStringLiteral("Tikrinti"));
    EXPECT_EQ(ui::text(w, "BitBtn31"), QStringLiteral("Pabraukti"));
    EXPECT_EQ(ui::text(w, "BitBtn32"), QStringLiteral("Toliau"));
    EXPECT_EQ(ui::text(w, "Label14"), QStringLiteral("="));
    const QList<QLabel*> labels = rowLabels(w);
    const int baseline = 64 + QFontMetrics(labels[0]->font()).ascent();
    for (int i = 0; i < 9; ++i) {
        QLabel* l = labels[i];
        EXPECT_EQ(l->x(), rowLefts[i]) << rowNames[i];
        EXPECT_EQ(l->y() + QFontMetrics(l->font()).ascent(), baseline) << rowNames[i];
        EXPECT_EQ(l->font().pixelSize(), i == 2 || i == 5 ? 37 : 35) << rowNames[i];
        EXPECT_TRUE(l->font().bold());
    }
    for (QLabel* l : {labels[0], labels[3], labels[4], labels[6], labels[7], labels[8]})
        EXPECT_EQ(l->y(), 64) << l->objectName();
    EXPECT_EQ(edit->geometry().topLeft(), QPoint(320, 72));
    EXPECT_EQ(edit->width(), 97);
    for (int i = 0; i < 3; ++i) {
        QLabel* m = ui::find<QLabel>(w, marks[i]);
        EXPECT_EQ(m->text(), QStringLiteral("____"));
        EXPECT_EQ(m->pos(), QPoint(std::array{56, 144, 240}[i], 72));
    }
    EXPECT_EQ(ui::find<QLabel>(w, "Label7")->pos(), QPoint(448, 192));
    EXPECT_EQ(image->geometry(), QRect(297, 168, 137, 137));
}

// Every writing that the rule accepts is right, in every pattern; each press counts again and
// shows the next picture of the pattern's cycle. A changed wrong text counts wrong but keeps
// "Toliau" and the picture.
TEST_F(ExpressionPractice, EveryAcceptedWritingIsRightAndAdvancesThePatternsCycle)
{
    for (int p = 1; p <= 7; ++p) {
        SCOPED_TRACE(p);
        open(p);
        ASSERT_EQ(expr::pattern(shown(w)), p);
        const QStringList accepted = expr::acceptedAnswers(shown(w));
        int count = 0;
        for (const QString& a : accepted) {
            answerByClick(a);
            ++count;
            EXPECT_EQ(verdict(), QStringLiteral("Gerai")) << a;
            EXPECT_EQ(right(), QString::number(count));
            EXPECT_TRUE(image->isVisible());
            EXPECT_EQ(image->fileName(), picture(firstPicture[p] + count - 1));
            EXPECT_FALSE(image->image().isNull());
            EXPECT_TRUE(next->isEnabled());
            EXPECT_TRUE(w->isDefault(next));
            EXPECT_FALSE(w->isDefault(check));
            EXPECT_TRUE(check->isEnabled());
            EXPECT_EQ(w->enterTarget(), next);
            EXPECT_EQ(w->focusWidget(), next);
        }
        answerByClick(accepted.front() + QStringLiteral("+0"));
        EXPECT_EQ(verdict(), QStringLiteral("Blogai"));
        EXPECT_EQ(wrong(), QStringLiteral("1"));
        EXPECT_EQ(right(), QString::number(count));
        EXPECT_TRUE(next->isEnabled());
        EXPECT_TRUE(image->isVisible());
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join(' ');
}

TEST_F(ExpressionPractice, WrongAnswersCountOncePerPressAndStayInTheBox)
{
    const QString right = expr::acceptedAnswers(shown(w)).front();
    const QString wrongs[] = {QStringLiteral("+") + right, right + QStringLiteral(" "), right.toUpper() + "A",
                              QStringLiteral("x"), QStringLiteral(" ")};
    int count = 0;
    for (const QString& t : wrongs) {
        answer(t);
        ++count;
        EXPECT_EQ(verdict(), QStringLiteral("Blogai")) << t;
        EXPECT_EQ(this->wrong(), QString::number(count));
        EXPECT_EQ(this->right(), QStringLiteral("0"));
        EXPECT_EQ(edit->text(), t);
        EXPECT_FALSE(next->isEnabled());
        EXPECT_EQ(w->enterTarget(), check);
        EXPECT_FALSE(image->isVisible());
    }
    // The same wrong text pressed again counts again; a mouse click checks like Enter.
    ui::click(w, "BitBtn30");
    EXPECT_EQ(this->wrong(), QString::number(count + 1));
    EXPECT_EQ(w->focusWidget(), edit);
    edit->clear();
    ui::type(edit, right);
    ui::click(w, "BitBtn30");
    EXPECT_EQ(verdict(), QStringLiteral("Gerai"));
    EXPECT_EQ(this->right(), QStringLiteral("1"));
    EXPECT_TRUE(next->isEnabled());
    // The focus is on "Toliau", so Enter now brings the next expression, and the box has the
    // focus again.
    EXPECT_EQ(w->focusWidget(), next);
    ui::enter(next);
    EXPECT_EQ(w->focusWidget(), edit);
    expectAwaitingAnswer(w);
}

TEST_F(ExpressionPractice, AnEmptyAnswerPromptsAndGivesTheFocusBack)
{
    Form9->hide();
    check->setFocus();
    ui::click(w, "BitBtn30");
    EXPECT_TRUE(Form9->isVisible());
    EXPECT_EQ(ui::text(Form9, "Label1"), QStringLiteral("Iveskite skaičių"));
    EXPECT_EQ(w->focusWidget(), edit);
    expectAwaitingAnswer(w);
    EXPECT_EQ(right(), QStringLiteral("0"));
    EXPECT_EQ(wrong(), QStringLiteral("0"));
    // After a right answer an emptied box changes nothing either.
    answer(expr::acceptedAnswers(shown(w)).front());
    edit->clear();
    Form9->hide();
    ui::click(w, "BitBtn30");
    EXPECT_TRUE(Form9->isVisible());
    EXPECT_EQ(right(), QStringLiteral("1"));
    EXPECT_EQ(wrong(), QStringLiteral("0"));
    EXPECT_EQ(verdict(), QStringLiteral("Gerai"));
    EXPECT_TRUE(next->isEnabled());
    EXPECT_EQ(image->fileName(), picture(firstPicture[expr::pattern(shown(w))]));
    EXPECT_EQ(w->focusWidget(), edit);
}

TEST_F(ExpressionPractice, UnderliningMarksTheLikeTerms)
{
    // Terms with marks in each pattern.
    const std::array<bool, 3> marked[8] = {{},
                                           {true, true, false}, {true, false, true}, {false, true, true},
                                           {true, true, true},  {true, true, false}, {true, false, true},
                                           {false, true, true}};
    for (int p = 1; p <= 7; ++p) {
        SCOPED_TRACE(p);
        open(p);
        ui::type(edit, QStringLiteral("1"));
        ui::click(w, "BitBtn31");
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(ui::find<QLabel>(w, marks[i])->isVisible(), marked[p][i]) << marks[i];
        EXPECT_EQ(w->focusWidget(), edit);
        EXPECT_EQ(edit->text(), QStringLiteral("1"));
        EXPECT_EQ(verdict(), QString());
        EXPECT_EQ(right(), QStringLiteral("0"));
        EXPECT_EQ(wrong(), QStringLiteral("0"));
        EXPECT_EQ(w->enterTarget(), check);
        // The marks stay through a check, and go with "Toliau".
        answer(expr::acceptedAnswers(shown(w)).back());
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(ui::find<QLabel>(w, marks[i])->isVisible(), marked[p][i]) << marks[i];
        ui::click(w, "BitBtn32");
        for (const char* m : marks)
            EXPECT_FALSE(ui::find<QLabel>(w, m)->isVisible()) << m;
    }
}

TEST_F(ExpressionPractice, NextBringsAFreshExpressionAndKeepsTheTally)
{
    answer(QStringLiteral("b"));
    for (int round = 1; round <= 30; ++round) {
        SCOPED_TRACE(round);
        ui::click(w, "BitBtn31");
        answer(expr::acceptedAnswers(shown(w)).front());
        ASSERT_TRUE(next->isEnabled());
        ui::enter(edit);
        expectAwaitingAnswer(w);
        EXPECT_EQ(right(), QString::number(round));
        EXPECT_EQ(wrong(), QStringLiteral("1"));
        // The row shows a drawn expression by the text rules.
        EXPECT_EQ(expr::rowTexts(shown(w)), [&] {
            expr::RowTexts t;
            for (std::size_t i = 0; i < 9; ++i)
                t[i] = ui::text(w, rowNames[i]);
            return t;
        }());
    }
}

// What is judged is what the row shows, read back from its labels.
TEST_F(ExpressionPractice, TheCheckJudgesTheExpressionOnDisplay)
{
    const char* const texts[9] = {"-", "a", "+", "2", "", "+", "2", "a", "="};
    const QList<QLabel*> labels = rowLabels(w);
    for (int i = 0; i < 9; ++i)
        labels[i]->setText(QString::fromUtf8(texts[i]));
    answer(QStringLiteral("a+2"));
    EXPECT_EQ(verdict(), QStringLiteral("Gerai"));
    EXPECT_EQ(image->fileName(), picture(62)); // pattern 2
    labels[0]->setText(QStringLiteral("-2"));
    answerByClick(QStringLiteral("a+2"));
    EXPECT_EQ(verdict(), QStringLiteral("Blogai"));
    answerByClick(QStringLiteral("2"));
    EXPECT_EQ(verdict(), QStringLiteral("Gerai"));
    // Checking changes nothing in the row.
    for (int i = 1; i < 9; ++i)
        EXPECT_EQ(labels[i]->text(), QString::fromUtf8(texts[i]));
}

// The cycles are program-wide: a reopened window goes on where the last one stopped, and a
// cycle starts again after its last picture.
TEST_F(ExpressionPractice, ReopenedWindowsContinueEachCycle)
{
    for (const auto& [p, length] : {std::pair{1, 8}, std::pair{7, 7}}) {
        SCOPED_TRACE(p);
        QStringList files;
        for (int windows = 0; windows < 3; ++windows) {
            open(p);
            EXPECT_EQ(right(), QStringLiteral("0"));
            for (int k = 0; k < 3; ++k) {
                answerByClick(expr::acceptedAnswers(shown(w)).front());
                files << image->fileName();
            }
        }
        QStringList expected;
        for (int k = 0; k < 9; ++k)
            expected << picture(firstPicture[p] + k % length);
        EXPECT_EQ(files, expected);
    }
}

TEST_F(ExpressionPracticeWithoutPictures, AMissingPictureIsToldAndTheAnswerStillCounts)
{
    open(4);
    answer(expr::acceptedAnswers(shown(w)).front());
    EXPECT_EQ(errors, QStringList{"Cannot open file paveikslai/images78.jpg."});
    EXPECT_EQ(verdict(), QStringLiteral("Gerai"));
    EXPECT_EQ(right(), QStringLiteral("1"));
    EXPECT_TRUE(next->isEnabled());
    EXPECT_TRUE(image->isVisible());
    EXPECT_EQ(w->enterTarget(), next);
    // The counter moved on: the next right answer tries the next file.
    answerByClick(expr::acceptedAnswers(shown(w)).front());
    EXPECT_EQ(errors.back(), QStringLiteral("Cannot open file paveikslai/images79.jpg."));
}

// Where a label's text is drawn: its ink, in window coordinates.
QRect ink(const QLabel* l)
{
    const QFontMetrics fm(l->font());
    return fm.tightBoundingRect(l->text()).translated(l->x(), l->y() + fm.ascent());
}

// The widest texts stand clear of each other, the marks under their terms, the longest answer
// that the rule accepts fits the box.
TEST_F(ExpressionPractice, WidestTextsKeepClearAndTheMarksSitUnderTheirTerms)
{
    const QList<QLabel*> labels = rowLabels(w);
    const char* const widest[][9] = {
        {"-8", "a", "+", "8", "a", "-", "8", "a", "="},
        {"-8", "", "-", "8", "a", "+", "8", "", "="},
        {"-", "a", "-", "", "a", "-", "", "a", "="},
    };
    w->show();
    for (const auto& texts : widest) {
        for (int i = 0; i < 9; ++i)
            labels[i]->setText(QString::fromUtf8(texts[i]));
        QLabel* before = nullptr;
        for (QLabel* l : labels) {
            if (l->text().isEmpty())
                continue;
            if (before) {
                EXPECT_LT(ink(before).right(), ink(l).left())
                    << before->objectName() << " \"" << before->text() << "\" touches " << l->objectName();
            }
            before = l;
        }
        EXPECT_LT(ink(before).right(), edit->x());
        ui::click(w, "BitBtn31");
        // Each mark's ink reaches from the term's number to its letter, just below the baseline.
        const int baseline = labels[0]->y() + QFontMetrics(labels[0]->font()).ascent();
        int marked = 0;
        for (int t = 0; t < 3; ++t) {
            QLabel* mark = ui::find<QLabel>(w, marks[t]);
            if (!mark->isVisible())
                continue;
            ++marked;
            QRect term;
            for (QLabel* piece : {labels[3 * t], labels[3 * t + 1]})
                if (!piece->text().isEmpty())
                    term |= ink(piece);
            EXPECT_LE(ink(mark).left(), term.left() + 2) << marks[t];
            EXPECT_GE(ink(mark).right(), term.right() - 2) << marks[t];
            EXPECT_GT(ink(mark).top(), baseline) << marks[t];
            EXPECT_LT(ink(mark).top(), baseline + 10) << marks[t];
        }
        EXPECT_GE(marked, 2);
        // "Toliau" hides the marks (the next texts are set over the drawn ones).
        w->BitBtn32Click();
    }
    const QFontMetrics answerFont(edit->font());
    for (const char* longest : {"-16a-8", "-8-16a", "-16+8a"})
        EXPECT_LE(answerFont.horizontalAdvance(QString::fromLatin1(longest)), edit->width() - 8) << longest;
}

} // namespace
