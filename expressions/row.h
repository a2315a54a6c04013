#pragma once
// An expression as a row of nine labels: coefficient and letter of term 1, operator, coefficient
// and letter of term 2, the same for term 3, and "=". The practice and the test window show their
// expression this way, and judge what the row shows.
#include "expressions/expression.h"

#include <QList>

#include <array>

class QFont;
class QLabel;
class QWidget;

// The type of the answer box after a row: the longest answers the rule accepts ("-16+8a") fit
// the 97-pixel box without scrolling.
QFont answerFont();

struct ExpressionRow {
    std::array<QLabel*, 9> labels{};

    // The nine labels in reading order.
    QList<QLabel*> pieces() const { return QList<QLabel*>(labels.begin(), labels.end()); }

    expr::RowTexts texts() const;
    void setTexts(const expr::RowTexts& texts);
    // The expression the row shows now.
    std::optional<expr::Expression> shown() const;
    void setVisible(bool visible);

    // The controls of a question row by name.
    static const char* const questionNames[9];

    // The row of a question: Label15, Label1, Label27, Label30, Label8, Label10, Label6, Label11,
    // Label14 at the given lefts and top in bold yellow Bookman, 35 pixels; the two operators are
    // 37 pixels high and stand a little higher, so that all pieces share one baseline.
    static ExpressionRow question(QWidget* window, const std::array<int, 9>& lefts, int top);
};
