#include "qtlazysound.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace vindra {

namespace {
using CreatePlayer = SoundPlayer* (*)();
} // namespace

QtLazySoundPlayer::QtLazySoundPlayer(QStringList moduleDirs) : m_dirs(std::move(moduleDirs)) {}

// The module's player goes before the library is unloaded (the library stays loaded: QLibrary
// leaves it mapped for the rest of the run).
QtLazySoundPlayer::~QtLazySoundPlayer() = default;

QString QtLazySoundPlayer::moduleFileName()
{
    return QStringLiteral("vindra-sound.so");
}

bool QtLazySoundPlayer::load()
{
    if (m_tried)
        return m_player != nullptr;
    m_tried = true;
    QStringList tried;
    for (const QString& dir : m_dirs) {
        const QString path = QDir(dir).filePath(moduleFileName());
        if (!QFileInfo::exists(path)) {
            tried << path;
            continue;
        }
        QLibrary library(path);
        const auto create =
            reinterpret_cast<CreatePlayer>(library.resolve("vindra_create_sound_player"));
        if (!create) {
            m_loadError = library.errorString();
            return false;
        }
        m_player.reset(create());
        m_player->setErrorHandler([this](const QString& text) { reportError(text); });
        return true;
    }
    m_loadError = QStringLiteral("%1 finns inte (s\u00f6kt: %2)")
                      .arg(moduleFileName(), tried.join(QStringLiteral(", ")));
    return false;
}

QString QtLazySoundPlayer::play(const QString& path)
{
    if (!load())
        return QStringLiteral("Ljudet kan inte spelas: %1").arg(m_loadError);
    return m_player->play(path);
}

void QtLazySoundPlayer::stop()
{
    // Nothing can be playing before the first sound has loaded the module.
    if (m_player)
        m_player->stop();
}

} // namespace vindra
