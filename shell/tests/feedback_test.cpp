#include "shell/feedback.h"
#include "shell/forms.h"
#include "shell/handlers.h"
#include "shell/picture.h"
#include "shell/prompt.h"
#include "shell/random.h"
#include "testing/ui.h"
#include "testing/veltora_fixture.h"

#include <QFile>
#include <QLabel>
#include <vector>

namespace {

std::vector<int> files(RewardCycle cycle, int answers)
{
    std::vector<int> shown;
    for (int i = 0; i < answers; ++i)
        shown.push_back(cycle.advance());
    return shown;
}

TEST(RewardCycles, RunThroughTheirFilesAndStartAgain)
{
    EXPECT_EQ(files({0, 6}, 7), (std::vector<int>{0, 1, 2, 3, 4, 5, 0}));
    EXPECT_EQ(files({18, 5}, 6), (std::vector<int>{18, 19, 20, 21, 22, 18}));
    EXPECT_EQ(files({0, 7}, 8), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 0}));
    const std::vector<int> equations = files({101, 50}, 51);
    EXPECT_EQ(equations.front(), 101);
    EXPECT_EQ(equations[49], 150);
    EXPECT_EQ(equations[50], 101);
}

TEST(RewardCycles, TheEighteenCyclesCoverEveryPictureOnce)
{
    // Every picture 0 … 150 belongs to exactly one cycle, but for term pattern 7,
    // which reuses the pictures of the first two signed-number kinds.
    std::vector<int> uses(151, 0);
    auto mark = [&](const RewardCycle& c) {
        for (int n = c.first; n < c.first + c.length; ++n)
            ++uses.at(static_cast<std::size_t>(n));
    };
    for (const RewardCycle& c : rewards::signedKinds)
        mark(c);
    for (int p = 0; p < 6; ++p)
        mark(rewards::expressionPatterns[p]);
    mark(rewards::equations);
    for (int n = 0; n <= 150; ++n)
        EXPECT_EQ(uses[static_cast<std::size_t>(n)], 1) << n;
    EXPECT_EQ(rewards::expressionPatterns[6].first, 0);
    EXPECT_EQ(rewards::expressionPatterns[6].length, 7);
}

TEST(RewardCycles, OnlyTheSignedNumberCountersAreSetBack)
{
    rewards::resetAll();
    rewards::signedKinds[3].advance();
    rewards::expressionPatterns[2].advance();
    rewards::equations.advance();
    rewards::resetSignedKinds();
    EXPECT_EQ(rewards::signedKinds[3].counter, 0);
    EXPECT_EQ(rewards::expressionPatterns[2].counter, 1);
    EXPECT_EQ(rewards::equations.counter, 1);
    rewards::resetAll();
}

TEST(ExactText, OnlyTheDecimalRenderingIsRight)
{
    const struct {
        const char* answer;
        int expected;
        bool right;
    } cases[] = {
        {"-6", -6, true},  {"- 6", -6, false}, {"-06", -6, false}, {"(-6)", -6, false},
        {"6", 6, true},    {"+6", 6, false},   {"6 ", 6, false},    {" 6", 6, false},
        {"0", 0, true},    {"-0", 0, false},   {"00", 0, false},    {" ", 0, false},
        {"16", 16, true},  {"16.0", 16, false}, {"−6", -6, false}, // a typographic minus is not "-"
    };
    for (const auto& c : cases)
        EXPECT_EQ(isExactly(QString::fromUtf8(c.answer), c.expected), c.right) << c.answer;
}

TEST(Loader, ReportsMissingAndBrokenFiles)
{
    ui::WorkingDirectory dir(true);
    QFile::copy(QStringLiteral("paveikslai/images3.jpg"), QStringLiteral("whole.jpg"));
    QFile whole(QStringLiteral("whole.jpg"));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    auto write = [](const char* name, const QByteArray& content) {
        QFile f(QString::fromLatin1(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    };
    write("empty.jpg", {});
    write("text.jpg", "Tai ne paveikslas.\n");
    write("header.jpg", bytes.left(200));
    write("half.jpg", bytes.left(bytes.size() / 2));

    EXPECT_EQ(loadJpeg(QStringLiteral("whole.jpg")).size(), QSize(137, 137));

    const struct {
        const char* file;
        const char* message;
    } failures[] = {
        {"nera.jpg", "Cannot open file nera.jpg."},
        {"paveikslai/images151.jpg", "Cannot open file paveikslai/images151.jpg."},
        {"empty.jpg", "JPEG error #42"},
        {"text.jpg", "JPEG error #53"},
    };
    for (const auto& f : failures) {
        try {
            loadJpeg(QString::fromLatin1(f.file));
            ADD_FAILURE() << f.file << " loaded";
        } catch (const PictureError& e) {
            EXPECT_EQ(e.message(), QString::fromLatin1(f.message));
        }
    }
    // A cut file either decodes with its missing part grey or fails with a JPEG error; never more.
    for (const char* cut : {"header.jpg", "half.jpg"}) {
        try {
            const QImage image = loadJpeg(QString::fromLatin1(cut));
            EXPECT_EQ(image.size(), QSize(137, 137)) << cut;
        } catch (const PictureError& e) {
            EXPECT_TRUE(e.message().startsWith(QStringLiteral("JPEG error #"))) << cut;
        }
    }
}

using Feedback = VeltoraWindows;

TEST_F(Feedback, NextRewardLoadsTheCycleInTurn)
{
    ui::WorkingDirectory dir(true);
    PictureBox box(nullptr);
    box.hide();
    RewardCycle cycle{12, 6};
    showNextReward(cycle, &box);
    EXPECT_FALSE(box.isHidden());
    EXPECT_EQ(box.fileName(), QStringLiteral("paveikslai/images12.jpg"));
    showNextReward(cycle, &box);
    EXPECT_EQ(box.fileName(), QStringLiteral("paveikslai/images13.jpg"));
    EXPECT_TRUE(errors.empty());
}

TEST_F(Feedback, AMissingPictureIsReportedAndTheCallerGoesOn)
{
    ui::WorkingDirectory dir(false);
    PictureBox box(nullptr);
    RewardCycle cycle{0, 6};
    showNextReward(cycle, &box); // returns normally
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], QStringLiteral("Cannot open file paveikslai/images0.jpg."));
    EXPECT_EQ(cycle.counter, 1); // advanced all the same: the next try takes the next file
    EXPECT_FALSE(box.isHidden());
    EXPECT_TRUE(box.image().isNull());
}

TEST_F(Feedback, HandlerHelperShowsPictureErrorsAndLetsNothingEscape)
{
    runHandler([] { throw PictureError(QStringLiteral("JPEG error #53")); });
    runHandler([] { throw std::runtime_error("vidinė klaida"); });
    runHandler([] {});
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0], QStringLiteral("JPEG error #53"));
    EXPECT_EQ(errors[1], QStringLiteral("vidinė klaida"));
}

TEST_F(Feedback, PromptVerdictAndTally)
{
    ASSERT_FALSE(Form9->isVisible());
    promptForAnswer();
    EXPECT_TRUE(Form9->isVisible());
    EXPECT_EQ(ui::text(Form9, "Label1"), QStringLiteral("Iveskite skaičių"));
    EXPECT_TRUE(Form9->windowTitle().isEmpty());
    promptForAnswer(); // already open: still one prompt
    EXPECT_TRUE(Form9->isVisible());

    QWidget window;
    window.resize(800, 500);
    QLabel verdict(&window);
    setVerdict(&verdict, Verdict::Right);
    EXPECT_EQ(verdict.text(), QStringLiteral("Gerai"));
    setVerdict(&verdict, Verdict::Wrong);
    EXPECT_EQ(verdict.text(), QStringLiteral("Blogai"));
    setVerdict(&verdict, Verdict::None);
    EXPECT_TRUE(verdict.text().isEmpty());

    Tally tally(&window, 16, 350);
    EXPECT_EQ(tally.Label2->text(), QStringLiteral("Teisingi atsakymai: "));
    EXPECT_EQ(tally.Label3->text(), QStringLiteral("Neteisingi atsakymai: "));
    EXPECT_EQ(tally.Label4->text(), QStringLiteral("0"));
    EXPECT_EQ(tally.Label5->text(), QStringLiteral("0"));
    tally.countRight();
    tally.countWrong();
    tally.countWrong();
    EXPECT_EQ(tally.Label4->text(), QStringLiteral("1"));
    EXPECT_EQ(tally.Label5->text(), QStringLiteral("2"));
}

TEST(RandomDraws, StayInRangeAndReseedsNeverRepeat)
{
    std::vector<int> seen(7, 0);
    for (int i = 0; i < 7000; ++i) {
        const int d = draw(7);
        ASSERT_GE(d, 0);
        ASSERT_LT(d, 7);
        ++seen[static_cast<std::size_t>(d)];
    }
    for (int count : seen)
        EXPECT_GT(count, 800); // about 1000 each
    // Back-to-back reseeds (well within one millisecond) give different problems.
    auto sequence = [] {
        reseed();
        std::vector<int> s;
        for (int i = 0; i < 6; ++i)
            s.push_back(draw(1000));
        return s;
    };
    std::vector<std::vector<int>> runs;
    for (int i = 0; i < 50; ++i)
        runs.push_back(sequence());
    for (std::size_t i = 1; i < runs.size(); ++i)
        EXPECT_NE(runs[i], runs[i - 1]);
}

TEST(RandomDraws, AFixedSeedRepeatsItsSequence)
{
    auto sequence = [] {
        std::vector<int> s;
        for (int i = 0; i < 3; ++i) {
            reseed();
            s.push_back(draw(1000000));
        }
        return s;
    };
    fixSeed(42);
    const auto first = sequence();
    fixSeed(42);
    EXPECT_EQ(sequence(), first);
    fixSeed(43);
    EXPECT_NE(sequence(), first);
}

} // namespace
