// Zenkla's answer box: keys through the key filter and pastes through the paste filter, as
// the box applies them; the box only ever holds digits, minus signs and full stops, and a judged
// answer is right exactly when its exact value is the exact result.
#include "fuzz/fuzz.h"
#include "trainer/problems.h"

using namespace zenkla;

namespace {

bool allowed(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'-' || c == u'.';
}

// The paste filter written out: ASCII digits, "-" and "." kept, "," made ".", the rest dropped.
QString referenceFilter(const QString& text)
{
    QString kept;
    for (const QChar c : text)
        if (allowed(c))
            kept += c;
        else if (c == u',')
            kept += u'.';
    return kept;
}

const QString signs[] = {sign::plus, sign::minus, sign::times, sign::divide, QString(), QStringLiteral("x")};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Bytes in(data, size);
    // The problem on show: operands of up to two decimals within ±1000, and a sign.
    const Decimal a = Decimal::fromUnits(in.integer<std::int32_t>() % 10'000'000 / 100 * 100);
    const Decimal b = Decimal::fromUnits(in.integer<std::int32_t>() % 10'000'000 / 100 * 100);
    const QString& sign = signs[in.byte() % 6];

    QString box;
    while (!in.empty()) {
        const std::uint8_t op = in.byte();
        if (op == 0x16) { // Ctrl+V: the next bytes are the clipboard's text
            const QString pasted = QString::fromUtf8(in.take(in.byte() % 40));
            const QString kept = filterAnswerText(pasted);
            fuzz::check(kept == referenceFilter(pasted), "paste filter", pasted);
            fuzz::check(filterAnswerText(kept) == kept, "paste filter twice", pasted);
            box += kept;
        } else {
            const int code = filterAnswerKey(op);
            const bool passes = allowed(QChar(op)) || op == key::backspace;
            fuzz::check(code == (op == ',' ? '.' : passes ? op : key::none), "key filter", QString::number(op));
            if (code == key::backspace)
                box.chop(1);
            else if (code != key::none)
                box += QChar(code);
        }
        for (const QChar c : box)
            fuzz::check(allowed(c), "box holds", box);
    }

    const Judgement j = judge(box, a, sign, b);
    const std::optional<Decimal> r = exactResult(a, sign, b);
    fuzz::check(j.judged == r.has_value(), "judged", sign);
    if (!r)
        return 0;
    fuzz::check(j.result == *r, "result");
    const std::optional<Decimal> typed = TypedNumber::read(box).toDecimal();
    fuzz::check(j.right == (typed == *r), "verdict", box);
    // The right answer typed key by key is judged right, in either separator's typing.
    QString answer = numberText(*r, u'.');
    fuzz::check(judge(answer, a, sign, b).right, "right answer judged wrong", answer);
    QString typedWithComma;
    for (const QChar c : answer.replace(u'.', u','))
        if (const int code = filterAnswerKey(c.unicode()); code != key::none)
            typedWithComma += QChar(code);
    fuzz::check(judge(typedWithComma, a, sign, b).right, "right answer with a comma judged wrong", typedWithComma);
    return 0;
}
