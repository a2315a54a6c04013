#pragma once
#include "shell/pages.h"

#include <QList>

// The theory pages of the three topics. Their lines are fixed data, one table per
// page in theory.cpp, built by one page builder.

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

// A theory page with the demonstration of its example: "Pabraukti" (BitBtn3) shows the
// underline marks, "Atsakymas" (BitBtn4) shows the answer line. Both only show; every handler
// that leaves the page hides them again first, so the page always opens with the example alone.
class TDemoPage : public TTheoryPage {
    Q_OBJECT
public:
    struct Demo {
        std::initializer_list<const char*> marks; // the underline marks
        const char* answer;                       // the answer line
        QPoint buttons;                           // top left of "Pabraukti"; "Atsakymas" beside it
    };
    TDemoPage(const Chain& chain, std::initializer_list<PageLine> lines, const Demo& demo);

    QPushButton* BitBtn3; // "Pabraukti"
    QPushButton* BitBtn4; // "Atsakymas"

    void BitBtn3Click();
    void BitBtn4Click();

protected:
    void leaving() override;

private:
    QList<QLabel*> marks_;
    QLabel* answer_;
};

class TForm15 : public TTheoryPage {
    Q_OBJECT
public:
    TForm15();
};

class TForm17 : public TDemoPage {
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

class TForm24 : public TDemoPage {
    Q_OBJECT
public:
    TForm24();
};
