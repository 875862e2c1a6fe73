#pragma once

#include "recordfile.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

/// The X-act number game's data: the items of its levels, and its save file. The save file
/// of the game is "RXACT.STE" in the results directory: one record
/// of 260 bytes per pupil and no header. Bytes 0..255 hold the pupil's name (cp1252)
/// followed by zero bytes, bytes 256..259 the level, a signed 32-bit little-endian integer.
/// Names are compared without regard to letter case.
namespace vindra::xact {

// ---- Levels ---------------------------------------------------------------------------------

constexpr int kMaxLevels = 20;
constexpr int kItemsPerLevel = 120;

/// The items of a data file by level. An item line begins with its level number (one or two
/// digits, 1..20) directly followed by the item, "task#answer", and holds a "#" after its
/// first and before its last character; comment lines (";") and scrambled lines that do not
/// unscramble to such a line are not items. Lines of a level outside 1..20 and items beyond
/// a level's 120th are ignored.
struct Levels {
    /// items[level] in file order, without the level number; levels 1..20.
    std::array<QList<QByteArray>, kMaxLevels + 1> items;
    /// L: levels counted from 1 while each has items. 1..L-1 are played; reaching L is the
    /// diploma.
    int top() const;
};
Levels readLevels(const QByteArray& content);
/// The level number at the start of an item line and the item after it; level 0 when the
/// line is not an item of a level 1..20.
int splitLevel(const QByteArray& line, QByteArray* item = nullptr);

// ---- The save file --------------------------------------------------------------------------

constexpr int kRecordSize = 260;
constexpr int kNameField = 256;
/// The most records a save copies; a larger file is cut there.
constexpr int kMaxRecords = 29999;
constexpr char kFileName[] = "RXACT.STE";
constexpr char kLockName[] = "RXACT.LCK";

struct Record {
    QByteArray name;
    qint32 level = 0;
    bool operator==(const Record&) const = default;
};

/// The records of a save file. A name runs to its first zero byte and never beyond 255
/// bytes; a short piece at the end of the file is not a record.
QList<Record> parse(const QByteArray& bytes);
QByteArray serialize(const QList<Record>& records);

/// The level a pupil fetches: that of the first record of `name` whose level lies between 1
/// and `topLevel` - 1 (the levels that are played); `current` when there is none.
int fetchLevel(const QList<Record>& records, const QByteArray& name, int current, int topLevel);

/// The records after `name` has saved `level`: the pupil's records below that level are
/// raised to it, records without a name or at level 1 or lower are dropped, and a pupil who
/// has no record yet gets one when the level is above 1.
QList<Record> afterSave(const QList<Record>& records, const QByteArray& name, int level);

/// The save file and its lock in results directory `resultsDir` (cp1252, as the
/// directories file writes it).
QString savePath(const QByteArray& resultsDir);
QString lockPath(const QByteArray& resultsDir);

enum class FetchStatus { Found, NotFound, NoFile, Unreadable };
/// Reads the pupil's level from the save file into `level` (left as it is unless found).
FetchStatus fetch(const QByteArray& resultsDir, const QByteArray& name, int topLevel, int& level);

/// Saves the pupil's level under the lock, replacing the file atomically; a file that
/// exists but cannot be read is left alone. A missing file is created with the pupil's
/// record even at level 1.
recordfile::Status save(const QByteArray& resultsDir, const QByteArray& name, int level,
                        recordfile::Error* error = nullptr,
                        const std::function<void()>& beforeCommit = {},
                        int lockWaitMs = recordfile::kLockWaitMs);

} // namespace vindra::xact
