#pragma once
// The review sheet that ends a test window: every question in a row of its own, with the pupil's
// answer as typed in a disabled box and "Gerai" or "Blogai" beside it, and the grade below.
#include <QList>
#include <QString>
#include <optional>

class QLabel;
class QLineEdit;

namespace review {

// The rows of a sheet: row 1 at firstTop, every next row step pixels lower.
struct Rows {
    int firstTop;
    int step;
    int top(int row) const { return firstTop + step * (row - 1); }
};

// The grade of a ten-question test: the number of right answers, but 2 for none or one.
int grade(int right);
QString gradeText(int right);

// How a question's controls are set out as a row. A value left empty keeps what the control has.
struct RowStyle {
    std::optional<int> labelPoints;
    std::optional<int> answerPoints;
    std::optional<int> answerLeft;
    std::optional<int> verdictPoints;
    std::optional<int> verdictLeft;
    // Pieces set out from the fonts in use: a label whose text would run into the text before it
    // moves right to where that text ends, and the answer box and the verdict keep clear of the
    // row before them. Layouts made for other fonts then still read as one line.
    bool fitToText = false;
};

// The controls of one question: its labels in reading order with how far each one moves to the
// right on the sheet (a missing shift is 0), its answer box and its verdict label.
struct QuestionRow {
    QList<QLabel*> labels;
    QList<int> shifts;
    QLineEdit* answer = nullptr;
    QLabel* verdict = nullptr;
};

// The left of a control on the sheet: its left during the test moved by its shift.
int sheetLeft(int left, const QList<int>& shifts, qsizetype index);

// Sets out one question as a row at the given top: every label gets the style's size, the top and
// its shift, and is shown; the answer box gets its size (and a height to fit it), left and top, is
// disabled and shown; the verdict label gets its size and the top, and is shown. With fitToText no
// piece starts before the end of the text in front of it. The row is added to what a screen
// reader reads with the exit picture: the question, the answer as typed and the verdict
// ("-3 * (-5)=, 15, Gerai").
void layOutRow(const QuestionRow& row, const RowStyle& style, int top);

// Writes the texts of one row of labels into another, piece by piece (a question copied into its
// row of the sheet). Both rows have the same number of labels.
void copyTexts(const QList<QLabel*>& from, const QList<QLabel*>& to);

// Shows the grade caption and writes the grade for the given number of right answers. The grade
// is added to what a screen reader reads with the exit picture ("Įvertinimas: 8"), and the focus
// goes to the exit picture, the one thing left to press: the screen reader reads the sheet then.
void showGrade(QLabel* caption, QLabel* value, int right);

} // namespace review
