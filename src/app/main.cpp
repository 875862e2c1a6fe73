// Program entry: the engine's start-up, then the main window, then the message loop.

#include "app/programforms.h"
#include "diagnosis/diagut.h"
#include "engine/engine.h"
#include "framework/skrivut.h"
#include "platform/clock.h"
#include "platform/ini.h"
#include "platform/qtplatform.h"
#include "platform/qtprinter.h"
#include "platform/qtsound.h"
#include "platform/qttranslations.h"
#include "shell/engel.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vindra"));
    const vindra::SwedishTranslations translations;

    vindra::QtMessages messages;
    vindra::QtTextMeasure measure;
    vindra::QtScreen screen;
    vindra::SystemClock clock;
    vindra::QtSoundPlayer sound;
    vindra::QtPrinter printer;
    vindra::Services services{&messages, &measure, &screen, &clock, &sound, &printer};
    services.forms = &vindra::programForms();

    auto engine = std::make_unique<vindra::Engine>(messages, clock, vindra::Random::seedFromClock());
    if (!engine->unitStartup(vindra::findWindowsDirectory(QApplication::applicationDirPath())))
        return 1;

    vindra::TEngel engel(std::move(engine), services);
    // The diagnosis printout form, never shown, holds the protocol's copy for printing.
    vindra::TDiagutform diagutform(engel.engine(), services);
    engel.setDiagutform(&diagutform);
    // The worksheet's print queue lives from here to the end of the run.
    vindra::TUtskrift utskrift(engel.engine(), services);
    engel.setUtskrift(&utskrift);
    engel.showFullScreen();
    return QApplication::exec();
}
