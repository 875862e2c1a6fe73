#include "recordfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

namespace vindra::recordfile {

namespace {

bool syncToDisk(int fd)
{
    return fd >= 0 && ::fsync(fd) == 0;
}

// After the rename, the directory entry itself must reach the disk too.
void syncDirectory(const QString& path)
{
    const QByteArray dir = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

Lock::Lock(const QString& lockPath, int waitMs) : m_file(lockPath)
{
    m_file.setStaleLockTime(kStaleLockMs);
    m_held = m_file.tryLock(waitMs);
}

bool replace(const QString& path, const QByteArray& bytes, QString* error,
             const std::function<void()>& beforeCommit)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    const QFileInfo existing(path);
    if (existing.exists())
        file.setPermissions(existing.permissions());
    if (file.write(bytes) != bytes.size() || !file.flush() || !syncToDisk(file.handle())) {
        const QString why = file.errorString();
        file.cancelWriting();
        return fail(why);
    }
    if (beforeCommit)
        beforeCommit();
    if (!file.commit())
        return fail(file.errorString());
    syncDirectory(path);
    return true;
}

Status rewrite(const QString& path, const QString& lockPath,
               const std::function<bool(Content&)>& change, QString* error,
               const std::function<void()>& beforeCommit)
{
    const Lock lock(lockPath);
    if (!lock.held()) {
        if (error)
            *error = QStringLiteral("the lock file %1 could not be taken").arg(lockPath);
        return Status::NoLock;
    }
    Content content;
    QFile current(path);
    content.exists = current.exists();
    if (content.exists) {
        if (!current.open(QIODevice::ReadOnly)) {
            if (error)
                *error = current.errorString();
            return Status::ReadError;
        }
        content.bytes = current.readAll();
        if (current.error() != QFileDevice::NoError) {
            if (error)
                *error = current.errorString();
            return Status::ReadError;
        }
        current.close();
    }
    if (!change(content))
        return Status::Unchanged;
    if (!replace(path, content.bytes, error, beforeCommit))
        return Status::WriteError;
    return Status::Saved;
}

} // namespace vindra::recordfile
