#pragma once

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vindra::test {

/// Makes a directory read-only for this process, for as long as the object lives. Tests run
/// as root too, whom file modes do not stop, so root marks the directory immutable instead.
/// active() is false where neither works (the caller skips what needs it).
class ReadOnlyDirectory {
public:
    explicit ReadOnlyDirectory(const QString& dir) : m_path(QFile::encodeName(dir))
    {
        if (::geteuid() != 0) {
            struct stat st {};
            m_active =
                ::stat(m_path.constData(), &st) == 0 && ::chmod(m_path.constData(), 0555) == 0;
            m_mode = st.st_mode & 07777;
            return;
        }
        const int fd = ::open(m_path.constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return;
        int flags = 0;
        if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= FS_IMMUTABLE_FL;
            m_active = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
            m_immutable = m_active;
        }
        ::close(fd);
    }
    ~ReadOnlyDirectory()
    {
        if (!m_active)
            return;
        if (!m_immutable) {
            ::chmod(m_path.constData(), m_mode);
            return;
        }
        const int fd = ::open(m_path.constData(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags &= ~FS_IMMUTABLE_FL;
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        if (fd >= 0)
            ::close(fd);
    }
    ReadOnlyDirectory(const ReadOnlyDirectory&) = delete;
    ReadOnlyDirectory& operator=(const ReadOnlyDirectory&) = delete;

    bool active() const { return m_active; }

private:
    QByteArray m_path;
    bool m_active = false;
    bool m_immutable = false;
    mode_t m_mode = 0755;
};

} // namespace vindra::test
