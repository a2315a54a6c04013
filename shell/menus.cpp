#include "shell/menus.h"

#include "shell/controls.h"
#include "shell/forms.h"
#include "shell/handlers.h"
#include "shell/navigation.h"
#include "shell/windowno.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

TForm1::TForm1() : TWindow("Form1", QStringLiteral("Veltora 7"))
{
    Label1 = heading(this, "Label1", 32, QStringLiteral("Veltoros uždaviniai 7 klasei"), bookman(37));
    BitBtn1 = menuButton(this, "BitBtn1", 128, QStringLiteral("Teigiami neigiami skaičiai"));
    BitBtn2 = menuButton(this, "BitBtn2", 232, QStringLiteral("Reiškinių pertvarkymas"));
    BitBtn3 = menuButton(this, "BitBtn3", 336, QStringLiteral("Lygtys"));
    Label2 = label(this, "Label2", {8, height() - 62}, QStringLiteral("Matematikos pratybos 7 klasei"),
                   times(16), colour::lightBlue);
    Label3 = label(this, "Label3", {8, height() - 40}, QStringLiteral("Veltora, 2026 m."), times(16),
                   colour::lightBlue);
    onClick(BitBtn1, this, &TForm1::BitBtn1Click);
    onClick(BitBtn2, this, &TForm1::BitBtn2Click);
    onClick(BitBtn3, this, &TForm1::BitBtn3Click);
    BitBtn1->setFocus();
}

void TForm1::BitBtn1Click()
{
    go(this, form(WindowNo::SignedMenu));
}

void TForm1::BitBtn2Click()
{
    go(this, form(WindowNo::ExpressionMenu));
}

void TForm1::BitBtn3Click()
{
    go(this, form(WindowNo::EquationMenu));
}

void TForm1::Image1Click()
{
    endProgram();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    event->accept();
    endProgram();
}

TTopicMenu::TTopicMenu(const Topic& topic)
    : TWindow(topic.name, QString::fromUtf8(topic.caption)), theoryPage_(topic.theoryPage),
      practice_(topic.practice), test_(topic.test)
{
    Label1 = heading(this, "Label1", 16, QString::fromUtf8(topic.heading), bookman(37));
    BitBtn1 = menuButton(this, "BitBtn1", 88, QStringLiteral("Teorija"));
    BitBtn2 = menuButton(this, "BitBtn2", 192, QStringLiteral("Pratybos"));
    BitBtn3 = menuButton(this, "BitBtn3", 296, QStringLiteral("Patikrinamasis darbas"));
    BitBtn4 = navButton(this, "BitBtn4", 0, QStringLiteral("Turinys"));
    onClick(BitBtn1, this, &TTopicMenu::BitBtn1Click);
    onClick(BitBtn2, this, &TTopicMenu::BitBtn2Click);
    onClick(BitBtn3, this, &TTopicMenu::BitBtn3Click);
    onClick(BitBtn4, this, &TTopicMenu::BitBtn4Click);
    BitBtn1->setFocus();
}

void TTopicMenu::BitBtn1Click()
{
    go(this, form(theoryPage_));
}

void TTopicMenu::BitBtn2Click()
{
    enterPractice(practice_);
}

void TTopicMenu::BitBtn3Click()
{
    enterPractice(test_);
}

void TTopicMenu::BitBtn4Click()
{
    go(this, form(WindowNo::MainMenu));
}

TForm2::TForm2()
    : TTopicMenu({"Form2", "Teigiami neigiami skaičiai", "Teigiami ir neigiami skaičiai", WindowNo::SignedTheory1,
                  WindowNo::SignedPractice, WindowNo::SignedTest})
{
}

TForm16::TForm16()
    : TTopicMenu({"Form16", "Reiškinių pertvarkymas", "Reiškinių pertvarkymas", WindowNo::ExpressionTheory1,
                  WindowNo::ExpressionPractice, WindowNo::ExpressionTest})
{
}

TForm21::TForm21() : TTopicMenu({"Form21", "Lygtys", "Lygtys", WindowNo::EquationTheory1, WindowNo::EquationPractice,
                  WindowNo::EquationTest})
{
}
