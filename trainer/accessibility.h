#pragma once
// What Zenkla tells a screen reader (AT-SPI through Qt's accessibility): the answer box named
// "Atsakymas" and described by the problem on show, the name box, the tallies spoken with
// their captions, and the results table Picture1 read as its printed lines.
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

// Makes Qt ask Zenkla for the accessible interface of its results table. Idempotent; the
// results table calls it.
void installAccessibility();

} // namespace zenkla
