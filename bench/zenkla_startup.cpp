// Zenkla exactly as its main starts it, with the start-up probe watching its main window.
#include "bench/startup_probe.h"
#include "trainer/form1.h"
#include "trainer/forms.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    createForms();
    StartupProbe probe(zenkla::Form1);
    const int status = QApplication::exec();
    destroyForms();
    return status;
}
