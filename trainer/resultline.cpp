#include "trainer/resultsfile.h"

#include <atomic>

// What the results file's two platform versions share: the line, the messages and the lock
// wait. Appending is resultsfile.cpp (POSIX) or resultsfile_win.cpp (Windows).

namespace {

std::atomic<std::chrono::milliseconds::rep> lockWaitMs{5000};

} // namespace

QString gradePrintForm(int grade)
{
    const QString digits = QString::number(grade < 0 ? -static_cast<qint64>(grade) : grade);
    return (grade < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits + QStringLiteral(" ");
}

std::optional<QByteArray> resultLine(const QString& name, int grade)
{
    for (const QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return std::nullopt;
    std::optional<QByteArray> bytes = toWindows1257(name + gradePrintForm(grade));
    if (bytes)
        bytes->append("\r\n");
    return bytes;
}

QString appendFailure(const QString& reason)
{
    return QStringLiteral("Nepavyko įrašyti rezultato į failą kontr.txt.\nPriežastis: %1").arg(reason);
}

QString busyReason()
{
    return QStringLiteral("Failas kontr.txt užimtas: į jį dabar rašo kita programa.");
}

AppendOutcome unwritableName()
{
    return {false, appendFailure(QStringLiteral("Varde yra ženklų, kurių negalima įrašyti koduote Windows-1257."))};
}

std::chrono::milliseconds resultsLockWait()
{
    return std::chrono::milliseconds(lockWaitMs.load());
}

void setResultsLockWait(std::chrono::milliseconds wait)
{
    lockWaitMs.store(wait.count());
}
