#pragma once

#include <QList>
#include <QString>

class QTranslator;

namespace vindra {

/// Qt's own windows in Swedish, as the rest of the program is: the print dialog, the file
/// dialog it opens, the buttons of message boxes and the context menus of text fields.
/// Installs Qt's Swedish translation (from Qt's translations folder, when installed) and the
/// program's own additions for what that one lacks (compiled into the program), the latter
/// first in line so that it also mends a few of Qt's wordings. The program is Swedish
/// whatever the desktop's language, so the system locale plays no part. Removed again when
/// destroyed.
class SwedishTranslations {
public:
    SwedishTranslations();
    ~SwedishTranslations();
    SwedishTranslations(const SwedishTranslations&) = delete;
    SwedishTranslations& operator=(const SwedishTranslations&) = delete;

    /// True when Qt's own Swedish translation was found and installed.
    bool qtTranslationLoaded() const { return m_qtLoaded; }

private:
    bool install(const QString& file, const QString& folder = {});

    QList<QTranslator*> m_installed;
    bool m_qtLoaded = false;
};

} // namespace vindra
