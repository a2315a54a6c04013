#include "equations/rowlabels.h"

#include "shell/controls.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace equation {

namespace {

bool isNumberPiece(qsizetype i)
{
    return i % 3 == 0 && i != 5;
}

bool isSignPiece(qsizetype i)
{
    return i == 2 || i == 5 || i == 8;
}

} // namespace

RowLabels createRow(QWidget* window, const std::array<const char*, 11>& names, const RowPlaces& places,
                    int numberPixels, int signPixels, std::initializer_list<qsizetype> signsAtNumberSize)
{
    const QFont number = bookman(numberPixels);
    const QFont sign = bookman(signPixels);
    // The larger signs stand higher by the difference of the ascents: one baseline for the row.
    const int signTop = places.top - (QFontMetrics(sign).ascent() - QFontMetrics(number).ascent());
    RowLabels labels{};
    for (qsizetype i = 0; i < 11; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const bool large = isSignPiece(i) && std::find(signsAtNumberSize.begin(), signsAtNumberSize.end(), i) ==
                                                 signsAtNumberSize.end();
        labels[index] = label(window, names[index], {places.lefts[index], large ? signTop : places.top},
                              i == 5 ? QStringLiteral("=") : QString(), large ? sign : number, colour::yellow);
        if (isNumberPiece(i)) {
            QLabel* l = labels[index];
            l->resize(places.lefts[index + 1] - places.lefts[index], l->height());
            l->setAlignment(Qt::AlignRight | Qt::AlignTop);
        }
    }
    return labels;
}

EquationRow read(const RowLabels& labels)
{
    EquationRow row;
    for (std::size_t i = 0; i < labels.size(); ++i)
        row.pieces[i] = labels[i]->text();
    return row;
}

void write(const RowLabels& labels, const EquationRow& row)
{
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i]->setText(row.pieces[i]);
}

void arrangeColumns(const QList<const RowLabels*>& rows, int left)
{
    if (rows.isEmpty())
        return;
    const QFontMetrics metrics((*rows.front())[0]->font());
    const int blank = metrics.horizontalAdvance(QLatin1Char(' '));
    int columnLeft = left;
    int pieceLeft = left; // where the current term, sign or "=" starts
    for (std::size_t i = 0; i < 11; ++i) {
        int width = 0;
        for (const RowLabels* r : rows)
            width = std::max(width, metrics.horizontalAdvance((*r)[i]->text()));
        const bool number = isNumberPiece(static_cast<qsizetype>(i));
        for (const RowLabels* r : rows) {
            QLabel* l = (*r)[i];
            // Numbers right-aligned in their column, so each coefficient touches its x.
            const int x = number ? columnLeft + width - metrics.horizontalAdvance(l->text()) : columnLeft;
            l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            l->move(x, l->y());
        }
        // A blank after each term, sign and "="; none between a coefficient and its x.
        columnLeft += width;
        if (!number && columnLeft > pieceLeft)
            columnLeft += blank;
        if (!number)
            pieceLeft = columnLeft;
    }
}

QList<QLabel*> toList(const RowLabels& labels)
{
    return QList<QLabel*>(labels.begin(), labels.end());
}

} // namespace equation
