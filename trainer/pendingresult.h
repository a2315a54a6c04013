#pragma once
// The line of a finished test that could not be written to "kontr.txt" at once (the file busy,
// the network folder away for a moment): kept and tried again every few seconds while the
// results are on screen, and once more when the pupil leaves them, so that a grade is lost only
// when the file stays out of reach all that time.
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>

namespace zenkla {

class PendingResult : public QObject {
    Q_OBJECT
public:
    explicit PendingResult(QObject* parent = nullptr);

    // Appends the line. Empty when it was written; otherwise the line is kept and what comes
    // back tells the pupil why it was not and that it will be tried again.
    QString save(const QString& name, int grade);
    // Starts trying the kept line again every retryInterval() (after its message was shown).
    void keepTrying();
    // The pupil leaves the results: one last try of a kept line. Empty when nothing was kept;
    // otherwise that the line is written now, or the reason and the grade to write down. Nothing
    // is kept after.
    QString leave();
    bool pending() const { return pending_; }

    // 3 s unless changed (tests shorten it).
    static std::chrono::milliseconds retryInterval();
    static void setRetryInterval(std::chrono::milliseconds interval);

signals:
    // A later try wrote the kept line; the text tells the pupil so.
    void savedLater(const QString& text);

private:
    void retry();

    QTimer timer_;
    QString name_;
    int grade_ = 0;
    bool pending_ = false;
    QString reason_; // the message of the last failed try
};

} // namespace zenkla
