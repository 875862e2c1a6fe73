#include "qtlazysound.h"

#include "modules.h"

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
    const auto create = reinterpret_cast<CreatePlayer>(
        resolveModule(m_dirs, moduleFileName(), "vindra_create_sound_player", m_loadError));
    if (!create)
        return false;
    m_player.reset(create());
    m_player->setErrorHandler([this](const QString& text) { reportError(text); });
    return true;
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
