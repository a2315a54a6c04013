#pragma once
#include "shell/window.h"

class QLabel;
class QPushButton;

// The main menu "Veltora 7": three topics; its exit picture ends the program.
class TForm1 : public TWindow {
    Q_OBJECT
public:
    TForm1();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void Image1Click() override;

protected:
    void closeEvent(QCloseEvent* event) override;
};

// A topic menu: "Teorija", "Pratybos", "Patikrinamasis darbas", "Turinys".
class TTopicMenu : public TWindow {
    Q_OBJECT
public:
    struct Topic {
        const char* name;
        const char* caption;
        const char* heading;
        int theoryPage; // first page of the theory chain
        int practice;   // the practice window
        int test;       // the test window
    };
    explicit TTopicMenu(const Topic& topic);

    QLabel* Label1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QPushButton* BitBtn4;

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();

private:
    int theoryPage_;
    int practice_;
    int test_;
};

class TForm2 : public TTopicMenu {
    Q_OBJECT
public:
    TForm2();
};

class TForm16 : public TTopicMenu {
    Q_OBJECT
public:
    TForm16();
};

class TForm21 : public TTopicMenu {
    Q_OBJECT
public:
    TForm21();
};
