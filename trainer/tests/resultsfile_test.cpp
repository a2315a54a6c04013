#include "trainer/resultsfile.h"
#include "testing/ui.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>

#include <cerrno>
#include <thread>
#include <vector>

#include <sys/stat.h>

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

    struct stat info {};
    ASSERT_EQ(::stat(resultsFileName, &info), 0);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(info.st_mode & 0777, 0644 & ~mask);
}

TEST(ResultsFile, AppendsOlderFirstAndKeepsWhatTheFileHeld)
{
    ui::WorkingDirectory dir(false);
    const QByteArray earlier = QByteArray("Petras Petraitis 9 \r\n") + bytes({0xC0, 0x20, 0x35, 0x20, 0x0D, 0x0A})
        + QByteArray("a note without a line end");
    writeFile(earlier);
    ASSERT_TRUE(appendResult(QStringLiteral("Žemaitė Ąžuolas"), 10).ok);
    ASSERT_TRUE(appendResult(QStringLiteral("Ona"), 0).ok);
    EXPECT_EQ(fileContent(), earlier + zemaite + QByteArray(" 10 \r\nOna 0 \r\n"));
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

TEST(ResultsFile, LinesWrittenTogetherNeverInterleave)
{
    ui::WorkingDirectory dir(false);
    constexpr int writers = 4;
    constexpr int perWriter = 200;
    const auto name = [](int w) { return QStringLiteral("Mokinys %1 ąčęėįšųūž").arg(QChar(u'A' + w)); };
    std::vector<std::thread> threads;
    for (int w = 0; w < writers; ++w)
        threads.emplace_back([w, &name] {
            for (int i = 0; i < perWriter; ++i)
                EXPECT_TRUE(appendResult(name(w), i % 11).ok);
        });
    for (std::thread& t : threads)
        t.join();
    QList<QByteArray> lines = fileContent().split('\n');
    ASSERT_TRUE(lines.last().isEmpty());
    lines.removeLast();
    ASSERT_EQ(lines.size(), writers * perWriter);
    std::vector<int> count(writers, 0);
    for (const QByteArray& line : lines) {
        const int w = line.size() > 8 ? line.at(8) - 'A' : -1;
        ASSERT_TRUE(w >= 0 && w < writers) << line.toStdString();
        ASSERT_TRUE(line.startsWith(*toWindows1257(name(w) + QStringLiteral(" ")))) << line.toStdString();
        ASSERT_TRUE(line.endsWith(" \r")) << line.toStdString();
        ++count[static_cast<std::size_t>(w)];
    }
    EXPECT_EQ(count, std::vector<int>(writers, perWriter));
}

} // namespace
