#pragma once
// The rules of the name box text2 in Zenkla's test (text2_keypress): which keys pass,
// the 31-character limit, and the same rules for pasted text. No widgets here: the window maps
// its key events and pastes through these functions and acts on the verdict.
#include <QString>

// The longest name: a key that passes is refused when the box already holds more than 30
// characters (Backspace counting one fewer).
inline constexpr int maxNameLength = 31;

// Key codes of text2_keypress (KeyAscii).
inline constexpr int nameKeyBackspace = 8;
inline constexpr int nameKeyEnter = 13;

// KeyAscii of a key event: Backspace 8, Return and keypad Enter 13, otherwise the Windows-1257
// code of the one character the key types (control characters of Ctrl+letter included, so
// Ctrl+V gives 22, which the filter refuses), -1 for a character outside the code page or for
// text of more than one character (an input method's, which the window may pass to
// pasteIntoName instead). 0 for keys that type nothing (arrows, Home, End, Delete, Tab,
// modifiers): text2_keypress is not run for them and the box handles them itself. A window
// that wants the usual editing shortcuts (copy, undo, paste through pasteIntoName) matches them
// before asking this.
int nameKeyAscii(int qtKey, const QString& text);

// The key passes the filter: Backspace, the blank, 65 … 125 (A–Z, a–z, [ \ ] ^ _ `
// { | }) and 180 … 255 (the accented and Lithuanian letters of the code page).
bool nameKeyPasses(int keyAscii);

// The character may stand in a name (it is one that passes and not Backspace).
bool nameCharacterAllowed(QChar c);

enum class NameKey {
    AcceptName, // Enter with a name in the box: accept it; the key itself is discarded
    Type,       // the key passes: the box takes it (types the character, or Backspace erases)
    Discard,    // refused: nothing happens
    TooLong,    // empty the box, discard the key, open Form3 "Labai ilgas įrašas. …"
};

// The characters of a text that may stand in a name, at most 31 of them: the last guard of the
// box for text that comes neither by a key nor by a paste (an input method's, for one).
QString filterNameText(const QString& text);

// text2_keypress for the box's current text and a KeyAscii: Enter with a name accepts it, then
// the filter, then the length rule.
NameKey nameKey(const QString& box, int keyAscii);

// A paste into the box. The pasted text acts as if its characters were typed one by one at the
// cursor (the first replacing the selection): characters that do not pass are dropped, line
// breaks and tabs among them (a paste never accepts the name), and a character that passes
// while the box holds more than 30 characters empties the box, drops the rest of the paste and
// opens Form3.
struct NamePaste {
    QString text;         // the box's text afterwards
    int cursor = 0;       // the cursor position afterwards
    bool tooLong = false; // open Form3 (text is then empty)
};
// selectionStart is the cursor position when nothing is selected (selectionLength 0).
NamePaste pasteIntoName(const QString& box, int selectionStart, int selectionLength,
                        const QString& pasted);
