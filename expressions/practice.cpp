#include "expressions/practice.h"

TForm19::TForm19() : TExerciseWindow("Form19", "Reiškinių pertvarkymas", 16, Order::ShowFirst)
{
    FormCreate();
}

void TForm19::FormCreate() {}
