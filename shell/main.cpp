#include "shell/forms.h"

#include "shell/x11colormap.h"

#include <QApplication>

#ifdef Q_OS_WIN
#include "windows/appfonts.h"
#endif

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    DefaultColormap::install();
    QApplication::setApplicationName(QStringLiteral("Veltora 7"));
#ifdef Q_OS_WIN
    addInstalledFonts();
#endif
    createForms(StartUp::MenuFirst);
    const int status = QApplication::exec();
    destroyForms();
    return status;
}
