#pragma once
// Zenkla's problems without widgets: the levels and operations, the rounding and the
// two magnitude rules of the draws, the sign draw of mixed mode, the drawing of the operands,
// the exact result, the key filter of the answer box and the judging of a typed answer.
#include "trainer/decimal.h"
#include "trainer/draws.h"

#include <QString>

#include <array>
#include <optional>

namespace zenkla {

// The operation signs as Label1 shows them ("·" is the middle dot U+00B7).
namespace sign {
inline const QString plus = QStringLiteral("+");
inline const QString minus = QStringLiteral("-");
inline const QString times = QString(QChar(0x00B7));
inline const QString divide = QStringLiteral(":");
} // namespace sign

// The title of mixed mode in Label16: while Label16 reads it, every problem draws its sign.
inline const QString mixedTitle = QStringLiteral("Įvairūs veiksmai");

// One operation of the choice (Option1 … Option5, mnuSudėtis … mnuĮvairūs_veiksmai).
struct Operation {
    QString sign;      // written to Label1; empty for mixed mode (drawn)
    QString title;     // Label16
    QString theme;     // veiksm when chosen on the start screen
    QString menuTheme; // veiksm when chosen from the menu (always with a full stop)
};
const std::array<Operation, 5>& operations();

// One level: the status text of Label23 and the bounds of the magnitudes.
struct Level {
    QString status;
    int pr = 0; // lower bound of follow-up magnitudes
    int sk = 0; // upper bound of magnitudes
    int d = 0;  // decimals
};
// Levels 1 … 4 as chosen on the start screen (Option6 … Option9) and from the menu (mnu1 … mnu4);
// they differ only at level 4 (two decimals on the start screen, one from the menu).
const std::array<Level, 4>& startLevels();
const std::array<Level, 4>& menuLevels();

// x converted to four places, then rounded half up to d decimals.
Decimal roundDraw(double x, int d);

enum class Rule { First, FollowUp };
// One magnitude: round(sk·r + 1) for a first problem, round(pr + (sk − pr)·r) for a follow-up.
Decimal magnitude(Rule rule, int pr, int sk, int d, double r);

// The sign of a mixed-mode problem: floor(4·r) + 1 → "+", "-", "·", ":".
QString drawSign(DrawSource& draws);

struct Operands {
    Decimal a;
    Decimal b;
};
// Steps 3 to 5 of drawing a problem: a and b as magnitudes, a := a·b for ":", then the signs
// (never two positive operands).
Operands drawOperands(Rule rule, int pr, int sk, int d, const QString& sign, DrawSource& draws);

// The exact result of a sign b; nullopt for an empty or unknown sign.
std::optional<Decimal> exactResult(Decimal a, const QString& sign, Decimal b);

// Label5's text of the second operand: in parentheses when negative, e.g. "(-7)".
QString secondOperandText(Decimal b, QChar separator);

// Key codes of the 8-bit Windows-1257 set that the key handlers receive.
namespace key {
constexpr int none = 0;
constexpr int backspace = 8;
constexpr int enter = 13;
} // namespace key

// The filter of text1_keypress for a key that is not a judging Enter: Backspace, "-", "." and
// the digits pass, a comma becomes ".", every other key gives 0 (discarded).
int filterAnswerKey(int keyAscii);
// The same filter over a whole text (pasting): the answer box only ever holds digits, minus
// signs and full stops.
QString filterAnswerText(const QString& text);

struct Judgement {
    bool judged = false; // false when the sign is empty: nothing is judged
    bool right = false;
    Decimal result;      // r
    TypedNumber typed;   // x
};
Judgement judge(const QString& typed, Decimal a, const QString& sign, Decimal b);

} // namespace zenkla
