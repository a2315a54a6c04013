// The screen-reader check: drives the real Veltora and Zenkla by keyboard (xdotool: Tab, Enter,
// typing) while Orca reads them out, and checks what Orca says, in order, against one table of
// routes. Run by testing/screen_reader.sh inside an X server and a session bus of its own:
//   screen_reader_check <veltora> <zenkla> <paveikslai folder> <run folder> <transcript file>
// Orca's words come from its debug output ("SPEECH OUTPUT: '…'"), which it is told to write to
// a pseudo-terminal: to a file it would write in blocks, and the last words before a pause
// would stay in its buffer.
#include "testing/spoken.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QStringList>
#include <QTextStream>
#include <QThread>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// How long Orca may take to say what a step expects, and the silence after which a step is over.
constexpr int hearWithinMs = 25000;
constexpr int quietMs = 400;
constexpr int startWithinMs = 60000;

// ------------------------------------------------------------------------------------------
// The route table.

enum class Program { Veltora, Zenkla };
// How an answer is worked out from the problem as Orca said it.
enum class Solve { Signed, Expression, Equation, Trainer };
enum class Answer { None, Right, Wrong };

struct Step {
    const char* keys = "";        // xdotool key names, pressed one after the other
    Answer answer = Answer::None; // typed first (over what the box holds): the answer to the
                                  // problem heard last
    // What Orca must say after the step, in this order (regular expressions, each matched
    // against one utterance). A group named "problem" keeps the problem for the next answer;
    // "{answer N}" stands for the N-th answer typed in the route (from 1).
    std::vector<QString> hear;
    // Press the keys again and again (up to 15 times) until the first thing to hear is heard.
    bool untilHeard = false;
    QString type = {}; // typed first: fixed text
};

struct Route {
    const char* name;
    Program program;
    Solve solve;
    std::vector<Step> steps;
    // What the program's "kontr.txt" holds at the end (Windows-1257), when it writes one.
    const char* resultsFile = nullptr;
};

// A problem as an answer box describes it ("-3 * (-5)=", "3 a + 2 - 5 a =", "... x =").
// It starts with a number, a sign or the letter ("- x - 7 x = 5 x + 26"); Orca puts a full stop
// after a text that ends in a letter or digit.
const QString problem = QStringLiteral(R"(^(?<problem>([-(\d]|[ax]\b).*=.*?)\.?$)");
const QString answerBox = QStringLiteral(R"(^Atsakymas text\.$)");

QString exactly(const QString& text)
{
    return QLatin1Char('^') + QRegularExpression::escape(text) + QStringLiteral(R"(\.?$)");
}

QString notification(const QString& text)
{
    return exactly(QStringLiteral("notification ") + text);
}

// A Veltora topic: its practice window (a prompt for an empty answer, a wrong and a right
// answer, the next problem; in the signed numbers the kinds up to 6, whose box kinds 5-10 share,
// and the help page), then a whole test with two wrong answers, its review sheet and the grade.
struct Topic {
    const char* name;
    int tabs;           // Tab presses from the main menu's first button
    const char* menu;   // the topic menu's caption
    const char* window; // the caption of the practice and test windows
    Solve solve;
    bool help;          // the practice window has "Pagalba"
    bool sameBox;       // the test asks every question in one answer box
    int more;           // problems answered right after the first (the signed numbers' kinds 2-6)
};

Route veltoraTopic(const Topic& t)
{
    const QString window = QString::fromUtf8(t.window) + QStringLiteral(" frame.");
    std::vector<Step> s;
    s.push_back({"", {}, {exactly(QStringLiteral("Veltora 7 frame")), exactly(QStringLiteral("Teigiami neigiami skaičiai push button"))}});
    s.push_back({t.tabs == 0 ? "Return" : t.tabs == 1 ? "Tab Return" : "Tab Tab Return", {},
                 {exactly(QString::fromUtf8(t.menu) + QStringLiteral(" frame")), exactly(QStringLiteral("Teorija push button"))}});
    s.push_back({"Tab Return", {}, {exactly(QStringLiteral("Pratybos push button")), exactly(window), answerBox, problem}});
    s.push_back({"Return", {}, {exactly(QStringLiteral("Iveskite skaičių frame"))}});
    s.push_back({"alt+F4", {}, {answerBox, problem}});
    s.push_back({"Return", Answer::Wrong, {notification(QStringLiteral("Blogai. Neteisingi atsakymai: 1"))}});
    s.push_back({"Return", Answer::Right,
                 {notification(QStringLiteral("Gerai. Teisingi atsakymai: 1")), exactly(QStringLiteral("Toliau push button"))}});
    s.push_back({"Return", {}, {answerBox, problem}});
    for (int more = 1; more <= t.more; ++more) {
        s.push_back({"Return", Answer::Right,
                     {notification(QStringLiteral("Gerai. Teisingi atsakymai: %1").arg(more + 1)), exactly(QStringLiteral("Toliau push button"))}});
        s.push_back({"Return", {}, {answerBox, problem}});
    }
    if (t.help) {
        s.push_back({"Tab Tab", {}, {exactly(QStringLiteral("Pagalba push button"))}});
        // The page is told as it comes up, before the window manager has made it the active window.
        s.push_back({"Return", {}, {QStringLiteral("^notification (Norint sudėti du skaičius|Daugindami ar dalindami du skaičius) .*Pavyzdys: "),
                                    QStringLiteral(" frame\\.$")}});
        s.push_back({"alt+F4", {}, {answerBox, problem}});
    }
    s.push_back({"Tab", {}, {exactly(QStringLiteral("Pradžia push button"))}, true});
    s.push_back({"Return", {}, {exactly(QString::fromUtf8(t.menu) + QStringLiteral(" frame")), exactly(QStringLiteral("Pratybos push button"))}});
    s.push_back({"Tab Return", {}, {exactly(QStringLiteral("Patikrinamasis darbas push button")), exactly(window),
                                   exactly(QStringLiteral("Klausimas 1 text")), problem}});
    // The test: answers 3 and 7 wrong; the practice took the answers before. At the end the exit
    // picture gets the focus and the sheet is read with it, row by row, then the grade.
    const int before = 2 + t.more;
    for (int n = 1; n <= 10; ++n) {
        const Answer a = n == 3 || n == 7 ? Answer::Wrong : Answer::Right;
        std::vector<QString> hear;
        if (n < 10 && t.sameBox) {
            hear = {QStringLiteral(R"(^notification Klausimas %1: (?<problem>.+=.*?)\.?$)").arg(n + 1)};
        } else if (n < 10) {
            hear = {exactly(QStringLiteral("Klausimas %1 text").arg(n + 1)), problem};
        } else {
            QStringList rows;
            for (int row = 1; row <= 10; ++row)
                rows.append(QStringLiteral(R"([^.]+, {answer %1}, %2)")
                                .arg(before + row)
                                .arg(row == 3 || row == 7 ? QStringLiteral("Blogai") : QStringLiteral("Gerai")));
            rows.append(QStringLiteral("Įvertinimas: 8"));
            hear = {exactly(QStringLiteral("Pabaiga push button")), QLatin1Char('^') + rows.join(QStringLiteral("\\. ")) + QStringLiteral("\\.?$")};
        }
        s.push_back({"Return", a, hear});
    }
    return {t.name, Program::Veltora, t.solve, s};
}

// Zenkla: the trainer (operation and level chosen, a wrong answer with its worked solution, a
// right one, the elapsed time asked for), then a test (the name entry, a name too long, ten
// problems with two wrong answers, the results table, the grade and the saved line).
Route zenkla()
{
    const QString toliau = exactly(QStringLiteral("Toliau push button"));
    std::vector<Step> s;
    s.push_back({"", {}, {exactly(QStringLiteral("Mokomoji veltoros programa 7 kl. \"Veiksmai su teigiamais ir neigiamais skaičiais \" frame")),
                          exactly(QStringLiteral("Veiksmas panel")), exactly(QStringLiteral("Sudėtis"))}});
    // The arrows move to "Įvairūs veiksmai", the space bar chooses it.
    s.push_back({"Down Down Down Down space", {}, {exactly(QStringLiteral("Įvairūs veiksmai")), QStringLiteral("^selected")}});
    s.push_back({"Tab", {}, {exactly(QStringLiteral("Lygis panel")), exactly(QStringLiteral("1 lygis [10;10]")),
                             exactly(QStringLiteral("selected radio button"))}});
    s.push_back({"Tab", {}, {exactly(QStringLiteral("Pasirinkau veiksmą ir lygį push button"))}});
    s.push_back({"Return", {}, {answerBox, problem}});
    s.push_back({"Return", Answer::Wrong, {toliau, QStringLiteral(
        R"(^Neteisingai\. Turi būti -?\d+\. Sprendimas: (Abu skaičiai neigiami|Ženklai skirtingi|Atskliaudę gauname|Pirmiausia)[ ,:].+ Teisingai: 0\. Neteisingai: 1\.?$)")}});
    s.push_back({"Return", {}, {answerBox, problem}});
    s.push_back({"Return", Answer::Right, {toliau, exactly(QStringLiteral("Teisingai. Teisingai: 1. Neteisingai: 1"))}});
    // Orca's "speak the status bar": Orca+KP_Enter twice.
    s.push_back({"Insert+KP_Enter Insert+KP_Enter", {}, {QStringLiteral(R"(^Lygis 1 \[-10;10\], Laikas \d+:\d+ statusbar\.$)")}});
    s.push_back({"ctrl+c", {}, {exactly(QStringLiteral("Vardas ir pavardė text")),
                                exactly(QStringLiteral("Reikia išspręsti 10 pratimų. Įrašykite savo vardą ir pavardę, spauskite \"ENTER\""))}});
    s.push_back({"", {}, {exactly(QStringLiteral("Klaida! dialog Labai ilgas įrašas. Įrašykite vardą ir pavardę iš naujo.")),
                          exactly(QStringLiteral("Ok push button"))}, false, QStringLiteral("Abcdefghijklmnopqrstuvwxyzabcdefg")});
    s.push_back({"Return", {}, {exactly(QStringLiteral("Vardas ir pavardė text"))}});
    s.push_back({"Return", {}, {exactly(QStringLiteral("Veiksmas panel")), exactly(QStringLiteral("Įvairūs veiksmai"))}, false,
                 QStringLiteral("Jonas Žemaitis")});
    s.push_back({"Tab", {}, {exactly(QStringLiteral("Pasirinkau veiksmą ir lygį push button"))}, true});
    s.push_back({"Return", {}, {answerBox, QStringLiteral(R"(^1 pratimas: (?<problem>.+=)$)")}});
    // Problems 3 and 7 answered wrong; the trainer took answers 1 and 2.
    const int before = 2;
    for (int n = 1; n <= 10; ++n) {
        const Answer a = n == 3 || n == 7 ? Answer::Wrong : Answer::Right;
        if (n < 10) {
            s.push_back({"Return", a, {toliau}});
            s.push_back({"Return", {}, {answerBox, QStringLiteral(R"(^%1 pratimas: (?<problem>.+=)$)").arg(n + 1)}});
            continue;
        }
        QStringList table{QStringLiteral("Sprendė Jonas Žemaitis"), QStringLiteral("Kontrolinio darbo rezultatai"),
                          QStringLiteral("Pasirinkta tema įvairūs veiksmai Lygis 1 \\[-10;10\\]"),
                          QStringLiteral("Eil\\.nr\\. Mokinio sprendimas Teisingas atsakymas")};
        for (int row = 1; row <= 10; ++row)
            table.append(QStringLiteral("%1, [^,]+= {answer %2}, -?\\d+").arg(row).arg(before + row));
        table.append(QStringLiteral("Pažymys: 8"));
        table.append(QStringLiteral("Rezultatas įrašytas į failą kontr\\.txt\\."));
        s.push_back({"Return", a, {toliau, QLatin1Char('^') + table.join(QStringLiteral("\\.? ")) + QLatin1Char('$')}});
    }
    return {"Zenkla", Program::Zenkla, Solve::Trainer, s, "Jonas Žemaitis 8 \r\n"};
}

const std::vector<Route>& routes()
{
    static const std::vector<Route> table = {
        veltoraTopic({"Veltora: signed numbers", 0, "Teigiami neigiami skaičiai", "Teigiami ir neigiami skaičiai",
                      Solve::Signed, true, false, 5}),
        veltoraTopic({"Veltora: expressions", 1, "Reiškinių pertvarkymas", "Reiškinių pertvarkymas", Solve::Expression,
                      false, true, 0}),
        veltoraTopic({"Veltora: equations", 2, "Lygtys", "Lygtys", Solve::Equation, false, true, 0}),
        zenkla(),
    };
    return table;
}

// ------------------------------------------------------------------------------------------
// What Orca says.

class Transcript {
public:
    // Opens the pseudo-terminal Orca writes its debug output to.
    bool open(QString* error)
    {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
            *error = QStringLiteral("no pseudo-terminal: %1").arg(QString::fromLocal8Bit(strerror(errno)));
            return false;
        }
        terminal_ = QString::fromLocal8Bit(ptsname(master_));
        // Kept open here too, so that the master never reads end-of-file between Orca's opens.
        slave_ = ::open(terminal_.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
        termios t{};
        tcgetattr(slave_, &t);
        cfmakeraw(&t);
        tcsetattr(slave_, TCSANOW, &t);
        reader_ = std::thread([this] { read(); });
        return true;
    }

    ~Transcript()
    {
        if (slave_ >= 0)
            ::close(slave_);
        stop_ = true;
        if (master_ >= 0)
            ::close(master_);
        if (reader_.joinable())
            reader_.detach(); // blocked in read() on a closed descriptor at worst; the process ends
    }

    QString terminal() const { return terminal_; }
    void keepRawOutput(const QString& path) { raw_.setFileName(path); raw_.open(QIODevice::WriteOnly); }

    // Entries: what Orca said ("« …") and what the driver did ("» …"), in the order they happened.
    struct Entry {
        bool spoken;
        QString text;
        qint64 at;
    };

    void note(const QString& action) { add(false, action); }

    qsizetype size() const
    {
        std::lock_guard lock(mutex_);
        return entries_.size();
    }

    std::optional<Entry> at(qsizetype i) const
    {
        std::lock_guard lock(mutex_);
        if (i < entries_.size())
            return entries_[i];
        return std::nullopt;
    }

    qint64 msSinceOutput() const { return clock_.elapsed() - lastOutput_.load(); }

    QString text(qsizetype from = 0) const
    {
        std::lock_guard lock(mutex_);
        QString out;
        for (qsizetype i = qMax<qsizetype>(0, from); i < entries_.size(); ++i)
            out += QStringLiteral("%1 %2 %3\n")
                       .arg(entries_[i].at / 1000.0, 7, 'f', 2)
                       .arg(entries_[i].spoken ? QStringLiteral("«") : QStringLiteral("»"), entries_[i].text);
        return out;
    }

private:
    void add(bool spoken, const QString& text)
    {
        std::lock_guard lock(mutex_);
        entries_.append({spoken, text, clock_.elapsed()});
    }

    void read()
    {
        QByteArray pending;
        char buffer[8192];
        while (!stop_) {
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n <= 0) {
                if (n < 0 && errno == EINTR)
                    continue;
                if (stop_)
                    return;
                std::this_thread::sleep_for(50ms);
                continue;
            }
            lastOutput_ = clock_.elapsed();
            if (raw_.isOpen())
                raw_.write(buffer, n);
            pending.append(buffer, n);
            qsizetype end;
            while ((end = pending.indexOf('\n')) >= 0) {
                QString line = QString::fromUtf8(pending.left(end));
                pending.remove(0, end + 1);
                if (line.endsWith(QLatin1Char('\r')))
                    line.chop(1);
                parse(line);
            }
        }
    }

    // One line of Orca's debug output. An utterance is "HH:MM:SS.micro - SPEECH OUTPUT: '…'"
    // followed by the voice ("{…}"); one that holds line breaks goes on over indented lines.
    void parse(const QString& line)
    {
        static const QRegularExpression complete(QStringLiteral(R"(^(.*)'(?: voice=\S+)? ?\{.*\}\s*$)"),
                                                 QRegularExpression::DotMatchesEverythingOption);
        static const QString marker = QStringLiteral(" - SPEECH OUTPUT: '");
        if (inUtterance_) {
            utterance_ += QLatin1Char('\n') + line.mid(qMin<qsizetype>(18, line.size() - line.trimmed().size()));
            if (++utteranceLines_ > 100)
                inUtterance_ = false;
        } else if (const qsizetype at = line.indexOf(marker); at >= 0) {
            utterance_ = line.mid(at + marker.size());
            inUtterance_ = true;
            utteranceLines_ = 1;
        } else {
            return;
        }
        const QRegularExpressionMatch m = complete.match(utterance_);
        if (m.hasMatch()) {
            inUtterance_ = false;
            add(true, m.captured(1));
        }
    }

    int master_ = -1;
    int slave_ = -1;
    QString terminal_;
    QFile raw_;
    std::thread reader_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    QList<Entry> entries_;
    QElapsedTimer clock_ = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    std::atomic<qint64> lastOutput_{0};
    bool inUtterance_ = false;
    int utteranceLines_ = 0;
    QString utterance_;
};

// ------------------------------------------------------------------------------------------
// The processes of a run: each one started here and stopped here, by its own id.

class Processes {
public:
    explicit Processes(QString logDir) : logDir_(std::move(logDir)) {}
    ~Processes() { stopAll(); }

    QProcess* start(const QString& name, const QString& program, const QStringList& args,
                    const QString& workDir = QString())
    {
        auto* p = new QProcess;
        p->setProcessChannelMode(QProcess::MergedChannels);
        p->setStandardOutputFile(logDir_ + QLatin1Char('/') + name + QStringLiteral(".log"));
        if (!workDir.isEmpty())
            p->setWorkingDirectory(workDir);
        p->start(program, args);
        p->waitForStarted(10000);
        list_.push_back({name, std::unique_ptr<QProcess>(p)});
        return p;
    }

    QString log(const QString& name) const
    {
        QFile f(logDir_ + QLatin1Char('/') + name + QStringLiteral(".log"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    void stop(QProcess* p)
    {
        if (p->state() == QProcess::NotRunning)
            return;
        p->terminate();
        if (!p->waitForFinished(5000)) {
            p->kill();
            p->waitForFinished(5000);
        }
    }

    void stopAll()
    {
        for (auto it = list_.rbegin(); it != list_.rend(); ++it)
            stop(it->second.get());
        list_.clear();
    }

private:
    QString logDir_;
    std::vector<std::pair<QString, std::unique_ptr<QProcess>>> list_;
};

// ------------------------------------------------------------------------------------------
// The driver.

// A run that cannot go on; thrown so that every process started is stopped on the way out.
struct Failure {
    QString message;
};

[[noreturn]] void fail(const QString& message)
{
    throw Failure{message};
}

void wait(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents();
        QThread::msleep(20);
    }
}

class Driver {
public:
    Driver(QStringList args)
        : veltora_(QFileInfo(args[0]).absoluteFilePath()), zenkla_(QFileInfo(args[1]).absoluteFilePath()),
          pictures_(QFileInfo(args[2]).absoluteFilePath()), run_(args[3]), transcriptFile_(args[4]),
          processes_(args[3])
    {
        keepGoing_ = !qEnvironmentVariableIsEmpty("SCREEN_READER_KEEP_GOING");
        only_ = qEnvironmentVariable("SCREEN_READER_ONLY");
    }
    ~Driver()
    {
        processes_.stopAll();
        writeTranscript();
    }

    int run()
    {
        QElapsedTimer total;
        total.start();
        startScreenReader();
        int failures = 0;
        for (const Route& route : routes()) {
            if (!only_.isEmpty() && !QString::fromUtf8(route.name).contains(only_))
                continue;
            failures += runRoute(route) ? 0 : 1;
        }
        processes_.stopAll();
        // Orca's whole debug output tells why a thing was not said.
        if (failures > 0) {
            QFile::remove(transcriptFile_ + QStringLiteral(".orca"));
            QFile::copy(run_ + QStringLiteral("/orca-debug.txt"), transcriptFile_ + QStringLiteral(".orca"));
        }
        std::printf("screen-reader: %d route(s) failed; %.0f s in all; transcript in %s\n", failures,
                    total.elapsed() / 1000.0, qPrintable(transcriptFile_));
        return failures == 0 ? 0 : 1;
    }

private:
    void startScreenReader()
    {
        // The accessibility bus, a window manager (Alt+F4 closes a window, as on a pupil's
        // desktop), and a speech server of the run's own.
        processes_.start(QStringLiteral("at-spi-bus-launcher"), QStringLiteral("/usr/libexec/at-spi-bus-launcher"),
                         {QStringLiteral("--launch-immediately")});
        processes_.start(QStringLiteral("openbox"), QStringLiteral("openbox"), {});
        startSpeechServer();

        QString error;
        if (!transcript_.open(&error))
            fail(error);
        transcript_.keepRawOutput(run_ + QStringLiteral("/orca-debug.txt"));
        QProcess* orca = processes_.start(QStringLiteral("orca"), QStringLiteral("orca"),
                                          {QStringLiteral("--debug-file"), transcript_.terminal()});
        QElapsedTimer t;
        t.start();
        while (!heardSince(0, QRegularExpression(QStringLiteral("^Screen reader on\\.$")))) {
            if (orca->state() == QProcess::NotRunning || t.elapsed() > startWithinMs)
                fail(QStringLiteral("Orca did not come up (%1). Its output:\n%2")
                         .arg(orca->state() == QProcess::NotRunning ? QStringLiteral("it ended")
                                                                      : QStringLiteral("no \"Screen reader on.\" within %1 s")
                                                                            .arg(startWithinMs / 1000),
                              processes_.log(QStringLiteral("orca"))));
            wait(50);
        }
        waitForQuiet();
    }

    // speech-dispatcher with espeak-ng whose sound goes nowhere: without a sound device its
    // usual outputs (PulseAudio, ALSA) cannot be opened, and every utterance then waits for
    // ever, and Orca with it. libao's built-in "null" driver plays into nothing at once.
    void startSpeechServer()
    {
        const QString config = run_ + QStringLiteral("/speech-dispatcher");
        QDir().mkpath(config + QStringLiteral("/modules"));
        for (const QString& name : QDir(QStringLiteral("/etc/speech-dispatcher/modules")).entryList(QDir::Files))
            QFile::copy(QStringLiteral("/etc/speech-dispatcher/modules/") + name, config + QStringLiteral("/modules/") + name);
        QFile conf(config + QStringLiteral("/speechd.conf"));
        conf.open(QIODevice::WriteOnly);
        conf.write("AudioOutputMethod \"libao\"\n"
                   "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n"
                   "DefaultModule espeak-ng\n"
                   "DefaultLanguage \"lt\"\n");
        conf.close();
        QFile ao(QDir::homePath() + QStringLiteral("/.libao"));
        ao.open(QIODevice::WriteOnly);
        ao.write("default_driver=null\n");
        ao.close();
        const QString socketDir = qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/speech-dispatcher");
        QDir().mkpath(socketDir);
        const QString socket = socketDir + QStringLiteral("/speechd.sock");
        processes_.start(QStringLiteral("speech-dispatcher"), QStringLiteral("speech-dispatcher"),
                         {QStringLiteral("--run-single"), QStringLiteral("--timeout"), QStringLiteral("0"),
                          QStringLiteral("--config-dir"), config, QStringLiteral("--socket-path"), socket,
                          QStringLiteral("--pid-file"), run_ + QStringLiteral("/speech-dispatcher.pid"),
                          QStringLiteral("--log-dir"), run_ + QStringLiteral("/speech-dispatcher-logs")});
        QElapsedTimer t;
        t.start();
        while (!QFile::exists(socket)) {
            if (t.elapsed() > 20000)
                fail(QStringLiteral("speech-dispatcher did not come up. Its output:\n%1")
                         .arg(processes_.log(QStringLiteral("speech-dispatcher"))));
            wait(50);
        }
    }

    bool heardSince(qsizetype from, const QRegularExpression& re, qsizetype* where = nullptr,
                    QRegularExpressionMatch* match = nullptr) const
    {
        for (qsizetype i = from;; ++i) {
            const std::optional<Transcript::Entry> e = transcript_.at(i);
            if (!e)
                return false;
            if (!e->spoken)
                continue;
            const QRegularExpressionMatch m = re.match(e->text);
            if (m.hasMatch()) {
                if (where)
                    *where = i;
                if (match)
                    *match = m;
                return true;
            }
        }
    }

    void waitForQuiet()
    {
        QElapsedTimer t;
        t.start();
        while (transcript_.msSinceOutput() < quietMs && t.elapsed() < 10000)
            wait(50);
    }

    void press(const QString& keys)
    {
        if (keys.isEmpty())
            return;
        transcript_.note(QStringLiteral("keys ") + keys);
        QStringList args{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("120")};
        args += keys.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QProcess::execute(QStringLiteral("xdotool"), args);
    }

    void type(const QString& text)
    {
        if (text.isEmpty())
            return;
        transcript_.note(QStringLiteral("type ") + text);
        QProcess::execute(QStringLiteral("xdotool"),
                          {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("60"), QStringLiteral("--"), text});
    }

    // The answer a pupil who heard the problem would type, right or one off.
    QString answerTo(Solve solve, Answer answer) const
    {
        const bool right = answer == Answer::Right;
        switch (solve) {
        case Solve::Signed:
        case Solve::Trainer:
            if (const std::optional<int> r = spoken::solveArithmetic(problem_))
                return QString::number(*r + (right ? 0 : 1));
            break;
        case Solve::Expression:
            if (std::optional<spoken::Linear> sum = spoken::expressionOf(problem_)) {
                sum->number += right ? 0 : 1;
                return spoken::simplest(*sum);
            }
            break;
        case Solve::Equation:
            if (const std::optional<int> x = spoken::solveEquation(problem_))
                return QString::number(*x + (right ? 0 : 1));
            break;
        }
        return QStringLiteral("?");
    }

    bool runRoute(const Route& route)
    {
        transcript_.note(QStringLiteral("route ") + QString::fromUtf8(route.name));
        const bool veltora = route.program == Program::Veltora;
        const QString dir = run_ + (veltora ? QStringLiteral("/veltora") : QStringLiteral("/zenkla"));
        QDir().mkpath(dir);
        if (veltora)
            QFile::link(pictures_, dir + QStringLiteral("/paveikslai"));
        const qsizetype begin = transcript_.size();
        QProcess* program = processes_.start(veltora ? QStringLiteral("veltora") : QStringLiteral("zenkla"),
                                             veltora ? veltora_ : zenkla_, {}, dir);
        program_ = program;
        if (program->state() != QProcess::Running)
            fail(QStringLiteral("%1 did not start: %2").arg(program->program(), program->errorString()));
        bool ok = true;
        answers_.clear();
        for (const Step& step : route.steps) {
            if (step.answer != Answer::None) {
                press(QStringLiteral("ctrl+a"));
                answers_.append(answerTo(route.solve, step.answer));
                type(answers_.back());
            }
            type(step.type);
            if (!(step.untilHeard ? pressUntilHeard(step) : (press(QString::fromUtf8(step.keys)), hear(step)))) {
                ok = false;
                if (!keepGoing_ || program->state() != QProcess::Running)
                    break;
            }
            waitForQuiet();
        }
        program_ = nullptr;
        processes_.stop(program);
        if (ok && route.resultsFile) {
            QFile results(dir + QStringLiteral("/kontr.txt"));
            const QByteArray held = results.open(QIODevice::ReadOnly) ? results.readAll() : QByteArray();
            const QByteArray expected = QStringEncoder("windows-1257").encode(QString::fromUtf8(route.resultsFile));
            if (held != expected) {
                transcript_.note(QStringLiteral("kontr.txt holds \"%1\", not \"%2\"")
                                     .arg(QString::fromLatin1(held.toPercentEncoding(" ")),
                                          QString::fromLatin1(expected.toPercentEncoding(" "))));
                ok = false;
            }
        }
        if (!ok)
            std::fprintf(stderr, "screen-reader: route \"%s\" failed. What happened:\n%s\n", route.name,
                         qPrintable(transcript_.text(begin)));
        return ok;
    }

    // Presses the step's keys until its first pattern is heard, then hears the rest.
    bool pressUntilHeard(const Step& step)
    {
        const QRegularExpression first(pattern(step.hear.front()));
        for (int i = 0; i < 15; ++i) {
            press(QString::fromUtf8(step.keys));
            waitForQuiet();
            if (heardSince(lastAction(), first))
                return hear(step);
        }
        transcript_.note(QStringLiteral("NOT HEARD: ") + first.pattern());
        return false;
    }

    QString pattern(QString p) const
    {
        static const QRegularExpression placeholder(QStringLiteral(R"(\{answer (\d+)\})"));
        for (QRegularExpressionMatch m = placeholder.match(p); m.hasMatch(); m = placeholder.match(p)) {
            const int n = m.captured(1).toInt();
            p.replace(m.capturedStart(), m.capturedLength(),
                      n >= 1 && n <= answers_.size() ? QRegularExpression::escape(answers_[n - 1]) : QStringLiteral("(?!)"));
        }
        return p;
    }

    bool hear(const Step& step)
    {
        qsizetype from = lastAction();
        for (const QString& text : step.hear) {
            const QRegularExpression re(pattern(text));
            qsizetype where = 0;
            QRegularExpressionMatch m;
            QElapsedTimer t;
            t.start();
            while (!heardSince(from, re, &where, &m)) {
                if (program_ && program_->state() != QProcess::Running) {
                    transcript_.note(QStringLiteral("PROGRAM ENDED; NOT HEARD: ") + re.pattern());
                    return false;
                }
                if (t.elapsed() > hearWithinMs) {
                    transcript_.note(QStringLiteral("NOT HEARD: ") + re.pattern());
                    return false;
                }
                wait(30);
            }
            if (!m.captured(QStringLiteral("problem")).isEmpty())
                problem_ = m.captured(QStringLiteral("problem"));
            from = where + 1;
        }
        return true;
    }

    qsizetype lastAction() const
    {
        for (qsizetype i = transcript_.size() - 1; i >= 0; --i)
            if (!transcript_.at(i)->spoken)
                return i;
        return 0;
    }

    void writeTranscript()
    {
        QFile f(transcriptFile_);
        if (f.open(QIODevice::WriteOnly))
            f.write(transcript_.text().toUtf8());
    }

    QString veltora_, zenkla_, pictures_, run_, transcriptFile_;
    Processes processes_;
    Transcript transcript_;
    QString problem_;
    QStringList answers_;
    QProcess* program_ = nullptr;
    bool keepGoing_ = false;
    QString only_;
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: screen_reader_check <veltora> <zenkla> <paveikslai> <run folder> <transcript>\n");
        return 2;
    }
    try {
        Driver driver(args);
        return driver.run();
    } catch (const Failure& f) {
        std::fprintf(stderr, "screen-reader: %s\n", qPrintable(f.message));
        return 1;
    }
}
