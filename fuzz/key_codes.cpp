// The key code that Zenkla's key handlers receive for a key event (through the system's
// Windows-1257 codec) against the code page of the results file and the name filter: both
// give every character the same byte, and the character of a code is the one typed. And the
// last guard of both boxes, the validator that passes whatever enters them through their
// filter: the text is the filtered text, the cursor stays within it.
#include "fuzz/fuzz.h"
#include "trainer/codepage.h"
#include "trainer/namefilter.h"
#include "trainer/problems.h"
#include "trainer/widgets.h"

#include <QGuiApplication>
#include <QKeyEvent>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Key events need the application's input devices. It lives to the end of the process: Qt's
    // devices must not be torn down by static destructors after the run.
    static QGuiApplication* app = new QGuiApplication(*argc, *argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Bytes in(data, size);
    static const int keys[] = {Qt::Key_unknown, Qt::Key_A,      Qt::Key_Return, Qt::Key_Enter, Qt::Key_Backspace,
                               Qt::Key_Escape,  Qt::Key_Delete, Qt::Key_Left,   Qt::Key_Tab,   Qt::Key_V};
    static const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
                                                      Qt::AltModifier, Qt::KeypadModifier};
    static const zenkla::FilterValidator answerBox(nullptr, zenkla::filterAnswerText);
    static const zenkla::FilterValidator nameBox(nullptr, filterNameText);
    while (!in.empty()) {
        const std::uint8_t shape = in.byte();
        if (shape == 0xFF) { // text that enters a box by other ways than a key
            const QString original = QString::fromUtf8(in.take(in.byte()));
            const bool answer = in.byte() & 1;
            const auto filter = answer ? zenkla::filterAnswerText : filterNameText;
            QString text = original;
            int pos = original.isEmpty() ? 0 : in.byte() % (original.size() + 1);
            const QValidator::State state = (answer ? answerBox : nameBox).validate(text, pos);
            fuzz::check(state == QValidator::Acceptable && text == filter(original), "validated text", original);
            fuzz::check(pos >= 0 && pos <= text.size(), "cursor outside the text", original);
            QString again = text;
            int end = static_cast<int>(text.size());
            (answer ? answerBox : nameBox).validate(again, end);
            fuzz::check(again == text && end == text.size(), "validating twice changes the text", original);
            continue;
        }
        const int key = keys[shape % 10];
        const Qt::KeyboardModifiers mods = modifiers[(shape >> 4) % 5];
        QString text;
        for (int n = in.byte() % 3; n > 0; --n)
            text += QChar(in.integer<char16_t>());
        const QKeyEvent event(QEvent::KeyPress, key, mods, text);
        const int code = zenkla::keyAsciiOf(event);
        fuzz::check(code >= -1 && code <= 255, "key code out of range", QString::number(code));
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            fuzz::check(code == 13, "Enter");
            continue;
        }
        if (mods & (Qt::ControlModifier | Qt::AltModifier)) {
            fuzz::check(code == -1, "a shortcut types nothing");
            continue;
        }
        if (key == Qt::Key_Backspace || key == Qt::Key_Escape) {
            fuzz::check(code == (key == Qt::Key_Backspace ? 8 : 27), "Backspace, Escape");
            continue;
        }
        if (text.size() != 1 || !text.front().isPrint()) {
            fuzz::check(code == -1, "no character, no code", text);
            continue;
        }
        const int own = windows1257Code(text.front());
        fuzz::check(code == (own >= 0 ? own : '?'), "the codec and the code page disagree", text);
        if (own >= 0)
            fuzz::check(zenkla::charOfKeyAscii(code) == text.front(), "the character of the code", text);
    }
    return 0;
}
