#pragma once
#include "shell/window.h"

// The test window of the signed-number topic: ten questions, then a review sheet and a grade.
class TForm14 : public TWindow {
    Q_OBJECT
public:
    TForm14();

    void FormCreate();
};
