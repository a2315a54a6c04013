// The pupil's side and the teacher's side of the classroom test (trainer/tests/classroom/):
//   zenkla_classroom append TAG COUNT TRIES PAUSE_MS
//       appends COUNT result lines named after TAG to kontr.txt in the working directory through
//       appendResult, as Zenkla does at the end of a test. A line that cannot be saved is tried
//       again up to TRIES times in all, PAUSE_MS apart, as the results window does. Tells each
//       step on standard output, one line per write(2):
//         S TAG SEQ                   an append begins
//         F TAG SEQ MICROS REASON     an append failed after MICROS microseconds
//         OK TAG SEQ MICROS TRIES     the line was saved
//         LOST TAG SEQ                every try failed: the pupil was told to write the grade down
//   zenkla_classroom hold SECONDS
//       holds the write lock of kontr.txt for SECONDS, as a slow or stuck program would; prints
//       "held" once it has the lock and "released" at the end.
//   zenkla_classroom tally KONTR BEFORE [--all-saved] [--dead LETTER] [--busy LETTER] LOG...
//       compares the file with what the logs say and prints the figures of the run; exits 1 when
//       the run broke a rule: a line reported saved that is not there whole, a torn or duplicated
//       line, lines of one program out of order, the lines that were there before (the file
//       BEFORE holds them) changed. --all-saved: every line must have been saved in the end. --dead:
//       that client's machine was killed, so its lines not reported saved may be missing (but
//       never torn in a way that hides another line). --busy: that client must have been told
//       the file was busy at least once.
#include "trainer/resultsfile.h"

#include <QFile>
#include <QHash>
#include <QString>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

QString lineName(const QString& tag, int seq)
{
    return QStringLiteral("%1 %2 Žemaitė Ąžuolas").arg(tag).arg(seq, 3, 10, QChar(u'0'));
}

int lineGrade(int seq)
{
    return seq % 11;
}

void say(const QByteArray& line)
{
    const QByteArray whole = line + '\n';
    if (::write(STDOUT_FILENO, whole.constData(), static_cast<size_t>(whole.size())) != whole.size())
        std::exit(3);
}

int append(const QString& tag, int count, int tries, int pauseMs)
{
    const QByteArray t = tag.toUtf8();
    for (int seq = 0; seq < count; ++seq) {
        say("S " + t + ' ' + QByteArray::number(seq));
        bool saved = false;
        int attempt = 1;
        for (;; ++attempt) {
            const auto start = std::chrono::steady_clock::now();
            const AppendOutcome outcome = appendResult(lineName(tag, seq), lineGrade(seq));
            const auto micros =
                std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();
            if (outcome.ok) {
                say("OK " + t + ' ' + QByteArray::number(seq) + ' ' + QByteArray::number(micros) + ' '
                    + QByteArray::number(attempt));
                saved = true;
                break;
            }
            QString reason = outcome.message.section(QChar(u'\n'), 1);
            reason.replace(QChar(u'\n'), QChar(u' '));
            say("F " + t + ' ' + QByteArray::number(seq) + ' ' + QByteArray::number(micros) + ' ' + reason.toUtf8());
            if (attempt >= tries)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
        }
        if (!saved)
            say("LOST " + t + ' ' + QByteArray::number(seq));
    }
    return 0;
}

int hold(int seconds)
{
    const int fd = ::open(resultsFileName, O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    if (fd < 0 || ::fcntl(fd, F_SETLKW, &lock) != 0) {
        say("hold failed: " + QByteArray(std::strerror(errno)));
        return 1;
    }
    say("held");
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    ::close(fd);
    say("released");
    return 0;
}

// --- The teacher's side ---

struct Key {
    QByteArray tag;
    int seq = 0;
    bool operator<(const Key& o) const { return tag != o.tag ? tag < o.tag : seq < o.seq; }
};

struct Fate {
    bool started = false;
    bool saved = false;
    bool lost = false; // told to write the grade down
    int failures = 0;
    bool busy = false;
};

int tally(int argc, char** argv)
{
    if (argc < 4)
        return 2;
    const QString kontr = QString::fromLocal8Bit(argv[2]);
    QFile beforeFile(QString::fromLocal8Bit(argv[3]));
    const QByteArray before = beforeFile.open(QIODevice::ReadOnly) ? beforeFile.readAll() : QByteArray();
    const qsizetype prefixBytes = before.size();
    bool allSaved = false;
    QByteArray dead;
    QByteArray busyClient;
    std::vector<QString> logs;
    for (int i = 4; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--all-saved")
            allSaved = true;
        else if (a == "--dead" && i + 1 < argc)
            dead = argv[++i];
        else if (a == "--busy" && i + 1 < argc)
            busyClient = argv[++i];
        else
            logs.push_back(QString::fromLocal8Bit(argv[i]));
    }

    std::map<Key, Fate> fates;
    std::vector<double> millis;
    const QByteArray busyText = QStringLiteral("užimtas").toUtf8();
    for (const QString& log : logs) {
        QFile f(log);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& raw : f.readAll().split('\n')) {
            const QList<QByteArray> w = raw.trimmed().split(' ');
            if (w.size() < 3)
                continue;
            const Key key{w[1], w[2].toInt()};
            if (w[0] == "S")
                fates[key].started = true;
            else if (w[0] == "OK" && w.size() >= 4) {
                fates[key].saved = true;
                millis.push_back(w[3].toDouble() / 1000.0);
            } else if (w[0] == "F" && w.size() >= 4) {
                ++fates[key].failures;
                fates[key].busy = fates[key].busy || raw.contains(busyText);
                millis.push_back(w[3].toDouble() / 1000.0);
            } else if (w[0] == "LOST")
                fates[key].lost = true;
        }
    }

    QHash<QByteArray, Key> expected;
    for (const auto& [key, fate] : fates)
        expected.insert(*resultLine(lineName(QString::fromUtf8(key.tag), key.seq), lineGrade(key.seq)), key);

    QFile file(kontr);
    if (!file.open(QIODevice::ReadOnly)) {
        std::printf("cannot read %s\n", qPrintable(kontr));
        return 1;
    }
    const QByteArray content = file.readAll();
    const bool earlierKept = content.startsWith(before);

    std::map<Key, int> found;
    std::map<QByteArray, int> lastSeq;
    int torn = 0, tornOfDead = 0, outOfOrder = 0;
    qsizetype at = prefixBytes;
    while (at < content.size()) {
        qsizetype end = content.indexOf('\n', at);
        end = end < 0 ? content.size() : end + 1;
        const QByteArray piece = content.mid(at, end - at);
        at = end;
        const auto it = expected.constFind(piece);
        if (it == expected.constEnd()) {
            ++torn;
            // What a machine that died half-way through its line may leave: a start of one of its
            // own lines that it never reported saved.
            for (const auto& [line, key] : expected.asKeyValueRange())
                if (!dead.isEmpty() && key.tag.startsWith(dead) && !fates[key].saved && line.startsWith(piece)
                    && !piece.endsWith('\n')) {
                    ++tornOfDead;
                    break;
                }
            std::printf("  torn: %s\n", piece.toPercentEncoding(" ").constData());
            continue;
        }
        const Key key = it.value();
        ++found[key];
        auto last = lastSeq.find(key.tag);
        if (last != lastSeq.end() && last->second >= key.seq)
            ++outOfOrder;
        lastSeq[key.tag] = key.seq;
    }

    int attempted = 0, saved = 0, retried = 0, toldLost = 0, whole = 0, lost = 0, duplicated = 0, savedButFailed = 0;
    int lostOfDead = 0, busyTold = 0;
    for (const auto& [key, fate] : fates) {
        const int n = found.count(key) ? found.at(key) : 0;
        attempted += fate.started;
        saved += fate.saved;
        retried += fate.saved && fate.failures > 0;
        toldLost += fate.lost;
        busyTold += fate.busy && key.tag.startsWith(busyClient);
        whole += n > 0;
        duplicated += n > 1 ? n - 1 : 0;
        if (fate.saved && n == 0)
            ++lost;
        if (!fate.saved && n > 0)
            ++savedButFailed;
        if (!fate.saved && n == 0 && !dead.isEmpty() && key.tag.startsWith(dead))
            ++lostOfDead;
    }
    std::sort(millis.begin(), millis.end());
    const double median = millis.empty() ? 0 : millis[millis.size() / 2];
    const double max = millis.empty() ? 0 : millis.back();
    std::printf("attempted %d, saved %d (%d after a retry), told to write down %d, found whole %d, lost %d, torn %d, "
                "duplicated %d, out of order %d, written but not reported saved %d, append ms median %.0f max %.0f%s\n",
                attempted, saved, retried, toldLost, whole, lost, torn, duplicated, outOfOrder, savedButFailed, median,
                max, earlierKept ? "" : ", EARLIER LINES CHANGED");
    bool ok = earlierKept && lost == 0 && duplicated == 0 && outOfOrder == 0 && torn == tornOfDead;
    for (const auto& [key, fate] : fates)
        if (allSaved && !(dead.size() && key.tag.startsWith(dead)) && (!fate.saved || fate.lost))
            ok = false;
    if (!busyClient.isEmpty() && busyTold == 0)
        ok = false;
    (void)lostOfDead;
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "append" && argc == 6)
        return append(QString::fromUtf8(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]));
    if (command == "hold" && argc == 3)
        return hold(std::atoi(argv[2]));
    if (command == "tally")
        return tally(argc, argv);
    std::fprintf(stderr, "usage: zenkla_classroom append TAG COUNT TRIES PAUSE_MS | hold SECONDS | tally ...\n");
    return 2;
}
