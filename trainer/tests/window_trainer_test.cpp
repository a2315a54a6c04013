// Form1 in use (Parts 5.1 and 5.2), driven through its controls and menus: Command2 and its ten
// steps, the level and operation menus, the modes, the timer, the answer box and judging.
#include "zenkla_ui.h"

#include <QClipboard>

using namespace zenkla;

namespace {

const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);

std::string s(const QString& q)
{
    return q.toStdString();
}

} // namespace

TEST_F(Zenkla, PasirinkauStartsARoundOfTheChosenOperationAndLevel)
{
    start(2, 7); // "Atimtis", level 2
    EXPECT_TRUE(find<QTimer>("Timer1")->isActive());
    for (const char* n : {"Label16", "Label1", "Label4", "Label5", "Label2", "Text1"})
        EXPECT_TRUE(shown(n)) << n;
    for (const char* n : {"Label17", "Label18", "Frame1", "Frame2", "Command2", "Command1", "Frame4"})
        EXPECT_FALSE(shown(n)) << n;
    EXPECT_EQ(window->focusWidget(), answerBox());
    EXPECT_EQ(text("Label1"), QStringLiteral("-"));
    EXPECT_EQ(text("Label16"), QStringLiteral("Atimtis"));
    EXPECT_EQ(window->veiksm, QStringLiteral("atimtis."));
    EXPECT_EQ(text("Label23"), QStringLiteral("2 [-20;20]"));
    EXPECT_EQ(window->pr, 7);
    EXPECT_EQ(window->sk, 20);
    EXPECT_EQ(window->d, 0);
    EXPECT_EQ(text("Label13"), QStringLiteral("0"));
    EXPECT_EQ(text("Label15"), QStringLiteral("0"));
    EXPECT_EQ(text("Label3"), QString());
    EXPECT_TRUE(menuEnabled("mnuVeiksmai"));
    EXPECT_TRUE(menuEnabled("mnuLygis"));
    EXPECT_TRUE(action("mnuAtimtis")->isChecked());
    EXPECT_FALSE(action("mnuSudėtis")->isChecked());
    EXPECT_TRUE(action("mnu2")->isChecked());
    EXPECT_FALSE(action("mnu1")->isChecked());
    // The problem on show is the window's a and b in the standard number text.
    EXPECT_EQ(text("Label4"), numberText(window->a));
    EXPECT_FALSE(window->a > Decimal{} && window->b > Decimal{});
    EXPECT_EQ(text("Label5"), secondOperandText(window->b, systemSeparator()));
    EXPECT_LE(window->a.abs(), Decimal{21});
    EXPECT_EQ(window->l, 0); // not reset by Command2
}

struct OperationRow {
    int option;
    const char* sign;
    const char* title;
    const char* theme;
    const char* item;
};

TEST_F(Zenkla, EachOperationOptionSetsSignTitleThemeAndCheckMark)
{
    const OperationRow rows[] = {
        {1, "+", "Sudėtis", "sudėtis.", "mnuSudėtis"},
        {2, "-", "Atimtis", "atimtis.", "mnuAtimtis"},
        {3, "·", "Daugyba", "daugyba.", "mnuDaugyba"},
        {4, ":", "Dalyba", "dalyba.", "mnuDalyba"},
        {5, nullptr, "Įvairūs veiksmai", "įvairūs veiksmai", "mnuĮvairūs_veiksmai"},
    };
    for (const OperationRow& r : rows) {
        SCOPED_TRACE(r.title);
        trigger("mnuIš_naujo");
        start(r.option);
        if (r.sign)
            EXPECT_EQ(text("Label1"), QString::fromUtf8(r.sign));
        else
            EXPECT_TRUE(QStringList({"+", "-", "·", ":"}).contains(text("Label1")));
        EXPECT_EQ(text("Label16"), QString::fromUtf8(r.title));
        EXPECT_EQ(window->veiksm, QString::fromUtf8(r.theme));
        for (const char* item : {"mnuSudėtis", "mnuAtimtis", "mnuDaugyba", "mnuDalyba", "mnuĮvairūs_veiksmai"})
            EXPECT_EQ(action(item)->isChecked(), std::string(item) == r.item) << item;
    }
}

TEST_F(Zenkla, DivisionOnTheStartScreenIsEven)
{
    for (int i = 0; i < 50; ++i) {
        trigger("mnuIš_naujo");
        start(4, 6 + i % 4);
        const Decimal q = *exactResult(window->a, text("Label1"), window->b);
        ASSERT_EQ(q * window->b, window->a);
    }
}

TEST_F(Zenkla, LevelFourHasTwoDecimalsFromTheStartScreenAndOneFromTheMenu)
{
    start(1, 9);
    EXPECT_EQ(text("Label23"), QStringLiteral("4 [-100.00;100.00]"));
    EXPECT_EQ(window->d, 2);
    EXPECT_EQ(window->sk, 100);
    EXPECT_EQ(window->pr, 10);
    bool twoDecimals = false;
    for (int i = 0; i < 40 && !twoDecimals; ++i) {
        window->Command1_Click();
        twoDecimals = window->a.units() % 1000 != 0 || window->b.units() % 1000 != 0;
    }
    EXPECT_TRUE(twoDecimals);

    trigger("mnu4");
    EXPECT_EQ(text("Label23"), QStringLiteral("4 [-100.0;100.0]"));
    EXPECT_EQ(window->d, 1);
    EXPECT_TRUE(action("mnu4")->isChecked());
    EXPECT_FALSE(action("mnu1")->isChecked());
    for (int i = 0; i < 200; ++i) {
        window->Command1_Click();
        ASSERT_EQ(window->a.units() % 1000, 0);
        ASSERT_EQ(window->b.units() % 1000, 0);
    }
}

TEST_F(Zenkla, TheLevelMenuResetsAndDrawsAFirstProblem)
{
    start(1);
    answer(QStringLiteral("99999"));
    ASSERT_TRUE(shown("Frame4"));
    window->l = 30;
    trigger("mnu2");
    EXPECT_FALSE(shown("Frame4"));
    EXPECT_EQ(window->l, -1);
    EXPECT_EQ(text("Label13"), QStringLiteral("0"));
    EXPECT_EQ(text("Label15"), QStringLiteral("0"));
    EXPECT_EQ(text("Label23"), QStringLiteral("2 [-20;20]"));
    EXPECT_EQ(window->pr, 7);
    EXPECT_EQ(window->sk, 20);
    EXPECT_EQ(text("Text1"), QString());
    // nauja leaves the verdict and the "must be" line as they are.
    EXPECT_EQ(text("Label3"), QStringLiteral("Neteisingai"));
    EXPECT_TRUE(shown("Label6"));
    EXPECT_LE(window->a.abs(), Decimal{21});
    for (const char* item : {"mnu1", "mnu3", "mnu4"})
        EXPECT_FALSE(action(item)->isChecked());
    EXPECT_TRUE(action("mnu2")->isChecked());
}

TEST_F(Zenkla, FirstProblemsAtLevelOneReachElevenAndFollowUpsAtLevelTwoNeverGoBelowSeven)
{
    Decimal highest;
    for (int i = 0; i < 400; ++i) {
        window->mnu1_Click();
        highest = std::max({highest, window->a.abs(), window->b.abs()});
    }
    EXPECT_EQ(highest, Decimal{11});
    window->mnu2_Click();
    Decimal lowest{100};
    for (int i = 0; i < 400; ++i) {
        window->Command1_Click();
        lowest = std::min({lowest, window->a.abs(), window->b.abs()});
    }
    EXPECT_EQ(lowest, Decimal{7});
}

TEST_F(Zenkla, SwitchingPlusToMinusKeepsTheOperands)
{
    start(1);
    setProblem(Decimal{3}, QStringLiteral("+"), Decimal{-5});
    answer(QStringLiteral("0"));
    window->l = 12;
    trigger("mnuAtimtis");
    EXPECT_EQ(text("Label4"), QStringLiteral("3"));
    EXPECT_EQ(text("Label1"), QStringLiteral("-"));
    EXPECT_EQ(text("Label5"), QStringLiteral("(-5)"));
    EXPECT_EQ(text("Label16"), QStringLiteral("Atimtis"));
    EXPECT_EQ(window->veiksm, QStringLiteral("atimtis."));
    EXPECT_EQ(window->l, -1);
    EXPECT_EQ(text("Label13"), QStringLiteral("0"));
    EXPECT_EQ(text("Label15"), QStringLiteral("0"));
    EXPECT_EQ(text("Text1"), QString());
    EXPECT_EQ(text("Label3"), QString());
    EXPECT_EQ(text("Label7"), QString());
    EXPECT_FALSE(shown("Label6"));
    EXPECT_FALSE(shown("Frame4"));
    EXPECT_TRUE(action("mnuAtimtis")->isChecked());
    EXPECT_FALSE(action("mnuSudėtis")->isChecked());
    answer(QStringLiteral("8"));
    EXPECT_EQ(text("Label3"), QStringLiteral("Teisingai"));
}

TEST_F(Zenkla, SwitchingToDivisionTurnsThreeAndMinusFiveIntoFifteenByMinusFive)
{
    start(1);
    setProblem(Decimal{3}, QStringLiteral("+"), Decimal{-5});
    trigger("mnuDalyba");
    EXPECT_EQ(window->a, Decimal{15});
    EXPECT_EQ(text("Label4"), QStringLiteral("15"));
    EXPECT_EQ(text("Label1"), QStringLiteral(":"));
    EXPECT_EQ(text("Label5"), QStringLiteral("(-5)"));
    EXPECT_EQ(window->veiksm, QStringLiteral("dalyba."));
    answer(QStringLiteral("-3"));
    EXPECT_EQ(text("Label3"), QStringLiteral("Teisingai"));
}

TEST_F(Zenkla, PressingDivisionAgainAndAgainNeverOverflows)
{
    start(4, 9);
    setProblem(dec("99.99"), QStringLiteral(":"), dec("-99.99"));
    for (int i = 0; i < 40; ++i)
        trigger("mnuDalyba");
    EXPECT_LT(window->a.abs(), Decimal{1000000} * Decimal{1000000});
    const Decimal q = *exactResult(window->a, QStringLiteral(":"), window->b);
    EXPECT_EQ(q * window->b, window->a);
    answer(numberText(q, u'.'));
    EXPECT_EQ(text("Label3"), QStringLiteral("Teisingai"));
}

TEST_F(Zenkla, MultiplicationFromTheMenuLeavesTheVerdictAndCorrectResult)
{
    start(1);
    setProblem(Decimal{3}, QStringLiteral("+"), Decimal{-5});
    answer(QStringLiteral("1"));
    trigger("mnuDaugyba");
    EXPECT_EQ(text("Label1"), QStringLiteral("·"));
    EXPECT_EQ(text("Label3"), QStringLiteral("Neteisingai"));
    EXPECT_EQ(text("Label7"), QStringLiteral("-2"));
    EXPECT_TRUE(shown("Label6"));
    EXPECT_FALSE(shown("Frame4"));
    EXPECT_EQ(window->veiksm, QStringLiteral("daugyba."));
}

TEST_F(Zenkla, MixedModeFromTheMenuDrawsASignAtTheNextToliau)
{
    start(1);
    trigger("mnuĮvairūs_veiksmai");
    EXPECT_EQ(text("Label1"), QStringLiteral("+"));
    EXPECT_EQ(text("Label16"), QStringLiteral("Įvairūs veiksmai"));
    EXPECT_EQ(window->veiksm, QStringLiteral("įvairūs veiksmai."));
    EXPECT_TRUE(window->mixedMode());
    QSet<QString> signs;
    for (int i = 0; i < 60; ++i) {
        window->Command1_Click();
        signs.insert(text("Label1"));
        if (text("Label1") == QStringLiteral(":")) {
            ASSERT_EQ(*exactResult(window->a, QStringLiteral(":"), window->b) * window->b, window->a);
        }
    }
    EXPECT_EQ(signs, QSet<QString>({"+", "-", "·", ":"}));
}

TEST_F(Zenkla, TheMixedSignIsDrawnBeforeTheOperands)
{
    // Sign 0.6 → "·"; a = 1 + 10·0.2 = 3; b = 1 + 10·0.4 = 5; r1, r2 ≥ 0.5 → both negated.
    window->setDrawSource(std::make_unique<ScriptedDraws>(std::initializer_list<double>{0.6, 0.2, 0.4, 0.7, 0.9}));
    start(5);
    EXPECT_EQ(text("Label1"), QStringLiteral("·"));
    EXPECT_EQ(text("Label4"), QStringLiteral("-3"));
    EXPECT_EQ(text("Label5"), QStringLiteral("(-5)"));
}

TEST_F(Zenkla, WithoutAnOperationTheSignIsEmptyAndEnterOnlyShowsToliau)
{
    start(0);
    EXPECT_EQ(text("Label1"), QString());
    EXPECT_EQ(text("Label23"), QStringLiteral("1 [-10;10]"));
    EXPECT_TRUE(action("mnu1")->isChecked());
    for (const char* item : {"mnuSudėtis", "mnuAtimtis", "mnuDaugyba", "mnuDalyba", "mnuĮvairūs_veiksmai"})
        EXPECT_FALSE(action(item)->isChecked());
    answer(QStringLiteral("5"));
    EXPECT_TRUE(shown("Command1"));
    EXPECT_EQ(window->focusWidget(), find("Command1"));
    EXPECT_EQ(text("Label3"), QString());
    EXPECT_EQ(text("Label13"), QStringLiteral("0"));
    EXPECT_EQ(text("Label15"), QStringLiteral("0"));
    EXPECT_FALSE(shown("Frame4"));
    EXPECT_FALSE(shown("Label6"));
}

TEST_F(Zenkla, TheFirstTickAfterStartUpShowsOneSecondAndAfterAResetZero)
{
    start(1);
    window->Timer1_Timer();
    EXPECT_EQ(text("Label9"), QStringLiteral("0"));
    EXPECT_EQ(text("Label8"), QStringLiteral("1"));
    for (int i = 0; i < 64; ++i)
        window->Timer1_Timer();
    EXPECT_EQ(text("Label9"), QStringLiteral("1"));
    EXPECT_EQ(text("Label8"), QStringLiteral("5"));
    for (const char* reset : {"mnu3", "mnuSudėtis", "mnuĮvairūs_veiksmai", "mnuIš_naujo"}) {
        SCOPED_TRACE(reset);
        trigger(reset);
        EXPECT_EQ(window->l, -1);
        window->Timer1_Timer();
        EXPECT_EQ(text("Label9"), QStringLiteral("0"));
        EXPECT_EQ(text("Label8"), QStringLiteral("0"));
        window->Timer1_Timer();
        EXPECT_EQ(text("Label8"), QStringLiteral("1"));
    }
    // "&Iš naujo" leaves the timer running; Command2 does not reset the counter.
    EXPECT_TRUE(find<QTimer>("Timer1")->isActive());
    start(1);
    window->Timer1_Timer();
    EXPECT_EQ(text("Label8"), QStringLiteral("2"));
}

TEST_F(Zenkla, TheTimerReallyTicksOnceASecond)
{
    start(1);
    EXPECT_EQ(text("Label8"), QString());
    QTest::qWait(1150);
    EXPECT_EQ(text("Label9"), QStringLiteral("0"));
    EXPECT_EQ(text("Label8"), QStringLiteral("1"));
}

TEST_F(Zenkla, TheAnswerBoxTakesOnlyDigitsMinusAndPointAndACommaBecomesAPoint)
{
    start(1);
    type(answerBox(), QStringLiteral("a-1x,5 ž+Ą2"));
    EXPECT_EQ(text("Text1"), QStringLiteral("-1.52"));
    QTest::keyClick(answerBox(), Qt::Key_Backspace);
    EXPECT_EQ(text("Text1"), QStringLiteral("-1.5"));
    QTest::keyClick(answerBox(), Qt::Key_Home);
    type(answerBox(), QStringLiteral("7"));
    EXPECT_EQ(text("Text1"), QStringLiteral("7-1.5"));
    // Every key makes the verdict label visible.
    label("Label3")->hide();
    type(answerBox(), QStringLiteral("q"));
    EXPECT_TRUE(shown("Label3"));
}

TEST_F(Zenkla, PastedTextGoesThroughTheSameFilter)
{
    start(1);
    QApplication::clipboard()->setText(QStringLiteral("Ats.: -12,5 (tiksliai)"));
    answerBox()->paste();
    EXPECT_EQ(text("Text1"), QStringLiteral(".-12.5"));
    answerBox()->clear();
    answerBox()->insert(QStringLiteral("x3y"));
    EXPECT_EQ(text("Text1"), QStringLiteral("3"));
    QTest::keyClick(answerBox(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text("Text1"), QStringLiteral("3.-12.5"));
}

TEST_F(Zenkla, EnterOnAnEmptyBoxDoesNothing)
{
    start(1);
    QTest::keyClick(answerBox(), Qt::Key_Return);
    EXPECT_FALSE(shown("Command1"));
    EXPECT_EQ(text("Label3"), QString());
    EXPECT_EQ(window->focusWidget(), answerBox());
    EXPECT_EQ(text("Label13"), QStringLiteral("0"));
}

TEST_F(Zenkla, ARightAnswerIsBlueTeisingaiAndCounts)
{
    start(1);
    setProblem(Decimal{-3}, QStringLiteral("+"), Decimal{5});
    answer(QStringLiteral("2"));
    EXPECT_EQ(text("Label3"), QStringLiteral("Teisingai"));
    EXPECT_EQ(colour("Label3"), blue);
    EXPECT_EQ(text("Label13"), QStringLiteral("1"));
    EXPECT_EQ(text("Label15"), QStringLiteral("0"));
    EXPECT_TRUE(shown("Command1"));
    EXPECT_EQ(window->focusWidget(), find("Command1"));
    EXPECT_FALSE(shown("Frame4"));
    EXPECT_FALSE(shown("Label6"));
    EXPECT_EQ(text("Text1"), QStringLiteral("2")); // the typed text stays
    EXPECT_EQ(text("Label4"), QStringLiteral("-3")); // the problem stays
}

TEST_F(Zenkla, AWrongAnswerShowsTheVerdictTheCorrectResultAndTheWorkedSolution)
{
    start(1);
    setProblem(Decimal{-3}, QStringLiteral("+"), Decimal{5});
    answer(QStringLiteral("-2"));
    EXPECT_EQ(text("Label3"), QStringLiteral("Neteisingai"));
    EXPECT_EQ(colour("Label3"), red);
    EXPECT_EQ(text("Label15"), QStringLiteral("1"));
    EXPECT_EQ(colour("Label14"), red);
    EXPECT_EQ(colour("Label15"), red);
    EXPECT_TRUE(shown("Label6"));
    EXPECT_EQ(text("Label6"), QStringLiteral("Turi būti "));
    EXPECT_EQ(colour("Label6"), blue);
    EXPECT_TRUE(shown("Label7"));
    EXPECT_EQ(text("Label7"), QStringLiteral("2"));
    EXPECT_EQ(colour("Label7"), blue);
    EXPECT_TRUE(shown("Frame4"));
    EXPECT_EQ(text("Label27"), QStringLiteral("Ženklai skirtingi, todėl iš didesnio modulio atimame mažesnį."));
    EXPECT_EQ(text("Label28"), QStringLiteral("5 - 3 = 2"));
    EXPECT_FALSE(shown("Label29"));
    EXPECT_FALSE(shown("Label30"));
    EXPECT_FALSE(shown("Label31"));
    EXPECT_EQ(window->focusWidget(), find("Command1"));
}

TEST_F(Zenkla, FivePlusMinusFiveIsZeroAndTheSolutionSaysFiveMinusFive)
{
    start(1);
    setProblem(Decimal{5}, QStringLiteral("+"), Decimal{-5});
    answer(QStringLiteral("10"));
    EXPECT_EQ(text("Label7"), QStringLiteral("0"));
    EXPECT_EQ(text("Label28"), QStringLiteral("5 - 5 = 0"));
    EXPECT_FALSE(shown("Label29"));
    EXPECT_FALSE(shown("Label30"));
    answer(QStringLiteral("-0"));
    EXPECT_EQ(text("Label3"), QStringLiteral("Teisingai"));
}

TEST_F(Zenkla, TheSubtractionExampleShowsTheBracketsOpened)
{
    start(2);
    setProblem(Decimal{2}, QStringLiteral("-"), Decimal{-4});
    answer(QStringLiteral("-2"));
    EXPECT_TRUE(shown("Label31"));
    EXPECT_EQ(text("Label31"), QStringLiteral("Atskliaudę gauname:         2+4"));
    EXPECT_EQ(text("Label27"), QStringLiteral("Skaičius sudėję, turime:"));
    EXPECT_EQ(text("Label28"), QStringLiteral("6"));
    EXPECT_FALSE(shown("Label29"));
    // A following wrong multiplication hides Label31 and shows the sign lines.
    trigger("mnuDaugyba");
    answer(QStringLiteral("8"));
    EXPECT_FALSE(shown("Label31"));
    EXPECT_EQ(text("Label27"), QStringLiteral("Pirmiausia sudauginame skaičių modulius:"));
    EXPECT_EQ(text("Label28"), QStringLiteral("2·4=8"));
    EXPECT_TRUE(shown("Label29"));
    EXPECT_EQ(text("Label30"), QStringLiteral("-8"));
}

TEST_F(Zenkla, TheTypedNumberIsComparedExactlyAndNeverOverflows)
{
    start(3, 8);
    setProblem(dec("1.5"), QStringLiteral("+"), Decimal{1});
    answer(QStringLiteral("2.50001"));
    EXPECT_EQ(text("Label3"), QStringLiteral("Neteisingai"));
    answer(QStringLiteral("123456789012345678901234567890"));
    EXPECT_EQ(text("Label3"), QStringLiteral("Neteisingai"));
    EXPECT_EQ(text("Label15"), QStringLiteral("2"));
    answer(QStringLiteral("2,5"));
    EXPECT_EQ(text("Text1"), QStringLiteral("2.5"));
    EXPECT_EQ(text("Label3"), QStringLiteral("Teisingai"));
    answer(QStringLiteral("2.5-"));
    EXPECT_EQ(text("Label3"), QStringLiteral("Teisingai"));
    answer(QStringLiteral("2.5.7"));
    EXPECT_EQ(text("Label3"), QStringLiteral("Teisingai"));
    EXPECT_EQ(text("Label13"), QStringLiteral("3"));
}

TEST_F(Zenkla, ALoneMinusCountsAsZero)
{
    start(1);
    setProblem(Decimal{-4}, QStringLiteral("-"), Decimal{-4});
    answer(QStringLiteral("-"));
    EXPECT_EQ(text("Label3"), QStringLiteral("Teisingai"));
}

TEST_F(Zenkla, SevenPointZeroShowsAsSevenAndSevenIsRight)
{
    start(1, 8);
    setProblem(dec("3.5"), QStringLiteral("+"), dec("3.5"));
    answer(QStringLiteral("7"));
    EXPECT_EQ(text("Label3"), QStringLiteral("Teisingai"));
    setProblem(dec("7.0"), QStringLiteral("-"), dec("-0.5"));
    EXPECT_EQ(text("Label4"), QStringLiteral("7"));
}

TEST_F(Zenkla, NumbersShowWithTheRegionalSeparator)
{
    start(1, 8);
    setProblem(dec("2.50"), QStringLiteral("+"), dec("-0.5"));
    const QChar sep = systemSeparator();
    EXPECT_EQ(text("Label4"), QStringLiteral("2") + sep + QStringLiteral("5"));
    EXPECT_EQ(text("Label5"), QStringLiteral("(-0") + sep + QStringLiteral("5)"));
    answer(QStringLiteral("1"));
    EXPECT_EQ(text("Label7"), QStringLiteral("2"));
    EXPECT_EQ(text("Label28"), QStringLiteral("2") + sep + QStringLiteral("5 - 0") + sep + QStringLiteral("5 = 2"));
    const char* all = std::getenv("LC_ALL");
    if (all && std::string(all).starts_with("lt_LT")) {
        EXPECT_EQ(s(text("Label4")), "2,5");
        EXPECT_EQ(s(text("Label5")), "(-0,5)");
    }
}

TEST_F(Zenkla, ASecondEnterJudgesAndCountsTheSameAnswerAgain)
{
    start(1);
    setProblem(Decimal{-3}, QStringLiteral("+"), Decimal{-4});
    answer(QStringLiteral("-7"));
    answerBox()->setFocus();
    QTest::keyClick(answerBox(), Qt::Key_Return);
    EXPECT_EQ(text("Label13"), QStringLiteral("2"));
}

TEST_F(Zenkla, TheRedOfTheWrongTallyNeverResets)
{
    start(1);
    setProblem(Decimal{-3}, QStringLiteral("+"), Decimal{-4});
    answer(QStringLiteral("7"));
    trigger("mnu1");
    trigger("mnuIš_naujo");
    EXPECT_EQ(colour("Label14"), red);
    EXPECT_EQ(colour("Label15"), red);
    EXPECT_EQ(text("Label15"), QStringLiteral("0"));
}

TEST_F(Zenkla, EnterOnTheFocusedToliauPressesItAndDrawsAFollowUp)
{
    start(2, 7);
    setProblem(Decimal{-3}, QStringLiteral("-"), Decimal{-4});
    answer(QStringLiteral("5"));
    ASSERT_EQ(window->focusWidget(), find("Command1"));
    QTest::keyClick(find("Command1"), Qt::Key_Return);
    EXPECT_FALSE(shown("Command1"));
    EXPECT_FALSE(shown("Frame4"));
    EXPECT_FALSE(shown("Label6"));
    EXPECT_FALSE(shown("Label7"));
    EXPECT_EQ(text("Label3"), QString());
    EXPECT_EQ(text("Text1"), QString());
    EXPECT_EQ(window->focusWidget(), answerBox());
    EXPECT_EQ(text("Label26"), QStringLiteral(" 1 pratimas"));
    EXPECT_GE(window->a.abs(), Decimal{7});
    EXPECT_GE(window->b.abs(), Decimal{7});
    EXPECT_EQ(text("Label1"), QStringLiteral("-"));
    // The tallies run on.
    EXPECT_EQ(text("Label15"), QStringLiteral("1"));
}

TEST_F(Zenkla, EnterOnTheFocusedPasirinkauPressesIt)
{
    find("Command2")->setFocus();
    QTest::keyClick(find("Command2"), Qt::Key_Return);
    EXPECT_FALSE(shown("Command2"));
    EXPECT_TRUE(shown("Text1"));
}

TEST_F(Zenkla, MenuShortcutsWorkInTheRealWindow)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    click("Command2");
    ASSERT_TRUE(shown("Text1"));
    QTest::keyClick(answerBox(), Qt::Key_C, Qt::ControlModifier); // "&Kontrolinis darbas"
    EXPECT_TRUE(action("mnuKontrolinis_darbas")->isChecked());
    EXPECT_TRUE(shown("text2"));
    window->k = 5; // the hidden "&Režimas" menu takes no shortcut: the test is not restarted
    QTest::keyClick(find("text2"), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(window->k, 5);
    QTest::keyClick(find("text2"), Qt::Key_N, Qt::ControlModifier); // "&Iš naujo"
    EXPECT_TRUE(action("mnuTreniruoklis")->isChecked());
    EXPECT_TRUE(shown("Command2"));
    QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier); // "&Baigti"
    EXPECT_TRUE(ended);
}

TEST_F(Zenkla, TheTestModeOpensTheNameEntryAndHidesToliau)
{
    start(1);
    setProblem(Decimal{-3}, QStringLiteral("+"), Decimal{5});
    answer(QStringLiteral("1"));
    ASSERT_TRUE(shown("Command1"));
    window->l = 40;
    window->k = 3;
    window->kontr = 2;
    trigger("mnuKontrolinis_darbas");
    EXPECT_FALSE(shown("Command1")); // mended
    for (const char* n : {"Frame4", "Picture1", "Label17", "Label16", "Label18", "Label21", "Label2", "Text1",
                          "Frame1", "Frame2", "Frame3", "Label3", "Label6", "Label7", "Command2", "Command3",
                          "Label1", "Label4", "Label5"})
        EXPECT_FALSE(shown(n)) << n;
    for (const char* n : {"Label19", "Label20", "Label24", "text2", "Label22", "Label23"})
        EXPECT_TRUE(shown(n)) << n;
    EXPECT_EQ(text("Label21"), QStringLiteral("Mokinys"));
    EXPECT_EQ(window->l, -1);
    EXPECT_EQ(window->k, 0);
    EXPECT_EQ(window->kontr, 0);
    EXPECT_EQ(text("Text1"), QString());
    EXPECT_FALSE(menuVisible("mnuVeiksmai"));
    EXPECT_FALSE(menuVisible("mnuLygis"));
    EXPECT_FALSE(menuVisible("mnuRežimas"));
    EXPECT_TRUE(menuVisible("mnuPrograma"));
    EXPECT_TRUE(menuVisible("mnuPagalba"));
    EXPECT_FALSE(action("mnuTreniruoklis")->isChecked());
    EXPECT_TRUE(action("mnuKontrolinis_darbas")->isChecked());
    EXPECT_EQ(window->focusWidget(), find("text2"));
}

TEST_F(Zenkla, TrainerModeFromTheMenuKeepsTheProblem)
{
    start(1);
    const QString problem = text("Label4") + text("Label1") + text("Label5");
    window->k = 4;
    trigger("mnuTreniruoklis");
    EXPECT_TRUE(action("mnuTreniruoklis")->isChecked());
    EXPECT_FALSE(action("mnuKontrolinis_darbas")->isChecked());
    EXPECT_EQ(window->k, 0);
    EXPECT_TRUE(shown("Frame3"));
    for (const char* n : {"Label26", "Label19", "Label20", "Label24", "text2"})
        EXPECT_FALSE(shown(n)) << n;
    EXPECT_EQ(text("Label4") + text("Label1") + text("Label5"), problem);
    EXPECT_TRUE(shown("Text1"));
}

TEST_F(Zenkla, IsNaujoReturnsToTheStartScreenInTrainerMode)
{
    start(3, 8);
    setProblem(Decimal{-3}, QStringLiteral("·"), Decimal{5});
    answer(QStringLiteral("1"));
    window->l = 9;
    trigger("mnuIš_naujo");
    for (const char* n : {"Frame4", "Label26", "Label20", "Label24", "Label21", "text2", "Label16", "Picture1",
                          "Label3", "Label6", "Label7", "Label19", "Label2", "Text1", "Label4", "Label5", "Label1",
                          "Command1"})
        EXPECT_FALSE(shown(n)) << n;
    for (const char* n : {"Frame3", "Label17", "Label18", "Frame1", "Frame2", "Command2"})
        EXPECT_TRUE(shown(n)) << n;
    EXPECT_EQ(text("Label16"), QString());
    EXPECT_EQ(window->veiksm, QString());
    EXPECT_EQ(window->l, -1);
    EXPECT_EQ(text("Label13"), QStringLiteral("0"));
    EXPECT_EQ(text("Label15"), QStringLiteral("0"));
    EXPECT_EQ(text("Text1"), QString());
    EXPECT_FALSE(menuEnabled("mnuVeiksmai"));
    EXPECT_FALSE(menuEnabled("mnuLygis"));
    EXPECT_TRUE(menuVisible("mnuVeiksmai"));
    EXPECT_TRUE(menuVisible("mnuLygis"));
    EXPECT_TRUE(menuEnabled("mnuRežimas"));
    EXPECT_TRUE(menuVisible("mnuRežimas"));
    EXPECT_TRUE(action("mnuTreniruoklis")->isChecked());
    // The option buttons keep their selection.
    EXPECT_TRUE(find<QRadioButton>("Option3")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("Option8")->isChecked());
    EXPECT_TRUE(find<QTimer>("Timer1")->isActive());
}

TEST_F(Zenkla, IsNaujoLeavesATestAndRestoresTheMenus)
{
    trigger("mnuKontrolinis_darbas");
    trigger("mnuIš_naujo");
    EXPECT_TRUE(menuVisible("mnuVeiksmai"));
    EXPECT_TRUE(menuVisible("mnuLygis"));
    EXPECT_TRUE(menuVisible("mnuRežimas"));
    EXPECT_TRUE(action("mnuTreniruoklis")->isChecked());
    EXPECT_FALSE(action("mnuKontrolinis_darbas")->isChecked());
    EXPECT_FALSE(shown("text2"));
    EXPECT_TRUE(shown("Frame3"));
    EXPECT_TRUE(shown("Command2"));
}

TEST_F(Zenkla, Command3ReturnsFromAFinishedTestToTheStartScreen)
{
    trigger("mnuKontrolinis_darbas");
    find("Command3")->show();
    find("Label26")->show();
    window->l = 100;
    click("Command3");
    EXPECT_FALSE(shown("Command3"));
    EXPECT_FALSE(shown("Label26"));
    EXPECT_FALSE(shown("Picture1"));
    EXPECT_TRUE(shown("Frame1"));
    EXPECT_TRUE(shown("Command2"));
    EXPECT_TRUE(shown("Frame3"));
    EXPECT_TRUE(menuVisible("mnuRežimas"));
    EXPECT_TRUE(action("mnuTreniruoklis")->isChecked());
    EXPECT_EQ(window->l, -1);
}

TEST_F(Zenkla, InTestModeCommand2KeepsTheMenusDisabledAndNumbersTheProblem)
{
    trigger("mnuKontrolinis_darbas");
    // The name entry shows the frames and Command2; here they are shown directly.
    for (const char* n : {"Frame1", "Frame2", "Command2"})
        find(n)->show();
    start(1, 6);
    EXPECT_FALSE(menuEnabled("mnuVeiksmai"));
    EXPECT_FALSE(menuEnabled("mnuLygis"));
    EXPECT_TRUE(shown("Label26"));
    EXPECT_EQ(text("Label26"), QStringLiteral(" 1   pratimas:"));
    EXPECT_FALSE(shown("Frame3"));
    EXPECT_EQ(text("Label13"), QStringLiteral("0"));
}
