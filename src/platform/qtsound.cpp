#include "qtsound.h"

#include <QAudioOutput>
#include <QFile>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace vindra {

QtSoundPlayer::QtSoundPlayer(QObject* parent) : QObject(parent) {}

QtSoundPlayer::~QtSoundPlayer()
{
    if (m_player)
        m_player->stop();
}

QString QtSoundPlayer::play(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Ljudfilen %1 kan inte \u00f6ppnas: %2")
            .arg(QFileInfo(path).fileName(), file.errorString());
    const QByteArray head = file.read(12);
    file.close();
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return QStringLiteral("Ljudfilen %1 \u00e4r ingen WAV-fil.")
            .arg(QFileInfo(path).fileName());

    if (!m_player) {
        m_player = new QMediaPlayer(this);
        m_output = new QAudioOutput(this);
        m_player->setAudioOutput(m_output);
        connect(m_player, &QMediaPlayer::errorOccurred, this,
                [this](QMediaPlayer::Error error, const QString& text) {
                    // The media service may follow its first error with consequential ones.
                    if (error == QMediaPlayer::NoError || m_errorReported)
                        return;
                    m_errorReported = true;
                    reportError(text.isEmpty() ? QStringLiteral("Ljudet kan inte spelas upp.")
                                               : text);
                });
    }
    m_player->stop();
    m_errorReported = false;
    m_player->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    m_player->play();
    return {};
}

void QtSoundPlayer::stop()
{
    if (m_player)
        m_player->stop();
}

bool QtSoundPlayer::playing() const
{
    return m_player && m_player->playbackState() == QMediaPlayer::PlayingState;
}

} // namespace vindra
