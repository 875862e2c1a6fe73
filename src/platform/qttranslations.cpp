#include "qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace vindra {

SwedishTranslations::SwedishTranslations()
{
    // The translator installed last is asked first: the program's own file goes over Qt's.
    m_qtLoaded =
        install(QStringLiteral("qt_sv"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(QStringLiteral(":/translations/vindra_sv.qm"));
}

SwedishTranslations::~SwedishTranslations()
{
    for (QTranslator* t : m_installed) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

bool SwedishTranslations::install(const QString& file, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator.get()))
        return false;
    m_installed.append(translator.release());
    return true;
}

} // namespace vindra
