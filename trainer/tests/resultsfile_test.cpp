#include "trainer/namefilter.h"
#include "trainer/resultsfile.h"
#include "resultsfile_support.h"
#include "testing/ui.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <thread>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int v : values)
        result.append(static_cast<char>(v));
    return result;
}

const QByteArray zemaite = bytes({0xDE, 0x65, 0x6D, 0x61, 0x69, 0x74, 0xEB, 0x20, 0xC0, 0xFE, 0x75,
                                  0x6F, 0x6C, 0x61, 0x73}); // "Žemaitė Ąžuolas"

QByteArray fileContent()
{
    QFile file(QString::fromLatin1(resultsFileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QByteArray& content)
{
    QFile file(QString::fromLatin1(resultsFileName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// The built-in code page against the system's codec, both ways, for every defined code.
TEST(Windows1257, AgreesWithTheSystemCodec)
{
    QStringDecoder decoder("windows-1257");
    if (!decoder.isValid())
        GTEST_SKIP() << "no windows-1257 codec in this Qt";
    int defined = 0;
    for (int code = 0; code < 256; ++code) {
        const QByteArray byte(1, static_cast<char>(code));
        const QString decoded = decoder.decode(byte);
        ASSERT_EQ(decoded.size(), 1) << code;
        if (windows1257Code(decoded.front()) < 0)
            continue; // one of the codes the code page leaves undefined
        ++defined;
        EXPECT_EQ(windows1257Code(decoded.front()), code) << code;
        QStringEncoder encoder("windows-1257");
        EXPECT_EQ(encoder.encode(decoded), byte) << code;
    }
    EXPECT_EQ(defined, 256 - 12);
}

TEST(Windows1257, LithuanianLettersAreSingleBytes)
{
    EXPECT_EQ(toWindows1257(QStringLiteral("Žemaitė Ąžuolas")), zemaite);
    EXPECT_EQ(toWindows1257(QStringLiteral("ąčęėįšųūžĄČĘĖĮŠŲŪŽ")),
              bytes({0xE0, 0xE8, 0xE6, 0xEB, 0xE1, 0xF0, 0xF8, 0xFB, 0xFE, 0xC0, 0xC8, 0xC6, 0xCB,
                     0xC1, 0xD0, 0xD8, 0xDB, 0xDE}));
    EXPECT_FALSE(toWindows1257(QStringLiteral("Jonas 中")).has_value());
    EXPECT_FALSE(toWindows1257(QStringLiteral("ÿ")).has_value());
}

TEST(ResultLine, NameBlankGradeDigitsBlankCrLf)
{
    const QString name = QStringLiteral("Jonas Jonaitis");
    ASSERT_EQ(name.size(), 14);
    const std::optional<QByteArray> line = resultLine(name, 7);
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->size(), 19);
    EXPECT_EQ(*line, QByteArray("Jonas Jonaitis") + bytes({0x20, 0x37, 0x20, 0x0D, 0x0A}));
    EXPECT_EQ(resultLine(QStringLiteral("Žemaitė Ąžuolas"), 7), zemaite + bytes({0x20, 0x37, 0x20, 0x0D, 0x0A}));
    EXPECT_EQ(resultLine(QStringLiteral("Ona"), 10), QByteArray("Ona") + bytes({0x20, 0x31, 0x30, 0x20, 0x0D, 0x0A}));
    EXPECT_EQ(resultLine(QStringLiteral("Ona"), 0), QByteArray("Ona") + bytes({0x20, 0x30, 0x20, 0x0D, 0x0A}));
    EXPECT_EQ(gradePrintForm(-3), QStringLiteral("-3 "));
}

TEST(ResultLine, NeverHoldsALineBreakOrAForeignCharacter)
{
    for (const char* name : {"Jonas\r\n7", "Jonas\n", "Jo\rnas", "Jo\tnas", "Jonas\x7f", "Jonas 中", "Jonas 😀"})
        EXPECT_FALSE(resultLine(QString::fromUtf8(name), 7).has_value()) << name;
}

TEST(ResultsFile, CreatesTheFileWithTheLine)
{
    ui::WorkingDirectory dir(false);
    const AppendOutcome outcome = appendResult(QStringLiteral("Jonas Jonaitis"), 7);
    EXPECT_TRUE(outcome.ok) << outcome.message.toStdString();
    EXPECT_EQ(fileContent(), QByteArray("Jonas Jonaitis 7 \r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("kontr.txt")});

#ifndef _WIN32
    struct stat info {};
    ASSERT_EQ(::stat(resultsFileName, &info), 0);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(info.st_mode & 0777, 0644 & ~mask);
#endif
}

TEST(ResultsFile, AppendsOlderFirstAndKeepsWhatTheFileHeld)
{
    ui::WorkingDirectory dir(false);
    const QByteArray earlier = QByteArray("Petras Petraitis 9 \r\n") + bytes({0xC0, 0x20, 0x35, 0x20, 0x0D, 0x0A})
        + QByteArray("a note without a line end");
    writeFile(earlier);
    ASSERT_TRUE(appendResult(QStringLiteral("Žemaitė Ąžuolas"), 10).ok);
    ASSERT_TRUE(appendResult(QStringLiteral("Ona"), 0).ok);
    // A last line without its line end (what a program that died half-way leaves) is ended
    // first, so that the new line stands on its own.
    EXPECT_EQ(fileContent(), earlier + "\r\n" + zemaite + QByteArray(" 10 \r\nOna 0 \r\n"));
    // A carriage return without its line feed gets the line feed only.
    writeFile("Ona 4 \r");
    ASSERT_TRUE(appendResult(QStringLiteral("Ona"), 0).ok);
    EXPECT_EQ(fileContent(), QByteArray("Ona 4 \r\nOna 0 \r\n"));
}

TEST(ResultsFile, FailureIsReportedInLithuanianWithTheReason)
{
    ui::WorkingDirectory dir(false);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("kontr.txt")));
    const AppendOutcome outcome = appendResult(QStringLiteral("Jonas Jonaitis"), 7);
    EXPECT_FALSE(outcome);
    EXPECT_EQ(outcome.message, QStringLiteral("Nepavyko įrašyti rezultato į failą kontr.txt.\n"
                                              "Priežastis: kontr.txt yra aplankas, o ne failas."));
    EXPECT_TRUE(QFileInfo(QStringLiteral("kontr.txt")).isDir());
    EXPECT_TRUE(QDir(QStringLiteral("kontr.txt")).isEmpty());
}

TEST(ResultsFile, ANameTheFileCannotHoldIsRefusedAndNothingIsWritten)
{
    ui::WorkingDirectory dir(false);
    writeFile("Ona 4 \r\n");
    for (const char* name : {"Jonas\r\nJonaitis", "李"}) {
        const AppendOutcome outcome = appendResult(QString::fromUtf8(name), 7);
        EXPECT_FALSE(outcome.ok);
        EXPECT_TRUE(outcome.message.startsWith(QStringLiteral("Nepavyko įrašyti rezultato į failą kontr.txt.")));
    }
    EXPECT_EQ(fileContent(), QByteArray("Ona 4 \r\n"));
}

// --- Several programs, a full disk, a lock held by another program: each in child processes,
// since fcntl locks and file size limits belong to a process (on Windows a lock belongs to a
// file handle, and every append opens its own, so threads stand for the programs there). ---

const QString failurePrefix = QStringLiteral("Nepavyko įrašyti rezultato į failą kontr.txt.\nPriežastis: ");
const QString busyMessage =
    failurePrefix + QStringLiteral("Failas kontr.txt užimtas: į jį dabar rašo kita programa.");

#ifndef _WIN32
// What a child tells its parent: "ok", or the message of a failed append.
QByteArray outcomeText(const AppendOutcome& outcome)
{
    return outcome.ok ? QByteArray("ok") : outcome.message.toUtf8();
}

// Runs body in a child process that sends back what body returns; waits for the child and
// expects it to have exited normally.
QByteArray inChild(const std::function<QByteArray()>& body)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        ADD_FAILURE() << "pipe: " << std::strerror(errno);
        return {};
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipeFds[0]);
        const QByteArray reply = body();
        const bool sent = ::write(pipeFds[1], reply.constData(), static_cast<size_t>(reply.size())) == reply.size();
        ::_exit(sent ? 0 : 3);
    }
    ::close(pipeFds[1]);
    QByteArray reply;
    char buffer[512];
    ssize_t n;
    while ((n = ::read(pipeFds[0], buffer, sizeof buffer)) != 0)
        if (n > 0)
            reply.append(buffer, n);
        else if (errno != EINTR)
            break;
    ::close(pipeFds[0]);
    int status = 0;
    EXPECT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
    return reply;
}
#endif

// Runs writer(0) … writer(count - 1) at once, each in a process of its own (a thread on
// Windows), and expects each to succeed.
void runWriters(int count, const std::function<bool(int)>& writer)
{
#ifdef _WIN32
    std::vector<std::thread> threads;
    std::vector<char> ok(static_cast<std::size_t>(count), 0);
    for (int p = 0; p < count; ++p)
        threads.emplace_back([&, p] { ok[static_cast<std::size_t>(p)] = writer(p); });
    for (std::thread& t : threads)
        t.join();
    for (int p = 0; p < count; ++p)
        EXPECT_TRUE(ok[static_cast<std::size_t>(p)]) << "writer " << p;
#else
    std::vector<pid_t> children;
    for (int p = 0; p < count; ++p) {
        const pid_t pid = ::fork();
        if (pid == 0)
            ::_exit(writer(p) ? 0 : 10);
        ASSERT_GT(pid, 0);
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "writer status " << status;
    }
#endif
}

// Letters only, as a name may hold: process p's tag, then the line number in two letters.
QString writerName(int process, int index, bool longName)
{
    QString name = QString(QChar(u'A' + process)) + QStringLiteral(" Mokinys ") + QChar(u'a' + index / 26)
        + QChar(u'a' + index % 26);
    if (longName) {
        const QString filler = QStringLiteral(" ąčęėįšųūžĄČĘĖĮŠŲŪŽ");
        while (name.size() < maxNameLength)
            name += filler.at(name.size() % filler.size());
    }
    return name;
}

// 20 programs append 200 lines each at once, every other one with a name of 31 characters:
// afterwards the file holds exactly the 4,000 lines, each whole, each program's in its order.
TEST(ResultsFile, ManyProgramsAppendingAtOnceLoseAndMixNothing)
{
    ui::WorkingDirectory dir(false);
    const QByteArray earlier = QByteArray("Petras Petraitis 9 \r\n");
    writeFile(earlier);
    constexpr int processes = 20;
    constexpr int perProcess = 200;
    LockWait wait(std::chrono::seconds(60)); // a loaded test machine is slow
    runWriters(processes, [&](int p) {
        for (int i = 0; i < perProcess; ++i)
            if (!appendResult(writerName(p, i, p % 2 == 0), i % 11).ok)
                return false;
        return true;
    });

    const QByteArray content = fileContent();
    ASSERT_TRUE(content.startsWith(earlier));
    ASSERT_TRUE(content.endsWith("\r\n"));
    QList<QByteArray> lines = content.mid(earlier.size()).split('\n');
    lines.removeLast(); // after the last line end
    ASSERT_EQ(lines.size(), processes * perProcess);
    std::vector<int> next(processes, 0);
    for (const QByteArray& line : lines) {
        const int p = line.isEmpty() ? -1 : line.at(0) - 'A';
        ASSERT_TRUE(p >= 0 && p < processes) << line.toStdString();
        const int i = next[static_cast<std::size_t>(p)]++;
        ASSERT_LT(i, perProcess);
        ASSERT_EQ(line + '\n', resultLine(writerName(p, i, p % 2 == 0), i % 11)) << "line " << i << " of writer " << p;
    }
    EXPECT_EQ(next, std::vector<int>(processes, perProcess));
}

#ifndef _WIN32
// A full disk, simulated with a file size limit in a child: room for none, part or all but the
// last byte of the line. The file keeps exactly its earlier lines and the reason is told; a
// line that just fits is written.
TEST(ResultsFile, AFullDiskLeavesNoHalfLine)
{
    const QByteArray earlier = QByteArray("Petras Petraitis 9 \r\n") + zemaite + QByteArray(" 10 \r\n");
    const QString name = QStringLiteral("Žemaitė Ąžuolas");
    const QByteArray line = *resultLine(name, 7);
    const QByteArray full =
        failurePrefix.toUtf8() + QStringLiteral("Failas kontr.txt per didelis arba diske nebėra vietos.").toUtf8();
    struct Case {
        const char* what;
        qint64 room; // bytes the limit leaves after the earlier lines
        QByteArray reply;
        QByteArray after;
    };
    const Case cases[] = {
        {"no room", 0, full, earlier},
        {"one byte", 1, full, earlier},
        {"half the line", line.size() / 2, full, earlier},
        {"all but the line end", line.size() - 1, full, earlier},
        {"just enough", line.size(), "ok", earlier + line},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui::WorkingDirectory dir(false);
        writeFile(earlier);
        const QByteArray reply = inChild([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlim_t limit = static_cast<rlim_t>(earlier.size() + c.room);
            const struct rlimit fileSize {limit, limit};
            if (::setrlimit(RLIMIT_FSIZE, &fileSize) != 0)
                return QByteArray("setrlimit failed");
            return outcomeText(appendResult(name, 7));
        });
        EXPECT_EQ(QString::fromUtf8(reply), QString::fromUtf8(c.reply));
        EXPECT_EQ(fileContent(), c.after);
    }
}
#endif

// Another program holds the lock: the append waits for it and then writes.
TEST(ResultsFile, WaitsForALockThatIsReleased)
{
    ui::WorkingDirectory dir(false);
    writeFile("Ona 4 \r\n");
    LockWait wait(std::chrono::seconds(10));
    LockHolder holder;
    ASSERT_TRUE(holder.locked());
    std::thread releaser([&holder] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        holder.release();
    });
    const auto start = std::chrono::steady_clock::now();
    const AppendOutcome outcome = appendResult(QStringLiteral("Jonas Jonaitis"), 7);
    const auto waited = std::chrono::steady_clock::now() - start;
    releaser.join();
    EXPECT_TRUE(outcome.ok) << outcome.message;
    EXPECT_GE(waited, std::chrono::milliseconds(250));
    EXPECT_EQ(fileContent(), QByteArray("Ona 4 \r\nJonas Jonaitis 7 \r\n"));
}

// A lock held past the wait: the file is busy, nothing is written; once it is free again the
// next append goes through.
TEST(ResultsFile, ALockHeldPastTheWaitIsToldAsBusy)
{
    ui::WorkingDirectory dir(false);
    writeFile("Ona 4 \r\n");
    for (const int ms : {0, 200}) {
        SCOPED_TRACE(ms);
        LockWait wait{std::chrono::milliseconds(ms)};
        LockHolder holder;
        ASSERT_TRUE(holder.locked());
        const auto start = std::chrono::steady_clock::now();
        const AppendOutcome outcome = appendResult(QStringLiteral("Jonas Jonaitis"), 7);
        const auto waited = std::chrono::steady_clock::now() - start;
        EXPECT_FALSE(outcome.ok);
        EXPECT_EQ(outcome.message.toStdString(), busyMessage.toStdString());
        EXPECT_GE(waited, std::chrono::milliseconds(ms));
        EXPECT_LT(waited, std::chrono::milliseconds(ms + 2000));
        holder.release(); // on Windows a locked file cannot be read either
        EXPECT_EQ(fileContent(), QByteArray("Ona 4 \r\n"));
    }
    EXPECT_TRUE(appendResult(QStringLiteral("Jonas Jonaitis"), 7).ok);
    EXPECT_EQ(fileContent(), QByteArray("Ona 4 \r\nJonas Jonaitis 7 \r\n"));
}

} // namespace
