#pragma once
#include "shell/pages.h"

// The practice window of simplifying expressions.
class TForm19 : public TExerciseWindow {
    Q_OBJECT
public:
    TForm19();

    void FormCreate();
};
