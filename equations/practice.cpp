#include "equations/practice.h"

TForm25::TForm25() : TExerciseWindow("Form25", "Lygtys", 21, Order::ShowFirst)
{
    FormCreate();
}

void TForm25::FormCreate() {}
