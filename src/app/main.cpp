// Program entry: the engine's start-up, then the main window, then the message loop.

#include "app/program.h"
#include "platform/qtfontpreload.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    vindra::startReadingFontConfiguration();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vindra"));
    vindra::Program program;
    if (!program.start(QApplication::applicationDirPath()))
        return 1;
    return QApplication::exec();
}
