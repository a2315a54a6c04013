#pragma once
#include "shell/window.h"

// The test window of equations.
class TForm26 : public TWindow {
    Q_OBJECT
public:
    TForm26();

    void FormCreate();
};
