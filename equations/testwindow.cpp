#include "equations/testwindow.h"

TForm26::TForm26() : TWindow("Form26", QStringLiteral("Lygtys"))
{
    FormCreate();
}

void TForm26::FormCreate() {}
