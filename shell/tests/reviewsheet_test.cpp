// The review sheet's row layout: pieces kept where they are given, or, when fitted to the fonts,
// moved right only as far as the text before them needs.
#include "shell/controls.h"
#include "shell/reviewsheet.h"
#include "testing/ui.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

namespace {

struct Row {
    QWidget sheet;
    QList<QLabel*> labels;
    QLineEdit* answer;
    QLabel* verdict;

    // Pieces of an equation row at lefts 16 px apart: too close for "-8" in 21-pixel type.
    explicit Row(const QStringList& texts)
    {
        sheet.resize(800, 550);
        int left = 80;
        for (const QString& t : texts) {
            labels.append(label(&sheet, "piece", {left, 0}, t, bookman(21), colour::yellow));
            left += 16;
        }
        answer = edit(&sheet, "answer", QRect(left + 4, 0, 97, 30), bookman(19));
        verdict = label(&sheet, "verdict", {left + 4 + 97 + 4, 0}, QStringLiteral("Blogai"), bookman(27),
                        colour::red);
    }

    review::QuestionRow questionRow() const { return {labels, {}, answer, verdict}; }
    int textEnd(const QLabel* l) const { return l->x() + QFontMetrics(l->font()).horizontalAdvance(l->text()); }
};

TEST(ReviewSheetRow, FittedPiecesNeverRunIntoEachOther)
{
    const QStringList rows[] = {
        {"-8", "x", "-", "18", "x", "=", "-", "x", "+", "8", ""},
        {"", "x", "+", "8", "", "=", "-88", "", "-", "", "x"},
        {"1", "", "+", "2", "", "=", "3", "", "+", "4", ""},
    };
    for (const QStringList& texts : rows) {
        Row row(texts);
        QList<int> given;
        for (const QLabel* l : row.labels)
            given.append(l->x());
        review::RowStyle fitted;
        fitted.fitToText = true;
        review::layOutRow(row.questionRow(), fitted, 104);

        int end = 0;
        for (qsizetype i = 0; i < row.labels.size(); ++i) {
            const QLabel* l = row.labels[i];
            EXPECT_EQ(l->y(), 104);
            EXPECT_GE(l->x(), given[i]) << "piece " << i << " of " << texts.join(' ').toStdString();
            if (l->text().isEmpty())
                continue;
            EXPECT_GE(l->x(), end) << "piece " << i << " of " << texts.join(' ').toStdString();
            // A piece moves no further than the text before it needs.
            EXPECT_TRUE(l->x() == given[i] || l->x() == end) << "piece " << i;
            end = row.textEnd(l);
        }
        EXPECT_GT(row.answer->x(), end);
        EXPECT_FALSE(row.answer->isEnabled());
        EXPECT_GT(row.verdict->x(), row.answer->geometry().right());
    }
}

TEST(ReviewSheetRow, UnfittedPiecesKeepTheirLefts)
{
    Row row({"-8", "x", "-", "18", "x"});
    QList<int> given;
    for (const QLabel* l : row.labels)
        given.append(l->x());
    const int answerLeft = row.answer->x();
    review::layOutRow(row.questionRow(), review::RowStyle(), 64);
    for (qsizetype i = 0; i < row.labels.size(); ++i)
        EXPECT_EQ(row.labels[i]->pos(), QPoint(given[i], 64));
    EXPECT_EQ(row.answer->x(), answerLeft);
}

TEST(ReviewSheetRow, CopyTextsPieceByPiece)
{
    Row from({"-", "x", "+", "3", "", "="});
    Row to({"", "", "", "", "", ""});
    review::copyTexts(from.labels, to.labels);
    for (qsizetype i = 0; i < from.labels.size(); ++i)
        EXPECT_EQ(to.labels[i]->text(), from.labels[i]->text());
}

} // namespace
