// Every case of the worked solutions, word for word, with the pupils' classic examples.
#include "trainer/problems.h"
#include "trainer/solutions.h"

#include <gtest/gtest.h>

using namespace zenkla;

namespace {

// "~" means the text is left as it is; visibility 'S' shown, 'H' hidden, '~' left as it is.
struct Line {
    const char* text;
    char visible;
};

struct Row {
    const char* name;
    const char* a;
    const char* sign;
    const char* b;
    Line l27, l28, l29, l30, l31;
};

const char* const differentSigns = "Ženklai skirtingi, todėl iš didesnio modulio atimame mažesnį.";
const char* const bothNegative = "Abu skaičiai neigiami, todėl jų modulius reikia sudėti.";
const char* const minusBefore = "Prieš gautą skaičių parašę minuso ženklą, gauname:";
const char* const negativeLarger =
    "Neigiamo skaičiaus modulis didesnis, todėl prieš gautą skaičių parašę minuso ženklą, gauname:";
const char* const oneNegative =
    "Kadangi vienas skaičius neigiamas, todėl prieš gautą skaičių parašome minuso ženklą:";

const Row rows[] = {
    // Addition.
    {"add_both_negative", "-3", "+", "-5.5", {"Abu skaičiai neigiami, todėl jų modulius reikia sudėti.", '~'},
     {"3 + 5,5 = 8,5", '~'}, {minusBefore, 'S'}, {"-8,5", 'S'}, {"~", 'H'}},
    {"add_example_minus3_plus5", "-3", "+", "5", {differentSigns, '~'}, {"5 - 3 = 2", '~'}, {"~", 'H'},
     {"~", 'H'}, {"~", 'H'}},
    {"add_a_larger_negative", "-7", "+", "2", {differentSigns, '~'}, {"7 - 2 = 5", '~'}, {negativeLarger, 'S'},
     {"-5", 'S'}, {"~", 'H'}},
    {"add_a_larger_positive", "7.25", "+", "-2", {differentSigns, '~'}, {"7,25 - 2 = 5,25", '~'}, {"~", 'H'},
     {"~", 'H'}, {"~", 'H'}},
    {"add_b_larger_negative", "2", "+", "-7", {differentSigns, '~'}, {"7 - 2 = 5", '~'}, {negativeLarger, 'S'},
     {"-5", 'S'}, {"~", 'H'}},
    {"add_5_plus_minus5", "5", "+", "-5", {differentSigns, '~'}, {"5 - 5 = 0", '~'}, {"~", 'H'}, {"~", 'H'},
     {"~", 'H'}},
    // Subtraction.
    {"sub_example_2_minus_minus4", "2", "-", "-4", {"Skaičius sudėję, turime:", '~'}, {"6", '~'}, {"~", 'H'},
     {"~", 'H'}, {"Atskliaudę gauname:         2+4", 'S'}},
    {"sub_both_negative_a_larger", "-7", "-", "-3", {differentSigns, '~'}, {"7 - 3 = 4", '~'},
     {negativeLarger, 'S'}, {"-4", 'S'}, {"Atskliaudę gauname:         -7+3", 'S'}},
    {"sub_both_negative_b_larger", "-3", "-", "-7.5", {differentSigns, '~'}, {"7,5 - 3 = 4,5", '~'},
     {"~", 'H'}, {"~", 'H'}, {"Atskliaudę gauname:         -3+7,5", 'S'}},
    {"sub_both_negative_equal", "-4", "-", "-4", {differentSigns, '~'}, {"4 - 4 = 0", '~'}, {"~", 'H'},
     {"~", 'H'}, {"Atskliaudę gauname:         -4+4", 'S'}},
    {"sub_a_negative_b_positive", "-3", "-", "5", {bothNegative, '~'}, {"3 + 5 = 8", '~'}, {minusBefore, 'S'},
     {"-8", 'S'}, {"~", 'H'}},
    {"sub_both_positive", "15", "-", "5", {"~", '~'}, {"~", '~'}, {"~", '~'}, {"~", '~'}, {"~", 'H'}},
    // Multiplication.
    {"mul_both_negative", "-3", "·", "-5", {"Abu skaičiai neigiami, todėl sudauginame jų modulius", '~'},
     {"3·5=15", '~'}, {"~", 'H'}, {"~", 'H'}, {"~", 'H'}},
    {"mul_a_negative", "-2.5", "·", "4", {"Pirmiausia sudauginame skaičių modulius:", '~'}, {"2,5·4=10", '~'},
     {oneNegative, 'S'}, {"-10", 'S'}, {"~", 'H'}},
    {"mul_b_negative", "3", "·", "-0.5", {"Pirmiausia sudauginame skaičių modulius:", '~'}, {"3·0,5=1,5", '~'},
     {oneNegative, 'S'}, {"-1,5", 'S'}, {"~", 'H'}},
    {"mul_both_positive", "3", "·", "5", {"Pirmiausia sudauginame skaičių modulius:", '~'}, {"3·5=15", '~'},
     {"~", '~'}, {"~", '~'}, {"~", 'H'}},
    // Division.
    {"div_both_negative", "-15", ":", "-5", {"Abu skaičiai neigiami, todėl dalijame jų modulius", '~'},
     {"15:5=3", '~'}, {"~", 'H'}, {"~", 'H'}, {"~", 'H'}},
    {"div_example_15_by_minus5", "15", ":", "-5", {"Pirmiausia dalijame skaičių modulius:", '~'}, {"15:5=3", '~'},
     {oneNegative, 'S'}, {"-3", 'S'}, {"~", 'H'}},
    {"div_a_negative", "-700.6652", ":", "56.78", {"Pirmiausia dalijame skaičių modulius:", '~'},
     {"700,6652:56,78=12,34", '~'}, {oneNegative, 'S'}, {"-12,34", 'S'}, {"~", 'H'}},
    {"div_both_positive", "15", ":", "5", {"Pirmiausia dalijame skaičių modulius:", '~'}, {"15:5=3", '~'},
     {"~", '~'}, {"~", '~'}, {"~", 'H'}},
};

class WorkedSolutions : public testing::TestWithParam<Row> {};

void expectLine(const char* label, const SolutionLine& got, const Line& want)
{
    if (std::string(want.text) == "~")
        EXPECT_FALSE(got.text.has_value()) << label << " text should stay, got " << got.text->toStdString();
    else {
        ASSERT_TRUE(got.text.has_value()) << label;
        EXPECT_EQ(got.text->toStdString(), want.text) << label;
    }
    if (want.visible == '~')
        EXPECT_FALSE(got.visible.has_value()) << label << " visibility should stay";
    else {
        ASSERT_TRUE(got.visible.has_value()) << label;
        EXPECT_EQ(*got.visible, want.visible == 'S') << label;
    }
}

} // namespace

TEST_P(WorkedSolutions, WordForWord)
{
    const Row& r = GetParam();
    const WorkedSolution w = solve(Decimal::fromText(QString::fromLatin1(r.a)).value(), QString::fromUtf8(r.sign),
                                   Decimal::fromText(QString::fromLatin1(r.b)).value(), u',');
    expectLine("Label27", w.label27, r.l27);
    expectLine("Label28", w.label28, r.l28);
    expectLine("Label29", w.label29, r.l29);
    expectLine("Label30", w.label30, r.l30);
    expectLine("Label31", w.label31, r.l31);
}

INSTANTIATE_TEST_SUITE_P(Tables, WorkedSolutions, testing::ValuesIn(rows),
                         [](const testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

TEST(WorkedSolution, AnEmptySignChangesNothing)
{
    const WorkedSolution w = solve(Decimal{3}, QString(), Decimal{-4}, u',');
    for (const SolutionLine* l : {&w.label27, &w.label28, &w.label29, &w.label30, &w.label31}) {
        EXPECT_FALSE(l->text.has_value());
        EXPECT_FALSE(l->visible.has_value());
    }
}

TEST(WorkedSolution, UsesTheGivenSeparator)
{
    const WorkedSolution w = solve(Decimal::fromText(u"-2.5").value(), sign::plus, Decimal{1}, u'.');
    EXPECT_EQ(w.label28.text->toStdString(), "2.5 - 1 = 1.5");
    EXPECT_EQ(w.label30.text->toStdString(), "-1.5");
}
