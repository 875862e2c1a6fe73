#include "recordfile.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace vindra::recordfile {

namespace {

QByteArray local(const QString& path)
{
    return QFile::encodeName(path);
}

Error failure(Cause cause, const QString& path, int err = 0)
{
    Error e;
    e.cause = cause;
    e.path = path;
    if (err != 0)
        e.detail = QString::fromLocal8Bit(std::strerror(err));
    return e;
}

bool fail(Error* out, const Error& e)
{
    if (out)
        *out = e;
    return false;
}

/// The cause behind the error number of a failed write, create or rename.
Cause causeOf(int err)
{
    switch (err) {
    case ENOSPC:
    case EDQUOT:
        return Cause::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return Cause::NoPermission;
    default:
        return Cause::Other;
    }
}

/// Checks that `dir` is a directory this user may create files in.
bool usableDirectory(const QString& dir, Error* error)
{
    struct stat st {};
    if (::stat(local(dir), &st) != 0) {
        const int err = errno;
        return fail(error, failure(err == EACCES ? Cause::NoPermission : Cause::NoDirectory, dir,
                                   err == EACCES ? err : 0));
    }
    if (!S_ISDIR(st.st_mode))
        return fail(error, failure(Cause::NoDirectory, dir));
    if (::access(local(dir), W_OK | X_OK) != 0)
        return fail(error, failure(Cause::NoPermission, dir, errno));
    return true;
}

bool diskFull(const QString& dir)
{
    struct statvfs fs {};
    return ::statvfs(local(dir), &fs) == 0 && (fs.f_bavail == 0 || fs.f_favail == 0);
}

/// The file that `path` stands for: `path` itself, or the file that a link in the same
/// directory points to. Nothing, with `error` set, for a link to another place, a chain of
/// links, and anything but a regular file. A name that does not exist yet is returned as it is.
std::optional<QString> fileBehind(const QString& path, Error* error)
{
    QString file = path;
    struct stat st {};
    if (::lstat(local(file), &st) != 0) {
        const int err = errno;
        if (err == ENOENT)
            return file;
        fail(error, failure(causeOf(err), path, err));
        return std::nullopt;
    }
    if (S_ISLNK(st.st_mode)) {
        const QFileInfo link(path);
        file = link.symLinkTarget();
        const QString linkDir = QFileInfo(link.absolutePath()).canonicalFilePath();
        const QString fileDir = QFileInfo(QFileInfo(file).absolutePath()).canonicalFilePath();
        if (file.isEmpty() || fileDir.isEmpty() || fileDir != linkDir) {
            fail(error, failure(Cause::NotAFile, path));
            return std::nullopt;
        }
        if (::lstat(local(file), &st) != 0) {
            const int err = errno;
            if (err == ENOENT)
                return file; // a dangling link: the file is made where it points
            fail(error, failure(causeOf(err), path, err));
            return std::nullopt;
        }
    }
    if (!S_ISREG(st.st_mode)) {
        fail(error, failure(Cause::NotAFile, path));
        return std::nullopt;
    }
    return file;
}

qint64 modifiedMs(const struct stat& st)
{
    return static_cast<qint64>(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
}

/// Removes the lock file `path` when the program that made it is gone: a process of this
/// computer that no longer runs, or, when its owner cannot be asked (another computer, or a
/// program killed before it wrote its name into the file), a file older than `staleMs`. A file
/// that a running program holds is never removed, and the file is removed only while this
/// process holds it, so two programs breaking the same lock cannot remove a fresh one. The file
/// is opened for reading only: a lock left by another user's account is removed as well.
bool clearLeftBehind(const QString& path, int staleMs)
{
    const QByteArray name = local(path);
    struct stat st {};
    if (::lstat(name, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    qint64 pid = 0;
    QString host;
    QString app;
    const bool known = QLockFile(path).getLockInfo(&pid, &host, &app);
    bool gone = known && pid > 0 && (host.isEmpty() || host == QSysInfo::machineHostName()) &&
                ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
    if (!gone)
        gone = std::llabs(QDateTime::currentMSecsSinceEpoch() - modifiedMs(st)) > staleMs;
    if (!gone)
        return false;
    const int fd = ::open(name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool removed = false;
    struct stat held {};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 && ::lstat(name, &st) == 0 &&
        held.st_dev == st.st_dev && held.st_ino == st.st_ino)
        removed = ::unlink(name) == 0;
    ::close(fd);
    return removed;
}

/// A hidden name beside `file` for a scratch file: ".RDIAG.DIA.k3j9x2.tmp".
QString scratchName(const QString& dir, const QString& file)
{
    return dir + QStringLiteral("/.") + file + QLatin1Char('.') +
           QString::number(QRandomGenerator::global()->generate64(), 36) + QStringLiteral(".tmp");
}

/// The new content of a record file on its way to disk: written into a file without a name
/// where the file system allows it (so that a crash leaves nothing behind), else into a
/// hidden scratch file, and given the target's name by one rename.
class Scratch {
public:
    Scratch(QString dir, QString target) : m_dir(std::move(dir)), m_target(std::move(target)) {}
    ~Scratch()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_named.isEmpty())
            ::unlink(local(m_named));
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    int open()
    {
        // A file without a name is given one through /proc, so it is used only where that
        // is there.
        if (::access("/proc/self/fd", X_OK) == 0) {
            m_fd = ::open(local(m_dir), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
            if (m_fd >= 0)
                return 0;
            if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
                return errno;
        }
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QString name = scratchName(m_dir, QFileInfo(m_target).fileName());
            m_fd = ::open(local(name), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (m_fd >= 0) {
                m_named = name;
                return 0;
            }
            if (errno != EEXIST)
                return errno;
        }
        return EEXIST;
    }

    int fd() const { return m_fd; }

    int write(const QByteArray& bytes)
    {
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n =
                ::write(m_fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            done += n;
        }
        if (::fsync(m_fd) != 0)
            return errno;
        return 0;
    }

    /// Puts the content in the target's place.
    int commit()
    {
        if (m_named.isEmpty()) {
            // A file without a name gets a hidden one first; the rename then replaces the
            // target in one step.
            const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_fd);
            for (int attempt = 0; m_named.isEmpty(); ++attempt) {
                const QString name = scratchName(m_dir, QFileInfo(m_target).fileName());
                if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, local(name).constData(),
                             AT_SYMLINK_FOLLOW) == 0)
                    m_named = name;
                else if (errno != EEXIST || attempt >= 100)
                    return errno;
            }
        }
        if (::close(m_fd) != 0) {
            m_fd = -1;
            return errno;
        }
        m_fd = -1;
        if (::rename(local(m_named), local(m_target)) != 0)
            return errno;
        m_named.clear();
        return 0;
    }

private:
    QString m_dir;
    QString m_target;
    QString m_named;
    int m_fd = -1;
};

// After the rename, the directory entry itself must reach the disk too.
void syncDirectory(const QString& dir)
{
    const int fd = ::open(local(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

QString describe(const Error& error)
{
    const QString detail =
        error.detail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(error.detail);
    switch (error.cause) {
    case Cause::None:
        return {};
    case Cause::NoDirectory:
        return QStringLiteral("the directory %1 does not exist").arg(error.path);
    case Cause::NoPermission:
        return QStringLiteral("this user may not write in %1%2").arg(error.path, detail);
    case Cause::LockHeld:
        return QStringLiteral("the register is in use by another program: its lock file %1 was "
                              "held for all of %2 s")
            .arg(error.path)
            .arg((error.waitedMs + 500) / 1000);
    case Cause::NotAFile:
        return QStringLiteral("%1 is not a regular file (it is a directory, a device, a pipe or "
                              "a link to another place)")
            .arg(error.path);
    case Cause::TooLarge:
        return QStringLiteral("%1 is larger than %2 bytes, too large for a record file")
            .arg(error.path)
            .arg(kMaxFileSize);
    case Cause::DiskFull:
        return QStringLiteral("the disk that holds %1 is full").arg(error.path);
    case Cause::Other:
        break;
    }
    return QStringLiteral("%1: %2").arg(error.path, error.detail.isEmpty()
                                                        ? QStringLiteral("an input or output error")
                                                        : error.detail);
}

Lock::Lock(const QString& lockPath, int waitMs) : m_file(lockPath)
{
    m_file.setStaleLockTime(kStaleLockMs);
    const QString dir = QFileInfo(lockPath).absolutePath();
    if (!usableDirectory(dir, &m_error))
        return;
    const QDeadlineTimer deadline(std::max(waitMs, 0));
    QElapsedTimer waited;
    waited.start();
    int pause = 20;
    for (;;) {
        if (m_file.tryLock(0)) {
            m_held = true;
            return;
        }
        switch (m_file.error()) {
        case QLockFile::PermissionError:
            m_error = failure(Cause::NoPermission, dir);
            return;
        case QLockFile::UnknownError:
            m_error = failure(diskFull(dir) ? Cause::DiskFull : Cause::Other, lockPath);
            return;
        default:
            break;
        }
        struct stat st {};
        if (::lstat(local(lockPath), &st) == 0 && !S_ISREG(st.st_mode)) {
            m_error = failure(Cause::NotAFile, lockPath);
            return;
        }
        // QLockFile breaks a stale lock only under a helper file of its own, which a crash
        // can leave behind for longer than a save waits, and it cannot break a lock that
        // another user's account made. Both are cleared here.
        const bool cleared = clearLeftBehind(lockPath + QStringLiteral(".rmlock"), kStaleHelperMs) |
                             clearLeftBehind(lockPath, kStaleLockMs);
        if (cleared)
            continue;
        const qint64 left = deadline.remainingTime();
        if (left <= 0) {
            m_error = failure(Cause::LockHeld, lockPath);
            m_error.waitedMs = static_cast<int>(waited.elapsed());
            return;
        }
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(pause, left)));
        pause = std::min(pause * 2, 500);
    }
}

bool read(const QString& path, Content& content, Error* error)
{
    content = {};
    const auto file = fileBehind(path, error);
    if (!file)
        return false;
    // Never blocks: a pipe that took the file's place after the check above is refused below.
    const int fd = ::open(local(*file), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        if (err == ENOENT)
            return true;
        if (err == ELOOP)
            return fail(error, failure(Cause::NotAFile, path));
        return fail(
            error, failure(causeOf(err) == Cause::NoPermission ? Cause::NoPermission : Cause::Other,
                           path, err));
    }
    Error problem;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        problem = failure(Cause::Other, path, errno);
    } else if (!S_ISREG(st.st_mode)) {
        problem = failure(Cause::NotAFile, path);
    } else if (st.st_size > kMaxFileSize) {
        problem = failure(Cause::TooLarge, path);
    } else {
        QByteArray bytes;
        bytes.reserve(static_cast<qsizetype>(st.st_size));
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n == 0)
                break;
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                problem = failure(Cause::Other, path, errno);
                break;
            }
            if (bytes.size() + n > kMaxFileSize) {
                problem = failure(Cause::TooLarge, path);
                break;
            }
            bytes.append(buffer, n);
        }
        if (problem.cause == Cause::None) {
            content.exists = true;
            content.bytes = bytes;
        }
    }
    ::close(fd);
    if (problem.cause != Cause::None)
        return fail(error, problem);
    return true;
}

bool replace(const QString& path, const QByteArray& bytes, Error* error,
             const std::function<void()>& beforeCommit)
{
    const auto file = fileBehind(path, error);
    if (!file)
        return false;
    const QString dir = QFileInfo(*file).absolutePath();
    struct stat dirStat {};
    if (::stat(local(dir), &dirStat) != 0 || !S_ISDIR(dirStat.st_mode))
        return fail(error, failure(Cause::NoDirectory, dir));
    struct stat old {};
    const bool exists = ::stat(local(*file), &old) == 0;

    Scratch scratch(dir, *file);
    if (const int err = scratch.open())
        return fail(error, failure(err == ENOENT ? Cause::NoDirectory : causeOf(err),
                                   err == ENOENT ? dir : *file, err));
    // The file keeps its mode, and whoever may write the directory may read and write the
    // file: the next pupil to save may be another user's account of the same class.
    struct stat made {};
    ::fstat(scratch.fd(), &made);
    if (exists && old.st_gid != made.st_gid && !(dirStat.st_mode & S_ISGID)) {
        // Fails without harm where this user is not in the file's group.
        [[maybe_unused]] const int ignored =
            ::fchown(scratch.fd(), static_cast<uid_t>(-1), old.st_gid);
    }
    mode_t mode = (exists ? old.st_mode : made.st_mode) & 0777;
    if (dirStat.st_mode & S_IWGRP)
        mode |= S_IRGRP | S_IWGRP;
    if (dirStat.st_mode & S_IWOTH)
        mode |= S_IROTH | S_IWOTH;
    ::fchmod(scratch.fd(), mode);

    if (const int err = scratch.write(bytes))
        return fail(error, failure(causeOf(err), *file, err));
    if (beforeCommit)
        beforeCommit();
    if (const int err = scratch.commit())
        return fail(error, failure(causeOf(err), *file, err));
    syncDirectory(dir);
    return true;
}

Status rewrite(const QString& path, const QString& lockPath,
               const std::function<bool(Content&)>& change, Error* error,
               const std::function<void()>& beforeCommit, int lockWaitMs)
{
    const Lock lock(lockPath, lockWaitMs);
    if (!lock.held()) {
        if (error)
            *error = lock.error();
        return Status::NoLock;
    }
    Content content;
    if (!read(path, content, error))
        return Status::ReadError;
    if (!change(content))
        return Status::Unchanged;
    if (!replace(path, content.bytes, error, beforeCommit))
        return Status::WriteError;
    return Status::Saved;
}

} // namespace vindra::recordfile
