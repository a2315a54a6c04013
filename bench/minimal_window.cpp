// The toolkit's floor: a program that shows one empty window and, once it is on screen,
// prints the time since process start and quits when asked to.
#include "bench/startup_probe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.resize(794, 521);
    window.show();
    StartupProbe probe(&window);
    return QApplication::exec();
}
