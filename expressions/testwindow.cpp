#include "expressions/testwindow.h"

TForm20::TForm20() : TWindow("Form20", QStringLiteral("Reiškinių pertvarkymas"))
{
    FormCreate();
}

void TForm20::FormCreate() {}
