#include "shell/forms.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltora 7"));
    createForms(StartUp::MenuFirst);
    const int status = QApplication::exec();
    destroyForms();
    return status;
}
