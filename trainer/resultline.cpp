#include "trainer/resultsfile.h"

#include <array>
#include <atomic>

// What the results file's two platform versions share: the code page, the line and the lock
// wait. Appending is resultsfile.cpp (POSIX) or resultsfile_win.cpp (Windows).

namespace {

// Windows-1257 (Baltic) 0x80 … 0xFF; 0 marks the codes that the code page leaves undefined.
// 0x00 … 0x7F are ASCII. Kept here rather than asked of the text codecs so that the file's
// bytes and the name filter never depend on how Qt was built (ICU or not).
constexpr std::array<char16_t, 128> upperHalf{
    // 0x80
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021,
    0,      0x2030, 0,      0x2039, 0,      0x00A8, 0x02C7, 0x00B8,
    // 0x90
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0,      0x2122, 0,      0x203A, 0,      0x00AF, 0x02DB, 0,
    // 0xA0
    0x00A0, 0,      0x00A2, 0x00A3, 0x00A4, 0,      0x00A6, 0x00A7,
    0x00D8, 0x00A9, 0x0156, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00C6,
    // 0xB0
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00F8, 0x00B9, 0x0157, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00E6,
    // 0xC0
    0x0104, 0x012E, 0x0100, 0x0106, 0x00C4, 0x00C5, 0x0118, 0x0112,
    0x010C, 0x00C9, 0x0179, 0x0116, 0x0122, 0x0136, 0x012A, 0x013B,
    // 0xD0
    0x0160, 0x0143, 0x0145, 0x00D3, 0x014C, 0x00D5, 0x00D6, 0x00D7,
    0x0172, 0x0141, 0x015A, 0x016A, 0x00DC, 0x017B, 0x017D, 0x00DF,
    // 0xE0
    0x0105, 0x012F, 0x0101, 0x0107, 0x00E4, 0x00E5, 0x0119, 0x0113,
    0x010D, 0x00E9, 0x017A, 0x0117, 0x0123, 0x0137, 0x012B, 0x013C,
    // 0xF0
    0x0161, 0x0144, 0x0146, 0x00F3, 0x014D, 0x00F5, 0x00F6, 0x00F7,
    0x0173, 0x0142, 0x015B, 0x016B, 0x00FC, 0x017C, 0x017E, 0x02D9,
};

std::atomic<std::chrono::milliseconds::rep> lockWaitMs{5000};

} // namespace

int windows1257Code(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return u;
    for (std::size_t i = 0; i < upperHalf.size(); ++i)
        if (upperHalf[i] == u)
            return static_cast<int>(0x80 + i);
    return -1;
}

std::optional<QByteArray> toWindows1257(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const int code = windows1257Code(c);
        if (code < 0)
            return std::nullopt;
        bytes.append(static_cast<char>(code));
    }
    return bytes;
}

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

std::chrono::milliseconds resultsLockWait()
{
    return std::chrono::milliseconds(lockWaitMs.load());
}

void setResultsLockWait(std::chrono::milliseconds wait)
{
    lockWaitMs.store(wait.count());
}
