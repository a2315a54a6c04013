#include "signed/testwindow.h"

#include "shell/accessibility.h"
#include "shell/controls.h"
#include "shell/feedback.h"
#include "shell/handlers.h"
#include "shell/reviewsheet.h"
#include "signed/problems.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using Kind = TForm14::Kind;

// The controls of the ten questions by name, and the handlers their answer box and "Toliau" run.
struct QuestionNames {
    Kind kind;
    const char* first;
    const char* op;
    const char* bracket; // nullptr: additions and subtractions have none
    const char* second;
    const char* equals;
    const char* answer;
    const char* next;
    const char* verdict;
    void (TForm14::*change)();
    void (TForm14::*click)();
};

const QuestionNames questionNames[10] = {
    {Kind::Multiplication, "Label26", "Label27", "Label28", "Label30", "Label64", "Edit5", "BitBtn1", "Label10",
     &TForm14::Edit5Change, &TForm14::BitBtn1Click},
    {Kind::AddSub, "Label3", "Label4", nullptr, "Label8", "Label65", "Edit1", "BitBtn2", "Label13",
     &TForm14::Edit1Change, &TForm14::BitBtn2Click},
    {Kind::AddSub, "Label6", "Label7", nullptr, "Label9", "Label66", "Edit2", "BitBtn3", "Label14",
     &TForm14::Edit2Change, &TForm14::BitBtn3Click},
    {Kind::Multiplication, "Label16", "Label17", "Label18", "Label21", "Label67", "Edit3", "BitBtn4", "Label22",
     &TForm14::Edit3Change, &TForm14::BitBtn4Click},
    {Kind::AddSub, "Label24", "Label25", nullptr, "Label31", "Label68", "Edit4", "BitBtn5", "Label32",
     &TForm14::Edit4Change, &TForm14::BitBtn5Click},
    {Kind::AddSub, "Label34", "Label35", nullptr, "Label36", "Label69", "Edit6", "BitBtn6", "Label37",
     &TForm14::Edit6Change, &TForm14::BitBtn6Click},
    {Kind::Division, "Label39", "Label40", "Label41", "Label43", "Label70", "Edit7", "BitBtn7", "Label44",
     &TForm14::Edit7Change, &TForm14::BitBtn7Click},
    {Kind::Multiplication, "Label46", "Label47", "Label48", "Label50", "Label71", "Edit8", "BitBtn8", "Label51",
     &TForm14::Edit8Change, &TForm14::BitBtn8Click},
    {Kind::AddSub, "Label53", "Label54", nullptr, "Label55", "Label72", "Edit9", "BitBtn9", "Label56",
     &TForm14::Edit9Change, &TForm14::BitBtn9Click},
    {Kind::Division, "Label58", "Label59", "Label60", "Label62", "Label73", "Edit10", "BitBtn10", "Label63",
     &TForm14::Edit10Change, &TForm14::BitBtn10Click},
};

// Where a question stands while it is asked; all ten share the spot.
constexpr int questionTop = 88;
constexpr int firstLeft = 160, opLeft = 220, bracketLeft = 245, secondLeft = 256, equalsLeft = 320;
constexpr QRect answerRect{384, 88, 81, 49};
constexpr QRect nextRect{480, 88, 97, 49};
constexpr QPoint verdictAt{450, 150};

// The review sheet: rows 35 pixels apart from top 80, the question in 16-point type, the answer
// box in 14-point type at left 360, the verdict in 16-point type where it stands (left 450).
constexpr review::Rows sheetRows{80, 35};
const review::RowStyle sheetStyle{
    .labelPoints = 16, .answerPoints = 14, .answerLeft = 360, .verdictPoints = 16, .verdictLeft = {}};

// Program-wide: the answers as last typed and the expected answers of the ten questions.
QString savedAnswers[10];
int expectedAnswers[10] = {};

// The design text of the operator label: multiplications and divisions keep theirs.
QString operatorText(Kind kind)
{
    switch (kind) {
    case Kind::Multiplication:
        return QStringLiteral("*");
    case Kind::Division:
        return QStringLiteral(":");
    case Kind::AddSub:
        break;
    }
    return {};
}

SignedProblem generateProblem(Kind kind)
{
    switch (kind) {
    case Kind::Multiplication:
        return generateMultiplication(10, 10);
    case Kind::AddSub:
        return generateAddSub(10);
    case Kind::Division:
        break;
    }
    return generateDivision(ReseedAt::BeforeNumbers);
}

// A question as a row of the sheet: the first number moves 40 pixels right, the operator and the
// bracket 30, the second number 25, the equals sign stays.
review::QuestionRow sheetRow(const TForm14::Question& q)
{
    review::QuestionRow row;
    row.labels = {q.first, q.op};
    row.shifts = {40, 30};
    if (q.bracket) {
        row.labels.append(q.bracket);
        row.shifts.append(30);
    }
    row.labels.append({q.second, q.equals});
    row.shifts.append({25, 0});
    row.answer = q.answer;
    row.verdict = q.verdict;
    return row;
}

} // namespace

namespace signedtest {

const QString& savedAnswer(int n)
{
    return savedAnswers[n - 1];
}

int expectedAnswer(int n)
{
    return expectedAnswers[n - 1];
}

} // namespace signedtest

TForm14::TForm14() : TWindow("Form14", QStringLiteral("Teigiami ir neigiami skaičiai"))
{
    Label1 = heading(this, "Label1", 16, QStringLiteral("Kontrolinis darbas"), bookman(32));

    const QFont number = bookman(35);
    const QFont sign = bookman(32);
    for (int i = 0; i < 10; ++i) {
        const QuestionNames& n = questionNames[i];
        Question& q = questions_[i];
        q.kind = n.kind;
        q.first = label(this, n.first, {firstLeft, questionTop}, QString(), number, colour::yellow);
        q.op = label(this, n.op, {opLeft, questionTop}, operatorText(n.kind), sign, colour::yellow);
        q.bracket = n.bracket
                        ? label(this, n.bracket, {bracketLeft, questionTop}, QString(), number, colour::yellow)
                        : nullptr;
        q.second = label(this, n.second, {secondLeft, questionTop}, QString(), number, colour::yellow);
        q.equals = label(this, n.equals, {equalsLeft, questionTop},
                         n.kind == Kind::AddSub ? QStringLiteral("= ") : QString(), number, colour::yellow);
        q.answer = edit(this, n.answer, answerRect, bookman(35, false));
        q.next = button(this, n.next, nextRect, QStringLiteral("Toliau"), bookman(20));
        q.verdict = label(this, n.verdict, verdictAt, QString(), bookman(27), colour::red);
        // The box keeps its question's labels on the review sheet too.
        describeAnswer(q.answer, {q.first, q.op, q.bracket, q.second, q.equals});
        presentQuestion(q.answer, i + 1);
        makeDefault(q.next);
        onChange(q.answer, this, n.change);
        onClick(q.next, this, n.click);
        if (i > 0)
            setQuestionVisible(q, false);
    }

    Label11 = label(this, "Label11", {56, 456}, QStringLiteral("Įvertinimas: "), bookman(32), colour::red);
    Label11->hide();
    Label12 = label(this, "Label12", {304, 456}, QString(), bookman(32), colour::red);

    questions_[0].answer->setFocus();
    FormCreate();
}

void TForm14::FormCreate()
{
    correct_ = 0;
    generate(1);
}

void TForm14::generate(int n)
{
    const Question& q = question(n);
    const SignedProblem p = generateProblem(q.kind);
    q.first->setText(p.firstText());
    q.second->setText(p.secondText());
    if (q.kind == Kind::AddSub) {
        q.op->setText(QString(p.op));
    } else {
        q.bracket->setText(p.bracketText());
        q.equals->setText(p.closingText());
    }
    expectedAnswers[n - 1] = p.answer;
}

void TForm14::setQuestionVisible(const Question& q, bool visible)
{
    QWidget* const controls[] = {q.first, q.op, q.bracket, q.second, q.equals, q.answer, q.next};
    for (QWidget* w : controls)
        if (w)
            w->setVisible(visible);
}

void TForm14::keepAnswer(int n)
{
    savedAnswers[n - 1] = question(n).answer->text();
}

void TForm14::checkAndMoveOn(int n)
{
    const Question& q = question(n);
    if (q.answer->text().isEmpty()) {
        promptForAnswer();
        q.answer->setFocus();
        return;
    }
    const bool right = isExactly(q.answer->text(), expectedAnswers[n - 1]);
    if (right)
        ++correct_;
    setVerdict(q.verdict, right ? Verdict::Right : Verdict::Wrong);
    q.verdict->hide();
    setQuestionVisible(q, false);

    if (n == 10) {
        showReviewSheet();
        return;
    }
    const Question& next = question(n + 1);
    setQuestionVisible(next, true);
    generate(n + 1);
    next.answer->setFocus();
}

void TForm14::showReviewSheet()
{
    for (int n = 1; n <= 10; ++n) {
        const Question& q = question(n);
        q.answer->setText(savedAnswers[n - 1]);
        review::layOutRow(sheetRow(q), sheetStyle, sheetRows.top(n));
    }
    review::showGrade(Label11, Label12, correct_);
}

// The handlers of the ten questions: one algorithm each, told which question they belong to.
void TForm14::BitBtn1Click() { checkAndMoveOn(1); }
void TForm14::BitBtn2Click() { checkAndMoveOn(2); }
void TForm14::BitBtn3Click() { checkAndMoveOn(3); }
void TForm14::BitBtn4Click() { checkAndMoveOn(4); }
void TForm14::BitBtn5Click() { checkAndMoveOn(5); }
void TForm14::BitBtn6Click() { checkAndMoveOn(6); }
void TForm14::BitBtn7Click() { checkAndMoveOn(7); }
void TForm14::BitBtn8Click() { checkAndMoveOn(8); }
void TForm14::BitBtn9Click() { checkAndMoveOn(9); }
void TForm14::BitBtn10Click() { checkAndMoveOn(10); }

void TForm14::Edit5Change() { keepAnswer(1); }
void TForm14::Edit1Change() { keepAnswer(2); }
void TForm14::Edit2Change() { keepAnswer(3); }
void TForm14::Edit3Change() { keepAnswer(4); }
void TForm14::Edit4Change() { keepAnswer(5); }
void TForm14::Edit6Change() { keepAnswer(6); }
void TForm14::Edit7Change() { keepAnswer(7); }
void TForm14::Edit8Change() { keepAnswer(8); }
void TForm14::Edit9Change() { keepAnswer(9); }
void TForm14::Edit10Change() { keepAnswer(10); }
