// The name box of Zenkla's test driven by keys and pastes, as the window applies them: it never
// holds more than 31 characters or one the filter refuses; a paste acts as its characters typed
// one by one; the accepted name always gives a well-formed line of kontr.txt.
#include "fuzz/result_line.h"
#include "trainer/namefilter.h"

#include <Qt>

namespace {

// Keys a pupil may press: special keys, or the character of two bytes.
struct Key {
    int qtKey;
    QString text;
};

Key keyOf(fuzz::Bytes& in)
{
    const std::uint8_t kind = in.byte();
    switch (kind % 8) {
    case 0:
        return {Qt::Key_Backspace, QStringLiteral("\b")};
    case 1:
        return {Qt::Key_Return, QStringLiteral("\r")};
    case 2:
        return {Qt::Key_Tab, QStringLiteral("\t")};
    case 3:
        return {Qt::Key_Left, QString()};
    default: {
        const char16_t u = static_cast<char16_t>(in.byte() | (kind & 0x80 ? in.byte() << 8 : 0));
        return {Qt::Key_unknown, QString(QChar(u))};
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Bytes in(data, size);
    QString box;
    int cursor = 0;
    int grade = 0;
    while (!in.empty()) {
        const std::uint8_t op = in.byte();
        if (op % 4 == 0) {
            // A paste over a selection.
            const int start = in.byte() % 40;
            const int length = in.byte() % 40;
            const QString pasted = QString::fromUtf8(in.take(in.byte() % 48));
            const NamePaste p = pasteIntoName(box, start, length, pasted);
            const int s = std::min<int>(start, static_cast<int>(box.size()));
            const int l = std::min<int>(length, static_cast<int>(box.size()) - s);
            QString kept;
            for (const QChar c : pasted)
                if (nameCharacterAllowed(c))
                    kept += c;
            // Typed one by one: the first replaces the selection, each is refused when the box
            // already holds 31 characters, counting the selection until it is replaced.
            const bool tooLong = !kept.isEmpty() && (box.size() >= maxNameLength || box.size() - l + kept.size() > maxNameLength);
            fuzz::check(p.tooLong == tooLong, "paste limit", box + u'|' + pasted);
            if (tooLong) {
                fuzz::check(p.text.isEmpty() && p.cursor == 0, "a paste too long empties the box");
            } else if (kept.isEmpty()) {
                fuzz::check(p.text == box, "a paste of nothing changes the box");
            } else {
                fuzz::check(p.text == box.left(s) + kept + box.mid(s + l), "paste text", box + u'|' + pasted);
                fuzz::check(p.cursor == s + kept.size(), "paste cursor");
            }
            box = p.text;
            cursor = p.cursor;
        } else if (op % 4 == 1) {
            cursor = box.isEmpty() ? 0 : in.byte() % (box.size() + 1);
        } else {
            const Key k = keyOf(in);
            const int code = nameKeyAscii(k.qtKey, k.text);
            if (code == 0)
                continue; // the box handles it itself (arrows, Tab)
            const NameKey verdict = nameKey(box, code);
            switch (verdict) {
            case NameKey::AcceptName:
                fuzz::check(!box.isEmpty() && code == nameKeyEnter, "accepted");
                grade = (grade + 3) % 11;
                if (const std::optional<QByteArray> line = resultLine(box, grade))
                    fuzz::checkResultLine(*line, box, grade);
                else
                    fuzz::fail("an accepted name cannot be written", box);
                break;
            case NameKey::Type:
                fuzz::check(nameKeyPasses(code), "typed a refused key", k.text);
                if (code == nameKeyBackspace) {
                    if (cursor > 0)
                        box.remove(--cursor, 1);
                } else {
                    fuzz::check(nameCharacterAllowed(k.text.front()), "typed a refused character", k.text);
                    box.insert(cursor++, k.text.front());
                }
                break;
            case NameKey::TooLong:
                fuzz::check(box.size() >= maxNameLength, "too long too early", box);
                box.clear();
                cursor = 0;
                break;
            case NameKey::Discard:
                fuzz::check(!nameKeyPasses(code) || code == nameKeyEnter, "discarded a key that passes", k.text);
                break;
            }
        }
        fuzz::check(box.size() <= maxNameLength, "name too long", box);
        fuzz::check(filterNameText(box) == box, "the box holds what the filter refuses", box);
    }
    return 0;
}
