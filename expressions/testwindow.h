#pragma once
#include "shell/window.h"

// The test window of simplifying expressions.
class TForm20 : public TWindow {
    Q_OBJECT
public:
    TForm20();

    void FormCreate();
};
