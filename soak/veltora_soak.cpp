// Veltora under thousands of random but legal pupil actions: clicks on the visible enabled
// buttons and picture boxes of any window on screen, typing (Lithuanian letters too), pastes,
// Enter, Tab and Backspace in its answer boxes, closing the windows that have a close button.
// The driver knows no window by name: it works from TWindow::all() and each window's
// children, so every window of the program is covered as it is built. After every action:
// nothing raised an error, some window is on screen unless the program ended, each tally
// shows the verdicts seen in its window so far, and a finished test's grade follows its
// review sheet. Replay a failure with SOAK_SEED=<seed> (and SOAK_ACTIONS=<n>).
#include "soak/soak.h"

#include "shell/forms.h"
#include "shell/handlers.h"
#include "shell/picture.h"
#include "shell/random.h"
#include "shell/window.h"
#include "testing/spoken.h"
#include "testing/ui.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSet>

#include <algorithm>
#include <map>
#include <optional>

namespace {

const QString right = QStringLiteral("Gerai");
const QString wrong = QStringLiteral("Blogai");

// The tally of a practice window, found by its captions: the count label stands at the
// caption's height, to its right.
struct Tally {
    QLabel* rightCount = nullptr;
    QLabel* wrongCount = nullptr;
};

QLabel* countBeside(TWindow* w, const QString& caption)
{
    const QList<QLabel*> labels = w->findChildren<QLabel*>();
    for (QLabel* c : labels) {
        if (c->text() != caption)
            continue;
        QLabel* best = nullptr;
        for (QLabel* l : labels)
            if (l != c && l->y() == c->y() && l->x() > c->x() && (!best || l->x() < best->x()))
                best = l;
        return best;
    }
    return nullptr;
}

std::optional<Tally> tallyOf(TWindow* w)
{
    Tally t{countBeside(w, QStringLiteral("Teisingi atsakymai: ")), countBeside(w, QStringLiteral("Neteisingi atsakymai: "))};
    if (!t.rightCount || !t.wrongCount)
        return std::nullopt;
    return t;
}

bool shownIn(QWidget* control, TWindow* w)
{
    return w->isVisible() && control->isVisibleTo(w) && control->isEnabled();
}

template <class T>
QList<T*> controls(TWindow* w)
{
    QList<T*> found;
    for (T* c : w->findChildren<T*>())
        if (shownIn(c, w))
            found.append(c);
    return found;
}

QString describe(QObject* o)
{
    QString d = o->objectName();
    if (auto* b = qobject_cast<QAbstractButton*>(o))
        d += QStringLiteral(" \"") + b->text() + u'"';
    return d;
}

class VeltoraSoak : public testing::Test {
protected:
    void SetUp() override
    {
        setProgramEnd([this] { ended_ = true; });
        setErrorSink([this](const QString& m) { errors_.append(m); });
        fixSeed(settings_.seed);
        createForms(StartUp::MenuFirst); // as the program starts
    }
    void TearDown() override
    {
        destroyForms();
        setErrorSink({});
        setProgramEnd({});
        resetProgramEnded();
    }

    void restart()
    {
        destroyForms();
        resetProgramEnded();
        ended_ = false;
        models_.clear();
        createForms(StartUp::MenuFirst); // as the program starts
        ++restarts_;
    }

    // The problem a pupil reads on the window: a number, a sign and a number in labels side by
    // side on one line (brackets and "=" aside), worked out.
    std::optional<int> problemResult(TWindow* w)
    {
        struct Piece {
            QRect place;
            QString text;
        };
        QList<Piece> pieces;
        const std::optional<Tally> tally = tallyOf(w);
        for (QLabel* l : controls<QLabel>(w)) {
            if (tally && (l == tally->rightCount || l == tally->wrongCount))
                continue;
            QString t = l->text();
            t.remove(u'(').remove(u')').remove(u'=');
            t = t.trimmed();
            if (!t.isEmpty())
                pieces.append({l->geometry(), t});
        }
        std::sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) { return a.place.x() < b.place.x(); });
        // The next piece to the right on the same line.
        const auto next = [&](qsizetype i) -> qsizetype {
            for (qsizetype j = i + 1; j < pieces.size(); ++j)
                if (pieces[j].place.top() < pieces[i].place.bottom() && pieces[i].place.top() < pieces[j].place.bottom())
                    return j;
            return -1;
        };
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            bool okX = false;
            const int x = pieces[i].text.toInt(&okX);
            const qsizetype o = okX ? next(i) : -1;
            const qsizetype j = o >= 0 ? next(o) : -1;
            if (j < 0)
                continue;
            bool okY = false;
            const int y = pieces[j].text.toInt(&okY);
            const QString op = pieces[o].text;
            if (!okY)
                continue;
            if (op == u'+')
                return x + y;
            if (op == u'-')
                return x - y;
            if (op == u'*' || op == QChar(0x00B7))
                return x * y;
            if (op == u':' && y != 0)
                return x / y;
        }
        return std::nullopt;
    }

    // The answer to what a screen reader says for the box (an expression, an equation or a
    // sum), when it says a problem.
    static std::optional<QString> heardAnswer(QLineEdit* box)
    {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
        return spoken::answerTo(iface ? iface->text(QAccessible::Description) : QString());
    }

    // A text for an answer box: often the answer to the problem it is for (so that right answers
    // come too) or a near miss, otherwise what a pupil's fingers might type.
    QString answerText(TWindow* w, QLineEdit* box)
    {
        std::optional<QString> answer = heardAnswer(box);
        if (!answer)
            if (const std::optional<int> result = problemResult(w))
                answer = QString::number(*result);
        switch (random_.weighted({6, 2, 2, 2})) {
        case 0:
            if (answer)
                return *answer;
            [[fallthrough]];
        case 1:
            if (answer) {
                bool number = false;
                const int value = answer->toInt(&number);
                if (!number)
                    return *answer + (random_.chance(0.5) ? QStringLiteral("+0a") : QStringLiteral(" "));
                return QString::number(value + (random_.chance(0.5) ? 1 : -1)) + (random_.chance(0.2) ? QStringLiteral(" ") : QString());
            }
            [[fallthrough]];
        case 2:
            return QString::number(random_.below(41) - 20) + (random_.chance(0.1) ? QStringLiteral("a") : QString());
        default:
            return random_.text(soak::otherKeys + soak::lithuanianLetters + soak::latinLetters, 8);
        }
    }

    // One random pupil action on a window; returns what it did, for the log.
    QString act(TWindow* w)
    {
        const QList<QAbstractButton*> buttons = controls<QAbstractButton>(w);
        const QList<PictureBox*> pictures = controls<PictureBox>(w);
        const QList<QLineEdit*> edits = [&] {
            QList<QLineEdit*> e;
            for (QLineEdit* l : controls<QLineEdit>(w))
                if (!l->isReadOnly())
                    e.append(l);
            return e;
        }();
        const bool closable = w->windowFlags() & Qt::WindowCloseButtonHint;
        for (;;) {
            // Where there is an answer box, a pupil mostly answers: types and presses Enter.
            const int kind = edits.isEmpty() ? random_.weighted({60, 1, 0, 0, 0, 0, 3, 2, 0})
                                             : random_.weighted({25, 1, 10, 10, 4, 3, 3, 1, 40});
            switch (kind) {
            case 0:
                if (!buttons.isEmpty()) {
                    QAbstractButton* b = random_.pick(buttons);
                    QTest::mouseClick(b, Qt::LeftButton);
                    return QStringLiteral("click ") + describe(b);
                }
                break;
            case 1:
                if (!pictures.isEmpty()) {
                    PictureBox* p = random_.pick(pictures);
                    QTest::mouseClick(p, Qt::LeftButton);
                    return QStringLiteral("click picture ") + describe(p);
                }
                break;
            case 2:
                if (!edits.isEmpty()) {
                    QLineEdit* e = random_.pick(edits);
                    const QString t = answerText(w, e);
                    e->setFocus();
                    if (random_.chance(0.7))
                        e->clear();
                    ui::type(e, t);
                    return QStringLiteral("type \"") + t + QStringLiteral("\" into ") + describe(e);
                }
                break;
            case 3:
                if (!edits.isEmpty()) {
                    QLineEdit* e = random_.pick(edits);
                    QTest::keyClick(e, Qt::Key_Return);
                    return QStringLiteral("Enter in ") + describe(e);
                }
                break;
            case 4:
                if (!edits.isEmpty()) {
                    QLineEdit* e = random_.pick(edits);
                    const QString t = answerText(w, e);
                    QGuiApplication::clipboard()->setText(t);
                    QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
                    return QStringLiteral("paste \"") + t + QStringLiteral("\" into ") + describe(e);
                }
                break;
            case 5:
                if (!edits.isEmpty()) {
                    QLineEdit* e = random_.pick(edits);
                    QTest::keyClick(e, Qt::Key_Backspace);
                    return QStringLiteral("Backspace in ") + describe(e);
                }
                break;
            case 6: {
                QWidget* target = QApplication::focusWidget();
                if (!target || target->window() != w)
                    target = w;
                QTest::keyClick(target, Qt::Key_Tab);
                return QStringLiteral("Tab in ") + describe(target);
            }
            case 7:
                if (closable) {
                    w->close();
                    return QStringLiteral("close ") + describe(w);
                }
                break;
            default: {
                QLineEdit* e = random_.pick(edits);
                const QString t = answerText(w, e);
                e->setFocus();
                e->clear();
                ui::type(e, t);
                QTest::keyClick(e, Qt::Key_Return);
                return QStringLiteral("answer \"") + t + QStringLiteral("\" in ") + describe(e);
            }
            }
        }
    }

    // The verdict labels of the tally windows are emptied before each action, so that a verdict
    // seen after it is one this action gave (a second "Blogai" in a row included).
    void clearVerdicts()
    {
        for (TWindow* w : TWindow::all())
            if (models_.count(w))
                for (QLabel* l : w->findChildren<QLabel*>())
                    if (l->text() == right || l->text() == wrong)
                        l->clear();
    }

    void check(TWindow* acted, int index)
    {
        ASSERT_TRUE(errors_.isEmpty()) << "error box: " << errors_.join(u'\n').toStdString();
        if (ended_)
            return;
        bool anyVisible = false;
        for (TWindow* w : TWindow::all()) {
            anyVisible = anyVisible || w->isVisible();
            if (w->isVisible())
                seen_.insert(QString::fromLatin1(w->metaObject()->className()));
            const std::optional<Tally> t = tallyOf(w);
            if (t) {
                auto [it, fresh] = models_.try_emplace(w);
                // A window the program releases takes its model with it, so that a new window
                // made at the same address starts afresh.
                if (fresh)
                    QObject::connect(w, &QObject::destroyed, [this, w] { models_.erase(w); });
                Model& m = it->second;
                if (w == acted) {
                    int rights = 0;
                    int wrongs = 0;
                    for (QLabel* l : controls<QLabel>(w)) {
                        rights += l->text() == right;
                        wrongs += l->text() == wrong;
                    }
                    ASSERT_LE(rights + wrongs, 1) << "two verdicts at once in " << describe(w).toStdString();
                    m.right += rights;
                    m.wrong += wrongs;
                    verdicts_ += rights + wrongs;
                    rightVerdicts_ += rights;
                }
                bool okRight = false;
                bool okWrong = false;
                const int shownRight = t->rightCount->text().toInt(&okRight);
                const int shownWrong = t->wrongCount->text().toInt(&okWrong);
                ASSERT_TRUE(okRight && okWrong) << "tally texts \"" << t->rightCount->text().toStdString() << "\", \""
                                                << t->wrongCount->text().toStdString() << '"';
                ASSERT_GE(shownRight, 0);
                ASSERT_GE(shownWrong, 0);
                ASSERT_EQ(shownRight, m.right) << "right answers of " << describe(w).toStdString() << " after action " << index;
                ASSERT_EQ(shownWrong, m.wrong) << "wrong answers of " << describe(w).toStdString() << " after action " << index;
            }
            checkGrade(w);
            if (HasFatalFailure())
                return;
        }
        ASSERT_TRUE(anyVisible) << "no window on screen, and the program did not end";
    }

    // A review sheet on screen: its grade is the number of "Gerai" rows, but 2 for none or one.
    void checkGrade(TWindow* w)
    {
        if (!w->isVisible())
            return;
        QLabel* caption = nullptr;
        for (QLabel* l : controls<QLabel>(w))
            if (l->text().startsWith(QStringLiteral("Įvertinimas:")))
                caption = l;
        if (!caption)
            return;
        int rights = 0;
        int rows = 0;
        for (QLabel* l : controls<QLabel>(w)) {
            rights += l->text() == right;
            rows += l->text() == right || l->text() == wrong;
        }
        QLabel* value = countBeside(w, caption->text());
        ASSERT_NE(value, nullptr) << "no grade beside " << caption->text().toStdString();
        ASSERT_EQ(rows, 10) << "review sheet of " << describe(w).toStdString();
        ASSERT_EQ(value->text().trimmed().toInt(), rights <= 1 ? 2 : rights) << "grade of " << describe(w).toStdString();
        ++gradesChecked_;
    }

    struct Model {
        int right = 0;
        int wrong = 0;
    };

    const soak::Settings settings_ = soak::settings(25000);
    soak::Random random_{settings_.seed};
    soak::Log log_;
    bool ended_ = false;
    QStringList errors_;
    std::map<TWindow*, Model> models_;
    QSet<QString> seen_;
    int restarts_ = 0;
    int verdicts_ = 0;
    int rightVerdicts_ = 0;
    int gradesChecked_ = 0;
};

TEST_F(VeltoraSoak, RandomPupilActionsKeepEveryWindowSound)
{
    ui::WorkingDirectory dir(true);
    std::printf("veltora soak: seed %llu, %d actions (replay: SOAK_SEED=%llu)\n",
                static_cast<unsigned long long>(settings_.seed), settings_.actions,
                static_cast<unsigned long long>(settings_.seed));
    std::fflush(stdout);
    const soak::Clock clock;
    check(nullptr, 0);
    for (int i = 1; i <= settings_.actions; ++i) {
        if (ended_)
            restart();
        QList<TWindow*> visible;
        for (TWindow* w : TWindow::all())
            if (w->isVisible())
                visible.append(w);
        ASSERT_FALSE(visible.isEmpty());
        // The newest window on screen is the one the pupil most likely works in.
        TWindow* w = random_.chance(0.5) ? visible.last() : random_.pick(visible);
        clearVerdicts();
        const QString where = describe(w);
        log_.add(i, where + QStringLiteral(": ") + act(w));
        QCoreApplication::processEvents(); // what the event loop does between two actions
        check(w, i);
        if (HasFatalFailure()) {
            ADD_FAILURE() << "seed " << settings_.seed << ", action " << i << "; the last actions:\n" << log_.text();
            return;
        }
    }
    QStringList windows(seen_.begin(), seen_.end());
    windows.sort();
    QStringList missed;
    for (int n = 1; n <= 26; ++n)
        if (!seen_.contains(QStringLiteral("TForm%1").arg(n)))
            missed.append(QStringLiteral("TForm%1").arg(n));
    std::printf("veltora soak: %d actions in %.1f s, %d program restarts, %d verdicts (%d right), %d grades checked, "
                "%lld of 26 windows on screen (not reached: %s)\n",
                settings_.actions, clock.seconds(), restarts_, verdicts_, rightVerdicts_, gradesChecked_,
                static_cast<long long>(windows.size()), missed.isEmpty() ? "none" : missed.join(u' ').toUtf8().constData());
}

} // namespace
