// The signed-number practice window TForm8 driven through its controls, as a pupil drives it:
// typing into the answer box and pressing Enter.
#include "practice_support.h"

#include "shell/menus.h"
#include "shell/prompt.h"
#include "signed/helppages.h"
#include "signed/problems.h"
#include "testing/draws.h"

using namespace practice;

namespace {

class SignedPracticeWindow : public PracticeFixture {};

class SignedPracticeWithoutPictures : public PracticeFixture {
protected:
    SignedPracticeWithoutPictures() : PracticeFixture(false) {}
};

QColor colourOf(QLabel* l)
{
    return l->palette().color(QPalette::WindowText);
}

// Only kind k's problem labels, answer box and buttons are visible.
void expectOnlyKindVisible(TForm8* w, int k)
{
    const KindNames& n = names(k);
    for (int other = 1; other <= 10; ++other) {
        const KindNames& o = names(other);
        for (const char* name : {o.first, o.op, o.bracket, o.second, o.closing, o.edit}) {
            if (!name)
                continue;
            const bool ofKind = std::string(name) == n.first || std::string(name) == n.op ||
                                (n.bracket && std::string(name) == n.bracket) || std::string(name) == n.second ||
                                std::string(name) == n.closing || std::string(name) == n.edit;
            EXPECT_EQ(ui::find<QWidget>(w, name)->isVisible(), ofKind) << name << " in kind " << k;
        }
        for (const char* name : {o.check, o.help, o.next})
            EXPECT_EQ(ui::find<QWidget>(w, name)->isVisible(), other == k) << name << " in kind " << k;
        EXPECT_FALSE(image(w, other)->isVisible()) << o.image;
    }
}

// The labels of kind k show a problem of its operation: "+" red, "-", ":" and "*" yellow, a
// negative second factor or divisor in "(" … ")=", and always a negative number or result.
void expectProblemShape(TForm8* w, int k)
{
    const KindNames& n = names(k);
    const Shown s = shown(w, k);
    QLabel* op = lbl(w, n.op);
    // Numbers, bracket and closing sign at top 64; the larger operator on their baseline.
    for (const char* name : {n.first, n.bracket, n.second, n.closing})
        if (name) {
            EXPECT_EQ(lbl(w, name)->y(), 64) << name;
        }
    EXPECT_EQ(op->y() + QFontMetrics(op->font()).ascent(),
              64 + QFontMetrics(lbl(w, n.first)->font()).ascent());
    EXPECT_EQ(op->font().pixelSize(), 37);
    EXPECT_EQ(lbl(w, n.first)->font().pixelSize(), 35);
    EXPECT_EQ(lbl(w, n.first)->text(), QString::number(s.first));
    EXPECT_EQ(lbl(w, n.second)->text(), QString::number(s.second));
    switch (n.operation) {
    case '+':
        ASSERT_TRUE(s.op == QLatin1String("+") || s.op == QLatin1String("-")) << s.op;
        EXPECT_EQ(colourOf(op), s.op == QLatin1String("+") ? colour::red : colour::yellow);
        EXPECT_GT(s.second, 0);
        EXPECT_TRUE(s.first < 0 || expected(w, k) < 0);
        if (n.bracket) {
            EXPECT_EQ(lbl(w, n.bracket)->text(), QString());
        }
        EXPECT_EQ(lbl(w, n.closing)->text(), QStringLiteral("="));
        break;
    case '*':
    case ':':
        EXPECT_EQ(s.op, QString(QLatin1Char(n.operation)));
        EXPECT_EQ(colourOf(op), colour::yellow);
        EXPECT_TRUE(s.first < 0 || s.second < 0);
        EXPECT_EQ(lbl(w, n.bracket)->text(), s.second < 0 ? QStringLiteral("(") : QString());
        EXPECT_EQ(lbl(w, n.closing)->text(), s.second < 0 ? QStringLiteral(")=") : QStringLiteral("="));
        if (n.operation == ':') {
            EXPECT_EQ(s.first % s.second, 0);
        }
        break;
    }
    EXPECT_EQ(colourOf(lbl(w, n.first)), colour::yellow);
    EXPECT_EQ(colourOf(lbl(w, n.second)), colour::yellow);
}

TEST_F(SignedPracticeWindow, StartsInKindOneWithAZeroTally)
{
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Teigiami ir neigiami skaičiai"));
    expectOnlyKindVisible(window, 1);
    expectProblemShape(window, 1);
    EXPECT_EQ(ui::text(window, "Label4"), QStringLiteral("0"));
    EXPECT_EQ(ui::text(window, "Label5"), QStringLiteral("0"));
    EXPECT_EQ(ui::text(window, "Label6"), QString());
    for (int k = 1; k <= 10; ++k)
        EXPECT_FALSE(nextButton(window, k)->isEnabled()) << k;
    EXPECT_TRUE(window->isDefault(window->BitBtn4));
    EXPECT_TRUE(window->isDefault(window->BitBtn30));
    EXPECT_EQ(window->enterTarget(), window->BitBtn4);
    EXPECT_EQ(window->focusWidget(), window->Edit2);
    EXPECT_EQ(ui::text(window, "Label22"), QStringLiteral("* "));
    EXPECT_EQ(ui::text(window, "Label27"), QStringLiteral("*"));
    EXPECT_EQ(signedPractice.expected[0], expected(window, 1));
    EXPECT_EQ(signedPractice.negationFlag, shown(window, 1).first < 0 ? 1 : 0);
}

TEST_F(SignedPracticeWindow, RightAnswerSaysGeraiCountsAndShowsThePicture)
{
    typeAndEnter(window, QString::number(expected(window, 1)));
    EXPECT_EQ(ui::text(window, "Label6"), QStringLiteral("Gerai"));
    EXPECT_EQ(ui::text(window, "Label4"), QStringLiteral("1"));
    EXPECT_EQ(ui::text(window, "Label5"), QStringLiteral("0"));
    EXPECT_TRUE(window->Image2->isVisible());
    EXPECT_EQ(window->Image2->fileName(), QStringLiteral("paveikslai/images0.jpg"));
    EXPECT_FALSE(window->Image2->image().isNull());
    EXPECT_FALSE(window->BitBtn4->isEnabled());
    EXPECT_FALSE(window->Edit2->isEnabled());
    EXPECT_TRUE(window->BitBtn9->isEnabled());
    EXPECT_TRUE(window->isDefault(window->BitBtn9));
    EXPECT_EQ(window->enterTarget(), window->BitBtn9);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(' ');
    EXPECT_FALSE(Form9->isVisible());
}

TEST_F(SignedPracticeWindow, WrongAnswerClearsTheBoxAndSaysBlogai)
{
    const int right = expected(window, 1);
    typeAndEnter(window, QString::number(right + 1));
    EXPECT_EQ(ui::text(window, "Label6"), QStringLiteral("Blogai"));
    EXPECT_EQ(window->Edit2->text(), QString());
    EXPECT_EQ(ui::text(window, "Label4"), QStringLiteral("0"));
    EXPECT_EQ(ui::text(window, "Label5"), QStringLiteral("1"));
    EXPECT_FALSE(window->BitBtn9->isEnabled());
    EXPECT_TRUE(window->BitBtn4->isEnabled());
    EXPECT_TRUE(window->Edit2->isEnabled());
    EXPECT_FALSE(window->Image2->isVisible());
    // Next is a default button now, but disabled: Enter still checks.
    EXPECT_TRUE(window->isDefault(window->BitBtn9));
    EXPECT_EQ(window->enterTarget(), window->BitBtn4);

    // Other ways of writing the right number are wrong too; then the right text is right.
    const QString text = QString::number(right);
    for (const QString& other : {QStringLiteral(" ") + text, text + QStringLiteral(" "),
                                 QStringLiteral("(") + text + QStringLiteral(")")}) {
        typeAndEnter(window, other);
        EXPECT_EQ(ui::text(window, "Label6"), QStringLiteral("Blogai")) << other;
    }
    EXPECT_EQ(ui::text(window, "Label5"), QStringLiteral("4"));
    typeAndEnter(window, text);
    EXPECT_EQ(ui::text(window, "Label6"), QStringLiteral("Gerai"));
    EXPECT_EQ(ui::text(window, "Label4"), QStringLiteral("1"));
    EXPECT_EQ(ui::text(window, "Label5"), QStringLiteral("4"));
}

TEST_F(SignedPracticeWindow, BlankAnswerIsNotEmptyButWrong)
{
    typeAndEnter(window, QStringLiteral(" "));
    EXPECT_FALSE(Form9->isVisible());
    EXPECT_EQ(ui::text(window, "Label6"), QStringLiteral("Blogai"));
    EXPECT_EQ(ui::text(window, "Label5"), QStringLiteral("1"));
}

TEST_F(SignedPracticeWindow, EmptyAnswerPromptsAndChangesNothingElse)
{
    typeAndEnter(window, QString());
    EXPECT_TRUE(Form9->isVisible());
    EXPECT_EQ(ui::text(window, "Label6"), QString());
    EXPECT_EQ(ui::text(window, "Label4"), QStringLiteral("0"));
    EXPECT_EQ(ui::text(window, "Label5"), QStringLiteral("0"));
    EXPECT_TRUE(window->BitBtn4->isEnabled());
    EXPECT_TRUE(window->Edit2->isEnabled());
    EXPECT_FALSE(window->BitBtn9->isEnabled());
    EXPECT_FALSE(window->Image2->isVisible());
    EXPECT_EQ(window->focusWidget(), window->Edit2);
    EXPECT_EQ(window->currentKind(), 1);
}

TEST_F(SignedPracticeWindow, CheckButtonClickedWithTheMouseWorksLikeEnter)
{
    QTest::keyClicks(window->Edit2, QString::number(expected(window, 1)));
    ui::click(window, "BitBtn4");
    EXPECT_EQ(ui::text(window, "Label6"), QStringLiteral("Gerai"));
    ui::click(window, "BitBtn9");
    EXPECT_EQ(visibleKind(window), 2);
}

TEST_F(SignedPracticeWindow, WalksAllTenKindsAndBackToKindOneKeepingTheTally)
{
    int wrong = 0;
    for (int k = 1; k <= 10; ++k) {
        SCOPED_TRACE(k);
        ASSERT_EQ(visibleKind(window), k);
        ASSERT_EQ(window->currentKind(), k);
        expectOnlyKindVisible(window, k);
        expectProblemShape(window, k);
        EXPECT_EQ(window->focusWidget(), edit(window, k));
        EXPECT_TRUE(edit(window, k)->isEnabled());
        EXPECT_EQ(edit(window, k)->text(), QString());
        EXPECT_EQ(ui::text(window, "Label6"), QString());
        EXPECT_EQ(window->enterTarget(), checkButton(window, k));
        EXPECT_EQ(signedPractice.expected[k - 1], expected(window, k));
        if (k > 1) {
            EXPECT_TRUE(window->isDefault(checkButton(window, k)));
        }
        if (k % 3 == 0) {
            typeAndEnter(window, QStringLiteral("100"));
            ++wrong;
            EXPECT_EQ(ui::text(window, "Label6"), QStringLiteral("Blogai"));
        }
        typeAndEnter(window, QString::number(expected(window, k)));
        EXPECT_EQ(ui::text(window, "Label6"), QStringLiteral("Gerai"));
        EXPECT_EQ(ui::text(window, "Label4"), QString::number(k));
        EXPECT_EQ(ui::text(window, "Label5"), QString::number(wrong));
        EXPECT_TRUE(image(window, k)->isVisible());
        EXPECT_EQ(image(window, k)->fileName(), QStringLiteral("paveikslai/images%1.jpg").arg(names(k).firstPicture));
        EXPECT_FALSE(checkButton(window, k)->isEnabled());
        EXPECT_FALSE(edit(window, k)->isEnabled());
        EXPECT_TRUE(nextButton(window, k)->isEnabled());
        EXPECT_EQ(window->enterTarget(), nextButton(window, k));
        pressEnter(window);
        // Kind k is ready for its next turn.
        EXPECT_TRUE(checkButton(window, k)->isEnabled());
        EXPECT_FALSE(nextButton(window, k)->isEnabled());
    }
    EXPECT_EQ(visibleKind(window), 1);
    expectOnlyKindVisible(window, 1);
    expectProblemShape(window, 1);
    EXPECT_EQ(ui::text(window, "Label4"), QStringLiteral("10"));
    EXPECT_EQ(ui::text(window, "Label5"), QString::number(wrong));
    EXPECT_EQ(window->focusWidget(), window->Edit2);
    EXPECT_EQ(window->enterTarget(), window->BitBtn4);
    // The operator label of kinds 5-10 holds "*" again, in yellow, for kind 5.
    EXPECT_EQ(ui::text(window, "Label27"), QStringLiteral("*"));
    EXPECT_EQ(colourOf(window->Label27), colour::yellow);
    // The second round uses the second picture of each cycle.
    for (int k = 1; k <= 10; ++k) {
        typeAndEnter(window, QString::number(expected(window, k)));
        EXPECT_EQ(image(window, k)->fileName(),
                  QStringLiteral("paveikslai/images%1.jpg").arg(names(k).firstPicture + 1));
        pressEnter(window);
    }
    EXPECT_EQ(ui::text(window, "Label4"), QStringLiteral("20"));
}

TEST_F(SignedPracticeWindow, SharedLabelsMoveAsThePlacementTableSays)
{
    struct Place {
        int kind, l26, l27, l28, l29, l30;
    };
    const Place places[] = {{5, 96, 144, 160, 210, 175}, {6, 96, 144, 0, 210, 175},  {7, 96, 144, 0, 210, 175},
                            {8, 80, 144, 160, 210, 175}, {9, 96, 144, 0, 210, 175},  {10, 96, 144, 0, 210, 175}};
    for (int k = 1; k < 5; ++k)
        answerAndGoOn(window);
    for (const Place& p : places) {
        SCOPED_TRACE(p.kind);
        ASSERT_EQ(visibleKind(window), p.kind);
        EXPECT_EQ(window->Label26->x(), p.l26);
        EXPECT_EQ(window->Label27->x(), p.l27);
        EXPECT_EQ(window->Label28->x(), p.l28);
        EXPECT_EQ(window->Label29->x(), p.l29);
        EXPECT_EQ(window->Label30->x(), p.l30);
        answerAndGoOn(window);
    }
}

TEST_F(SignedPracticeWindow, SixRightAnswersOfAKindRunThroughItsCycleThenStartAgain)
{
    for (int round = 0; round < 7; ++round) {
        typeAndEnter(window, QString::number(expected(window, 1)));
        EXPECT_EQ(window->Image2->fileName(), QStringLiteral("paveikslai/images%1.jpg").arg(round % 6));
        pressEnter(window);
        for (int k = 2; k <= 10; ++k)
            answerAndGoOn(window);
    }
    // Kind 4 has five pictures: images18 … images22, then images18 again.
    EXPECT_EQ(window->Image5->fileName(), QStringLiteral("paveikslai/images%1.jpg").arg(18 + 6 % 5));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(' ');
}

TEST_F(SignedPracticeWindow, ANewInstanceStartsAtKindOneAndImagesZero)
{
    for (int k = 1; k <= 3; ++k)
        answerAndGoOn(window);
    typeAndEnter(window, QStringLiteral("100"));
    TForm8* old = window;
    ASSERT_EQ(visibleKind(old), 4);
    ui::click(old, "BitBtn1"); // "Pradžia"
    EXPECT_FALSE(old->isVisible());
    EXPECT_TRUE(Form2->isVisible());
    ui::click(Form2, "BitBtn2"); // "Pratybos"
    window = Form8;
    ASSERT_NE(window, old);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(old->isVisible());
    EXPECT_EQ(visibleKind(window), 1);
    expectOnlyKindVisible(window, 1);
    EXPECT_EQ(ui::text(window, "Label4"), QStringLiteral("0"));
    EXPECT_EQ(ui::text(window, "Label5"), QStringLiteral("0"));
    EXPECT_EQ(ui::text(window, "Label6"), QString());
    for (int k = 1; k <= 3; ++k) {
        typeAndEnter(window, QString::number(expected(window, k)));
        EXPECT_EQ(image(window, k)->fileName(), QStringLiteral("paveikslai/images%1.jpg").arg(names(k).firstPicture));
        pressEnter(window);
    }
    // The old instance kept its own state.
    EXPECT_EQ(ui::text(old, "Label4"), QStringLiteral("3"));
    EXPECT_EQ(ui::text(old, "Label5"), QStringLiteral("1"));
}

TEST_F(SignedPracticeWindow, NavigationLeavesTheWindow)
{
    ui::click(window, "BitBtn5"); // "Turinys"
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(Form1->isVisible());
    enterPractice(WindowNo::SignedPractice);
    ui::click(Form8, "Image1");
    EXPECT_FALSE(Form8->isVisible());
}

// Help of every kind opens the page of the rule for the problem shown and gives the focus
// back to the answer box, touching nothing else.
TEST_F(SignedPracticeWindow, HelpOpensThePageOfTheRuleForEveryKind)
{
    TWindow* pages[] = {Form10, Form11, Form12, Form13};
    for (int round = 0; round < 4; ++round)
        for (int k = 1; k <= 10; ++k) {
            SCOPED_TRACE(k);
            const Shown s = shown(window, k);
            int page;
            if (names(k).operation == '+')
                page = s.first < 0 && s.op == QLatin1String("-") ? 11 : 10;
            else
                page = s.first < 0 && s.second < 0 ? 12 : 13;
            const QString tally = ui::text(window, "Label4") + ui::text(window, "Label5");
            helpButton(window, k)->click();
            for (TWindow* p : pages) {
                EXPECT_EQ(p->isVisible(), p == form(page)) << p->objectName();
                p->hide();
            }
            EXPECT_EQ(window->focusWidget(), edit(window, k));
            EXPECT_EQ(ui::text(window, "Label4") + ui::text(window, "Label5"), tally);
            EXPECT_EQ(ui::text(window, "Label6"), QString());
            EXPECT_FALSE(image(window, k)->isVisible());
            answerAndGoOn(window);
        }
}

TEST_F(SignedPracticeWindow, HelpTwiceBringsTheSamePageToTheFront)
{
    const int before = TWindow::all().size();
    window->BitBtn7->click();
    window->BitBtn7->click();
    EXPECT_EQ(TWindow::all().size(), before);
    int open = 0;
    for (int n = WindowNo::SignedHelp1; n <= WindowNo::SignedHelp4; ++n)
        open += form(n)->isVisible() ? 1 : 0;
    EXPECT_EQ(open, 1);
}

// The draws of an addition, subtraction or multiplication: the first sign (1: minus), the first
// magnitude - 1, the second sign (1: "-" or a negative factor), the second magnitude - 1.
using SignDraws = std::array<int, 4>;

// A new instance whose kind 1 problem is drawn from the given values.
TForm8* practiceWithKindOne(const SignDraws& draws)
{
    ScriptedDraws scripted(draws);
    ScopedDrawSource in(scripted);
    enterPractice(WindowNo::SignedPractice);
    return Form8;
}

TEST_F(SignedPracticeWindow, HelpPagesOfTheEdgeCasesThroughTheWindow)
{
    struct Case {
        SignDraws draws;
        int first;
        char op;
        int second;
        int page;
    };
    for (const Case c : {Case{{1, 3, 1, 5}, -4, '-', 6, 11}, Case{{0, 2, 1, 7}, 3, '-', 8, 10},
                         Case{{1, 3, 0, 5}, -4, '+', 6, 10}}) {
        TForm8* w = practiceWithKindOne(c.draws);
        ASSERT_EQ(ui::text(w, "Label11"), QString::number(c.first));
        ASSERT_EQ(ui::text(w, "Label12"), QString(QLatin1Char(c.op)));
        ASSERT_EQ(ui::text(w, "Label13"), QString::number(c.second));
        w->BitBtn7->click();
        EXPECT_TRUE(form(c.page)->isVisible()) << c.first << c.op << c.second;
        form(c.page)->hide();
    }

    // -2 * (-3) in kind 4, -8 : 2 and 8 : (-2) in kind 3. A division draws the dividend - 1 and
    // the divisor - 1, then the two signs.
    const SignDraws times{1, 1, 1, 2};
    const SignDraws byTwo{7, 1, 1, 0};
    const SignDraws byMinusTwo{7, 1, 0, 1};
    for (const SignDraws& division : {byTwo, byMinusTwo}) {
        ScriptedDraws scripted;
        ScopedDrawSource in(scripted);
        enterPractice(WindowNo::SignedPractice);
        TForm8* w = Form8;
        answerAndGoOn(w);
        typeAndEnter(w, QString::number(expected(w, 2)));
        scripted.append(division);
        pressEnter(w);
        ASSERT_EQ(visibleKind(w), 3);
        w->BitBtn2->click();
        EXPECT_TRUE(Form13->isVisible()) << ui::text(w, "Label8") << " : " << ui::text(w, "Label10");
        Form13->hide();
        if (division == byMinusTwo) {
            EXPECT_EQ(ui::text(w, "Label8"), QStringLiteral("8"));
            EXPECT_EQ(ui::text(w, "Label18"), QStringLiteral("("));
            EXPECT_EQ(ui::text(w, "Label10"), QStringLiteral("-2"));
            EXPECT_EQ(ui::text(w, "Label1"), QStringLiteral(")="));
        } else {
            EXPECT_EQ(ui::text(w, "Label8"), QStringLiteral("-8"));
            EXPECT_EQ(ui::text(w, "Label18"), QString());
            EXPECT_EQ(ui::text(w, "Label10"), QStringLiteral("2"));
            EXPECT_EQ(ui::text(w, "Label1"), QStringLiteral("="));
        }
        typeAndEnter(w, QStringLiteral("-4"));
        EXPECT_EQ(ui::text(w, "Label6"), QStringLiteral("Gerai"));
        scripted.append(times);
        pressEnter(w);
        ASSERT_EQ(visibleKind(w), 4);
        EXPECT_EQ(ui::text(w, "Label21"), QStringLiteral("-2"));
        EXPECT_EQ(ui::text(w, "Label22"), QStringLiteral("* "));
        EXPECT_EQ(ui::text(w, "Label23"), QStringLiteral("("));
        EXPECT_EQ(ui::text(w, "Label25"), QStringLiteral("-3"));
        EXPECT_EQ(ui::text(w, "Label24"), QStringLiteral(")="));
        w->BitBtn13->click();
        EXPECT_TRUE(Form12->isVisible());
        Form12->hide();
        typeAndEnter(w, QStringLiteral("6"));
        EXPECT_EQ(ui::text(w, "Label6"), QStringLiteral("Gerai"));
    }
}

TEST_F(SignedPracticeWindow, EdgeCaseProblemsThroughTheWindow)
{
    // A drawn 7 - 3 shows -3 - 3 = and expects -6.
    TForm8* w = practiceWithKindOne({0, 6, 1, 2});
    EXPECT_EQ(ui::text(w, "Label11"), QStringLiteral("-3"));
    typeAndEnter(w, QStringLiteral("-06"));
    EXPECT_EQ(ui::text(w, "Label6"), QStringLiteral("Blogai"));
    typeAndEnter(w, QStringLiteral("- 6"));
    EXPECT_EQ(ui::text(w, "Label6"), QStringLiteral("Blogai"));
    typeAndEnter(w, QStringLiteral("-6"));
    EXPECT_EQ(ui::text(w, "Label6"), QStringLiteral("Gerai"));
    pressEnter(w);
    answerAndGoOn(w);
    answerAndGoOn(w);
    // A drawn 7 * 3 shows -3 * 3 = and expects -9.
    typeAndEnter(w, QString::number(expected(w, 4)));
    ScriptedDraws timesThree{0, 6, 0, 2};
    ScopedDrawSource in(timesThree);
    pressEnter(w);
    ASSERT_EQ(visibleKind(w), 5);
    EXPECT_EQ(ui::text(w, "Label26"), QStringLiteral("-3"));
    EXPECT_EQ(ui::text(w, "Label27"), QStringLiteral("*"));
    EXPECT_EQ(ui::text(w, "Label28"), QString());
    EXPECT_EQ(ui::text(w, "Label30"), QStringLiteral("3"));
    EXPECT_EQ(ui::text(w, "Label29"), QStringLiteral("="));
    typeAndEnter(w, QStringLiteral("-9"));
    EXPECT_EQ(ui::text(w, "Label6"), QStringLiteral("Gerai"));
    w->BitBtn16->click();
    EXPECT_TRUE(Form13->isVisible());
}

TEST_F(SignedPracticeWithoutPictures, MissingPictureShowsTheErrorButThePupilGoesOn)
{
    typeAndEnter(window, QString::number(expected(window, 1)));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors.front(), QStringLiteral("Cannot open file paveikslai/images0.jpg."));
    EXPECT_EQ(ui::text(window, "Label6"), QStringLiteral("Gerai"));
    EXPECT_EQ(ui::text(window, "Label4"), QStringLiteral("1"));
    EXPECT_TRUE(window->Image2->isVisible());
    EXPECT_FALSE(window->BitBtn4->isEnabled());
    EXPECT_FALSE(window->Edit2->isEnabled());
    EXPECT_TRUE(window->BitBtn9->isEnabled());
    EXPECT_EQ(window->enterTarget(), window->BitBtn9);
    pressEnter(window);
    EXPECT_EQ(visibleKind(window), 2);
    typeAndEnter(window, QString::number(expected(window, 2)));
    ASSERT_EQ(errors.size(), 2);
    EXPECT_EQ(errors.back(), QStringLiteral("Cannot open file paveikslai/images6.jpg."));
    EXPECT_EQ(ui::text(window, "Label4"), QStringLiteral("2"));
    EXPECT_TRUE(window->BitBtn12->isEnabled());
}

} // namespace
