#pragma once
// The results file "kontr.txt" of Zenkla's test, written in the Windows-1257 code page.
#include "trainer/codepage.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <optional>

// The file, in the working directory.
inline constexpr char resultsFileName[] = "kontr.txt";

// The print form of the grade as the test prints it into the table and the file: a blank
// ("-" if it were negative), the digits, a blank. 7 gives " 7 ", 10 gives " 10 ".
QString gradePrintForm(int grade);

// One line of the file: the name as typed, the print form of the grade (so a blank, the
// digits, a blank), carriage return and line feed, in Windows-1257 bytes. Nothing when the
// name holds a control character (a line break above all) or a character outside the code page.
std::optional<QByteArray> resultLine(const QString& name, int grade);

struct AppendOutcome {
    bool ok = true;
    // When not ok, what to tell the pupil and the teacher, in Lithuanian, with the reason:
    // "Nepavyko įrašyti rezultato į failą kontr.txt.\nPriežastis: …".
    QString message;
    explicit operator bool() const { return ok; }
};

// What both platforms' appendResult tell: a failure with its reason, in the form above; the
// reason when another program holds the file; the outcome for a name the code page cannot write.
QString appendFailure(const QString& reason);
QString busyReason();
AppendOutcome unwritableName();

// How long appendResult waits for another program's lock on the file before it reports the
// file busy: 5 s unless changed (tests shorten or lengthen it).
std::chrono::milliseconds resultsLockWait();
void setResultsLockWait(std::chrono::milliseconds wait);

// Appends the line of a finished test to "kontr.txt" in the working directory, so that the
// file survives a classroom writing to one shared folder, a full disk and a power cut:
//  - the file is created when missing (mode 0644 before the umask) and otherwise extended at
//    its end; the lines already there are never rewritten, reordered or cut;
//  - the whole file is locked with an fcntl write lock (which NFS and SMB clients pass on to
//    the server) for the append, asked for again and again until resultsLockWait() is over;
//    when another program holds it longer, nothing is written and the file is reported busy;
//  - under the lock the length is asked afresh and the whole line written at the end, a short
//    write completed; a line that cannot be completed (disk full, file size limit) is cut away
//    again, so the file never holds a half line of ours;
//  - when the file does not end with a line end (a program died half-way through its line),
//    the line starts on a line of its own: a carriage return and line feed go before it;
//  - the file (and a newly made directory entry) is flushed to the disk, and the line read
//    back from where it was written, before success is reported;
//  - the length is asked of the server afresh once the lock is held: an SMB client may
//    otherwise keep one from before another client's lines;
//  - when writing fails otherwise than for a full or read-only disk (a lost connection: a server
//    restart takes the lock with it), the file is opened and locked again, for as long as the
//    lock wait while the server comes back, and the line written anew unless it is found where
//    it was written.
// A failure comes back as the outcome; the caller shows it and goes on.
AppendOutcome appendResult(const QString& name, int grade);
