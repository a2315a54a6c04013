#include "shell/pages.h"

#include "shell/controls.h"
#include "shell/forms.h"
#include "shell/handlers.h"

#include <QLabel>
#include <QPushButton>

void buildPage(QWidget* page, std::initializer_list<PageLine> lines)
{
    for (const PageLine& line : lines) {
        const QString text = QString::fromUtf8(line.text);
        QLabel* l = nullptr;
        switch (line.role) {
        case PageLine::Heading:
            l = label(page, line.name, {line.left, line.top}, text, bookman(line.pixels), colour::yellow);
            break;
        case PageLine::Rule:
            l = label(page, line.name, {line.left, line.top}, text, times(line.pixels, true, line.italic),
                      colour::lime);
            break;
        case PageLine::Example:
            l = label(page, line.name, {line.left, line.top}, text, times(line.pixels, true, line.italic),
                      colour::yellow);
            break;
        case PageLine::Mark:
            l = label(page, line.name, {line.left, line.top}, text, times(line.pixels, true, line.italic),
                      QColor::fromRgb(line.colour));
            break;
        }
        if (line.colour != 0)
            setColour(l, QColor::fromRgb(line.colour));
        if (line.hidden)
            l->hide();
    }
}

TTheoryPage::TTheoryPage(const Chain& chain)
    : TWindow(chain.name, QString::fromUtf8(chain.caption)), topicMenu_(chain.topicMenu), next_(chain.next),
      pradzia_(chain.pradzia)
{
    BitBtn5 = navButton(this, "BitBtn5", 0, QStringLiteral("Turinys"));
    BitBtn1 = navButton(this, "BitBtn1", 1, QStringLiteral("Pradžia"));
    onClick(BitBtn5, this, &TTheoryPage::BitBtn5Click);
    onClick(BitBtn1, this, &TTheoryPage::BitBtn1Click);
    if (next_ != 0) {
        BitBtn2 = navButton(this, "BitBtn2", 2, QStringLiteral("Toliau"));
        onClick(BitBtn2, this, &TTheoryPage::BitBtn2Click);
    }
}

void TTheoryPage::BitBtn5Click()
{
    leaving();
    go(this, form(1));
}

void TTheoryPage::BitBtn1Click()
{
    leaving();
    go(this, form(topicMenu_), pradzia_);
}

void TTheoryPage::BitBtn2Click()
{
    leaving();
    go(this, form(next_));
}

void TTheoryPage::Image1Click()
{
    leaving();
    TWindow::Image1Click();
}

TExerciseWindow::TExerciseWindow(const char* name, const char* caption, int topicMenu, Order order)
    : TWindow(name, QString::fromUtf8(caption)), topicMenu_(topicMenu), order_(order)
{
    BitBtn5 = navButton(this, "BitBtn5", 0, QStringLiteral("Turinys"));
    BitBtn1 = navButton(this, "BitBtn1", 1, QStringLiteral("Pradžia"));
    onClick(BitBtn5, this, &TExerciseWindow::BitBtn5Click);
    onClick(BitBtn1, this, &TExerciseWindow::BitBtn1Click);
}

void TExerciseWindow::BitBtn5Click()
{
    go(this, form(1), order_);
}

void TExerciseWindow::BitBtn1Click()
{
    go(this, form(topicMenu_), order_);
}
