#include "shell/prompt.h"

#include "shell/controls.h"

#include <QLabel>

TForm9::TForm9() : TWindow("Form9", QString(), {268, 170}, Frame::Closable, false)
{
    Label1 = label(this, "Label1", {40, 48}, QStringLiteral("Iveskite skaičių"), bookman(23), colour::red);
    // The window has no caption; a screen reader announces it by its message.
    setAccessibleName(Label1->text());
}
