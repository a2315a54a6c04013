#pragma once
// Form2, the About window, and Form3, the error window of the name entry. Both are
// modal, and both are destroyed when they close (VB's Unload).
#include <QDialog>

class QLabel;
class QPushButton;

namespace zenkla {

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* owner);
    QLabel* Picture1; // the program icon
    QLabel* Label1;
    QPushButton* Command1;
    void Command1_Click();
};

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* owner);
    QLabel* Label1;
    QPushButton* Command1;
    // "Ok": empties the name box of Form1 and closes the window.
    void Command1_Click();
};

} // namespace zenkla
