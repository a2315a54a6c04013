// The test mode of the real Form1: name entry, results table, grade and the line in "kontr.txt",
// each case in a temporary working directory.
#include "trainer/dialogs.h"
#include "trainer/pendingresult.h"
#include "trainer/resultstable.h"
#include "resultsfile_support.h"
#include "zenkla_ui.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>

#include <functional>

using zenkla::Decimal;

namespace {

const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);

QByteArray bytes(std::initializer_list<int> codes)
{
    QByteArray b;
    for (int c : codes)
        b.append(static_cast<char>(c));
    return b;
}

class ZenklaTest : public ZenklaInFolder {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ZenklaInFolder::SetUp());
        window->setMessage([this](const QString& m) {
            messages.append(m);
            tableShownAtMessage = shown("Picture1");
        });
    }

    QLineEdit* nameBox() const { return find<QLineEdit>("text2"); }
    ResultsTable* table() const { return find<ResultsTable>("Picture1"); }
    static QByteArray file()
    {
        QFile f(QStringLiteral("kontr.txt"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void key(QWidget* w, Qt::Key k) const { QTest::keyClick(w, k); }
    // Runs act on the modal window as soon as an exec() has opened it, and closes a modal window
    // still open a little later, so that a missing close fails the test but never hangs it.
    void whenModal(std::function<void(QWidget*)> act) const
    {
        QTimer::singleShot(0, window, [act] { act(QApplication::activeModalWidget()); });
        QTimer::singleShot(2000, window, [] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "a modal window stayed open";
                w->close();
            }
        });
    }

    // "&Kontrolinis darbas", the name and Enter, then operation and level and Command2.
    void enterTest(const QString& name, int operation, int levelOption = 6) const
    {
        trigger("mnuKontrolinis_darbas");
        type(nameBox(), name);
        key(nameBox(), Qt::Key_Return);
        start(operation, levelOption);
    }
    // Answers the problem on show rightly, or wrongly by one.
    void answerProblem(bool right) const
    {
        const auto r = zenkla::exactResult(window->a, text("Label1"), window->b);
        ASSERT_TRUE(r.has_value());
        answer(zenkla::numberText(right ? *r : *r + Decimal{1}, u'.'));
    }
    // Ten answers, the first `rightOnes` right, "&Toliau" between them.
    void sitTest(int rightOnes) const
    {
        for (int i = 0; i < 10; ++i) {
            if (i > 0)
                click("Command1");
            answerProblem(i < rightOnes);
        }
    }
    // The runs of the table printed on the line whose top is y.
    QList<ResultsTable::Run> runsAt(qreal y) const
    {
        QList<ResultsTable::Run> found;
        for (const ResultsTable::Run& run : table()->runs())
            if (run.position.y() == y)
                found.append(run);
        return found;
    }
    // Top of the row of answer k: the three 24-pixel header lines and the 20-pixel heading
    // come first.
    static qreal rowTop(int k) { return 72 + 20 * k; }

    QStringList messages;
    bool tableShownAtMessage = false;
};

// --- Name entry ---

TEST_F(ZenklaTest, NameKeysPassByTheirWindows1257Code)
{
    struct Case {
        const char* key;
        bool passes;
    };
    const Case cases[]{
        {"0", false}, {"7", false}, {".", false}, {"-", false}, {",", false}, {"@", false}, {"~", false},
        {"中", false}, {"a", true},  {"Z", true},  {" ", true},  {"_", true},  {"ą", true},  {"Č", true},
        {"ę", true},  {"Ė", true},  {"į", true},  {"š", true},  {"Ų", true},  {"ū", true},  {"ž", true},
        {"ö", true},
    };
    trigger("mnuKontrolinis_darbas");
    for (const Case& c : cases) {
        nameBox()->clear();
        type(nameBox(), QStringLiteral("Jo"));
        type(nameBox(), QString::fromUtf8(c.key));
        EXPECT_EQ(text("text2"), QStringLiteral("Jo") + (c.passes ? QString::fromUtf8(c.key) : QString())) << c.key;
    }
    // Enter on an empty box accepts nothing.
    nameBox()->clear();
    key(nameBox(), Qt::Key_Return);
    EXPECT_TRUE(shown("text2"));
    EXPECT_FALSE(shown("Command2"));
}

TEST_F(ZenklaTest, ThirtyOneCharactersAreTheLongestNameAndOneMoreOpensForm3)
{
    trigger("mnuKontrolinis_darbas");
    const QString longest = QStringLiteral("Ąžuolas Žemaitis Kęstutaitis Jr");
    ASSERT_EQ(longest.size(), 31);
    type(nameBox(), longest);
    EXPECT_EQ(text("text2"), longest);
    key(nameBox(), Qt::Key_Backspace); // allowed at 31
    EXPECT_EQ(text("text2"), longest.left(30));
    EXPECT_EQ(zenkla::Form3, nullptr);
    type(nameBox(), QStringLiteral("r"));
    ASSERT_EQ(text("text2"), longest);

    bool seen = false;
    whenModal([&](QWidget* modal) {
        seen = true;
        ASSERT_NE(zenkla::Form3, nullptr);
        EXPECT_EQ(modal, zenkla::Form3);
        EXPECT_TRUE(zenkla::Form3->isVisible());
        EXPECT_EQ(zenkla::Form3->pos(), window->pos() + QPoint(100, 67));
        EXPECT_EQ(zenkla::Form3->Label1->text(),
                  QStringLiteral("Labai ilgas įrašas. Įrašykite vardą ir pavardę iš naujo."));
        EXPECT_EQ(text("text2"), QString());
        QTest::mouseClick(zenkla::Form3->Command1, Qt::LeftButton);
    });
    type(nameBox(), QStringLiteral("s"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(zenkla::Form3, nullptr);
    EXPECT_EQ(text("text2"), QString());
    EXPECT_EQ(window->focusWidget(), nameBox());
    type(nameBox(), QStringLiteral("Ona")); // the entry starts over
    EXPECT_EQ(text("text2"), QStringLiteral("Ona"));
}

TEST_F(ZenklaTest, PastedNamesGoThroughTheSameFilterAndLimit)
{
    trigger("mnuKontrolinis_darbas");
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("Ona\r\n Pe3tr.ai-tė\t"));
    QTest::keyClick(nameBox(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text("text2"), QStringLiteral("Ona Petraitė"));
    EXPECT_TRUE(shown("text2")); // the line break accepted nothing

    // The context menu's "Paste" takes the same way.
    nameBox()->clear();
    clipboard->setText(QStringLiteral("Jo9nas"));
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5), nameBox()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(nameBox(), &menuEvent);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* paste = nullptr;
    for (QAction* a : menu->actions())
        if (a->text().startsWith(QLineEdit::tr("&Paste")))
            paste = a;
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();
    EXPECT_EQ(text("text2"), QStringLiteral("Jonas"));

    // A paste past 31 characters empties the box and opens Form3.
    nameBox()->setText(QString(28, u'a'));
    clipboard->setText(QStringLiteral("Ąžuolas"));
    bool seen = false;
    whenModal([&](QWidget* modal) {
        seen = modal && modal == zenkla::Form3;
        if (zenkla::Form3)
            QTest::mouseClick(zenkla::Form3->Command1, Qt::LeftButton);
    });
    QTest::keyClick(nameBox(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(seen);
    EXPECT_EQ(text("text2"), QString());
}

TEST_F(ZenklaTest, EnterWithANameShowsTheChoiceAndThePupilLine)
{
    trigger("mnuKontrolinis_darbas");
    type(nameBox(), QStringLiteral("Rūta Žemaitytė"));
    key(nameBox(), Qt::Key_Return);
    for (const char* n : {"Frame1", "Frame2", "Command2", "Label21", "Label19", "Label22", "Label23"})
        EXPECT_TRUE(shown(n)) << n;
    for (const char* n : {"Label20", "Label24", "text2", "Command1", "Picture1", "Frame3"})
        EXPECT_FALSE(shown(n)) << n;
    EXPECT_EQ(text("Label21"), QStringLiteral("Mokinys  Rūta Žemaitytė"));
    EXPECT_EQ(text("text2"), QStringLiteral("Rūta Žemaitytė"));
    EXPECT_FALSE(table()->autoRedraw());
}

// --- The test ---

TEST_F(ZenklaTest, Command2PrintsTheHeaderAndNumbersTheFirstProblem)
{
    enterTest(QStringLiteral("Ona Onaitė"), 2, 7);
    EXPECT_EQ(text("Label26"), QStringLiteral(" 1   pratimas:"));
    for (const char* n : {"Label19", "Label16", "Label21", "Label26", "Text1", "Label4", "Label1", "Label5"})
        EXPECT_TRUE(shown(n)) << n;
    EXPECT_FALSE(shown("Picture1"));
    EXPECT_TRUE(table()->autoRedraw());
    EXPECT_EQ(table()->lines(), (QStringList{
                                    QStringLiteral("  Sprendė     Ona Onaitė"),
                                    QStringLiteral("  Kontrolinio darbo rezultatai"),
                                    QStringLiteral("  Pasirinkta tema  atimtis.   Lygis  2 [-20;20]"),
                                    QStringLiteral("  Eil.nr.  Mokinio sprendimas           Teisingas atsakymas"),
                                }));
    const auto& runs = table()->runs();
    ASSERT_EQ(runs.size(), 4);
    EXPECT_TRUE(runs[0].font.bold());
    EXPECT_EQ(runs[0].font.pointSizeF(), 14);
    EXPECT_EQ(runs[0].colour, QColor(Qt::black));
    EXPECT_EQ(runs[3].font.pointSizeF(), 12);
    EXPECT_EQ(runs[3].position, QPointF(0, 72));
    EXPECT_FALSE(table()->printFont().bold());

    answerProblem(true);
    click("Command1");
    EXPECT_EQ(text("Label26"), QStringLiteral(" 2 pratimas"));
}

// A wrong row: the number blue, the pupil's part red, the correct result blue at column 40 of
// the same line; a right row is blue throughout. Nothing is shown of the verdict.
TEST_F(ZenklaTest, RowsAreBlueAndAWrongAnswersPartRed)
{
    enterTest(QStringLiteral("Ona"), 1);
    struct Case {
        Decimal a;
        Decimal b;
        const char* typed;
        QString part;
        QString result;
        bool right;
    };
    const Case cases[]{
        {Decimal{-3}, Decimal{5}, "1", QStringLiteral("-3   +   5=     1   "), QStringLiteral(" 2 "), false},
        {Decimal{4}, Decimal{-9}, "-5", QStringLiteral(" 4   +   (-9)=    -5   "), QStringLiteral("-5 "), true},
    };
    for (int k = 1; k <= 2; ++k) {
        const Case& c = cases[k - 1];
        if (k > 1)
            click("Command1");
        setProblem(c.a, QStringLiteral("+"), c.b);
        answer(QString::fromLatin1(c.typed));
        for (const char* n : {"Label3", "Label6", "Label7", "Frame4", "Frame3"})
            EXPECT_FALSE(shown(n)) << n;
        EXPECT_TRUE(shown("Command1"));
        const QList<ResultsTable::Run> row = runsAt(rowTop(k));
        ASSERT_EQ(row.size(), 3) << k;
        EXPECT_EQ(row[0].text, QStringLiteral("      ") + QStringLiteral(" %1 ").arg(k) + QStringLiteral("       "));
        EXPECT_EQ(row[0].colour, blue);
        EXPECT_EQ(row[1].text, c.part);
        EXPECT_EQ(row[1].colour, c.right ? blue : red);
        EXPECT_EQ(row[2].text, c.result);
        EXPECT_EQ(row[2].colour, blue);
        EXPECT_EQ(row[2].position.x(), table()->columnX(40));
        EXPECT_GT(row[2].position.x(), ResultsTable::verticalLines[2]);
    }
    EXPECT_EQ(window->k, 2);
    EXPECT_EQ(window->kontr, 1);
}

// Each finished test appends its line; the table and grade show, and Command3 leaves them
// emptied. Three tests in a row: the exact bytes of each line, older lines first.
TEST_F(ZenklaTest, EachFinishedTestAppendsItsLineInWindows1257)
{
    struct Case {
        QString name;
        int right;
        QByteArray line;
    };
    const Case cases[]{
        // "Rūta Žemaitytė": 14 characters, ū Ž ė as single bytes; grade 7: 19 bytes.
        {QStringLiteral("Rūta Žemaitytė"), 7,
         bytes({0x52, 0xFB, 0x74, 0x61, 0x20, 0xDE, 0x65, 0x6D, 0x61, 0x69, 0x74, 0x79, 0x74, 0xEB, 0x20, 0x37, 0x20,
                0x0D, 0x0A})},
        {QStringLiteral("Jonas"), 10, bytes({0x4A, 0x6F, 0x6E, 0x61, 0x73, 0x20, 0x31, 0x30, 0x20, 0x0D, 0x0A})},
        {QStringLiteral("Ąžuolas"), 0, bytes({0xC0, 0xFE, 0x75, 0x6F, 0x6C, 0x61, 0x73, 0x20, 0x30, 0x20, 0x0D, 0x0A})},
    };
    QByteArray expected;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        enterTest(c.name, 3, 8);
        sitTest(c.right);
        expected += c.line;
        EXPECT_EQ(file(), expected);
        EXPECT_EQ(window->kontr, c.right);
        EXPECT_TRUE(messages.isEmpty());

        for (const char* n : {"Picture1", "Command3", "Label26", "Label21"})
            EXPECT_TRUE(shown(n)) << n;
        for (const char* n : {"Label1", "Label2", "Label4", "Label5", "Text1", "Command1"})
            EXPECT_FALSE(shown(n)) << n;
        const QStringList lines = table()->lines();
        ASSERT_EQ(lines.size(), 15); // header 4, rows 10, the grade (the empty line keeps nothing)
        EXPECT_EQ(lines[0], QStringLiteral("  Sprendė     ") + c.name);
        EXPECT_EQ(lines.last(), QStringLiteral("  Pažymys:   %1 ").arg(c.right));
        const ResultsTable::Run& grade = table()->runs().last();
        EXPECT_EQ(grade.colour, red);
        EXPECT_EQ(grade.font.pointSizeF(), 16);
        EXPECT_EQ(grade.position.y(), rowTop(11) + 20); // after an empty 12 pt line
        EXPECT_LE(table()->cursor().y(), table()->contentsRect().height());

        click("Command3");
        EXPECT_TRUE(table()->runs().isEmpty());
        EXPECT_FALSE(table()->autoRedraw());
        EXPECT_FALSE(shown("Picture1"));
        EXPECT_TRUE(shown("Command2"));
    }
}

TEST_F(ZenklaTest, InMixedModeEveryProblemDrawsItsOwnSign)
{
    // Each problem takes five draws: its sign, the two magnitudes, the two sign draws.
    const double signDraw[]{0.1, 0.8, 0.3, 0.6, 0.55, 0.05, 0.4, 0.9, 0.2, 0.3};
    const QString sign[]{"+", ":", "-", "·", "·", "+", "-", ":", "+", "-"};
    auto script = std::make_unique<zenkla::ScriptedDraws>(std::initializer_list<double>{});
    for (double s : signDraw)
        for (double r : {s, 0.25, 0.5, 0.2, 0.7})
            script->push(r);
    window->setDrawSource(std::move(script));
    enterTest(QStringLiteral("Ona"), 5);
    EXPECT_EQ(table()->lines().value(2), QStringLiteral("  Pasirinkta tema  įvairūs veiksmai   Lygis  1 [-10;10]"));
    for (int k = 1; k <= 10; ++k) {
        if (k > 1)
            click("Command1");
        EXPECT_EQ(text("Label1"), sign[k - 1]) << k;
        answerProblem(true);
        const QList<ResultsTable::Run> row = runsAt(rowTop(k));
        ASSERT_EQ(row.size(), 3) << k;
        EXPECT_TRUE(row[1].text.contains(QStringLiteral("   ") + sign[k - 1] + QStringLiteral("   "))) << k;
    }
    EXPECT_EQ(window->kontr, 10);
}

// Level 4 with "įvairūs veiksmai": the long header line and the longest rows are set smaller,
// and every result stays in its own grid row, with the grade inside the box.
TEST_F(ZenklaTest, LongRowsAndHeaderStayInsideTheGrid)
{
    enterTest(QStringLiteral("Ąžuolas Žemaitis Kęstutaitis Jr"), 5, 9);
    const qreal column40 = table()->columnX(40); // in the rows' 12 pt
    const ResultsTable::Run& level = table()->runs()[2];
    EXPECT_LT(level.font.stretch(), 100);
    EXPECT_LE(table()->textWidth(level.font, level.text), ResultsTable::clientWidth);
    for (int k = 1; k <= 10; ++k) {
        if (k > 1)
            click("Command1");
        setProblem(dec("-99.99"), QStringLiteral("·"), dec("-99.99"));
        answer(QStringLiteral("-9998.0001"));
        const QList<ResultsTable::Run> row = runsAt(rowTop(k));
        ASSERT_EQ(row.size(), 3) << k;
        EXPECT_LT(row[1].font.stretch(), 100) << k;
        EXPECT_LT(row[1].position.x() + table()->textWidth(row[1].font, row[1].text.trimmed()),
                  ResultsTable::verticalLines[2])
            << k;
        EXPECT_EQ(row[2].text, printForm(dec("9998.0001"), zenkla::systemSeparator())) << k;
        EXPECT_EQ(row[2].position.x(), column40) << k;
    }
    EXPECT_EQ(window->kontr, 0);
    EXPECT_EQ(table()->runs().last().position.y(), rowTop(11) + 20);
    EXPECT_LE(table()->cursor().y(), table()->contentsRect().height());
}

const QString notSaved = QStringLiteral("Nepavyko įrašyti rezultato į failą kontr.txt.\nPriežastis: ");
const QString busy = QStringLiteral("Failas kontr.txt užimtas: į jį dabar rašo kita programa.");
const QString tryingAgain = QStringLiteral("\nPrograma bandys įrašyti dar kartą kas kelias sekundes.");
const QString savedLater = QStringLiteral("Rezultatas įrašytas į failą kontr.txt.");

// "kontr.txt" is a folder: a message box titled with the window's caption tells why, over the
// table and grade, which stay; leaving them with Command3 tells the grade to write down.
TEST_F(ZenklaTest, AResultsFileThatCannotBeWrittenIsToldAndNothingOnScreenIsLost)
{
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("kontr.txt")));
    destroyForms(); // a fresh window with its own message box
    createForms();
    window = zenkla::Form1;
    window->setDrawSource(std::make_unique<zenkla::RandomDraws>(7));
    enterTest(QStringLiteral("Ona"), 1);
    for (int i = 0; i < 9; ++i) {
        answerProblem(true);
        click("Command1");
    }
    QString title;
    QStringList boxes;
    bool tableShown = false;
    const auto readBox = [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        boxes.append(box->text());
        tableShown = shown("Picture1") && shown("Command3");
        box->accept();
    };
    whenModal(readBox);
    answerProblem(false);
    EXPECT_EQ(title, window->windowTitle());
    const QString reason = notSaved + QStringLiteral("kontr.txt yra aplankas, o ne failas.");
    EXPECT_EQ(boxes, QStringList{reason + tryingAgain});
    EXPECT_TRUE(tableShown);
    EXPECT_TRUE(shown("Picture1"));
    EXPECT_TRUE(shown("Command3"));
    EXPECT_EQ(table()->lines().last(), QStringLiteral("  Pažymys:   9 "));
    EXPECT_TRUE(QFileInfo(QStringLiteral("kontr.txt")).isDir());
    whenModal(readBox);
    click("Command3");
    EXPECT_EQ(boxes.value(1), reason + QStringLiteral("\nUžsirašykite pažymį: 9."));
    EXPECT_TRUE(tableShown); // the grade is still on screen while the pupil reads it
    EXPECT_TRUE(shown("Command2"));
}

// Another program holds "kontr.txt" past the wait at the end of a test: the pupil is told so
// over the table and grade, and the line is kept. It is written by a try while the results
// are on screen, or by the one when the pupil leaves them, and the pupil is told; only when the
// file is still held then is the grade to be written down. A line written the first time
// gives no message at all.
TEST_F(ZenklaTest, AResultsFileHeldByAnotherProgramIsTriedAgainUntilThePupilLeaves)
{
    enum class Release { Never, WhileShown, BeforeLeaving, AtFirstTry };
    struct Case {
        const char* what;
        Release release;
        QStringList told;
        QByteArray after;
    };
    const QString first = notSaved + busy + tryingAgain;
    const Case cases[]{
        {"released while the results are shown", Release::WhileShown, {first, savedLater}, "Ona 4 \r\nJonas 6 \r\n"},
        {"released just before Command3", Release::BeforeLeaving, {first, savedLater}, "Ona 4 \r\nJonas 6 \r\n"},
        {"held past Command3", Release::Never, {first, notSaved + busy + QStringLiteral("\nUžsirašykite pažymį: 6.")},
         "Ona 4 \r\n"},
        {"free at once", Release::AtFirstTry, {}, "Ona 4 \r\nJonas 6 \r\n"},
    };
    const auto previousInterval = zenkla::PendingResult::retryInterval();
    zenkla::PendingResult::setRetryInterval(std::chrono::milliseconds(100));
    LockWait wait{std::chrono::milliseconds(200)};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        messages.clear();
        QFile earlier(QStringLiteral("kontr.txt"));
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("Ona 4 \r\n");
        earlier.close();
        auto holder = std::make_unique<LockHolder>();
        ASSERT_TRUE(holder->locked());
        if (c.release == Release::AtFirstTry)
            holder.reset();
        enterTest(QStringLiteral("Jonas"), 1);
        sitTest(6);
        if (c.release != Release::AtFirstTry) {
            EXPECT_TRUE(tableShownAtMessage);
            EXPECT_EQ(file(), QByteArray("Ona 4 \r\n"));
            QTest::qWait(400); // tries while the file is still held change nothing
            EXPECT_EQ(messages.size(), 1);
        }
        if (c.release == Release::WhileShown) {
            holder.reset();
            EXPECT_TRUE(QTest::qWaitFor([&] { return messages.size() == 2; }, 3000));
            EXPECT_TRUE(shown("Picture1")); // told over the results
        }
        if (c.release == Release::BeforeLeaving)
            holder.reset();
        click("Command3");
        EXPECT_EQ(messages, c.told);
        EXPECT_EQ(file(), c.after);
        holder.reset();
        QTest::qWait(300); // nothing is tried after the pupil left
        EXPECT_EQ(file(), c.after);
        EXPECT_EQ(messages, c.told);
    }
    zenkla::PendingResult::setRetryInterval(previousInterval);
}

// An abandoned test's rows never show in the next test's table.
TEST_F(ZenklaTest, EveryTestStartsOnAnEmptyTable)
{
    enterTest(QStringLiteral("Ona"), 1);
    for (int i = 0; i < 3; ++i) {
        answerProblem(true);
        click("Command1");
    }
    trigger("mnuIš_naujo");
    enterTest(QStringLiteral("Jonas"), 2);
    answerProblem(false);
    const QStringList lines = table()->lines();
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral("  Sprendė     Jonas"));
    EXPECT_EQ(runsAt(rowTop(1)).size(), 3);
    EXPECT_EQ(window->k, 1);
    EXPECT_EQ(window->kontr, 0);
    EXPECT_EQ(file(), QByteArray()); // "&Iš naujo" wrote nothing
}

// One answer per problem: Enter again in the box (focus put back) adds no row and no point.
TEST_F(ZenklaTest, AnAnswerIsRecordedOncePerProblem)
{
    enterTest(QStringLiteral("Ona"), 1);
    answerProblem(true);
    answerBox()->setFocus();
    key(answerBox(), Qt::Key_Return);
    answerProblem(true);
    EXPECT_EQ(window->k, 1);
    EXPECT_EQ(window->kontr, 1);
    EXPECT_EQ(table()->lines().size(), 5);
    click("Command1");
    answerProblem(true);
    EXPECT_EQ(window->k, 2);
    EXPECT_EQ(window->kontr, 2);
}

// Without an operation a problem has no correct result: the row's third column stays empty.
TEST_F(ZenklaTest, WithoutAnOperationARowHasNoCorrectResult)
{
    enterTest(QStringLiteral("Ona"), 0);
    ASSERT_EQ(text("Label1"), QString());
    answer(QStringLiteral("4"));
    EXPECT_EQ(window->k, 1);
    EXPECT_EQ(window->kontr, 0);
    const QList<ResultsTable::Run> row = runsAt(rowTop(1));
    ASSERT_EQ(row.size(), 2);
    EXPECT_EQ(row[1].colour, blue);
}

} // namespace
