#pragma once
// The Windows-1257 (Baltic) code page: the bytes of the results file and the key codes by which
// the name entry filters its keys.
#include <QByteArray>
#include <QChar>
#include <QString>

#include <optional>

// The Windows-1257 code of a character (0 … 255), or -1 when the code page has none for it.
int windows1257Code(QChar c);
// The text in Windows-1257 bytes, one per character; nothing when a character is outside the
// code page.
std::optional<QByteArray> toWindows1257(const QString& text);
