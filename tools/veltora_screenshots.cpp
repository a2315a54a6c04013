// Renders every window of Veltora offscreen to PNG files for looking at (not for asserting),
// and a contact sheet of the reward pictures. Usage: veltora_screenshots <folder>
// Run it in a working directory that holds "paveikslai".
#include "shell/forms.h"
#include "shell/picture.h"
#include "shell/window.h"

#include <QApplication>
#include <QDir>
#include <QPainter>

#include <cstdio>

namespace {

void save(QWidget* window, const QString& folder, const QString& name)
{
    window->show();
    QApplication::processEvents();
    window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

void contactSheet(const QString& folder)
{
    const int perRow = 16, cell = 141;
    QImage sheet(perRow * cell, (151 + perRow - 1) / perRow * cell, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    for (int n = 0; n < 151; ++n) {
        try {
            p.drawImage(QPoint(n % perRow * cell + 2, n / perRow * cell + 2),
                        loadJpeg(QStringLiteral("paveikslai/images%1.jpg").arg(n)));
        } catch (const PictureError& e) {
            std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        }
    }
    p.end();
    sheet.save(QDir(folder).filePath(QStringLiteral("pictures.png")));
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltora 7"));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);
    createForms();
    for (int n = 1; n <= 26; ++n)
        save(form(n), folder, QStringLiteral("Form%1").arg(n));
    contactSheet(folder);
    destroyForms();
    return 0;
}
