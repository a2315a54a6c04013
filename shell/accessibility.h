#pragma once
// What Veltora's controls tell a screen reader (AT-SPI through Qt's accessibility).
//
// - Every window is a window named by its caption.
// - A picture box that reacts to a click (the exit picture Image1) is a push button with the
//   press action; a picture box that only shows a picture is a graphic. Both are named by
//   their accessible name ("Pabaiga", "Paveikslėlis").
// - An answer box is named "Atsakymas" (in a test "Klausimas 3") and described by the problem it
//   answers, as its labels show it: describeAnswer, one line per box.
// - A tally's counts are named with their captions ("Teisingi atsakymai: 3"); see Tally.
// - What happens after Enter (verdict and tally, the next question of a test, the review sheet
//   and the grade, a help page) is told as a notification: announce. Orca 43 reads an object of
//   notification role when it is shown; it reads nothing of a label that changes elsewhere in
//   the window, and Qt 6.4 tells it the new name or description of the focused control without
//   the text, so that it says nothing then either.
#include <QList>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

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

// Tells a screen reader a message at once, as a notification of the window `near` belongs to:
// a notice without size, seen by nobody, is shown and hidden again. Nothing is told while the
// window is not on screen. The last few notices are kept, so that the screen reader can still
// ask for a message it has not read yet.
//
// Orca drops notifications that wait in its queue behind more than 50 other events when the
// focus moves: a change that makes many events at once (a review sheet) is told with the
// focus instead (see review::showGrade).
void announce(QWidget* near, const QString& text);

// The answer box of a test's question n is named "Klausimas n", and the screen reader says so
// when the box gets the focus. When it has the focus already (one box serves every question),
// the question is told at once: "Klausimas 2: 3 a + 2 - 5 a =".
void presentQuestion(QLineEdit* box, int n);

// The text of a page as a pupil reads it: the shown labels from the top, left to right; example
// lines kept apart by semicolons.
QString pageText(const QWidget* page);

// Makes Qt ask this program for the accessible interfaces of its windows and picture boxes.
// Idempotent; every window and picture box calls it.
void installAccessibility();
