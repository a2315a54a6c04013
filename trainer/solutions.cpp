#include "trainer/solutions.h"

#include "trainer/problems.h"

namespace zenkla {

namespace {

const QString differentSigns =
    QStringLiteral("Ženklai skirtingi, todėl iš didesnio modulio atimame mažesnį.");
const QString bothNegativeAdd = QStringLiteral("Abu skaičiai neigiami, todėl jų modulius reikia sudėti.");
const QString minusBefore = QStringLiteral("Prieš gautą skaičių parašę minuso ženklą, gauname:");
const QString negativeLarger = QStringLiteral(
    "Neigiamo skaičiaus modulis didesnis, todėl prieš gautą skaičių parašę minuso ženklą, gauname:");
const QString openBrackets = QStringLiteral("Atskliaudę gauname:");
const QString addedUp = QStringLiteral("Skaičius sudėję, turime:");
const QString oneNegative = QStringLiteral(
    "Kadangi vienas skaičius neigiamas, todėl prieš gautą skaičių parašome minuso ženklą:");

SolutionLine show(const QString& text)
{
    return {text, true};
}

SolutionLine hidden()
{
    return {std::nullopt, false};
}

// Label27 … Label30 for "different signs": the larger magnitude less the smaller, and the sign
// lines only for a negative result.
void differentSignsLines(WorkedSolution& w, Decimal a, Decimal b, Decimal r, QChar sep)
{
    const Decimal ma = a.abs(), mb = b.abs();
    w.label27.text = differentSigns;
    if (ma > mb)
        w.label28.text = numberText(ma, sep) + QStringLiteral(" - ") + numberText(mb, sep) + QStringLiteral(" = ")
                         + numberText(ma - mb, sep);
    else
        w.label28.text = numberText(mb, sep) + QStringLiteral(" - ") + numberText(ma, sep) + QStringLiteral(" = ")
                         + numberText(mb - ma, sep);
    if (r.isNegative()) {
        w.label29 = show(negativeLarger);
        w.label30 = show(numberText(r, sep));
    } else {
        w.label29 = hidden();
        w.label30 = hidden();
    }
}

// Label27 … Label30 for "both negative": the magnitudes added, then a minus in front.
void bothNegativeLines(WorkedSolution& w, Decimal a, Decimal b, Decimal r, QChar sep)
{
    w.label27.text = bothNegativeAdd;
    w.label28.text = numberText(a.abs(), sep) + QStringLiteral(" + ") + numberText(b.abs(), sep)
                     + QStringLiteral(" = ") + numberText(r.abs(), sep);
    w.label29 = show(minusBefore);
    w.label30 = show(numberText(r, sep));
}

} // namespace

WorkedSolution solve(Decimal a, const QString& sign, Decimal b, QChar sep)
{
    WorkedSolution w;
    const std::optional<Decimal> result = exactResult(a, sign, b);
    if (!result)
        return w;
    const Decimal r = *result;
    const Decimal zero;

    if (sign == sign::plus) {
        w.label31 = hidden();
        if (a < zero && b < zero)
            bothNegativeLines(w, a, b, r, sep);
        else
            differentSignsLines(w, a, b, r, sep);
    } else if (sign == sign::minus) {
        if (b < zero && a != zero) {
            w.label31 = show(openBrackets + QString(9, u' ') + numberText(a, sep) + QStringLiteral("+")
                             + numberText(b.abs(), sep));
            if (a > zero) {
                w.label27.text = addedUp;
                w.label28.text = numberText(a.abs() + b.abs(), sep);
                w.label29 = hidden();
                w.label30 = hidden();
            } else {
                differentSignsLines(w, a, b, r, sep);
            }
        } else {
            w.label31 = hidden();
            // b > 0 and a < 0: as the sum of two negative numbers. (b > 0 and a > 0 leaves the
            // lines as they are.)
            if (b > zero && a < zero)
                bothNegativeLines(w, a, b, r, sep);
        }
    } else {
        const bool product = sign == sign::times;
        w.label31 = hidden();
        w.label28.text = numberText(a.abs(), sep) + sign + numberText(b.abs(), sep) + QStringLiteral("=")
                         + numberText(r.abs(), sep);
        if (a < zero && b < zero) {
            w.label27.text = product ? QStringLiteral("Abu skaičiai neigiami, todėl sudauginame jų modulius")
                                     : QStringLiteral("Abu skaičiai neigiami, todėl dalijame jų modulius");
            w.label29 = hidden();
            w.label30 = hidden();
        } else {
            w.label27.text = product ? QStringLiteral("Pirmiausia sudauginame skaičių modulius:")
                                     : QStringLiteral("Pirmiausia dalijame skaičių modulius:");
            if (r.isNegative()) {
                w.label29 = show(oneNegative);
                w.label30 = show(numberText(r, sep));
            }
        }
    }
    return w;
}

} // namespace zenkla
