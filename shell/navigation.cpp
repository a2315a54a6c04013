#include "shell/navigation.h"

#include <QWidget>

void showForm(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void closeForm(QWidget* window)
{
    window->hide();
}

void go(QWidget* from, QWidget* to, Order order)
{
    if (order == Order::ShowFirst) {
        showForm(to);
        closeForm(from);
    } else {
        closeForm(from);
        showForm(to);
    }
}
