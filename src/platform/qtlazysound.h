#pragma once

#include "sound.h"

#include <QString>

#include <memory>

namespace vindra {

/// The program's sound player. Qt Multimedia and the audio system it brings (some twenty
/// libraries) are loaded with the module `vindra-sound` at the first sound, not when the
/// program starts: most of a session's windows play nothing, and the main window must come up
/// quickly. A module that cannot be loaded makes every play fail with a message; the program
/// goes on without sound.
class QtLazySoundPlayer : public SoundPlayer {
public:
    /// `moduleDirs` are searched in order for the module file.
    explicit QtLazySoundPlayer(QStringList moduleDirs);
    ~QtLazySoundPlayer() override;

    QString play(const QString& path) override;
    void stop() override;

    /// The module's file name, built beside the program and installed in the program's own
    /// library directory.
    static QString moduleFileName();

private:
    /// Loads the module once; false (with m_loadError set) when it cannot be.
    bool load();

    QStringList m_dirs;
    std::unique_ptr<SoundPlayer> m_player;
    QString m_loadError;
    bool m_tried = false;
};

} // namespace vindra
