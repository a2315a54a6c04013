#include "expressions/row.h"

#include "shell/controls.h"

#include <QFontMetrics>
#include <QLabel>

const char* const ExpressionRow::questionNames[9] = {"Label15", "Label1",  "Label27", "Label30", "Label8",
                                                     "Label10", "Label6", "Label11", "Label14"};

namespace {

// How much higher a 37-pixel operator stands than a 35-pixel number on the same baseline.
int operatorRaise()
{
    static const int raise = QFontMetrics(bookman(37)).ascent() - QFontMetrics(bookman(35)).ascent();
    return raise;
}

} // namespace

QFont answerFont()
{
    return bookman(25, false);
}

expr::RowTexts ExpressionRow::texts() const
{
    expr::RowTexts t;
    for (std::size_t i = 0; i < labels.size(); ++i)
        t[i] = labels[i]->text();
    return t;
}

void ExpressionRow::setTexts(const expr::RowTexts& texts)
{
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i]->setText(texts[i]);
}

std::optional<expr::Expression> ExpressionRow::shown() const
{
    return expr::fromTexts(texts());
}

void ExpressionRow::setVisible(bool visible)
{
    for (QLabel* l : labels)
        l->setVisible(visible);
}

ExpressionRow ExpressionRow::question(QWidget* window, const std::array<int, 9>& lefts, int top)
{
    ExpressionRow row;
    for (std::size_t i = 0; i < row.labels.size(); ++i) {
        const bool isOperator = i == expr::Operator2 || i == expr::Operator3;
        row.labels[i] = isOperator ? label(window, questionNames[i], {lefts[i], top - operatorRaise()}, QString(),
                                           bookman(37), colour::yellow)
                                   : label(window, questionNames[i], {lefts[i], top}, QString(), bookman(35),
                                           colour::yellow);
    }
    row.labels[expr::Equals]->setText(QStringLiteral("="));
    return row;
}
