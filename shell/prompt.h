#pragma once
#include "shell/window.h"

class QLabel;

// The empty-answer prompt: "Iveskite skaičių", closed from its own title bar.
class TForm9 : public TWindow {
    Q_OBJECT
public:
    TForm9();
    QLabel* Label1;
};
