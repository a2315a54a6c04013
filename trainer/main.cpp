// Zenkla: the trainer for arithmetic with positive and negative numbers.
#include "trainer/forms.h"

#include "shell/x11colormap.h"

#include <QApplication>

#ifdef Q_OS_WIN
#include "windows/appfonts.h"
#endif

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    DefaultColormap::install();
#ifdef Q_OS_WIN
    addInstalledFonts();
#endif
    createForms();
    return app.exec();
}
