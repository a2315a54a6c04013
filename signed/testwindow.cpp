#include "signed/testwindow.h"

TForm14::TForm14() : TWindow("Form14", QStringLiteral("Teigiami ir neigiami skaičiai"))
{
    FormCreate();
}

void TForm14::FormCreate() {}
