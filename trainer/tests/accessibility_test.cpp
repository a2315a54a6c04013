// What a screen reader and other accessibility tools see of Zenkla's windows.
#include "trainer/dialogs.h"
#include "trainer/resultstable.h"
#include "zenkla_ui.h"

#include <QAccessible>
#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>

#include <optional>

using namespace zenkla;

namespace {

QString className(const QObject* object)
{
    return QString::fromLatin1(object->metaObject()->className());
}

} // namespace

TEST_F(Zenkla, TheThreeWindowsAreClassesOfTheirOwn)
{
    TForm2* about = loadForm2();
    TForm3* error = loadForm3();
    const struct {
        QWidget* window;
        const char* objectName;
        const char* className;
    } rows[] = {{window, "Form1", "zenkla::TForm1"}, {about, "Form2", "zenkla::TForm2"}, {error, "Form3", "zenkla::TForm3"}};
    for (const auto& row : rows) {
        EXPECT_EQ(row.window->objectName(), QString::fromLatin1(row.objectName));
        EXPECT_EQ(className(row.window), QString::fromLatin1(row.className));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(row.window);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(className(iface->object()), QString::fromLatin1(row.className));
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Window);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(about)->role(), QAccessible::Dialog);
    unloadForm2();
    unloadForm3();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

namespace {

// Lets the event loop run until it would wait for the next event, as between a pupil's key
// presses: the texts that follow the window are brought up to date then.
void settle()
{
    QEventLoop loop;
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
}

QAccessibleInterface* accessible(QObject* o)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(o);
    if (!iface)
        ADD_FAILURE() << "no accessible interface for " << o->objectName();
    return iface;
}

QString accessibleText(QObject* o, QAccessible::Text which)
{
    QAccessibleInterface* iface = accessible(o);
    return iface ? iface->text(which) : QString();
}

// Every push button, option button and edit box shown in the window has the role a screen
// reader announces and a name.
void checkControls(QWidget* window)
{
    SCOPED_TRACE(window->objectName().toStdString());
    int checked = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        std::optional<QAccessible::Role> role;
        if (qobject_cast<QRadioButton*>(w))
            role = QAccessible::RadioButton;
        else if (qobject_cast<QPushButton*>(w))
            role = QAccessible::Button;
        else if (qobject_cast<QLineEdit*>(w))
            role = QAccessible::EditableText;
        if (!role)
            continue;
        SCOPED_TRACE(w->objectName().toStdString());
        QAccessibleInterface* iface = accessible(w);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), *role);
        EXPECT_FALSE(iface->text(QAccessible::Name).trimmed().isEmpty());
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

} // namespace

class ZenklaAccessibility : public ZenklaInFolder {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ZenklaInFolder::SetUp());
        window->setMessage([](const QString& m) { ADD_FAILURE() << m; });
    }

    // The problem on show as the window's operands and sign give it.
    QString problem() const
    {
        return zenkla::numberText(window->a) + u' ' + text("Label1") + u' ' +
               zenkla::secondOperandText(window->b, zenkla::systemSeparator()) + QStringLiteral(" =");
    }
    void answerRight() const
    {
        const auto r = zenkla::exactResult(window->a, text("Label1"), window->b);
        ASSERT_TRUE(r.has_value());
        answer(zenkla::numberText(*r, u'.'));
    }
};

TEST_F(ZenklaAccessibility, EveryControlOnShowHasARoleAndAName)
{
    checkControls(window); // the start screen
    start(1);
    checkControls(window); // a problem
    answer(QStringLiteral("1000"));
    checkControls(window); // the worked solution and "Toliau"
    trigger("mnuKontrolinis_darbas");
    checkControls(window); // the name entry
    EXPECT_EQ(accessibleText(find("text2"), QAccessible::Name), QStringLiteral("Vardas ir pavardė"));
    EXPECT_EQ(accessibleText(find("text2"), QAccessible::Description), text("Label24") + u' ' + text("Label20"));
    checkControls(loadForm2());
    checkControls(loadForm3());
    unloadForm2();
    unloadForm3();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(ZenklaAccessibility, TheAnswerBoxIsDescribedByTheProblemOnShow)
{
    QWidget* box = answerBox();
    start(1, 8);
    settle();
    EXPECT_EQ(accessibleText(box, QAccessible::Name), QStringLiteral("Atsakymas"));
    EXPECT_EQ(accessibleText(box, QAccessible::Description), problem());
    // After "Toliau", after another operation from the menu (same operands, another sign), and
    // after a division that rewrites the first operand.
    const char* const steps[] = {"Command1", "mnuAtimtis", "mnuDalyba", "Command1", "mnuDaugyba"};
    for (const char* step : steps) {
        SCOPED_TRACE(step);
        const QString before = accessibleText(box, QAccessible::Description);
        answerRight();
        if (QByteArray(step).startsWith("mnu"))
            trigger(step);
        else
            click(step);
        settle();
        EXPECT_EQ(accessibleText(box, QAccessible::Description), problem());
        EXPECT_NE(accessibleText(box, QAccessible::Description), before);
    }
}

TEST_F(ZenklaAccessibility, TallyCountsAreSpokenWithTheirCaptions)
{
    // Before the first round the counts are empty, and so are their names.
    EXPECT_EQ(accessibleText(find("Label13"), QAccessible::Name), QString());
    start(1);
    settle();
    EXPECT_EQ(accessibleText(find("Label13"), QAccessible::Name), QStringLiteral("Teisingai: 0"));
    EXPECT_EQ(accessibleText(find("Label15"), QAccessible::Name), QStringLiteral("Neteisingai: 0"));
    answerRight();
    click("Command1");
    answer(QStringLiteral("1000"));
    click("Command1");
    answer(QStringLiteral("1000"));
    settle();
    EXPECT_EQ(accessibleText(find("Label13"), QAccessible::Name), QStringLiteral("Teisingai: 1"));
    EXPECT_EQ(accessibleText(find("Label15"), QAccessible::Name), QStringLiteral("Neteisingai: 2"));
    EXPECT_EQ(text("Label15"), QStringLiteral("2"));
}

// After an answer the focus is on "&Toliau", which says what the window now shows: the verdict,
// after a wrong answer the right result and every line of the worked solution from the top, and
// the tallies. In a test it says nothing of the answer.
TEST_F(ZenklaAccessibility, ToliauSaysTheVerdictTheSolutionAndTheTallies)
{
    const struct {
        int operation;
        bool right;
    } answers[] = {{1, false}, {2, false}, {3, false}, {4, false}, {1, true}};
    for (const auto& a : answers) {
        SCOPED_TRACE(a.operation);
        start(a.operation);
        if (a.right)
            answerRight();
        else
            answer(QStringLiteral("1000"));
        QWidget* next = find("Command1");
        ASSERT_EQ(window->focusWidget(), next);
        const QString said = accessibleText(next, QAccessible::Description);
        QStringList shownTexts{text("Label3")};
        if (!a.right) {
            shownTexts.append(QStringLiteral("Turi būti ") + text("Label7"));
            shownTexts.append(QStringLiteral("Sprendimas:"));
            QList<QLabel*> lines = find<QGroupBox>("Frame4")->findChildren<QLabel*>();
            std::sort(lines.begin(), lines.end(), [](QLabel* x, QLabel* y) { return x->y() < y->y(); });
            for (QLabel* l : lines)
                if (l->isVisibleTo(window))
                    shownTexts.append(l->text().simplified());
        }
        shownTexts.append(QStringLiteral("Teisingai: ") + text("Label13"));
        shownTexts.append(QStringLiteral("Neteisingai: ") + text("Label15"));
        qsizetype at = 0;
        for (const QString& t : shownTexts) {
            const qsizetype found = said.indexOf(t, at);
            EXPECT_GE(found, at) << t << " in " << said;
            at = qMax(at, found);
        }
        trigger("mnuIš_naujo");
    }
    trigger("mnuKontrolinis_darbas");
    type(find<QLineEdit>("text2"), QStringLiteral("Jonas"));
    QTest::keyClick(find<QLineEdit>("text2"), Qt::Key_Return);
    start(1);
    settle();
    EXPECT_EQ(accessibleText(answerBox(), QAccessible::Description), QStringLiteral("1 pratimas: ") + problem());
    answer(QStringLiteral("1000"));
    EXPECT_EQ(accessibleText(find("Command1"), QAccessible::Description), QString());
    click("Command1");
    settle();
    EXPECT_EQ(accessibleText(answerBox(), QAccessible::Description), QStringLiteral("2 pratimas: ") + problem());
}

// The status box is the window's status bar: the level and the elapsed time, worked out when a
// screen reader asks.
TEST_F(ZenklaAccessibility, TheStatusBoxIsAStatusBarWithTheLevelAndTheTime)
{
    QAccessibleInterface* iface = accessible(find("Shape2"));
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::StatusBar);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Lygis, Laikas"));
    start(1);
    window->Timer1_Timer();
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Lygis 1 [-10;10], Laikas 0:") + text("Label8"));
}

TEST_F(ZenklaAccessibility, TheResultsTableReadsAsItsPrintedLines)
{
    auto* table = find<ResultsTable>("Picture1");
    QAccessibleInterface* iface = accessible(table);
    ASSERT_NE(iface, nullptr);
    QAccessibleTextInterface* textOf = iface->textInterface();
    ASSERT_NE(textOf, nullptr);
    EXPECT_EQ(textOf->characterCount(), 0);

    trigger("mnuKontrolinis_darbas");
    type(find<QLineEdit>("text2"), QStringLiteral("Rūta Žemaitytė"));
    QTest::keyClick(find<QLineEdit>("text2"), Qt::Key_Return);
    start(1);
    for (int i = 0; i < 10; ++i) {
        if (i > 0)
            click("Command1");
        if (i % 3 == 0)
            answer(QStringLiteral("1000"));
        else
            answerRight();
    }
    ASSERT_TRUE(shown("Picture1"));
    EXPECT_EQ(iface->role(), QAccessible::StaticText);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Kontrolinio darbo rezultatai"));
    const QString all = table->lines().join(u'\n');
    ASSERT_EQ(table->lines().size(), 15);
    EXPECT_EQ(textOf->text(0, textOf->characterCount()), all);
    EXPECT_EQ(iface->text(QAccessible::Value), all);
    EXPECT_TRUE(all.startsWith(QStringLiteral("  Sprendė     Rūta Žemaitytė\n")));
    EXPECT_TRUE(all.endsWith(QStringLiteral("\n  Pažymys:   6 ")));

    // Where the grade's "P" stands on screen, and back.
    const int p = int(all.lastIndexOf(QStringLiteral("Pažymys")));
    const QRect rect = textOf->characterRect(p);
    const ResultsTable::Run& grade = table->runs().last();
    const QPoint client = table->mapToGlobal(table->contentsRect().topLeft());
    EXPECT_TRUE(QRect(client, table->contentsRect().size()).contains(rect));
    EXPECT_NEAR(rect.top(), client.y() + grade.position.y(), 1);
    EXPECT_GT(rect.width(), 0);
    EXPECT_EQ(textOf->offsetAtPoint(rect.center()), p);
    EXPECT_EQ(textOf->characterRect(int(all.indexOf(u'\n'))), QRect()); // a line break has no place

    // The "Toliau" under the table has the focus and says every line, the grade and the saving.
    QWidget* leave = find("Command3");
    EXPECT_EQ(window->focusWidget(), leave);
    const QString said = accessibleText(leave, QAccessible::Description);
    qsizetype at = 0;
    for (const QString& line : table->lines()) {
        const QStringList words = line.simplified().split(u' ', Qt::SkipEmptyParts);
        for (const QString& word : words) {
            const qsizetype found = said.indexOf(word, at);
            EXPECT_GE(found, at) << word << " in " << said;
            at = qMax(at, found);
        }
    }
    EXPECT_TRUE(said.endsWith(QStringLiteral("Pažymys: 6. Rezultatas įrašytas į failą kontr.txt."))) << said;

    click("Command3");
    EXPECT_EQ(textOf->characterCount(), 0);
}
