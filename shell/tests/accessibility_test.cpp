// What a screen reader hears of Veltora, asked the way assistive technology asks: through the
// accessible interfaces of the very windows a pupil uses.
#include "shell/accessibility.h"
#include "shell/controls.h"
#include "shell/feedback.h"
#include "shell/forms.h"
#include "shell/windowno.h"
#include "shell/handlers.h"
#include "shell/picture.h"
#include "shell/window.h"
#include "equations/practice.h"
#include "equations/testwindow.h"
#include "expressions/practice.h"
#include "expressions/testwindow.h"
#include "signed/practice.h"
#include "signed/testwindow.h"
#include "testing/spoken.h"
#include "testing/ui.h"
#include "testing/veltora_fixture.h"

#include <QAccessible>
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace {

QAccessibleInterface* accessible(QObject* o)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(o);
    if (!iface)
        ADD_FAILURE() << "no accessible interface for " << o->objectName();
    return iface;
}

QString name(QObject* o)
{
    QAccessibleInterface* iface = accessible(o);
    return iface ? iface->text(QAccessible::Name) : QString();
}

QString description(QObject* o)
{
    QAccessibleInterface* iface = accessible(o);
    return iface ? iface->text(QAccessible::Description) : QString();
}

bool canPress(QAccessibleInterface* iface)
{
    QAccessibleActionInterface* actions = iface->actionInterface();
    return actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction());
}

// Every control a pupil can act on in the window as it stands: a push button, a picture that
// reacts to a click, an edit box. Each has the role a screen reader announces and a name;
// an edit box is an answer box described by its problem.
void checkControls(TWindow* window)
{
    SCOPED_TRACE(window->objectName().toStdString());
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        SCOPED_TRACE(w->objectName().toStdString());
        if (qobject_cast<QAbstractButton*>(w)) {
            QAccessibleInterface* iface = accessible(w);
            ASSERT_NE(iface, nullptr);
            EXPECT_EQ(iface->role(), QAccessible::Button);
            EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty());
            // As with Qt's own buttons, a disabled one offers nothing to press.
            EXPECT_EQ(canPress(iface), w->isEnabled());
        } else if (auto* picture = qobject_cast<PictureBox*>(w)) {
            QAccessibleInterface* iface = accessible(w);
            ASSERT_NE(iface, nullptr);
            EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty());
            EXPECT_EQ(iface->role(), picture->isPressable() ? QAccessible::Button : QAccessible::Graphic);
            EXPECT_EQ(canPress(iface), picture->isPressable() && picture->isEnabled());
        } else if (qobject_cast<QLineEdit*>(w)) {
            QAccessibleInterface* iface = accessible(w);
            ASSERT_NE(iface, nullptr);
            EXPECT_EQ(iface->role(), QAccessible::EditableText);
            static const QRegularExpression answerName(QStringLiteral("^(Atsakymas|Klausimas ([1-9]|10))$"));
            EXPECT_TRUE(answerName.match(iface->text(QAccessible::Name)).hasMatch()) << iface->text(QAccessible::Name);
            EXPECT_FALSE(iface->text(QAccessible::Description).isEmpty());
        }
    }
}

void checkEveryWindow()
{
    for (TWindow* window : TWindow::all()) {
        QAccessibleInterface* iface = accessible(window);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), QAccessible::Window) << window->objectName();
        // The prompt has no caption; it is named by its message.
        const QString expected =
            window == form(WindowNo::Prompt) ? QStringLiteral("Iveskite skaičių") : window->windowTitle();
        EXPECT_EQ(iface->text(QAccessible::Name), expected) << window->objectName();
        checkControls(window);
    }
}

// The answer a pupil works out from a problem as a screen reader says it.
enum class Solve { Arithmetic, Expression, Equation };
QString solved(Solve solve, const QString& problem)
{
    switch (solve) {
    case Solve::Arithmetic:
        if (const std::optional<int> r = spoken::solveArithmetic(problem))
            return QString::number(*r);
        break;
    case Solve::Expression:
        if (const std::optional<spoken::Linear> e = spoken::expressionOf(problem))
            return spoken::simplest(*e);
        break;
    case Solve::Equation:
        if (const std::optional<int> x = spoken::solveEquation(problem))
            return QString::number(*x);
        break;
    }
    ADD_FAILURE() << "not a problem: " << problem;
    return {};
}

// What the window has told a screen reader so far as notifications, oldest first.
QStringList notices(QWidget* window)
{
    QStringList told;
    for (QObject* child : window->children()) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(child);
        if (iface && iface->role() == QAccessible::Notification)
            told.append(iface->text(QAccessible::Name));
    }
    return told;
}

QString lastNotice(QWidget* window)
{
    const QStringList told = notices(window);
    return told.isEmpty() ? QString() : told.last();
}

// The texts of the labels that stand in the box's row, left of it, read from left to right,
// without blanks: what a sighted pupil sees as the problem.
QString rowLeftOf(const QLineEdit* box)
{
    QWidget* window = box->window();
    QList<QLabel*> row;
    for (QLabel* l : window->findChildren<QLabel*>()) {
        const int middle = l->y() + QFontMetrics(l->font()).height() / 2;
        if (l->isVisibleTo(window) && !l->text().trimmed().isEmpty() && l->x() < box->x() &&
            middle >= box->y() && middle <= box->geometry().bottom())
            row.append(l);
    }
    std::sort(row.begin(), row.end(), [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
    QString text;
    for (QLabel* l : row)
        text += l->text();
    return text.remove(QLatin1Char(' '));
}

// The answer box described as the pupil sees its problem, with the answer the program expects.
void expectDescribed(QLineEdit* box, int expected)
{
    SCOPED_TRACE(box->objectName().toStdString());
    const QString problem = description(box);
    EXPECT_EQ(QString(problem).remove(QLatin1Char(' ')), rowLeftOf(box));
    const std::optional<int> answer = spoken::solveArithmetic(problem);
    ASSERT_TRUE(answer.has_value()) << "not a problem: " << problem;
    EXPECT_EQ(*answer, expected) << problem;
}

class Accessibility : public VeltoraWindows {
protected:
    ui::WorkingDirectory dir{true};
};

} // namespace

TEST(ProblemText, ReadsTheShownLabelsAsOneLine)
{
    QWidget parent;
    const struct {
        QList<const char*> texts; // nullptr: a hidden label with the text "9"
        const char* read;
    } rows[] = {
        {{"-3", "+", "9", "="}, "-3 + 9 ="},
        {{"-3", "* ", "(", "-5", ")="}, "-3 * (-5)="},
        {{"12", ":", "", "4", "="}, "12 : 4 ="},
        {{"-7", "- ", nullptr, "2", "= "}, "-7 - 2 ="},
        {{"", "", ""}, ""},
        {{"(", "-2", ")"}, "(-2)"},
    };
    for (const auto& row : rows) {
        QList<QLabel*> labels;
        for (const char* t : row.texts) {
            auto* l = new QLabel(t ? QString::fromUtf8(t) : QStringLiteral("9"), &parent);
            if (!t)
                l->hide();
            labels.append(l);
        }
        EXPECT_EQ(problemText(labels), QString::fromUtf8(row.read));
    }
}

TEST_F(Accessibility, EveryControlOfEveryWindowHasARoleAndAName)
{
    checkEveryWindow();
    for (int n : {8, 14, 19, 20, 25, 26})
        enterPractice(n);
    checkEveryWindow();
}

TEST_F(Accessibility, TheExitPictureIsAButtonThatAScreenReaderCanPress)
{
    for (TWindow* window : TWindow::all()) {
        if (!window->Image1)
            continue;
        SCOPED_TRACE(window->objectName().toStdString());
        QAccessibleInterface* iface = accessible(window->Image1);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), QAccessible::Button);
        EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Pabaiga"));
        ASSERT_TRUE(canPress(iface));
        if (window == form(WindowNo::MainMenu))
            continue;
        window->show();
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
        EXPECT_FALSE(window->isVisible());
    }
    // The main menu's exit picture ends the program.
    EXPECT_FALSE(programEnded());
    form(WindowNo::MainMenu)->show();
    accessible(form(WindowNo::MainMenu)->Image1)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_TRUE(programEnded());
}

TEST_F(Accessibility, RewardPicturesAreGraphicsWithNothingToPress)
{
    enterPractice(WindowNo::SignedPractice);
    for (int n = 2; n <= 11; ++n) {
        auto* box = ui::find<PictureBox>(Form8, QStringLiteral("Image%1").arg(n).toLatin1().constData());
        ASSERT_NE(box, nullptr);
        QAccessibleInterface* iface = accessible(box);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), QAccessible::Graphic);
        EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Paveikslėlis"));
        EXPECT_FALSE(canPress(iface));
    }
}

TEST_F(Accessibility, PracticeAnswerBoxesFollowTheProblemThroughEveryKind)
{
    enterPractice(WindowNo::SignedPractice);
    auto* w = Form8;
    // Two rounds of the ten kinds: every "Toliau" brings a new problem, and the description of
    // the box now shown must be that problem, answered right by what it says.
    for (int step = 0; step < 20; ++step) {
        const int k = w->currentKind();
        SCOPED_TRACE(k);
        const TForm8::Kind& kind = w->kind(k);
        expectDescribed(kind.answer, signedPractice.expected[k - 1]);
        checkControls(w);
        const QString answer = QString::number(*spoken::solveArithmetic(description(kind.answer)));
        ui::type(kind.answer, answer);
        QTest::mouseClick(kind.check, Qt::LeftButton);
        EXPECT_EQ(w->Label6->text(), QStringLiteral("Gerai"));
        QTest::mouseClick(kind.next, Qt::LeftButton);
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n'));
}

TEST_F(Accessibility, TallyCountsAreSpokenWithTheirCaptions)
{
    enterPractice(WindowNo::SignedPractice);
    auto* w = Form8;
    const TForm8::Kind& kind = w->kind(1);
    EXPECT_EQ(name(w->tally().Label4), QStringLiteral("Teisingi atsakymai: 0"));
    EXPECT_EQ(name(w->tally().Label5), QStringLiteral("Neteisingi atsakymai: 0"));
    const int right = signedPractice.expected[0];
    for (int wrong : {right + 1, right - 1}) {
        ui::type(kind.answer, QString::number(wrong));
        QTest::mouseClick(kind.check, Qt::LeftButton);
    }
    ui::type(kind.answer, QString::number(right));
    QTest::mouseClick(kind.check, Qt::LeftButton);
    EXPECT_EQ(name(w->tally().Label4), QStringLiteral("Teisingi atsakymai: 1"));
    EXPECT_EQ(name(w->tally().Label5), QStringLiteral("Neteisingi atsakymai: 2"));
    // What a sighted pupil sees stays the bare count.
    EXPECT_EQ(w->tally().Label4->text(), QStringLiteral("1"));
    EXPECT_EQ(w->tally().Label5->text(), QStringLiteral("2"));
}

// After Enter in a practice window a screen reader is told the verdict with the count it changed;
// after a right answer "Toliau" has the focus, and Enter there brings the next problem into the
// box, which gets the focus again (and is read out with it).
TEST_F(Accessibility, PracticeVerdictsAreToldAndToliauGetsTheFocus)
{
    const struct {
        int form;
        Solve solve;
        const char* box;
        const char* next;
    } windows[] = {{8, Solve::Arithmetic, "Edit2", "BitBtn9"},
                   {19, Solve::Expression, "Edit5", "BitBtn32"},
                   {25, Solve::Equation, "Edit5", "BitBtn32"}};
    for (const auto& p : windows) {
        SCOPED_TRACE(p.form);
        enterPractice(p.form);
        TWindow* w = form(p.form);
        auto* box = ui::find<QLineEdit>(w, p.box);
        const QString right = solved(p.solve, description(box));
        for (int wrong = 1; wrong <= 2; ++wrong) {
            box->setText(right + QStringLiteral("0"));
            ui::enter(box);
            EXPECT_EQ(lastNotice(w), QStringLiteral("Blogai. Neteisingi atsakymai: %1").arg(wrong));
            EXPECT_EQ(w->focusWidget(), box);
        }
        box->setText(right);
        ui::enter(box);
        EXPECT_EQ(lastNotice(w), QStringLiteral("Gerai. Teisingi atsakymai: 1"));
        auto* next = ui::find<QPushButton>(w, p.next);
        EXPECT_EQ(w->focusWidget(), next);
        const QString before = description(box);
        ui::enter(next);
        QWidget* now = w->focusWidget();
        ASSERT_NE(qobject_cast<QLineEdit*>(now), nullptr);
        EXPECT_NE(description(now), before);
        EXPECT_EQ(notices(w).size(), 3) << "nothing more is told: the focus reads the new problem";
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n'));
}

// "Pagalba" opens a help page, which is read out as it comes up: its lines from the top.
TEST_F(Accessibility, AHelpPageIsReadOutWhenItOpens)
{
    enterPractice(WindowNo::SignedPractice);
    QTest::mouseClick(Form8->kind(1).help, Qt::LeftButton);
    QWidget* page = nullptr;
    for (int n = 10; n <= 13; ++n)
        if (form(n)->isVisible())
            page = form(n);
    ASSERT_NE(page, nullptr);
    const QString told = lastNotice(page);
    ASSERT_FALSE(told.isEmpty());
    QList<QLabel*> lines = page->findChildren<QLabel*>();
    std::sort(lines.begin(), lines.end(), [](QLabel* a, QLabel* b) { return a->y() < b->y(); });
    qsizetype at = 0;
    for (QLabel* l : lines) {
        if (!l->isVisible() || l->text().trimmed().isEmpty())
            continue;
        const qsizetype found = told.indexOf(l->text().simplified(), at);
        EXPECT_GE(found, 0) << l->text() << " in " << told;
        at = qMax(at, found);
    }
}

TEST_F(Accessibility, TestAnswerBoxesCarryTheirQuestionOnTheReviewSheetToo)
{
    enterPractice(WindowNo::SignedTest);
    auto* w = Form14;
    for (int n = 1; n <= 10; ++n) {
        SCOPED_TRACE(n);
        const TForm14::Question& q = w->question(n);
        expectDescribed(q.answer, signedtest::expectedAnswer(n));
        ui::type(q.answer, QString::number(*spoken::solveArithmetic(description(q.answer))));
        QTest::mouseClick(q.next, Qt::LeftButton);
    }
    EXPECT_EQ(w->Label12->text(), QStringLiteral("10"));
    checkControls(w);
    for (int n = 1; n <= 10; ++n) {
        SCOPED_TRACE(n);
        expectDescribed(w->question(n).answer, signedtest::expectedAnswer(n));
        EXPECT_EQ(name(w->question(n).answer), QStringLiteral("Klausimas %1").arg(n));
    }
}

// The end of every test: the exit picture has the focus and reads the sheet, row by row (the
// question, the answer as typed, the verdict), then the grade. A pupil who hears it can check
// every row against its question.
TEST_F(Accessibility, TheReviewSheetIsReadWithTheExitPicture)
{
    const struct {
        int form;
        Solve solve;
    } tests[] = {{14, Solve::Arithmetic}, {20, Solve::Expression}, {26, Solve::Equation}};
    for (const auto& t : tests) {
        SCOPED_TRACE(t.form);
        enterPractice(t.form);
        TWindow* w = form(t.form);
        for (int n = 1; n <= 10; ++n) {
            auto* box = qobject_cast<QLineEdit*>(w->focusWidget());
            ASSERT_NE(box, nullptr) << "question " << n << ": the focus is not in an answer box";
            // Questions 4 and 8 answered wrong: "0", or "1" where the right answer is 0.
            const QString right = solved(t.solve, description(box));
            const QString wrongAnswer = right == QStringLiteral("0") ? QStringLiteral("1") : QStringLiteral("0");
            const QString answer = n == 4 || n == 8 ? wrongAnswer : right;
            ui::type(box, answer);
            ui::enter(box);
        }
        EXPECT_EQ(w->focusWidget(), w->Image1);
        const QStringList said = description(w->Image1).split(QStringLiteral(". "));
        ASSERT_EQ(said.size(), 11) << description(w->Image1);
        for (int n = 1; n <= 10; ++n) {
            SCOPED_TRACE(n);
            const QStringList row = said[n - 1].split(QStringLiteral(", "));
            ASSERT_EQ(row.size(), 3) << said[n - 1];
            const bool wrong = n == 4 || n == 8;
            EXPECT_EQ(row[2], wrong ? QStringLiteral("Blogai") : QStringLiteral("Gerai"));
            EXPECT_EQ(row[1] == solved(t.solve, row[0]), !wrong) << said[n - 1];
        }
        EXPECT_EQ(said[10], QStringLiteral("Įvertinimas: 8"));
    }
}

TEST_F(Accessibility, ExpressionBoxesCarryTheExpressionTheyAnswer)
{
    // Practice: what the box says simplifies to the answer the window accepts.
    enterPractice(WindowNo::ExpressionPractice);
    for (int step = 0; step < 10; ++step) {
        SCOPED_TRACE(step);
        const QString problem = description(Form19->Edit5);
        EXPECT_EQ(QString(problem).remove(QLatin1Char(' ')), rowLeftOf(Form19->Edit5));
        const QString listed = expr::acceptedAnswers(*Form19->row.shown()).front();
        const std::optional<spoken::Linear> heard = spoken::expressionOf(problem);
        ASSERT_TRUE(heard.has_value()) << problem;
        EXPECT_EQ(heard, spoken::linear(listed)) << problem << " / " << listed;
        // The answer a pupil writes from what was heard.
        ui::type(Form19->Edit5, spoken::simplest(*heard));
        QTest::mouseClick(Form19->BitBtn30, Qt::LeftButton);
        EXPECT_EQ(Form19->Label7->text(), QStringLiteral("Gerai")) << problem << " / " << spoken::simplest(*heard);
        QTest::mouseClick(Form19->BitBtn32, Qt::LeftButton);
    }

    // Test: the question box, then every review box, carries its own expression.
    enterPractice(WindowNo::ExpressionTest);
    // The next question is told only in the window that has the keyboard.
    Form20->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form20));
    for (int n = 1; n <= 10; ++n) {
        SCOPED_TRACE(n);
        const QString problem = description(Form20->Edit5);
        const QString answer = expr::acceptedAnswers(*Form20->row.shown()).front();
        EXPECT_EQ(spoken::expressionOf(problem), spoken::linear(answer)) << problem << " / " << answer;
        ui::type(Form20->Edit5, answer);
        QTest::mouseClick(Form20->BitBtn1, Qt::LeftButton);
        // The box keeps the focus, so the next question is told at once.
        if (n < 10) {
            EXPECT_EQ(name(Form20->Edit5), QStringLiteral("Klausimas %1").arg(n + 1));
            EXPECT_EQ(lastNotice(Form20), QStringLiteral("Klausimas %1: ").arg(n + 1) + description(Form20->Edit5));
        }
    }
    EXPECT_EQ(Form20->Label12->text(), QStringLiteral("10"));
    checkControls(Form20);
    for (int n = 1; n <= 10; ++n) {
        SCOPED_TRACE(n);
        QLineEdit* box = Form20->review(n).answer;
        const QString problem = description(box);
        ASSERT_TRUE(spoken::expressionOf(problem).has_value()) << problem;
        EXPECT_EQ(spoken::expressionOf(problem), spoken::linear(box->text())) << problem << " / " << box->text();
    }
}

TEST_F(Accessibility, EquationBoxesCarryTheEquationTheyAnswer)
{
    // Practice: the equation as described, solved, is the answer the window wants.
    enterPractice(WindowNo::EquationPractice);
    for (int step = 0; step < 10; ++step) {
        SCOPED_TRACE(step);
        const QString problem = description(Form25->Edit5);
        ASSERT_TRUE(problem.endsWith(QStringLiteral("x =")));
        const std::optional<int> x = spoken::solveEquation(problem);
        ASSERT_TRUE(x.has_value()) << problem;
        ui::type(Form25->Edit5, QString::number(*x));
        QTest::mouseClick(Form25->BitBtn30, Qt::LeftButton);
        EXPECT_EQ(Form25->Label13->text(), QStringLiteral("Gerai")) << problem;
        QTest::mouseClick(Form25->BitBtn32, Qt::LeftButton);
    }

    enterPractice(WindowNo::EquationTest);
    Form26->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form26));
    for (int n = 1; n <= 10; ++n) {
        SCOPED_TRACE(n);
        const QString problem = description(Form26->Edit5);
        const std::optional<int> x = spoken::solveEquation(problem);
        ASSERT_TRUE(x.has_value()) << problem;
        EXPECT_EQ(*x, Form26->expectedAnswer()) << problem;
        ui::type(Form26->Edit5, QString::number(*x));
        QTest::mouseClick(Form26->BitBtn1, Qt::LeftButton);
        if (n < 10) {
            EXPECT_EQ(lastNotice(Form26), QStringLiteral("Klausimas %1: ").arg(n + 1) + description(Form26->Edit5));
        }
    }
    EXPECT_EQ(Form26->Label12->text(), QStringLiteral("10"));
    checkControls(Form26);
    for (int n = 1; n <= 10; ++n) {
        SCOPED_TRACE(n);
        QLineEdit* box = Form26->reviewRow(n).answer;
        EXPECT_EQ(spoken::solveEquation(description(box)), box->text().toInt()) << description(box);
    }
}

TEST_F(Accessibility, AnAnswerBoxDescribedAgainFollowsItsNewLabels)
{
    TWindow window("Window", QStringLiteral("Veltora"));
    auto* a = new QLabel(QStringLiteral("2"), &window);
    auto* op = new QLabel(QStringLiteral("+"), &window);
    auto* b = new QLabel(QStringLiteral("3"), &window);
    auto* box = new QLineEdit(&window);
    describeAnswer(box, {a, op, b});
    EXPECT_EQ(description(box), QStringLiteral("2 + 3"));
    // Texts written by a handler are read after it.
    runHandler([&] { b->setText(QStringLiteral("-4")); });
    EXPECT_EQ(description(box), QStringLiteral("2 + -4"));
    describeAnswer(box, {b, op, a});
    EXPECT_EQ(description(box), QStringLiteral("-4 + 2"));
    // A label that goes away is left out.
    delete b;
    refreshAnswerDescriptions();
    EXPECT_EQ(description(box), QStringLiteral("+ 2"));
}
