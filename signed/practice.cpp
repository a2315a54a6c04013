#include "signed/practice.h"

#include "shell/accessibility.h"
#include "shell/controls.h"
#include "shell/forms.h"
#include "shell/handlers.h"
#include "shell/navigation.h"
#include "shell/picture.h"
#include "signed/problems.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

SignedPracticeState signedPractice;

namespace {

constexpr int problemTop = 64;
const QRect answerRect{256, problemTop, 81, 49};
const QRect pictureRect{225, 168, 137, 137};

QLabel* numberLabel(QWidget* window, const char* name, int left, const QString& text = {})
{
    return label(window, name, {left, problemTop}, text, bookman(35), colour::yellow);
}

// The operators are two pixels larger than the numbers; their labels stand a little higher so
// that both sit on the same baseline.
int operatorTop()
{
    static const int top =
        problemTop - (QFontMetrics(bookman(37)).ascent() - QFontMetrics(bookman(35)).ascent());
    return top;
}

QLabel* operatorLabel(QWidget* window, const char* name, int left, const QString& text = {})
{
    return label(window, name, {left, operatorTop()}, text, bookman(37), colour::yellow);
}

QLineEdit* answerBox(QWidget* window, const char* name)
{
    return edit(window, name, answerRect, bookman(35), colour::red);
}

// "Tikrinti" at 376, "Pagalba" at 488, "Toliau" at 600.
QPushButton* kindButton(QWidget* window, const char* name, int left, const char* caption)
{
    return button(window, name, QRect(left, problemTop, 97, 49), QString::fromUtf8(caption), bookman(19));
}

// Where the shared labels of kinds 5-10 stand for each kind (left positions); kinds 6, 7, 9
// and 10 empty the bracket and write "=" as the closing sign.
struct Placement {
    int label26, label27, label28, label29, label30;
    bool addSub;
};
constexpr Placement multiplicationPlace{96, 144, 160, 210, 175, false};
constexpr Placement addSubPlace{96, 144, 0, 210, 175, true};
constexpr Placement divisionPlace{80, 144, 160, 210, 175, false};

const Placement* placementOf(int k)
{
    switch (k) {
    case 5:
        return &multiplicationPlace;
    case 6:
    case 7:
    case 9:
    case 10:
        return &addSubPlace;
    case 8:
        return &divisionPlace;
    default:
        return nullptr;
    }
}

// The problem as its labels show it: numbers read back from their decimal texts.
int answerFromLabels(const TForm8::Kind& kind)
{
    const int a = kind.first->text().toInt();
    const int b = kind.second->text().toInt();
    const QString op = kind.op->text().trimmed();
    if (op == QLatin1String("+"))
        return a + b;
    if (op == QLatin1String("-"))
        return a - b;
    if (op == QLatin1String("*"))
        return a * b;
    return b != 0 ? a / b : 0;
}

// The problem labels and the answer box of a kind.
QList<QWidget*> problemControls(const TForm8::Kind& kind)
{
    QList<QWidget*> controls{kind.first, kind.op, kind.bracket, kind.second, kind.closing, kind.answer};
    controls.removeAll(nullptr);
    return controls;
}

QList<QWidget*> buttons(const TForm8::Kind& kind)
{
    return {kind.check, kind.help, kind.next};
}

} // namespace

TForm8::TForm8()
    : TExerciseWindow("Form8", "Teigiami ir neigiami skaičiai", 2, Order::CloseFirst),
      tally_(this, 96, 336)
{
    // Kind 1: a + b or a - b.
    Label11 = numberLabel(this, "Label11", 96);
    Label12 = operatorLabel(this, "Label12", 140);
    Label13 = numberLabel(this, "Label13", 168);
    Label7 = numberLabel(this, "Label7", 200, QStringLiteral("="));
    Edit2 = answerBox(this, "Edit2");
    BitBtn4 = kindButton(this, "BitBtn4", 376, "Tikrinti");
    BitBtn7 = kindButton(this, "BitBtn7", 488, "Pagalba");
    BitBtn9 = kindButton(this, "BitBtn9", 600, "Toliau");
    // Kind 2: a + b or a - b.
    Label15 = numberLabel(this, "Label15", 96);
    Label16 = operatorLabel(this, "Label16", 140);
    Label17 = numberLabel(this, "Label17", 168);
    Label14 = numberLabel(this, "Label14", 200, QStringLiteral("="));
    Edit3 = answerBox(this, "Edit3");
    BitBtn10 = kindButton(this, "BitBtn10", 376, "Tikrinti");
    BitBtn11 = kindButton(this, "BitBtn11", 488, "Pagalba");
    BitBtn12 = kindButton(this, "BitBtn12", 600, "Toliau");
    // Kind 3: d : v.
    Label8 = numberLabel(this, "Label8", 80);
    Label9 = operatorLabel(this, "Label9", 144, QStringLiteral(":"));
    Label18 = numberLabel(this, "Label18", 160);
    Label10 = numberLabel(this, "Label10", 175);
    Label1 = numberLabel(this, "Label1", 210, QStringLiteral("="));
    Edit1 = answerBox(this, "Edit1");
    BitBtn3 = kindButton(this, "BitBtn3", 376, "Tikrinti");
    BitBtn2 = kindButton(this, "BitBtn2", 488, "Pagalba");
    BitBtn6 = kindButton(this, "BitBtn6", 600, "Toliau");
    // Kind 4: a * b.
    Label21 = numberLabel(this, "Label21", 96);
    Label22 = operatorLabel(this, "Label22", 144, QStringLiteral("* "));
    Label23 = numberLabel(this, "Label23", 160);
    Label25 = numberLabel(this, "Label25", 175);
    Label24 = numberLabel(this, "Label24", 210, QStringLiteral("="));
    Edit4 = answerBox(this, "Edit4");
    BitBtn8 = kindButton(this, "BitBtn8", 376, "Tikrinti");
    BitBtn13 = kindButton(this, "BitBtn13", 488, "Pagalba");
    BitBtn14 = kindButton(this, "BitBtn14", 600, "Toliau");
    // Kinds 5 to 10 share their problem labels and answer box.
    Label26 = numberLabel(this, "Label26", 96);
    Label27 = operatorLabel(this, "Label27", 144, QStringLiteral("*"));
    Label28 = numberLabel(this, "Label28", 160);
    Label30 = numberLabel(this, "Label30", 175);
    Label29 = numberLabel(this, "Label29", 210, QStringLiteral("="));
    Edit5 = answerBox(this, "Edit5");
    BitBtn15 = kindButton(this, "BitBtn15", 376, "Tikrinti");
    BitBtn16 = kindButton(this, "BitBtn16", 488, "Pagalba");
    BitBtn17 = kindButton(this, "BitBtn17", 600, "Toliau");
    BitBtn18 = kindButton(this, "BitBtn18", 376, "Tikrinti");
    BitBtn19 = kindButton(this, "BitBtn19", 488, "Pagalba");
    BitBtn20 = kindButton(this, "BitBtn20", 600, "Toliau");
    BitBtn21 = kindButton(this, "BitBtn21", 376, "Tikrinti");
    BitBtn22 = kindButton(this, "BitBtn22", 488, "Pagalba");
    BitBtn23 = kindButton(this, "BitBtn23", 600, "Toliau");
    BitBtn24 = kindButton(this, "BitBtn24", 376, "Tikrinti");
    BitBtn25 = kindButton(this, "BitBtn25", 488, "Pagalba");
    BitBtn26 = kindButton(this, "BitBtn26", 600, "Toliau");
    BitBtn27 = kindButton(this, "BitBtn27", 376, "Tikrinti");
    BitBtn28 = kindButton(this, "BitBtn28", 488, "Pagalba");
    BitBtn29 = kindButton(this, "BitBtn29", 600, "Toliau");
    BitBtn30 = kindButton(this, "BitBtn30", 376, "Tikrinti");
    BitBtn31 = kindButton(this, "BitBtn31", 488, "Pagalba");
    BitBtn32 = kindButton(this, "BitBtn32", 600, "Toliau");

    Image2 = picture(this, "Image2", pictureRect, QStringLiteral("Paveikslėlis"));
    Image3 = picture(this, "Image3", pictureRect, QStringLiteral("Paveikslėlis"));
    Image4 = picture(this, "Image4", pictureRect, QStringLiteral("Paveikslėlis"));
    Image5 = picture(this, "Image5", pictureRect, QStringLiteral("Paveikslėlis"));
    Image6 = picture(this, "Image6", pictureRect, QStringLiteral("Paveikslėlis"));
    Image7 = picture(this, "Image7", pictureRect, QStringLiteral("Paveikslėlis"));
    Image8 = picture(this, "Image8", pictureRect, QStringLiteral("Paveikslėlis"));
    Image9 = picture(this, "Image9", pictureRect, QStringLiteral("Paveikslėlis"));
    Image10 = picture(this, "Image10", pictureRect, QStringLiteral("Paveikslėlis"));
    Image11 = picture(this, "Image11", pictureRect, QStringLiteral("Paveikslėlis"));

    Label6 = label(this, "Label6", {376, 192}, QString(), bookman(29), colour::red);

    // The table of the ten kinds: operation, first number, operator, bracket, second number,
    // closing sign, answer box, Check, Help, Next, picture box.
    using Op = Operation;
    kinds_ = {{
        {Op::AddSub, Label11, Label12, nullptr, Label13, Label7, Edit2, BitBtn4, BitBtn7, BitBtn9, Image2},
        {Op::AddSub, Label15, Label16, nullptr, Label17, Label14, Edit3, BitBtn10, BitBtn11, BitBtn12, Image3},
        {Op::Division, Label8, Label9, Label18, Label10, Label1, Edit1, BitBtn3, BitBtn2, BitBtn6, Image4},
        {Op::Multiplication, Label21, Label22, Label23, Label25, Label24, Edit4, BitBtn8, BitBtn13, BitBtn14,
         Image5},
        {Op::Multiplication, Label26, Label27, Label28, Label30, Label29, Edit5, BitBtn15, BitBtn16, BitBtn17,
         Image6},
        {Op::AddSub, Label26, Label27, Label28, Label30, Label29, Edit5, BitBtn18, BitBtn19, BitBtn20, Image7},
        {Op::AddSub, Label26, Label27, Label28, Label30, Label29, Edit5, BitBtn21, BitBtn22, BitBtn23, Image8},
        {Op::Division, Label26, Label27, Label28, Label30, Label29, Edit5, BitBtn24, BitBtn25, BitBtn26, Image9},
        {Op::AddSub, Label26, Label27, Label28, Label30, Label29, Edit5, BitBtn27, BitBtn28, BitBtn29, Image10},
        {Op::AddSub, Label26, Label27, Label28, Label30, Label29, Edit5, BitBtn30, BitBtn31, BitBtn32, Image11},
    }};

    // Every answer box is described by its kind's problem (kinds 5-10 share one box and its labels).
    for (const Kind& k : kinds_)
        describeAnswer(k.answer, {k.first, k.op, k.bracket, k.second, k.closing});

    onClick(BitBtn4, this, &TForm8::BitBtn4Click);
    onClick(BitBtn10, this, &TForm8::BitBtn10Click);
    onClick(BitBtn3, this, &TForm8::BitBtn3Click);
    onClick(BitBtn8, this, &TForm8::BitBtn8Click);
    onClick(BitBtn15, this, &TForm8::BitBtn15Click);
    onClick(BitBtn18, this, &TForm8::BitBtn18Click);
    onClick(BitBtn21, this, &TForm8::BitBtn21Click);
    onClick(BitBtn24, this, &TForm8::BitBtn24Click);
    onClick(BitBtn27, this, &TForm8::BitBtn27Click);
    onClick(BitBtn30, this, &TForm8::BitBtn30Click);
    onClick(BitBtn7, this, &TForm8::BitBtn7Click);
    onClick(BitBtn11, this, &TForm8::BitBtn11Click);
    onClick(BitBtn2, this, &TForm8::BitBtn2Click);
    onClick(BitBtn13, this, &TForm8::BitBtn13Click);
    onClick(BitBtn16, this, &TForm8::BitBtn16Click);
    onClick(BitBtn19, this, &TForm8::BitBtn19Click);
    onClick(BitBtn22, this, &TForm8::BitBtn22Click);
    onClick(BitBtn25, this, &TForm8::BitBtn25Click);
    onClick(BitBtn28, this, &TForm8::BitBtn28Click);
    onClick(BitBtn31, this, &TForm8::BitBtn31Click);
    onClick(BitBtn9, this, &TForm8::BitBtn9Click);
    onClick(BitBtn12, this, &TForm8::BitBtn12Click);
    onClick(BitBtn6, this, &TForm8::BitBtn6Click);
    onClick(BitBtn14, this, &TForm8::BitBtn14Click);
    onClick(BitBtn17, this, &TForm8::BitBtn17Click);
    onClick(BitBtn20, this, &TForm8::BitBtn20Click);
    onClick(BitBtn23, this, &TForm8::BitBtn23Click);
    onClick(BitBtn26, this, &TForm8::BitBtn26Click);
    onClick(BitBtn29, this, &TForm8::BitBtn29Click);
    onClick(BitBtn32, this, &TForm8::BitBtn32Click);

    // At start only kind 1 shows; every "Toliau" is disabled, every picture box hidden.
    for (int k = 2; k <= 10; ++k) {
        for (QWidget* w : problemControls(kind(k)))
            w->hide();
        for (QWidget* w : buttons(kind(k)))
            w->hide();
    }
    for (const Kind& k : kinds_) {
        k.next->setEnabled(false);
        k.picture->hide();
    }
    makeDefault(BitBtn4);
    makeDefault(BitBtn30);
    Edit2->setFocus();

    FormCreate();
}

void TForm8::FormCreate()
{
    signedPractice.negationFlag = 0;
    rewards::resetSignedKinds();
    generate(1);
}

void TForm8::generate(int k)
{
    const Kind& c = kind(k);
    SignedProblem p;
    switch (c.operation) {
    case Operation::AddSub:
        p = generateAddSub(9);
        c.op->setText(p.op);
        setColour(c.op, p.op == QLatin1Char('+') ? colour::red : colour::yellow);
        break;
    case Operation::Multiplication:
        // The operator label keeps its "*" from the layout.
        p = generateMultiplication(9, 8);
        break;
    case Operation::Division:
        p = generateDivision(ReseedAt::BeforeSigns);
        c.op->setText(QStringLiteral(":"));
        setColour(c.op, colour::yellow);
        break;
    }
    c.first->setText(p.firstText());
    c.second->setText(p.secondText());
    if (c.operation != Operation::AddSub) {
        c.bracket->setText(p.bracketText());
        c.closing->setText(p.closingText());
    }
    signedPractice.negationFlag = p.negationFlag;
    signedPractice.secondSign = p.secondSign;
    signedPractice.expected[k - 1] = answerFromLabels(c);
}

void TForm8::place(int k)
{
    const Placement* at = placementOf(k);
    if (!at)
        return;
    Label26->move(at->label26, problemTop);
    Label27->move(at->label27, operatorTop());
    Label28->move(at->label28, problemTop);
    Label29->move(at->label29, problemTop);
    Label30->move(at->label30, problemTop);
    if (at->addSub) {
        Label28->clear();
        Label29->setText(QStringLiteral("="));
    }
}

void TForm8::check(int k)
{
    const Kind& c = kind(k);
    const QString answer = c.answer->text();
    if (answer.isEmpty()) {
        promptForAnswer();
    } else if (!isExactly(answer, signedPractice.expected[k - 1])) {
        tally_.countWrong();
        c.answer->clear();
        setVerdict(Label6, Verdict::Wrong);
        announceVerdict(Label6, tally_.Label5);
    } else {
        setVerdict(Label6, Verdict::Right);
        // A picture that cannot be read shows the error box; the right answer still counts.
        showNextReward(rewards::signedKinds[k - 1], c.picture);
        tally_.countRight();
        announceVerdict(Label6, tally_.Label4);
        c.check->setEnabled(false);
        c.answer->setEnabled(false);
        c.next->setEnabled(true);
        // The answer box lost the focus; Enter now goes to "Toliau", not to "Pagalba".
        c.next->setFocus();
    }
    makeDefault(c.next);
}

void TForm8::help(int k)
{
    const Kind& c = kind(k);
    SignedProblem shown;
    switch (c.operation) {
    case Operation::AddSub:
        shown.op = c.op->text().isEmpty() ? QChar() : c.op->text().front();
        break;
    case Operation::Multiplication:
        shown.op = QLatin1Char('*');
        break;
    case Operation::Division:
        shown.op = QLatin1Char(':');
        break;
    }
    shown.negationFlag = signedPractice.negationFlag;
    shown.secondSign = signedPractice.secondSign;
    QWidget* page = form(helpPage(shown));
    showForm(page);
    announce(page, pageText(page));
    c.answer->setFocus();
}

void TForm8::next(int k)
{
    const int n = k % 10 + 1;
    const Kind& from = kind(k);
    const Kind& to = kind(n);

    // 1. The new problem; the operator label of kinds 5-10 starts yellow, and "*" is written
    //    back on the way to kind 1 so that kind 5 shows it next time.
    if (n == 5 || n == 6 || n == 7 || n == 9 || n == 10)
        setColour(Label27, colour::yellow);
    if (n == 1)
        Label27->setText(QStringLiteral("*"));
    generate(n);
    if (n == 1)
        setColour(Label27, colour::yellow);

    // 2. Kind k's controls give way to kind n's.
    for (QWidget* w : buttons(from))
        w->hide();
    from.picture->hide();
    setVerdict(Label6, Verdict::None);
    const QList<QWidget*> shown = problemControls(to);
    for (QWidget* w : problemControls(from))
        if (!shown.contains(w))
            w->hide();
    for (QWidget* w : shown)
        w->show();
    for (QWidget* w : buttons(to))
        w->show();

    // 3. The shared labels of kinds 5-10 move to their places.
    place(n);

    // 4. Kind k is ready for its next turn; kind n's answer box is empty.
    from.check->setEnabled(true);
    from.next->setEnabled(false);
    to.answer->setEnabled(true);

    // 5. Kind n's Check becomes a default button (BitBtn4 is one from the layout).
    if (n != 1)
        makeDefault(to.check);
    // Kinds 5-10 share their box: it is emptied after it has the focus, so that a screen reader
    // reads it as the focus moves there.
    to.answer->setFocus();
    from.answer->clear();
    current_ = n;
}
