#pragma once
#include "shell/window.h"

// The four help pages of the signed-number practice.

class TForm10 : public TWindow {
    Q_OBJECT
public:
    TForm10();
};

class TForm11 : public TWindow {
    Q_OBJECT
public:
    TForm11();
};

class TForm12 : public TWindow {
    Q_OBJECT
public:
    TForm12();
};

class TForm13 : public TWindow {
    Q_OBJECT
public:
    TForm13();
};
