// A line of kontr.txt for any name and grade: either refused, or exactly name, blank, grade,
// blank, CR LF with no byte outside the code page and no line break inside; every name the
// name entry can produce is written.
#include "fuzz/result_line.h"
#include "trainer/namefilter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Bytes in(data, size);
    const std::uint8_t mode = in.byte();
    const int grade = mode & 0x80 ? in.integer<std::int16_t>() : in.byte() % 11;
    const QByteArray raw = in.rest();
    // UTF-8 text, or any UTF-16 code units (lone surrogates and all).
    QString name;
    if (mode & 1)
        name = QString::fromUtf8(raw);
    else
        for (qsizetype i = 0; i + 1 < raw.size(); i += 2)
            name += QChar(static_cast<char16_t>(static_cast<unsigned char>(raw[i]) | static_cast<unsigned char>(raw[i + 1]) << 8));

    bool writable = true;
    for (const QChar c : name)
        writable = writable && c.unicode() >= 0x20 && c.unicode() != 0x7F && windows1257Code(c) >= 0;
    const std::optional<QByteArray> line = resultLine(name, grade);
    fuzz::check(line.has_value() == writable, "refused exactly the names it cannot write", name);
    if (line)
        fuzz::checkResultLine(*line, name, grade);

    const QString filtered = filterNameText(name);
    fuzz::check(filtered.size() <= maxNameLength, "filtered name too long", filtered);
    const std::optional<QByteArray> filteredLine = resultLine(filtered, grade);
    fuzz::check(filteredLine.has_value(), "a name the entry lets through is refused", filtered);
    fuzz::checkResultLine(*filteredLine, filtered, grade);
    return 0;
}
