// Start-up benchmark, program side: the program's own start-up (the same Program as main()),
// ended as soon as the main window has painted once.

#include "firstpaint.h"

#include "app/program.h"
#include "platform/qtfontpreload.h"
#include "shell/engel.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    vindra::startReadingFontConfiguration();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vindra"));
    vindra::Program program;
    QuitOnFirstPaint quit;
    if (!program.start(QApplication::applicationDirPath()))
        return 1;
    program.mainWindow().installEventFilter(&quit);
    return QApplication::exec();
}
