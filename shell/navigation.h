#pragma once
class QWidget;

// Shows a window (not modal) and brings it to the front.
void showForm(QWidget* window);
// Closes a window: it only hides; it lives on until the program ends.
void closeForm(QWidget* window);

// Leaving one window for another: normally the own window closes first, then the target shows;
// a few handlers show the target first.
enum class Order { CloseFirst, ShowFirst };
void go(QWidget* from, QWidget* to, Order order = Order::CloseFirst);
