#pragma once
#include "shell/pages.h"

// The theory pages of the three topics.

class TForm3 : public TTheoryPage {
    Q_OBJECT
public:
    TForm3();
};

class TForm4 : public TTheoryPage {
    Q_OBJECT
public:
    TForm4();
};

class TForm5 : public TTheoryPage {
    Q_OBJECT
public:
    TForm5();
};

class TForm6 : public TTheoryPage {
    Q_OBJECT
public:
    TForm6();
};

class TForm7 : public TTheoryPage {
    Q_OBJECT
public:
    TForm7();
};

class TForm15 : public TTheoryPage {
    Q_OBJECT
public:
    TForm15();
};

class TForm17 : public TTheoryPage {
    Q_OBJECT
public:
    TForm17();
};

class TForm18 : public TTheoryPage {
    Q_OBJECT
public:
    TForm18();
};

class TForm22 : public TTheoryPage {
    Q_OBJECT
public:
    TForm22();
};

class TForm23 : public TTheoryPage {
    Q_OBJECT
public:
    TForm23();
};

class TForm24 : public TTheoryPage {
    Q_OBJECT
public:
    TForm24();
};
