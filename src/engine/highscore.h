#pragma once

#include "recordfile.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

/// High-score lists: the ".ENR" files of the be-game, The Five and Your words. A list is a
/// sequence of 34-byte records, best first, at most 100 of them, without a header: a name
/// (length byte and up to 21 cp1252 characters), then year, month, day, hour, minute and the
/// score as unsigned 16-bit little-endian numbers.
///
/// The bytes are read and written by pure functions here, shared by the high-score window,
/// the tests and the fuzz target; a list is only ever rewritten under its lock through
/// `recordfile`, re-read there, so that two pupils saving into one shared score directory
/// at the same moment both keep their entries.
namespace vindra::highscore {

constexpr int kRecordSize = 34;
constexpr int kTableSize = 100;          ///< entries of a list
constexpr int kNameLength = 21;          ///< characters of a name in the file
constexpr int kNoPlace = kTableSize + 1; ///< the grid row of an entry that gets no place
constexpr quint16 kMaxScore = 65535;

/// How scores compare and how they are shown, by the exercise code of the calling game.
enum class Kind {
    Points, ///< Your words: higher is better, shown as a whole number
    Time    ///< be-game, The Five: tenths of a second, lower is better, shown as 12,3
};
Kind kindOf(int exerciseCode);

struct Entry {
    QByteArray name; ///< cp1252, at most kNameLength characters in the file
    quint16 year = 0;
    quint16 month = 0;
    quint16 day = 0;
    quint16 hour = 0;
    quint16 minute = 0;
    quint16 score = 0;

    void stamp(const QDateTime& now);
    bool operator==(const Entry&) const = default;
};

/// A score as a game computes it, clamped to what the file holds: a negative score is 0, one
/// beyond the 16-bit range is the largest score (so that it never wraps round to the top).
quint16 clampScore(double score);

/// The whole records of `bytes` in file order. A name's length byte beyond 21 is cut to 21;
/// a trailing partial record (a torn write, a foreign file) ends the list.
QList<Entry> decode(const QByteArray& bytes);

/// The file's bytes for `entries`: at most the first 100 entries that carry a name (an entry
/// without a name is never written, because older readers take it as the end of the list).
QByteArray encode(const QList<Entry>& entries);
QByteArray encode(const Entry& entry);

/// True when `candidate` beats `record`; an equal score does not.
bool better(quint16 candidate, quint16 record, Kind kind);

/// The list as the window shows it and a save writes it: the new entry in place before the
/// first record it beats, records pushed beyond place 100 dropped.
struct Placement {
    QList<Entry> rows; ///< rows 1.. (at most 100)
    int row = 0;       ///< the new entry's row, 1..100, or kNoPlace when it has none
};
Placement place(const QList<Entry>& records, const Entry& entry, Kind kind);

/// The number column: four blanks before 1..9, two before 10..99, none before 100; "  X"
/// for the row of an entry without a place.
QString rowNumberText(int row);
/// Two-digit year, month and day, a blank, hour ":" minute ("021201 08:23").
QString dateText(const Entry& entry);
/// The score column: right-aligned by a prefix of blanks; a time with a comma before its
/// last digit (123 reads 12,3 and 7 reads 0,7). A score of 0 leaves the cell empty.
QString scoreText(quint16 score, Kind kind);
/// The score column's header.
QString scoreHeader(Kind kind);

/// The file name of a game's list: the data file name without its extension + ".ENR".
QByteArray fileNameFor(const QByteArray& dataFileName);

/// Reading and saving a list under its lock (the lock file is the list's path + ".LCK").
QString lockPathFor(const QString& path);

/// The list as it is now; nullopt when it exists but cannot be read. A missing file is an
/// empty list with `exists` false.
struct Loaded {
    bool exists = false;
    QList<Entry> records;
};
std::optional<Loaded> load(const QString& path, recordfile::Error* error = nullptr);

/// Creates an empty list where none exists yet (never touching one that does).
bool createEmpty(const QString& path, recordfile::Error* error = nullptr);

/// What a save did.
struct SaveResult {
    recordfile::Status status = recordfile::Status::WriteError;
    int row = 0; ///< the entry's place in the list as saved, kNoPlace when it got none
};

/// Re-reads the list under its lock, places `entry` in it and writes it back. An entry that
/// gets no place leaves the file as it is (Unchanged). An entry without a name is never
/// stored (Unchanged, row 0).
SaveResult save(const QString& path, const Entry& entry, Kind kind,
                recordfile::Error* error = nullptr, int lockWaitMs = recordfile::kLockWaitMs);

} // namespace vindra::highscore

namespace vindra {

/// The high-score state the engine keeps: the new entry the calling game fills in, where its
/// list lies, and the title of a word list (Your words' lists are titled by their long name).
struct HighScoreState {
    highscore::Entry entry;
    QString path;         ///< the score file, a local path
    QByteArray listTitle; ///< cp1252; the title of exercise code 1000
};

} // namespace vindra
