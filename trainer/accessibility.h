#pragma once
// What Zenkla tells a screen reader (AT-SPI through Qt's accessibility): the answer box named
// "Atsakymas" and described by the problem on show (in a test with its number), the name box,
// the tallies spoken with their captions, the results table Picture1 read as its printed lines,
// and the status box (level and elapsed time) as the window's status bar, which Orca reads when
// asked (Orca+KP_Enter twice).
//
// What follows Enter is read with the control that gets the focus then, as its description:
// Orca 43 reads a focused control's name, role and description, but nothing of a label that
// changes elsewhere in the window, and Qt 6.4 sends it a changed name or description without
// the text. After an answer in the trainer "&Toliau" says the verdict, the right result and the
// worked solution, and the tallies; at the end of a test the "Toliau" under the table says the
// table line by line, the grade and whether the line was saved.
#include <QList>
#include <QString>

#include <functional>

class QLabel;
class QWidget;

namespace zenkla {

class TForm1;

// Keeps a control's accessible name or description equal to a text worked out from the
// window. The text is brought up to date whenever the program has handled the events at hand
// and is about to wait for the next ones (so, before a screen reader's question is answered),
// and when the control is shown or gets the focus.
enum class AccessibleText { Name, Description };
void follow(QWidget* control, AccessibleText which, std::function<QString()> text);

// The problem as the labels show it: their texts trimmed, empty ones left out, joined by one
// blank ("3 + (-5) =").
QString problemText(const QList<QLabel*>& labels);

// Gives Form1's controls their names and descriptions for screen readers.
void makeAccessible(TForm1& form);

// The end of a test: the "Toliau" under the results table gets the focus and says the table, the
// grade and what became of the results line ("Rezultatas įrašytas į failą kontr.txt.", or why it
// was not: `unsaved`).
void presentResults(TForm1& form, const QString& unsaved);

// What "&Toliau" says after an answer in the trainer: "Neteisingai. Turi būti -2. Sprendimas: …
// Teisingai: 0. Neteisingai: 1."; nothing in a test or before an answer.
QString judgementText(const TForm1& form);

// Makes Qt ask Zenkla for the accessible interface of its results table. Idempotent; the
// results table calls it.
void installAccessibility();

} // namespace zenkla
