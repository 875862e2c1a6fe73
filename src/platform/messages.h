#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace vindra {

/// The kind of a message box; it chooses the icon and the window title.
enum class MessageKind { Plain, Information, Warning, Error };

/// Message boxes with an OK button, and yes/no confirmations.
/// The program shows real boxes; tests record what would have been shown.
class Messages {
public:
    virtual ~Messages() = default;
    /// Shows `text` and returns once the person has pressed OK.
    virtual void show(MessageKind kind, const QString& text) = 0;
    /// Asks a yes/no question; returns true for yes.
    virtual bool confirm(const QString& text) = 0;
};

/// Records every message instead of showing it; confirmations answer from a queue
/// (yes when the queue is empty) so that no test ever blocks on a modal box.
class RecordingMessages : public Messages {
public:
    struct Entry {
        MessageKind kind;
        QString text;
    };

    void show(MessageKind kind, const QString& text) override { m_entries.push_back({kind, text}); }
    bool confirm(const QString& text) override
    {
        m_entries.push_back({MessageKind::Plain, text});
        m_confirmations.push_back(text);
        if (m_answers.isEmpty())
            return true;
        return m_answers.takeFirst();
    }

    void queueAnswer(bool yes) { m_answers.push_back(yes); }
    const QVector<Entry>& entries() const { return m_entries; }
    QStringList texts() const
    {
        QStringList list;
        for (const auto& e : m_entries)
            list << e.text;
        return list;
    }
    const QStringList& confirmations() const { return m_confirmations; }
    void clear()
    {
        m_entries.clear();
        m_confirmations.clear();
    }

private:
    QVector<Entry> m_entries;
    QStringList m_confirmations;
    QVector<bool> m_answers;
};

} // namespace vindra
