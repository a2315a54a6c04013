#include "trainer/namefilter.h"

#include "trainer/codepage.h"

#include <Qt>

int nameKeyAscii(int qtKey, const QString& text)
{
    switch (qtKey) {
    case Qt::Key_Backspace:
        return nameKeyBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return nameKeyEnter;
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0;
    default:
        break;
    }
    if (text.isEmpty())
        return 0;
    if (text.size() != 1)
        return -1;
    return windows1257Code(text.front());
}

bool nameKeyPasses(int keyAscii)
{
    return keyAscii == nameKeyBackspace || keyAscii == 32 || (keyAscii >= 65 && keyAscii <= 125)
        || (keyAscii >= 180 && keyAscii <= 255);
}

bool nameCharacterAllowed(QChar c)
{
    const int code = windows1257Code(c);
    return code != nameKeyBackspace && nameKeyPasses(code);
}

QString filterNameText(const QString& text)
{
    QString kept;
    for (const QChar c : text)
        if (nameCharacterAllowed(c) && kept.size() < maxNameLength)
            kept += c;
    return kept;
}

NameKey nameKey(const QString& box, int keyAscii)
{
    if (!box.isEmpty() && keyAscii == nameKeyEnter)
        return NameKey::AcceptName;
    if (!nameKeyPasses(keyAscii))
        return NameKey::Discard;
    const qsizetype count = box.size() - (keyAscii == nameKeyBackspace ? 1 : 0);
    if (count > maxNameLength - 1)
        return NameKey::TooLong;
    return NameKey::Type;
}

NamePaste pasteIntoName(const QString& box, int selectionStart, int selectionLength,
                        const QString& pasted)
{
    const int start = qBound(0, selectionStart, static_cast<int>(box.size()));
    const int length = qBound(0, selectionLength, static_cast<int>(box.size()) - start);
    NamePaste result{box, start, false};
    bool selectionReplaced = false;
    for (const QChar c : pasted) {
        if (!nameCharacterAllowed(c))
            continue;
        // The count is taken as for a typed key: the characters already there, the selection
        // included while it has not yet been replaced.
        if (nameKey(result.text, windows1257Code(c)) == NameKey::TooLong)
            return NamePaste{QString(), 0, true};
        if (!selectionReplaced) {
            result.text.remove(start, length);
            selectionReplaced = true;
        }
        result.text.insert(result.cursor, c);
        ++result.cursor;
    }
    return result;
}
