#pragma once
// The labels that show an equation row: eleven labels on one line, read and written as a row.
#include "equations/equation.h"

#include <QList>

#include <array>
#include <initializer_list>

class QLabel;
class QWidget;

namespace equation {

using RowLabels = std::array<QLabel*, 11>;

// The lefts of the eleven labels and the top of the line.
struct RowPlaces {
    std::array<int, 11> lefts;
    int top;
};

// Creates the labels in bold yellow Bookman: numbers and x in `numberPixels`, the operators and
// "=" in `signPixels` (standing higher so that all pieces share one baseline), except pieces
// listed as keeping the numbers' size. A number label reaches to its x label and shows its text
// against it, so that "3", "-" and an empty coefficient all read as part of their x term.
RowLabels createRow(QWidget* window, const std::array<const char*, 11>& names, const RowPlaces& places,
                    int numberPixels, int signPixels, std::initializer_list<qsizetype> signsAtNumberSize = {});

EquationRow read(const RowLabels& labels);
void write(const RowLabels& labels, const EquationRow& row);

// Sets out rows of small labels (a review sheet) as columns from `left` on: each piece as wide
// as its widest text in any row, a blank between the terms, the signs and "=", and every
// coefficient right against its x. The equations then read as one line each and their "=" stand
// under each other. Only the lefts change.
void arrangeColumns(const QList<const RowLabels*>& rows, int left);

QList<QLabel*> toList(const RowLabels& labels);

} // namespace equation
