#include "trainer/namefilter.h"
#include "trainer/resultsfile.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// A name box driven as the window drives text2: each key through nameKey, then the box's own
// handling of a key that passed.
struct Box {
    QString text;
    bool accepted = false;
    int tooLong = 0;

    void key(int qtKey, const QString& typed)
    {
        const int ascii = nameKeyAscii(qtKey, typed);
        if (ascii == 0)
            return;
        switch (nameKey(text, ascii)) {
        case NameKey::AcceptName:
            accepted = true;
            break;
        case NameKey::Type:
            if (ascii == nameKeyBackspace)
                text.chop(1);
            else
                text += typed;
            break;
        case NameKey::Discard:
            break;
        case NameKey::TooLong:
            text.clear();
            ++tooLong;
            break;
        }
    }
    void type(const QString& s)
    {
        for (const QChar c : s)
            key(Qt::Key_unknown, QString(c));
    }
    void backspace() { key(Qt::Key_Backspace, QStringLiteral("\b")); }
    void enter() { key(Qt::Key_Return, QStringLiteral("\r")); }
};

TEST(NameFilter, KeyAsciiIsTheWindows1257Code)
{
    const struct {
        int qtKey;
        QString text;
        int ascii;
    } keys[] = {
        {Qt::Key_unknown, "A", 65},         {Qt::Key_unknown, "7", 55},
        {Qt::Key_unknown, "Ž", 0xDE},       {Qt::Key_unknown, "ą", 0xE0},
        {Qt::Key_unknown, "€", 0x80},       {Qt::Key_V, "\x16", 22}, // Ctrl+V
        {Qt::Key_Backspace, "\b", 8},       {Qt::Key_Return, "\r", 13},
        {Qt::Key_Enter, "\r", 13},          {Qt::Key_Left, "", 0},
        {Qt::Key_Delete, "\x7f", 0},        {Qt::Key_Shift, "", 0},
        {Qt::Key_unknown, "中", -1},        {Qt::Key_unknown, "😀", -1},
        {Qt::Key_unknown, "ab", -1},
    };
    for (const auto& k : keys)
        EXPECT_EQ(nameKeyAscii(k.qtKey, k.text), k.ascii) << k.text.toStdString();
}

TEST(NameFilter, PassingCodesAtTheEdgesOfTheRanges)
{
    for (int code : {8, 32, 65, 90, 97, 122, 125, 180, 0xC0, 0xDE, 0xFE, 255})
        EXPECT_TRUE(nameKeyPasses(code)) << code;
    for (int code : {-1, 0, 9, 10, 13, 22, 31, 33, 45, 46, 48, 57, 64, 126, 127, 128, 179, 256})
        EXPECT_FALSE(nameKeyPasses(code)) << code;
}

TEST(NameFilter, DigitsFullStopAndHyphenAreRefusedLithuanianLettersPass)
{
    Box box;
    box.type(QStringLiteral("J0n.a-s 7,'~€中"));
    EXPECT_EQ(box.text, QStringLiteral("Jnas "));

    box.text.clear();
    box.type(QStringLiteral("Žemaitė Ąžuolas"));
    EXPECT_EQ(box.text, QStringLiteral("Žemaitė Ąžuolas"));
    for (const QChar c : QStringLiteral("ąčęėįšųūžĄČĘĖĮŠŲŪŽäöüõéÄÖÜÕÉ_{}")) {
        EXPECT_EQ(nameKey(QString(), nameKeyAscii(Qt::Key_unknown, QString(c))), NameKey::Type);
        EXPECT_TRUE(nameCharacterAllowed(c)) << QString(c).toStdString();
    }
    EXPECT_FALSE(nameCharacterAllowed(u'\b')); // passes as a key, never stands in a name
}

TEST(NameFilter, EnterAcceptsOnlyANonEmptyName)
{
    Box box;
    box.enter();
    EXPECT_FALSE(box.accepted);
    EXPECT_TRUE(box.text.isEmpty());
    box.type(QStringLiteral("Ona"));
    box.enter();
    EXPECT_TRUE(box.accepted);
    EXPECT_EQ(box.text, QStringLiteral("Ona"));
    EXPECT_EQ(nameKey(QString(31, u'a'), nameKeyEnter), NameKey::AcceptName);
}

TEST(NameFilter, ThirtyOneCharactersAreAcceptedTheThirtySecondIsTooLong)
{
    Box box;
    const QString name = QStringLiteral("Aleksandra Žemaitytė Ąžuolienė ");
    ASSERT_EQ(name.size(), 31);
    box.type(name);
    EXPECT_EQ(box.text, name);
    EXPECT_EQ(box.tooLong, 0);
    box.type(QStringLiteral("1.")); // refused keys never count
    EXPECT_EQ(box.tooLong, 0);
    box.backspace(); // Backspace at 31 is allowed
    EXPECT_EQ(box.text, name.chopped(1));
    box.type(QStringLiteral("s"));
    EXPECT_EQ(box.text.size(), 31);
    box.type(QStringLiteral("x"));
    EXPECT_EQ(box.tooLong, 1);
    EXPECT_TRUE(box.text.isEmpty());
    box.type(QStringLiteral("Ona")); // the next accepted key starts over
    EXPECT_EQ(box.text, QStringLiteral("Ona"));
    EXPECT_EQ(box.tooLong, 1);
}

TEST(NameFilter, PasteActsAsTypingTheCharactersAtTheCursor)
{
    const struct {
        QString box;
        int start, selected;
        QString pasted;
        QString text;
        int cursor;
        bool tooLong;
    } cases[] = {
        {"", 0, 0, "Jonas\r\nJonaitis\t2.-7", "JonasJonaitis", 13, false},
        {"", 0, 0, "Žemaitė Ąžuolas 😀中\b", "Žemaitė Ąžuolas ", 16, false},
        {"Jonas", 0, 0, "Ona ", "Ona Jonas", 4, false},
        {"Jonas Jonaitis", 6, 8, "Petraitis", "Jonas Petraitis", 15, false},
        {"Jonas", 0, 5, "123", "Jonas", 0, false}, // nothing passes: the selection stays
        {QString(25, u'a'), 25, 0, "b1b2b3b4b5b6", QString(25, u'a') + "bbbbbb", 31, false},
        {QString(25, u'a'), 25, 0, "bbbbbbb", "", 0, true},
        {QString(31, u'a'), 0, 31, "b", "", 0, true}, // counted as a key over a selection
    };
    for (const auto& c : cases) {
        const NamePaste p = pasteIntoName(c.box, c.start, c.selected, c.pasted);
        EXPECT_EQ(p.text, c.text) << c.pasted.toStdString();
        EXPECT_EQ(p.cursor, c.cursor) << c.pasted.toStdString();
        EXPECT_EQ(p.tooLong, c.tooLong) << c.pasted.toStdString();
    }
}

TEST(NameFilter, PastedNamesAlwaysFitTheFileLine)
{
    const QString pool = QStringLiteral("aZ ąŽ09.-\r\n\t\b€~中😀_{}´ÿ\x16");
    std::mt19937 random(7);
    const auto below = [&](qsizetype n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int round = 0; round < 2000; ++round) {
        QString box;
        for (int paste = 0; paste < 4; ++paste) {
            QString pasted;
            for (int i = below(20); i > 0; --i)
                pasted += pool[below(pool.size())];
            const int start = below(box.size() + 1);
            const NamePaste p = pasteIntoName(box, start, below(box.size() - start + 1), pasted);
            ASSERT_LE(p.text.size(), maxNameLength);
            ASSERT_GE(p.cursor, 0);
            ASSERT_LE(p.cursor, p.text.size());
            for (const QChar c : p.text)
                ASSERT_TRUE(nameCharacterAllowed(c)) << p.text.toStdString();
            ASSERT_TRUE(resultLine(p.text, 7).has_value()) << p.text.toStdString();
            box = p.text;
        }
    }
}

// The box's last guard keeps the allowed characters, at most 31 of them.
TEST(NameFilter, FilterNameTextKeepsAllowedCharactersUpToTheLimit)
{
    EXPECT_EQ(filterNameText(QStringLiteral("Ona\r\n Pe3tr.ai-tė中")), QStringLiteral("Ona Petraitė"));
    EXPECT_EQ(filterNameText(QString(40, u'ž')), QString(31, u'ž'));
    EXPECT_EQ(filterNameText(QStringLiteral("1.2-3")), QString());
}

} // namespace
