// Zenkla under thousands of random but legal pupil actions: its menus, the visible enabled
// push and option buttons, typing (Lithuanian letters too), pastes, Enter, Tab and Backspace in
// its answer and name boxes, with the About and error windows answered as a pupil would.
// After every action: some window is on screen unless "&Baigti" ended the program, the
// tallies show the verdicts given since they were last set to 0, a test's count of right
// answers and its results table follow its answers, and kontr.txt holds one well-formed line
// per finished test, nothing else. Replay a failure with SOAK_SEED=<seed> (and SOAK_ACTIONS=<n>).
#include "soak/soak.h"

#include "trainer/form1.h"
#include "trainer/forms.h"
#include "trainer/namefilter.h"
#include "trainer/problems.h"
#include "trainer/resultsfile.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <array>
#include <memory>

using namespace zenkla;

namespace {

const QString rightVerdict = QStringLiteral("Teisingai");
const QString wrongVerdict = QStringLiteral("Neteisingai");

std::string str(const QString& s)
{
    return s.toStdString();
}

// The character of each Windows-1257 byte (0xFFFF where the code page has none).
const std::array<char16_t, 256>& codePage()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t;
        t.fill(0xFFFF);
        for (int u = 0; u < 0x10000; ++u)
            if (const int code = windows1257Code(QChar(static_cast<char16_t>(u))); code >= 0)
                t[static_cast<std::size_t>(code)] = static_cast<char16_t>(u);
        return t;
    }();
    return table;
}

// Every line of the file: a name the name entry lets through, a blank, a grade 0 … 10, a blank,
// CR LF. Returns the number of lines, or -1 with the reason.
int wellFormedLines(const QByteArray& file, std::string& reason)
{
    if (!file.isEmpty() && !file.endsWith("\r\n")) {
        reason = "the file does not end with a line end";
        return -1;
    }
    QList<QByteArray> lines = file.split('\n');
    lines.removeLast();
    for (const QByteArray& line : lines) {
        const qsizetype gradeStart = line.lastIndexOf(' ', line.size() - 3);
        const QByteArray grade = gradeStart > 0 ? line.mid(gradeStart + 1, line.size() - gradeStart - 3) : QByteArray();
        bool ok = false;
        const int g = grade.toInt(&ok);
        const qsizetype nameLength = gradeStart;
        bool nameOk = nameLength >= 1 && nameLength <= maxNameLength && line.endsWith(" \r");
        for (qsizetype i = 0; nameOk && i < nameLength; ++i)
            nameOk = nameCharacterAllowed(QChar(codePage()[static_cast<unsigned char>(line.at(i))]));
        if (!nameOk || !ok || g < 0 || g > 10 || grade != QByteArray::number(g)) {
            reason = "malformed line \"" + line.toStdString() + '"';
            return -1;
        }
    }
    return static_cast<int>(lines.size());
}

QByteArray fileContent()
{
    QFile f(QString::fromLatin1(resultsFileName));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int countOf(const QLabel* l)
{
    return l->text().isEmpty() ? 0 : l->text().toInt();
}

class ZenklaSoak : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        previous_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        // The About and error windows are modal: a pupil presses their "Ok" (or closes them).
        modalCloser_.setInterval(1);
        QObject::connect(&modalCloser_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            ++modals_;
            if (auto* ok = modal->findChild<QPushButton*>(QStringLiteral("Command1")); ok && random_.chance(0.8))
                ok->click();
            else
                modal->close();
        });
        modalCloser_.start();
        start();
    }
    void TearDown() override
    {
        modalCloser_.stop();
        destroyForms();
        QDir::setCurrent(previous_);
    }

    void start()
    {
        createForms();
        w_ = Form1;
        w_->setDrawSource(std::make_unique<RandomDraws>(settings_.seed + static_cast<std::uint64_t>(restarts_)));
        w_->setProgramEnd([this] { ended_ = true; });
        w_->setMessage([this](const QString& m) { messages_.append(m); });
        right_ = 0;
        wrong_ = 0;
    }
    void restart()
    {
        destroyForms();
        ended_ = false;
        ++restarts_;
        start();
    }

    bool shown(QWidget* c) const { return c->isVisibleTo(w_) && c->isEnabled(); }
    bool testMode() const { return w_->mnuKontrolinis_darbas->isChecked(); }

    QString answerText()
    {
        const std::optional<Decimal> r = exactResult(w_->a, w_->Label1->text(), w_->b);
        switch (random_.weighted({9, 4, 2, 5})) {
        case 0:
            if (r)
                return numberText(*r, random_.chance(0.5) ? u'.' : u',');
            [[fallthrough]];
        case 1:
            if (r)
                return numberText(*r + Decimal::fromUnits(random_.chance(0.5) ? 10000 : -100), u'.');
            [[fallthrough]];
        case 2:
            return QString::number(random_.below(401) - 200);
        default:
            return random_.text(soak::otherKeys + soak::lithuanianLetters, 9);
        }
    }
    QString nameText()
    {
        const QString letters = soak::latinLetters + soak::lithuanianLetters + QStringLiteral("  ");
        if (random_.chance(0.1))
            return random_.text(letters + soak::otherKeys, 40); // long, or with keys the box refuses
        return random_.text(letters, 12);
    }

    QString act()
    {
        QList<QAction*> items;
        for (QAction* title : w_->menuBar()->actions())
            if (title->isVisible() && title->isEnabled() && title->menu())
                for (QAction* a : title->menu()->actions())
                    if (a->isVisible() && a->isEnabled() && !a->isSeparator())
                        items.append(a);
        QList<QAbstractButton*> buttons;
        for (QAbstractButton* b : w_->findChildren<QAbstractButton*>())
            if (shown(b))
                buttons.append(b);
        QList<KeyBox*> boxes;
        for (KeyBox* b : {w_->Text1, w_->text2})
            if (shown(b))
                boxes.append(b);
        for (;;) {
            // In a test a pupil seldom turns to the menus; with an answer box on show they mostly
            // answer: type and press Enter.
            const bool answering = shown(w_->Text1);
            switch (random_.weighted({testMode() ? 1 : 4, 30, 12, 12, 4, 3, 3, answering ? 40 : 0})) {
            case 0:
                if (!items.isEmpty()) {
                    QAction* a = random_.pick(items);
                    // "&Baigti" ends the program: a pupil seldom chooses it in the middle.
                    if (a == w_->mnuBaigti && !random_.chance(0.2))
                        break;
                    a->trigger();
                    return QStringLiteral("menu ") + a->objectName();
                }
                break;
            case 1:
                if (!buttons.isEmpty()) {
                    QAbstractButton* b = random_.pick(buttons);
                    if (qobject_cast<QRadioButton*>(b))
                        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(8, b->height() / 2));
                    else
                        QTest::mouseClick(b, Qt::LeftButton);
                    return QStringLiteral("click ") + b->objectName();
                }
                break;
            case 2:
                if (!boxes.isEmpty()) {
                    KeyBox* b = random_.pick(boxes);
                    const QString t = b == w_->Text1 ? answerText() : nameText();
                    b->setFocus();
                    if (b == w_->Text1 && random_.chance(0.8))
                        b->clear();
                    for (const QChar c : t)
                        QTest::sendKeyEvent(QTest::Click, b, Qt::Key_unknown, QString(c), Qt::NoModifier);
                    return QStringLiteral("type \"") + t + QStringLiteral("\" into ") + b->objectName();
                }
                break;
            case 3:
                if (!boxes.isEmpty()) {
                    KeyBox* b = random_.pick(boxes);
                    QTest::keyClick(b, Qt::Key_Return);
                    return QStringLiteral("Enter in ") + b->objectName();
                }
                break;
            case 4:
                if (!boxes.isEmpty()) {
                    KeyBox* b = random_.pick(boxes);
                    const QString t = b == w_->Text1 ? answerText() : nameText();
                    QGuiApplication::clipboard()->setText(t);
                    QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
                    return QStringLiteral("paste \"") + t + QStringLiteral("\" into ") + b->objectName();
                }
                break;
            case 5:
                if (!boxes.isEmpty()) {
                    KeyBox* b = random_.pick(boxes);
                    QTest::keyClick(b, Qt::Key_Backspace);
                    return QStringLiteral("Backspace in ") + b->objectName();
                }
                break;
            case 7: {
                const QString t = answerText();
                w_->Text1->setFocus();
                w_->Text1->clear();
                for (const QChar c : t)
                    QTest::sendKeyEvent(QTest::Click, w_->Text1, Qt::Key_unknown, QString(c), Qt::NoModifier);
                QTest::keyClick(w_->Text1, Qt::Key_Return);
                return QStringLiteral("answer \"") + t + QStringLiteral("\"");
            }
            default: {
                QWidget* target = QApplication::focusWidget();
                if (!target || target->window() != w_)
                    target = w_;
                QTest::keyClick(target, Qt::Key_Tab);
                return QStringLiteral("Tab in ") + target->objectName();
            }
            }
        }
    }

    struct Before {
        int k;
        int kontr;
        bool test;
        QByteArray file;
        QString name;
    };

    void check(const Before& before)
    {
        ASSERT_TRUE(messages_.isEmpty()) << "message box: " << str(messages_.join(u'\n'));
        const QByteArray file = fileContent();
        std::string reason;
        const int lines = wellFormedLines(file, reason);
        ASSERT_GE(lines, 0) << reason;
        ASSERT_TRUE(file.startsWith(before.file)) << "earlier lines of kontr.txt changed";
        if (ended_) {
            ASSERT_EQ(file, before.file) << "ending the program wrote to kontr.txt";
            return;
        }
        ASSERT_TRUE(w_->isVisible()) << "no window on screen, and the program did not end";

        // The tallies: the verdict of this action added, or both set back to 0.
        const QString verdict = w_->Label3->text();
        ASSERT_TRUE(verdict.isEmpty() || verdict == rightVerdict || verdict == wrongVerdict) << str(verdict);
        const int shownRight = countOf(w_->Label13);
        const int shownWrong = countOf(w_->Label15);
        ASSERT_GE(shownRight, 0);
        ASSERT_GE(shownWrong, 0);
        if (verdict.isEmpty() && shownRight == 0 && shownWrong == 0) {
            right_ = 0;
            wrong_ = 0;
        } else {
            right_ += verdict == rightVerdict;
            wrong_ += verdict == wrongVerdict;
        }
        verdicts_ += !verdict.isEmpty();
        ASSERT_EQ(shownRight, right_) << "right answers";
        ASSERT_EQ(shownWrong, wrong_) << "wrong answers";

        if (!testMode()) {
            ASSERT_EQ(file, before.file) << "kontr.txt written outside a test";
            return;
        }
        // A test: one answer recorded per judged Enter, its right ones counted.
        const int k = w_->k;
        const int kontr = w_->kontr;
        ASSERT_TRUE(k >= 0 && k <= 10 && kontr >= 0 && kontr <= k) << "k " << k << ", kontr " << kontr;
        if (before.test && k == before.k + 1) {
            ++answers_;
            ASSERT_EQ(kontr, before.kontr + (verdict == rightVerdict)) << "right answers of the test";
        } else if (k != 0) {
            ASSERT_EQ(k, before.k) << "answers of the test";
            ASSERT_EQ(kontr, before.kontr) << "right answers of the test";
        }
        // The line of a finished test, and no other.
        if (before.test && before.k == 9 && k == 10) {
            ++finished_;
            ASSERT_EQ(file, before.file + *resultLine(w_->text2->text(), kontr)) << "the finished test's line";
            ASSERT_EQ(lines, finished_) << "lines in kontr.txt";
        } else {
            ASSERT_EQ(file, before.file) << "kontr.txt written while no test finished";
        }
        // The results table: heading, a row per answer numbered in order, then the grade.
        if (w_->Label26->isVisibleTo(w_) || k == 10) {
            const QStringList table = w_->Picture1->lines();
            const qsizetype rows = table.size() - 4 - (k == 10 ? 1 : 0);
            ASSERT_EQ(rows, k) << "results table:\n" << str(table.join(u'\n'));
            for (int i = 1; i <= k; ++i) {
                ASSERT_TRUE(table[3 + i].startsWith(QStringLiteral("      ") + printForm(Decimal{i}, systemSeparator())
                                                    + QStringLiteral("       ")))
                    << "row " << i << ": " << str(table[3 + i]);
            }
            if (k == 10) {
                ASSERT_EQ(table.last(), QStringLiteral("  Pažymys:  ") + gradePrintForm(kontr));
            }
        }
    }

    const soak::Settings settings_ = soak::settings(25000);
    soak::Random random_{settings_.seed};
    soak::Log log_;
    QTemporaryDir dir_;
    QString previous_;
    QTimer modalCloser_;
    TForm1* w_ = nullptr;
    bool ended_ = false;
    QStringList messages_;
    int right_ = 0;
    int wrong_ = 0;
    int restarts_ = 0;
    int modals_ = 0;
    int verdicts_ = 0;
    int answers_ = 0;
    int finished_ = 0;
};

TEST_F(ZenklaSoak, RandomPupilActionsKeepTheWindowAndKontrTxtSound)
{
    std::printf("zenkla soak: seed %llu, %d actions (replay: SOAK_SEED=%llu)\n",
                static_cast<unsigned long long>(settings_.seed), settings_.actions,
                static_cast<unsigned long long>(settings_.seed));
    std::fflush(stdout);
    const soak::Clock clock;
    for (int i = 1; i <= settings_.actions; ++i) {
        if (ended_)
            restart();
        w_->Label3->clear(); // so that a verdict seen after the action is this action's
        const Before before{w_->k, w_->kontr, testMode(), fileContent(), w_->text2->text()};
        log_.add(i, act());
        QCoreApplication::processEvents(); // what the event loop does between two actions
        check(before);
        if (HasFatalFailure()) {
            ADD_FAILURE() << "seed " << settings_.seed << ", action " << i << "; the last actions:\n" << log_.text();
            return;
        }
    }
    std::printf("zenkla soak: %d actions in %.1f s, %d program restarts, %d verdicts, %d test answers, "
                "%d tests finished (lines in kontr.txt), %d About/error windows answered\n",
                settings_.actions, clock.seconds(), restarts_, verdicts_, answers_, finished_, modals_);
    // A run of the usual length finishes tests and writes their lines.
    if (settings_.actions >= 10000) {
        EXPECT_GE(finished_, 1);
    }
}

} // namespace
