// Start-up benchmark, the floor: a bare full-screen Qt Widgets window that ends at its first
// paint. The program's start-up is measured against this.

#include "firstpaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    QuitOnFirstPaint quit;
    window.installEventFilter(&quit);
    window.showFullScreen();
    return QApplication::exec();
}
