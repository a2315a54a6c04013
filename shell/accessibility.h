#pragma once
// What Veltora's controls tell a screen reader (AT-SPI through Qt's accessibility).
//
// - Every window is a window named by its caption.
// - A picture box that reacts to a click (the exit picture Image1) is a push button with the
//   press action; a picture box that only shows a picture is a graphic. Both are named by
//   their accessible name ("Pabaiga", "Paveikslėlis").
// - An answer box is named "Atsakymas" and described by the problem it answers, as its labels
//   show it: describeAnswer, one line per box.
// - A tally's counts are named with their captions ("Teisingi atsakymai: 3"); see Tally.
#include <QList>
#include <QString>

class QLabel;
class QLineEdit;

// Names the box "Atsakymas" and keeps its accessible description equal to the texts of the
// problem labels, in the order given (reading order): brought up to date when the box is
// described, after every handler (runHandler), when the box is shown and when it gets the
// focus. Hidden and empty labels are left out. Describing a box again replaces its labels.
void describeAnswer(QLineEdit* box, QList<QLabel*> problemLabels);

// The problem as a pupil reads it off the labels: the texts of the shown labels, trimmed and
// joined by one blank, but none after an opening bracket or before a closing one:
// {"-3", "* ", "(", "-5", ")="} reads "-3 * (-5)=", {"-3", "+", "9", "="} reads "-3 + 9 =".
QString problemText(const QList<QLabel*>& labels);

// Brings the description of every described answer box up to date.
void refreshAnswerDescriptions();

// Makes Qt ask this program for the accessible interfaces of its windows and picture boxes.
// Idempotent; every window and picture box calls it.
void installAccessibility();
