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
namespace vindra::recordfile {

/// How long a save waits for the lock of another computer.
constexpr int kLockWaitMs = 20000;
/// A lock older than this whose owner cannot be asked (another computer) is taken as left
/// behind by a crashed program. A lock of a process on this computer that no longer runs is
/// broken at once.
constexpr int kStaleLockMs = 10000;

/// An exclusive lock held for the object's lifetime, taken through a lock file that is
/// created exclusively (and removed again on release).
class Lock {
public:
    explicit Lock(const QString& lockPath, int waitMs = kLockWaitMs);
    ~Lock() = default;
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

    bool held() const { return m_held; }

private:
    QLockFile m_file;
    bool m_held = false;
};

/// Replaces `path` by `bytes`: writes a temporary file beside it, flushes it to disk and renames
/// it over `path`. `beforeCommit`, when given, runs after the new content is on disk and before
/// the rename (tests stop a save there). False, with `error` set, when anything failed; the old
/// file is then untouched.
bool replace(const QString& path, const QByteArray& bytes, QString* error = nullptr,
             const std::function<void()>& beforeCommit = {});

enum class Status {
    Saved,     ///< the file holds the new content
    Unchanged, ///< `change` declined; nothing was written
    NoLock,    ///< the lock could not be taken; nothing was written
    ReadError, ///< the file exists but could not be read; nothing was written
    WriteError ///< the new content could not be written; the old file is untouched
};

/// What `change` is given: the file's content as read under the lock.
struct Content {
    bool exists = false;
    QByteArray bytes;
};

/// Under the lock `lockPath`, reads `path`, lets `change` edit the content (returning false to
/// leave the file alone) and replaces the file with the result.
Status rewrite(const QString& path, const QString& lockPath,
               const std::function<bool(Content&)>& change, QString* error = nullptr,
               const std::function<void()>& beforeCommit = {});

} // namespace vindra::recordfile
