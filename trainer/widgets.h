#pragma once
// Zenkla's controls as one readable line each, as in a form file: fonts, labels, frames, option
// and push buttons, the rectangle and line shapes, and the edit box whose keys go through a
// key-press handler and whose pasted text goes through the same filter.
#include <QColor>
#include <QFont>
#include <QLineEdit>
#include <QRect>
#include <QString>
#include <QValidator>
#include <QWidget>

#include <functional>
#include <initializer_list>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zenkla {

namespace colour {
inline const QColor blue{0, 0, 255};
inline const QColor red{255, 0, 0};
inline const QColor black{0, 0, 0};
// System colours of the classic desktop (any look-alike will do).
inline const QColor activeTitleBar{0, 0, 128};
inline const QColor desktop{0, 128, 128};
inline const QColor highlight{0, 0, 128};
} // namespace colour

// "MS Sans Serif" with Debian's look-alike "Liberation Sans" after it; the size in points.
QFont sans(double points, bool bold = false, bool italic = false);
// The window font of Form1: 13.5 pt regular.
QFont windowFont();

enum class Wrap { No, Words };

// A label at its place, text aligned to the top (left or centred), transparent.
QLabel* label(QWidget* parent, const char* name, const QRect& place, const QString& text, const QFont& font,
              Qt::Alignment align = Qt::AlignLeft, Wrap wrap = Wrap::No);
// A frame with a caption (a group box); its caption font and colour apply to the caption only.
QGroupBox* frame(QWidget* parent, const char* name, const QRect& place, const QString& caption,
                 const QFont& font, const QColor& captionColour = colour::black);
QRadioButton* option(QWidget* parent, const char* name, const QRect& place, const QString& text,
                     const QFont& font);
QPushButton* button(QWidget* parent, const char* name, const QRect& place, const QString& caption,
                    const QFont& font);

// Shows or hides each of the controls.
void showAll(std::initializer_list<QWidget*> controls);
void hideAll(std::initializer_list<QWidget*> controls);

// Sets the colour of a label's text.
void setColour(QWidget* control, const QColor& colour);
QColor colourOf(const QWidget* control);

// A rectangle outline over its whole place (VB's Shape) and a vertical line (VB's Line).
class Shape : public QWidget {
public:
    Shape(QWidget* parent, const char* name, const QRect& place);

protected:
    void paintEvent(QPaintEvent*) override;
};

class VerticalLine : public QWidget {
public:
    VerticalLine(QWidget* parent, const char* name, int x, int top, int bottom);

protected:
    void paintEvent(QPaintEvent*) override;
};

// The key code that a key-press handler receives for a key event: 13 for Enter, 8 for
// Backspace, the Windows-1257 code of a typed character (63, "?", for one outside the code
// page), or -1 for keys that are not characters (arrows, Delete, shortcuts with Ctrl or Alt).
int keyAsciiOf(const QKeyEvent& event);
// The character of a Windows-1257 code.
QChar charOfKeyAscii(int code);

// Keeps only what a filter lets through, whatever way the text came in (typing, pasting,
// dropping, setText).
class FilterValidator : public QValidator {
public:
    FilterValidator(QObject* parent, std::function<QString(const QString&)> filter);
    State validate(QString& input, int& pos) const override;

private:
    std::function<QString(const QString&)> filter_;
};

// A single-line edit box whose character keys first go to a key-press handler with the key
// code by reference (VB's KeyPress): 0 discards the key, another code replaces the character.
// Enter never reaches the window behind the box.
class KeyBox : public QLineEdit {
public:
    KeyBox(QWidget* parent, const char* name, const QRect& place, const QFont& font);
    void setKeyPress(std::function<void(int&)> handler) { keyPress_ = std::move(handler); }
    // Every text that enters the box is passed through the filter.
    void setTextFilter(std::function<QString(const QString&)> filter);
    // Every paste (Ctrl+V or Shift+Insert, the context menu's "Paste", the middle button) goes
    // to the handler with the pasted text instead of into the box, and dropped text is refused.
    void setPaste(std::function<void(const QString&)> handler);

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    std::function<void(int&)> keyPress_;
    std::function<void(const QString&)> paste_;
};

// Makes Enter (Return or keypad Enter) press a focused push button, as pupils expect.
void pressOnEnter(QPushButton* button);

} // namespace zenkla
