#include "shell/reviewsheet.h"

#include "shell/controls.h"

#include <QLabel>
#include <QLineEdit>

namespace review {

int grade(int right)
{
    return right <= 1 ? 2 : right;
}

QString gradeText(int right)
{
    return QString::number(grade(right));
}

int sheetLeft(int left, const QList<int>& shifts, qsizetype index)
{
    return left + (index < shifts.size() ? shifts[index] : 0);
}

namespace {

QFont withPoints(QFont font, int points)
{
    font.setPointSize(points);
    return font;
}

void placeLabel(QLabel* label, std::optional<int> points, std::optional<int> left, int top)
{
    if (points)
        setLabelFont(label, withPoints(label->font(), *points));
    label->move(left.value_or(label->x()), top);
    label->show();
}

} // namespace

void layOutRow(const QuestionRow& row, const RowStyle& style, int top)
{
    for (qsizetype i = 0; i < row.labels.size(); ++i) {
        QLabel* l = row.labels[i];
        placeLabel(l, style.labelPoints, sheetLeft(l->x(), row.shifts, i), top);
    }
    if (QLineEdit* box = row.answer) {
        int height = box->height();
        if (style.answerPoints) {
            box->setFont(withPoints(box->font(), *style.answerPoints));
            height = box->sizeHint().height();
        }
        box->setGeometry(style.answerLeft.value_or(box->x()), top, box->width(), height);
        box->setEnabled(false);
        box->show();
    }
    if (row.verdict)
        placeLabel(row.verdict, style.verdictPoints, style.verdictLeft, top);
}

void showGrade(QLabel* caption, QLabel* value, int right)
{
    value->setText(gradeText(right));
    caption->show();
    value->show();
}

} // namespace review
