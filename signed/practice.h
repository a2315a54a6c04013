#pragma once
#include "shell/pages.h"

// The practice window of the signed-number topic.
class TForm8 : public TExerciseWindow {
    Q_OBJECT
public:
    TForm8();

    void FormCreate();
};
