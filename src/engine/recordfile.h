#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QString>

#include <functional>

/// Safe rewriting of the record files that must never be lost (the diagnosis register,
/// high-score lists, save files). A file may lie in a directory that a classroom of computers
/// shares, so every read-modify-write runs under an exclusive lock file beside it, and the new
/// content replaces the old with one atomic rename after it has been written and flushed to
/// disk: a crash or a power cut at any moment leaves either the old or the new file.
///
/// Several user accounts may share the directory. The replace needs only the right to write
/// the directory, never the old file itself, and the new file is readable and writable by
/// whoever may write the directory (its group and its other users, as the directory allows).
namespace vindra::recordfile {

/// How long a save waits for the lock of another computer.
constexpr int kLockWaitMs = 20000;
/// A lock older than this whose owner cannot be asked (another computer) is taken as left
/// behind by a crashed program. A lock of a process on this computer that no longer runs is
/// broken at once.
constexpr int kStaleLockMs = 10000;
/// The helper file that guards the breaking of a stale lock is held for a moment only; one
/// older than this was left by a program that crashed while breaking a lock.
constexpr int kStaleHelperMs = 2000;
/// The largest record file read. A register of 30 000 pupils is 10 MB; anything larger is not
/// a record file (a device, a runaway file) and is refused rather than read into memory.
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

/// What went wrong, so that a message can say what is really the matter.
enum class Cause {
    None,
    NoDirectory,  ///< the directory does not exist
    NoPermission, ///< this user may not write the directory (or read the file)
    LockHeld,     ///< another program held the lock for the whole wait
    NotAFile,     ///< the name belongs to a directory, a device, a pipe or a link elsewhere
    TooLarge,     ///< larger than kMaxFileSize
    DiskFull,     ///< no space left on the disk (or the user's quota)
    Other         ///< any other failure; `detail` has the system's words
};

struct Error {
    Cause cause = Cause::None;
    QString path;     ///< the file or directory concerned
    QString detail;   ///< the system's description, when there is one
    int waitedMs = 0; ///< how long the lock was waited for (LockHeld)
};

/// The error in English, for the command-line tools.
QString describe(const Error& error);

/// An exclusive lock held for the object's lifetime, taken through a lock file that is
/// created exclusively (and removed again on release). While it waits it clears what a
/// crashed program left behind: a lock of a program that no longer runs, or one too old,
/// even when another user's account made it, and the helper file of an interrupted breaking
/// of such a lock.
class Lock {
public:
    explicit Lock(const QString& lockPath, int waitMs = kLockWaitMs);
    ~Lock() = default;
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

    bool held() const { return m_held; }
    /// Why the lock is not held.
    const Error& error() const { return m_error; }

private:
    QLockFile m_file;
    bool m_held = false;
    Error m_error;
};

/// What `change` is given: the file's content as read under the lock.
struct Content {
    bool exists = false;
    QByteArray bytes;
};

/// Reads a record file. Only a regular file (or a link to one in the same directory) of at
/// most kMaxFileSize bytes is read; a pipe or a device is never opened for reading. A missing
/// file gives true with `content.exists` false.
bool read(const QString& path, Content& content, Error* error = nullptr);

/// Replaces `path` by `bytes`: writes a temporary file beside it, flushes it to disk and renames
/// it over `path`. A link to a file in the same directory is kept and its file replaced; a
/// link to another place, or anything but a regular file, is refused. `beforeCommit`, when
/// given, runs after the new content is on disk and before the rename (tests stop a save
/// there). False, with `error` set, when anything failed; the old file is then untouched.
bool replace(const QString& path, const QByteArray& bytes, Error* error = nullptr,
             const std::function<void()>& beforeCommit = {});

enum class Status {
    Saved,     ///< the file holds the new content
    Unchanged, ///< `change` declined; nothing was written
    NoLock,    ///< the lock could not be taken; nothing was written
    ReadError, ///< the file exists but could not be read; nothing was written
    WriteError ///< the new content could not be written; the old file is untouched
};

/// Under the lock `lockPath` (waiting at most `lockWaitMs` for it), reads `path`, lets
/// `change` edit the content (returning false to leave the file alone) and replaces the file
/// with the result.
Status rewrite(const QString& path, const QString& lockPath,
               const std::function<bool(Content&)>& change, Error* error = nullptr,
               const std::function<void()>& beforeCommit = {}, int lockWaitMs = kLockWaitMs);

} // namespace vindra::recordfile
