#include "shell/reviewsheet.h"

#include "shell/accessibility.h"
#include "shell/controls.h"
#include "shell/picture.h"
#include "shell/window.h"

#include <QLabel>
#include <QLineEdit>

#include <limits>

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

// Sets a label's size and top, and its left but never before `notBefore`; returns where its
// text ends.
int placeLabel(QLabel* label, std::optional<int> points, int left, int top, int notBefore)
{
    if (points)
        setLabelFont(label, withPoints(label->font(), *points));
    label->move(qMax(left, notBefore), top);
    label->show();
    const QString text = label->text();
    return text.isEmpty() ? notBefore : label->x() + QFontMetrics(label->font()).horizontalAdvance(text);
}

// The finished sheet is read out with the exit picture, which gets the focus at the end: its
// description gathers the rows and the grade. (Laying out the sheet makes hundreds of changes at
// once, and Orca drops the notifications queued behind them when the focus moves.)
void tellOnExit(QWidget* control, const QString& line)
{
    auto* window = qobject_cast<TWindow*>(control->window());
    if (!window || !window->Image1)
        return;
    const QString told = window->Image1->accessibleDescription();
    window->Image1->setAccessibleDescription(told.isEmpty() ? line : told + QStringLiteral(". ") + line);
}

// Room between the question and its answer box, and between the box and the verdict.
constexpr int boxGap = 6;

} // namespace

void layOutRow(const QuestionRow& row, const RowStyle& style, int top)
{
    constexpr int nowhere = std::numeric_limits<int>::min();
    int end = nowhere; // where the row's last text ends so far
    auto notBefore = [&](int gap) { return style.fitToText && end != nowhere ? end + gap : nowhere; };
    for (qsizetype i = 0; i < row.labels.size(); ++i) {
        QLabel* l = row.labels[i];
        end = placeLabel(l, style.labelPoints, sheetLeft(l->x(), row.shifts, i), top, notBefore(0));
    }
    if (QLineEdit* box = row.answer) {
        int height = box->height();
        if (style.answerPoints) {
            box->setFont(withPoints(box->font(), *style.answerPoints));
            height = box->sizeHint().height();
        }
        box->setGeometry(qMax(style.answerLeft.value_or(box->x()), notBefore(boxGap)), top, box->width(), height);
        box->setEnabled(false);
        box->show();
        end = box->geometry().right() + 1;
    }
    if (row.verdict)
        placeLabel(row.verdict, style.verdictPoints, style.verdictLeft.value_or(row.verdict->x()), top,
                   notBefore(boxGap));
    QStringList told{problemText(row.labels)};
    if (row.answer)
        told.append(row.answer->text());
    if (row.verdict)
        told.append(row.verdict->text());
    tellOnExit(row.labels.isEmpty() ? static_cast<QWidget*>(row.answer) : row.labels.front(), told.join(QStringLiteral(", ")));
}

void copyTexts(const QList<QLabel*>& from, const QList<QLabel*>& to)
{
    Q_ASSERT(from.size() == to.size());
    for (qsizetype i = 0; i < from.size() && i < to.size(); ++i)
        to[i]->setText(from[i]->text());
}

void showGrade(QLabel* caption, QLabel* value, int right)
{
    value->setText(gradeText(right));
    caption->show();
    value->show();
    tellOnExit(value, caption->text().trimmed() + QLatin1Char(' ') + value->text());
    if (auto* window = qobject_cast<TWindow*>(value->window()); window && window->Image1)
        window->Image1->setFocus();
}

} // namespace review
