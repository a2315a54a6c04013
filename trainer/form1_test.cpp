#include "trainer/form1.h"

#include "trainer/accessibility.h"
#include "trainer/dialogs.h"
#include "trainer/forms.h"
#include "trainer/namefilter.h"
#include "trainer/pendingresult.h"
#include "trainer/resultsfile.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

// Form1 in test mode: the name entry, a row of the results table for each judged answer, and
// the end of the test with the grade and its line in kontr.txt.

namespace zenkla {

void TForm1::text2_keypress(int& KeyAscii)
{
    switch (nameKey(text2->text(), KeyAscii)) {
    case NameKey::AcceptName:
        KeyAscii = key::none;
        acceptName();
        break;
    case NameKey::Type:
        break;
    case NameKey::Discard:
        KeyAscii = key::none;
        break;
    case NameKey::TooLong:
        KeyAscii = key::none;
        nameTooLong();
        break;
    }
}

void TForm1::acceptName()
{
    sitting.name = text2->text();
    showAll({Frame1, Frame2, Command2, Label21});
    Label21->setText(Label21->text() + QStringLiteral("  ") + sitting.name);
    hideAll({Label20, Label24, text2, Command1});
    Picture1->setAutoRedraw(false);
}

// The box is emptied and Form3 tells the pupil to type the name again.
void TForm1::nameTooLong()
{
    text2->clear();
    TForm3* form3 = loadForm3();
    form3->move(pos() + QPoint(100, 67));
    form3->exec();
    text2->setFocus();
}

void TForm1::pasteIntoText2(const QString& pasted)
{
    const int start = text2->hasSelectedText() ? text2->selectionStart() : text2->cursorPosition();
    const NamePaste paste =
        pasteIntoName(text2->text(), start, static_cast<int>(text2->selectedText().size()), pasted);
    if (paste.tooLong) {
        nameTooLong();
        return;
    }
    text2->setText(paste.text);
    text2->setCursorPosition(paste.cursor);
}

// Command2_Click in test mode: the header of the results table.
void TForm1::startResultsTable()
{
    // Every test starts on an empty table, so an abandoned test's rows never show in the next.
    Picture1->clear();
    Picture1->setAutoRedraw(true);
    Picture1->setFontSize(14);
    Picture1->setFontBold(true);
    Picture1->setColour(colour::black);
    // A long name, or "įvairūs veiksmai" with a level of decimals, is set narrower to fit the box.
    const qreal right = ResultsTable::clientWidth - 2;
    Picture1->printWithin(QStringLiteral("  Sprendė     ") + sitting.name, right);
    Picture1->endLine();
    Picture1->printLine(QStringLiteral("  Kontrolinio darbo rezultatai"));
    Picture1->printWithin(QStringLiteral("  Pasirinkta tema  ") + veiksm + QStringLiteral("   Lygis  ") + Label23->text(),
                          right);
    Picture1->endLine();
    Picture1->setFontSize(12);
    Picture1->printLine(QStringLiteral("  Eil.nr.  Mokinio sprendimas           Teisingas atsakymas"));
    Picture1->setFontBold(false);
}

// After each judged answer in test mode: the row of the results table, the end of the test.
void TForm1::afterJudgingInTest(const Judgement& j, int& KeyAscii)
{
    Frame4->hide();
    hideAll({Label3, Label6, Label7});
    // Counted by the judgement, whose verdict Label3 shows: an answer that cannot be judged (no
    // sign on show) counts as neither.
    sitting.record(j.judged && j.right);

    const QChar separator = systemSeparator();
    Picture1->print(QStringLiteral("      ") + printForm(Decimal{k}, separator) + QStringLiteral("       "));
    if (j.judged && !j.right)
        Picture1->setColour(colour::red);
    // A long row (level 4, a long typed answer) is set narrower rather than run past the third
    // column's line: so every correct result stays in its own grid row at column 40.
    const auto& lines = ResultsTable::verticalLines;
    Picture1->printWithin(printForm(a, separator) + QStringLiteral("  ") + Label1->text() + QStringLiteral("   ")
                              + Label5->text() + QStringLiteral("=") + QStringLiteral("    ")
                              + printForm(j.typed, separator) + QStringLiteral("  "),
                          lines[2] - 3);
    Picture1->moveToColumn(40);
    Picture1->setColour(colour::blue);
    // Without a sign there is no correct result to show.
    if (j.judged)
        Picture1->printWithin(printForm(j.result, separator), lines[3] - 3);
    Picture1->endLine();

    if (sitting.finished())
        endTest(KeyAscii);
}

void TForm1::endTest(int& KeyAscii)
{
    KeyAscii = key::none;
    hideAll({Label1, Label2, Label4, Label5, Text1});
    Picture1->printLine();
    Picture1->setFontSize(16);
    Picture1->setColour(colour::red);
    Picture1->printLine(QStringLiteral("  Pažymys:  ") + gradePrintForm(kontr));
    Picture1->show();
    Command1->hide();
    Command3->show();
    // The table and grade are drawn before the line is saved, which may wait a few seconds for
    // another program writing the same file.
    repaint();
    // A line that could not be saved is told with the table and grade on screen, and tried
    // again while they stay there.
    const QString unsaved = pendingResult_->save(sitting.name, kontr);
    if (!unsaved.isEmpty()) {
        message_(unsaved);
        pendingResult_->keepTrying();
    }
    presentResults(*this, unsaved);
}

// Leaving the results: a line still unsaved is tried once more, and the pupil told how it went.
void TForm1::leaveResults()
{
    const QString told = pendingResult_->leave();
    if (!told.isEmpty())
        message_(told);
}

// Command3_Click: the finished table is emptied.
void TForm1::clearResultsTable()
{
    Picture1->clear();
    Picture1->setAutoRedraw(false);
}

} // namespace zenkla
