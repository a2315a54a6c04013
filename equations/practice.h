#pragma once
#include "shell/pages.h"

// The practice window of equations.
class TForm25 : public TExerciseWindow {
    Q_OBJECT
public:
    TForm25();

    void FormCreate();
};
