#pragma once
#include <QDir>
#include <QString>

namespace ui {

// The name template of the tests' temporary folders. QTemporaryDir's own takes the application's
// name, which for Zenkla is its caption, with quotation marks that Windows forbids in file names.
inline QString temporaryTemplate()
{
    return QDir::tempPath() + QStringLiteral("/veltora-test-XXXXXX");
}

} // namespace ui
