// Zenkla: the trainer for arithmetic with positive and negative numbers.
#include "trainer/forms.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    createForms();
    return app.exec();
}
