#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

namespace vindra {

/// The kind of a message box; it chooses the icon and the window title.
enum class MessageKind { Plain, Information, Warning, Error };

/// Message boxes with an OK button, yes/no confirmations, and the question after a failure
/// whether to try again. The program shows real boxes; tests record what would have been
/// shown.
class Messages {
public:
    virtual ~Messages() = default;
    /// Shows `text` and returns once the person has pressed OK.
    virtual void show(MessageKind kind, const QString& text) = 0;
    /// Asks a yes/no question; returns true for yes.
    virtual bool confirm(const QString& text) = 0;
    /// Tells of a failure and offers "Försök igen" and "Avbryt"; returns true for
    /// "Försök igen".
    virtual bool retry(const QString& text) = 0;
};

/// Records every message instead of showing it, so that no test ever blocks on a modal box.
/// Confirmations and retry questions answer from one queue, in the order they are asked:
/// when it is empty a confirmation says yes and a retry question "Avbryt". `whileAsking`, when
/// set, runs while a question is open, before it is answered (what the person does meanwhile).
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
        return answer(text, true);
    }
    bool retry(const QString& text) override
    {
        m_entries.push_back({MessageKind::Warning, text});
        m_retries.push_back(text);
        return answer(text, false);
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
    const QStringList& retries() const { return m_retries; }
    void clear()
    {
        m_entries.clear();
        m_confirmations.clear();
        m_retries.clear();
    }

    std::function<void(const QString& question)> whileAsking;

private:
    bool answer(const QString& text, bool whenNoneQueued)
    {
        if (whileAsking)
            whileAsking(text);
        if (m_answers.isEmpty())
            return whenNoneQueued;
        return m_answers.takeFirst();
    }

    QVector<Entry> m_entries;
    QStringList m_confirmations;
    QStringList m_retries;
    QVector<bool> m_answers;
};

} // namespace vindra
