#include "signed/practice.h"

#include "shell/feedback.h"

TForm8::TForm8() : TExerciseWindow("Form8", "Teigiami ir neigiami skaičiai", 2, Order::CloseFirst)
{
    FormCreate();
}

void TForm8::FormCreate()
{
    rewards::resetSignedKinds();
}
