#include "trainer/pendingresult.h"

#include "trainer/resultsfile.h"

#include <algorithm>

namespace zenkla {

namespace {
std::chrono::milliseconds interval{3000};
const QString savedText = QStringLiteral("Rezultatas įrašytas į failą kontr.txt.");
}

PendingResult::PendingResult(QObject* parent) : QObject(parent)
{
    connect(&timer_, &QTimer::timeout, this, &PendingResult::retry);
}

std::chrono::milliseconds PendingResult::retryInterval()
{
    return interval;
}

void PendingResult::setRetryInterval(std::chrono::milliseconds i)
{
    interval = i;
}

QString PendingResult::save(const QString& name, int grade)
{
    timer_.stop();
    const AppendOutcome outcome = appendResult(name, grade);
    pending_ = !outcome.ok;
    if (outcome.ok)
        return {};
    name_ = name;
    grade_ = grade;
    reason_ = outcome.message;
    return reason_ + QStringLiteral("\nPrograma bandys įrašyti dar kartą kas kelias sekundes.");
}

void PendingResult::keepTrying()
{
    if (pending_)
        timer_.start(interval);
}

void PendingResult::retry()
{
    // A try in the background waits only briefly for another program's lock, so that the window
    // stays answering while the file is busy; the next try comes soon enough.
    const auto wait = resultsLockWait();
    setResultsLockWait(std::min(wait, std::chrono::milliseconds(250)));
    const AppendOutcome outcome = appendResult(name_, grade_);
    setResultsLockWait(wait);
    if (!outcome.ok) {
        reason_ = outcome.message;
        return;
    }
    timer_.stop();
    pending_ = false;
    emit savedLater(savedText);
}

QString PendingResult::leave()
{
    timer_.stop();
    if (!pending_)
        return {};
    pending_ = false;
    const AppendOutcome outcome = appendResult(name_, grade_);
    if (outcome.ok)
        return savedText;
    return outcome.message + QStringLiteral("\nUžsirašykite pažymį: %1.").arg(grade_);
}

} // namespace zenkla
