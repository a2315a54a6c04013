#include "trainer/dialogs.h"

#include "trainer/form1.h"
#include "trainer/forms.h"
#include "trainer/widgets.h"

#include <QLabel>
#include <QPushButton>

namespace zenkla {

namespace {

void setUpDialog(QDialog* dialog, const char* name, const QString& caption, QSize client)
{
    dialog->setObjectName(QString::fromUtf8(name));
    dialog->setWindowTitle(caption);
    dialog->setModal(true);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFixedSize(client);
    dialog->setFont(sans(8.25));
}

} // namespace

TForm2::TForm2(QWidget* owner) : QDialog(owner)
{
    setUpDialog(this, "Form2", QStringLiteral("Apie programą"), {344, 232});
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(24, 24, 64, 64);
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setPixmap(programIcon().pixmap(32, 32));
    Label1 = label(this, "Label1", {112, 16, 209, 73},
                   QStringLiteral("Mokomoji veltoros programa 7 klasei. Skirta mokytis temą \"Veiksmai su "
                                  "teigiamais ir neigiamais skaičiais\"."),
                   sans(9.75), Qt::AlignLeft, Wrap::Words);
    Command1 = button(this, "Command1", {192, 184, 97, 33}, QStringLiteral("Gerai"), sans(13.5, true));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void TForm2::Command1_Click()
{
    unloadForm2();
}

TForm3::TForm3(QWidget* owner) : QDialog(owner)
{
    setUpDialog(this, "Form3", QStringLiteral("Klaida!"), {292, 156});
    Label1 = label(this, "Label1", {32, 24, 209, 57},
                   QStringLiteral("Labai ilgas įrašas. Įrašykite vardą ir pavardę iš naujo."), sans(12), Qt::AlignLeft,
                   Wrap::Words);
    Command1 = button(this, "Command1", {88, 96, 89, 33}, QStringLiteral("Ok"), sans(8.25));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void TForm3::Command1_Click()
{
    if (Form1)
        Form1->text2->clear();
    unloadForm3();
}

} // namespace zenkla
