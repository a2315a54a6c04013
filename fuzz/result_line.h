#pragma once
// The form of a line of kontr.txt, checked byte by byte: the name in Windows-1257 (every byte
// one the code page defines, none a control code), a blank, the grade's digits, a blank, CR LF.
#include "fuzz/fuzz.h"
#include "trainer/resultsfile.h"

#include <array>

namespace fuzz {

// The character of each Windows-1257 byte, from the code page of the results file (0xFFFF where
// the code page defines none).
inline const std::array<char16_t, 256>& codePage()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t;
        t.fill(0xFFFF);
        for (int u = 0; u < 0x10000; ++u) {
            const int code = windows1257Code(QChar(static_cast<char16_t>(u)));
            if (code >= 0) {
                check(t[static_cast<std::size_t>(code)] == 0xFFFF, "two characters share a byte");
                t[static_cast<std::size_t>(code)] = static_cast<char16_t>(u);
            }
        }
        return t;
    }();
    return table;
}

inline void checkResultLine(const QByteArray& line, const QString& name, int grade)
{
    // The print form of the grade: a blank ("-" for a negative one, which a test never gives).
    const QByteArray tail = (grade < 0 ? '-' : ' ') + QByteArray::number(grade < 0 ? -static_cast<qint64>(grade) : grade)
        + " \r\n";
    const qsizetype n = line.size() - tail.size();
    check(n == name.size(), "one byte per character of the name", name);
    check(line.endsWith(tail), "blank, grade, blank, CR LF", name);
    for (qsizetype i = 0; i < n; ++i) {
        const auto byte = static_cast<unsigned char>(line.at(i));
        check(byte >= 0x20 && byte != 0x7F, "a control code in the name", name);
        check(codePage()[byte] == name.at(i).unicode(), "a byte that is not the character", name);
    }
    check(line.count('\n') == 1 && line.count('\r') == 1, "one line end", name);
}

} // namespace fuzz
