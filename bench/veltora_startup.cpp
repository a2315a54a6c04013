// Veltora exactly as main starts it, with the start-up probe watching the main menu.
#include "bench/startup_probe.h"
#include "shell/forms.h"
#include "shell/menus.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltora 7"));
    createForms(StartUp::MenuFirst);
    StartupProbe probe(Form1);
    const int status = QApplication::exec();
    destroyForms();
    return status;
}
