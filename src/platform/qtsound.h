#pragma once

#include "sound.h"

#include <QObject>

class QAudioOutput;
class QMediaPlayer;

namespace vindra {

/// WAV playback through Qt Multimedia. The media player is created at the first play, so a
/// run that plays nothing never opens the audio system. On a machine without a sound device
/// sounds play into nothing. Errors of the media service are reported once per play.
class QtSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    explicit QtSoundPlayer(QObject* parent = nullptr);
    ~QtSoundPlayer() override;

    /// Checks that the file can be read and is a RIFF WAVE file, then starts it.
    QString play(const QString& path) override;
    void stop() override;

    /// True while a sound is playing.
    bool playing() const;

private:
    QMediaPlayer* m_player = nullptr;
    QAudioOutput* m_output = nullptr;
    bool m_errorReported = false;
};

} // namespace vindra
