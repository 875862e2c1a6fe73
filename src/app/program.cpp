#include "program.h"

#include "app/programforms.h"
#include "diagnosis/diagut.h"
#include "engine/engine.h"
#include "framework/skrivut.h"
#include "platform/clock.h"
#include "platform/ini.h"
#include "platform/qtfontpreload.h"
#include "platform/qtlazyprinter.h"
#include "platform/qtlazysound.h"
#include "platform/qtplatform.h"
#include "platform/qttranslations.h"
#include "shell/engel.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace vindra {

struct Program::Parts {
    // First, so that the fonts are read while everything below is made; last to go.
    FontPreload fonts;
    SwedishTranslations translations;
    QtMessages messages;
    QtTextMeasure measure;
    QtScreen screen;
    SystemClock clock;
    WindowSurfaces surfaces;
    // The modules lie beside the program in the build tree, in its library directory when
    // installed.
    QStringList moduleDirs{QCoreApplication::applicationDirPath(),
                           QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                               QStringLiteral(VINDRA_MODULE_FROM_BIN)};
    QtLazySoundPlayer sound{moduleDirs};
    QtLazyPrinter printer{moduleDirs, &messages};
    Services services{&messages, &measure, &screen, &clock, &sound, &printer};
    // Destroyed in the reverse order: the print queue and the printout form refer to the
    // engine, which the main window owns; all of them use the services above.
    std::unique_ptr<TEngel> engel;
    std::unique_ptr<TDiagutform> diagutform;
    std::unique_ptr<TUtskrift> utskrift;
};

Program::Program() : m_parts(std::make_unique<Parts>())
{
    m_parts->services.forms = &programForms();
    // The pictures drawn for this screen are kept in the user's cache for the next start.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (!cache.isEmpty())
        m_parts->services.pictureCacheDir = cache + QStringLiteral("/pictures");
}

Program::~Program() = default;

bool Program::start(const QString& applicationDir)
{
    Parts& p = *m_parts;
    auto engine = std::make_unique<Engine>(p.messages, p.clock, Random::seedFromClock());
    if (!engine->unitStartup(findWindowsDirectory(applicationDir)))
        return false;

    p.engel = std::make_unique<TEngel>(std::move(engine), p.services);
    // The diagnosis printout form, never shown, holds the protocol's copy for printing.
    p.diagutform = std::make_unique<TDiagutform>(p.engel->engine(), p.services);
    p.engel->setDiagutform(p.diagutform.get());
    // The worksheet's print queue lives from here to the end of the run.
    p.utskrift = std::make_unique<TUtskrift>(p.engel->engine(), p.services);
    p.engel->setUtskrift(p.utskrift.get());
    p.engel->showFullScreen();
    return true;
}

TEngel& Program::mainWindow()
{
    return *m_parts->engel;
}

} // namespace vindra
