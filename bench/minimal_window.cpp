// The toolkit's floor: a program that shows one empty window and, once it is on screen,
// prints the time since process start and quits when asked to. With "text" after the start
// time, the window shows one line of text: the floor of any window that shows text, which
// pays for the font system on top (reading its configuration, listing the fonts, loading one).
#include "bench/startup_probe.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.resize(794, 521);
    if (argc > 2 && std::strcmp(argv[2], "text") == 0)
        (new QLabel(QStringLiteral("Teigiami ir neigiami skaičiai"), &window))->move(20, 20);
    window.show();
    StartupProbe probe(&window);
    return QApplication::exec();
}
