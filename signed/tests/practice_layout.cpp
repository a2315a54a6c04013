// The look of the signed-number practice window and its help pages: the problem of every kind
// stands on one line, in order, without overlaps, left of the answer box, even with the widest
// numbers; help page lines stay inside their window and clear of each other. With
// VELTORA_SCREENSHOTS=<folder> the test also saves a picture of every kind and help page.
#include "practice_support.h"

#include "signed/helppages.h"

#include <QDir>
#include <QFontMetrics>

#include <algorithm>
#include <vector>

using namespace practice;

namespace {

class SignedPracticeLook : public PracticeFixture {};

// Where a label's text is drawn: its ink, in window coordinates.
QRect ink(QLabel* l)
{
    const QFontMetrics fm(l->font());
    return fm.tightBoundingRect(l->text()).translated(l->x(), l->y() + fm.ascent());
}

int baseline(QLabel* l)
{
    return l->y() + QFontMetrics(l->font()).ascent();
}

void save(QWidget* w, const QString& name)
{
    const QByteArray folder = qgetenv("VELTORA_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(QString::fromLocal8Bit(folder));
    w->grab().save(QDir(QString::fromLocal8Bit(folder)).filePath(name + QStringLiteral(".png")));
}

// The visible, non-empty problem labels of kind k, left to right, then the answer box.
void expectOneLine(TForm8* w, int k)
{
    const KindNames& n = names(k);
    std::vector<QLabel*> labels;
    for (const char* name : {n.first, n.op, n.bracket, n.second, n.closing}) {
        if (!name)
            continue;
        QLabel* l = lbl(w, name);
        if (l->isVisible() && !l->text().trimmed().isEmpty())
            labels.push_back(l);
    }
    ASSERT_GE(labels.size(), 4u);
    std::sort(labels.begin(), labels.end(), [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
    // In the order of the problem: number, operator, (bracket,) number, closing sign.
    std::vector<QString> order;
    for (const char* name : {n.first, n.op, n.bracket, n.second, n.closing})
        if (name && lbl(w, name)->isVisible() && !lbl(w, name)->text().trimmed().isEmpty())
            order.push_back(QString::fromLatin1(name));
    for (std::size_t i = 0; i < labels.size(); ++i)
        EXPECT_EQ(labels[i]->objectName(), order[i]);
    const int line = baseline(labels.front());
    for (std::size_t i = 0; i < labels.size(); ++i) {
        EXPECT_LE(std::abs(baseline(labels[i]) - line), 1) << labels[i]->objectName();
        if (i + 1 < labels.size()) {
            EXPECT_LE(ink(labels[i]).right(), ink(labels[i + 1]).left())
                << labels[i]->objectName() << " \"" << labels[i]->text() << "\" runs into "
                << labels[i + 1]->objectName() << " \"" << labels[i + 1]->text() << "\"";
        }
    }
    QLineEdit* box = edit(w, k);
    EXPECT_LT(ink(labels.back()).right(), box->x()) << labels.back()->objectName();
    // The text stands in the row of the answer box and buttons.
    for (QLabel* l : labels) {
        EXPECT_GE(ink(l).top(), box->y() - 4) << l->objectName();
        EXPECT_LE(ink(l).bottom(), box->geometry().bottom() + 4) << l->objectName();
    }
}

// The widest text of the numbers from lo to hi in the label's font.
QString widest(QLabel* l, int lo, int hi)
{
    const QFontMetrics fm(l->font());
    QString best;
    for (int v = lo; v <= hi; ++v)
        if (v != 0 && fm.tightBoundingRect(QString::number(v)).width() > fm.tightBoundingRect(best).width())
            best = QString::number(v);
    return best;
}

// Writes the widest problem the kind can show into its labels.
void writeWidest(TForm8* w, int k)
{
    const KindNames& n = names(k);
    switch (n.operation) {
    case '+':
        lbl(w, n.first)->setText(widest(lbl(w, n.first), -9, 8));
        lbl(w, n.op)->setText(QStringLiteral("+"));
        lbl(w, n.second)->setText(widest(lbl(w, n.second), 1, 9));
        break;
    case '*':
        lbl(w, n.first)->setText(widest(lbl(w, n.first), -9, 9));
        lbl(w, n.bracket)->setText(QStringLiteral("("));
        lbl(w, n.second)->setText(widest(lbl(w, n.second), -8, -1));
        lbl(w, n.closing)->setText(QStringLiteral(")="));
        break;
    case ':':
        lbl(w, n.first)->setText(widest(lbl(w, n.first), -24, -1));
        lbl(w, n.bracket)->setText(QStringLiteral("("));
        lbl(w, n.second)->setText(widest(lbl(w, n.second), -8, -1));
        lbl(w, n.closing)->setText(QStringLiteral(")="));
        break;
    }
}

TEST_F(SignedPracticeLook, EveryKindStandsOnOneLineWithoutOverlaps)
{
    for (int round = 0; round < 20; ++round)
        for (int k = 1; k <= 10; ++k) {
            SCOPED_TRACE(k);
            ASSERT_EQ(visibleKind(window), k);
            expectOneLine(window, k);
            if (round == 0)
                save(window, QStringLiteral("Form8_kind%1").arg(k, 2, 10, QLatin1Char('0')));
            if (round == 1 && k == 1) {
                typeAndEnter(window, QString::number(expected(window, k)));
                save(window, QStringLiteral("Form8_kind01_right"));
                pressEnter(window);
                continue;
            }
            if (round == 1 && k == 2) {
                typeAndEnter(window, QStringLiteral("100"));
                save(window, QStringLiteral("Form8_kind02_wrong"));
            }
            answerAndGoOn(window);
        }
}

TEST_F(SignedPracticeLook, TheWidestProblemOfEveryKindFits)
{
    for (int k = 1; k <= 10; ++k) {
        SCOPED_TRACE(k);
        ASSERT_EQ(visibleKind(window), k);
        const KindNames& n = names(k);
        const QString first = lbl(window, n.first)->text(), op = lbl(window, n.op)->text(),
                      second = lbl(window, n.second)->text(), closing = lbl(window, n.closing)->text();
        const QString bracket = n.bracket ? lbl(window, n.bracket)->text() : QString();
        writeWidest(window, k);
        expectOneLine(window, k);
        if (k == 3 || k == 4 || k == 8)
            save(window, QStringLiteral("Form8_kind%1_widest").arg(k, 2, 10, QLatin1Char('0')));
        // Back to the problem as generated, so that it can be answered.
        lbl(window, n.first)->setText(first);
        lbl(window, n.op)->setText(op);
        lbl(window, n.second)->setText(second);
        lbl(window, n.closing)->setText(closing);
        if (n.bracket)
            lbl(window, n.bracket)->setText(bracket);
        answerAndGoOn(window);
    }
}

TEST_F(SignedPracticeLook, HelpPagesKeepTheirLinesInsideAndApart)
{
    for (int n = 10; n <= 13; ++n) {
        TWindow* page = form(n);
        SCOPED_TRACE(n);
        EXPECT_EQ(page->size(), clientSize({714, 428}));
        std::vector<QLabel*> lines;
        for (QLabel* l : page->findChildren<QLabel*>())
            lines.push_back(l);
        std::sort(lines.begin(), lines.end(), [](QLabel* a, QLabel* b) { return a->y() < b->y(); });
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const QRect r = ink(lines[i]);
            EXPECT_GE(r.left(), 0) << lines[i]->text();
            EXPECT_LT(r.right(), page->width() - 8) << lines[i]->text();
            EXPECT_FALSE(r.intersects(page->Image1->geometry())) << lines[i]->text();
            if (i + 1 < lines.size()) {
                EXPECT_LT(r.bottom(), ink(lines[i + 1]).top()) << lines[i]->text();
            }
        }
        page->show();
        save(page, QStringLiteral("Form%1").arg(n));
    }
}

} // namespace
