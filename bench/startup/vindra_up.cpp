// Start-up benchmark, program side: the start-up of main() (engine, directories file, main
// window full screen, the print queue) and an end as soon as the main window has painted once.

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
#include <QEvent>

#include <memory>

namespace {

/// Quits the application at the first paint of the watched window.
class QuitOnPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QCoreApplication::quit();
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const vindra::SwedishTranslations translations;
    vindra::QtMessages messages;
    vindra::QtTextMeasure measure;
    vindra::QtScreen screen;
    vindra::SystemClock clock;
    vindra::QtSoundPlayer sound;
    vindra::QtPrinter printer;
    const vindra::Services services{&messages, &measure, &screen, &clock, &sound, &printer};

    auto engine =
        std::make_unique<vindra::Engine>(messages, clock, vindra::Random::seedFromClock());
    if (!engine->unitStartup(vindra::findWindowsDirectory(QApplication::applicationDirPath())))
        return 1;
    vindra::TEngel engel(std::move(engine), services);
    vindra::TUtskrift utskrift(engel.engine(), services);
    engel.setUtskrift(&utskrift);
    QuitOnPaint quit;
    engel.installEventFilter(&quit);
    engel.showFullScreen();
    return QApplication::exec();
}
