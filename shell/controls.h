#pragma once
#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class PictureBox;

// Colours of the windows.
namespace colour {
inline const QColor background{0x0A, 0x24, 0x6A}; // the classic active title bar blue
inline const QColor yellow{0xFF, 0xFF, 0x00};
inline const QColor lime{0x00, 0xFF, 0x00};
inline const QColor red{0xFF, 0x00, 0x00};
inline const QColor fuchsia{0xFF, 0x00, 0xFF};
inline const QColor blue{0x00, 0x00, 0xFF};
inline const QColor lightBlue{0x9C, 0xC8, 0xFF};
} // namespace colour

// Fonts by family and pixel size; the given families first, then Debian look-alikes
// that carry every Lithuanian letter.
QFont bookman(int pixels, bool bold = true);
QFont times(int pixels, bool bold = true, bool italic = false);

// Control factories: one readable line per control, as in a form file.
// Labels are left-aligned at their top-left point, transparent and click-through;
// they reach to the right edge of their parent so that any later text fits.
QLabel* label(QWidget* parent, const char* name, QPoint at, const QString& text, const QFont& font,
              const QColor& colour);
QPushButton* button(QWidget* parent, const char* name, const QRect& rect, const QString& caption,
                    const QFont& font);
QLineEdit* edit(QWidget* parent, const char* name, const QRect& rect, const QFont& font,
                const QColor& textColour = colour::red);
PictureBox* picture(QWidget* parent, const char* name, const QRect& rect, const QString& accessibleName);

// Sets a label's colour (the pen of its text).
void setColour(QLabel* label, const QColor& colour);
// Sets a label's font and makes it tall enough for it.
void setLabelFont(QLabel* label, const QFont& font);

// The small navigation buttons in a row at the bottom left: slot 0 "Turinys", 1 "Pradžia", 2 "Toliau".
QPushButton* navButton(QWidget* parent, const char* name, int slot, const QString& caption);
// A large menu button (305 x 81), centred horizontally, at the given top.
QPushButton* menuButton(QWidget* parent, const char* name, int top, const QString& caption);

// A heading label centred across its parent's width at the given top.
QLabel* heading(QWidget* parent, const char* name, int top, const QString& text, const QFont& font,
                const QColor& colour = colour::yellow);
