#include "windows/appfonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

void addInstalledFonts()
{
    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    const QStringList files =
        folder.entryList({QStringLiteral("*.otf"), QStringLiteral("*.ttf")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        QFontDatabase::addApplicationFont(folder.filePath(file));
}
