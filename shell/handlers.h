#pragma once
#include "shell/picture.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QString>
#include <functional>

// Every handler of a window runs through runHandler: an error raised inside it (a picture
// file that cannot be read) is shown in the error box and never reaches Qt; afterwards the
// answer boxes' descriptions follow the problems now shown and, when no window of the program
// is left on screen, the program ends.
void runHandler(const std::function<void()>& handler) noexcept;

// Binds a handler member function to a control's event through runHandler.
template <class Window, class Base>
void onClick(QAbstractButton* control, Window* window, void (Base::*handler)())
{
    QObject::connect(control, &QAbstractButton::clicked, window,
                     [window, handler] { runHandler([window, handler] { (window->*handler)(); }); });
}

template <class Window, class Base>
void onClick(PictureBox* control, Window* window, void (Base::*handler)())
{
    QObject::connect(control, &PictureBox::clicked, window,
                     [window, handler] { runHandler([window, handler] { (window->*handler)(); }); });
}

template <class Window, class Base>
void onChange(QLineEdit* control, Window* window, void (Base::*handler)())
{
    QObject::connect(control, &QLineEdit::textChanged, window,
                     [window, handler] { runHandler([window, handler] { (window->*handler)(); }); });
}

// The error box: stop icon, the application's name as title, the message.
void showError(const QString& message);
// Tests replace the box with a recorder; an empty function restores the box.
void setErrorSink(std::function<void(const QString&)> sink);
