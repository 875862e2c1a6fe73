#pragma once

#include "round.h"
#include "wordlist.h"

namespace vindra {

class Engine;

/// One word list being asked: the round's items come from it and its errors go to the word
/// lists' error list (`KollaListan`, `SlumpaOrd`, `ListFel`). The list's bytes are read when it
/// is chosen and kept while it is asked.
class WordListSource : public ItemSource {
public:
    explicit WordListSource(Engine& engine) : m_engine(engine) {}

    /// Chooses list `fileName` of `kind` and reads it (hard-disk copy first, then the CD's):
    /// its item count, and the "$" lines of its first five lines as the engine's header lines,
    /// instruction and worksheet instruction (all cleared first, so that nothing of the
    /// exercise opened before stays). A list that cannot be read or has no item line gets
    /// "Filen … finns inte eller är felaktig" and false; no list is chosen then.
    bool choose(wordlist::Kind kind, const QByteArray& fileName);
    bool loaded() const { return !m_key.isEmpty(); }

    const QByteArray& key() const { return m_key; }
    const QByteArray& fileName() const { return m_fileName; }
    /// The local path the list was read from.
    const QString& path() const { return m_path; }
    int itemCount() const;

    bool draw(bool correctionRound) override;
    void record(bool right, bool correctionRound) override;
    int errorCount() const override;

private:
    Engine& m_engine;
    QByteArray m_key;
    QByteArray m_fileName;
    QString m_path;
    QByteArray m_bytes;
};

} // namespace vindra
