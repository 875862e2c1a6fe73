#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

namespace vindra {

/// The one sound player of the main window: plays WAV files without waiting for their end.
/// A new play replaces the sound that is playing.
class SoundPlayer {
public:
    using ErrorHandler = std::function<void(const QString& text)>;

    virtual ~SoundPlayer() = default;

    /// Starts playing the WAV file at the local path `path` and returns at once: an empty
    /// text when playback has started, else the player's own error text.
    virtual QString play(const QString& path) = 0;

    /// Stops the sound that is playing; nothing happens when none is.
    virtual void stop() = 0;

    /// Called with the player's error text when a sound fails after `play` has returned.
    void setErrorHandler(ErrorHandler handler) { m_onError = std::move(handler); }

protected:
    void reportError(const QString& text)
    {
        if (m_onError)
            m_onError(text);
    }

private:
    ErrorHandler m_onError;
};

/// Records what would have been played. `refuseWith` makes the next plays fail with a text;
/// `failLater` reports an error as a running sound would.
class RecordingSoundPlayer : public SoundPlayer {
public:
    QString play(const QString& path) override
    {
        if (!m_refusal.isEmpty())
            return m_refusal;
        m_played << path;
        return {};
    }
    void stop() override { ++m_stops; }

    void refuseWith(const QString& text) { m_refusal = text; }
    void failLater(const QString& text) { reportError(text); }

    const QStringList& played() const { return m_played; }
    int stops() const { return m_stops; }

private:
    QStringList m_played;
    QString m_refusal;
    int m_stops = 0;
};

} // namespace vindra
