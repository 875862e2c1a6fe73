#include "engine/recordfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

using namespace vindra;
using recordfile::Cause;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

/// Dates the file `secs` seconds back.
void age(const QString& path, int secs)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-secs),
                              QFileDevice::FileModificationTime));
}

/// The number of a process that has ended.
qint64 deadPid()
{
    QProcess p;
    p.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    p.waitForStarted();
    const qint64 pid = p.processId();
    p.kill();
    p.waitForFinished();
    return pid;
}

/// A lock file as a program of this computer writes it.
QByteArray lockOf(qint64 pid)
{
    return QByteArray::number(pid) + "\nvindra\n" + QSysInfo::machineHostName().toUtf8() + "\n";
}

recordfile::Status appendX(const QString& dir, recordfile::Error* error, int waitMs = 3000)
{
    return recordfile::rewrite(
        dir + "/RDIAG.DIA", dir + "/RDIAG.LCK",
        [](recordfile::Content& c) {
            c.bytes += 'x';
            return true;
        },
        error, {}, waitMs);
}

} // namespace

// Whatever has taken the register's name, a save neither hangs nor reads without end nor
// writes through to another place: it stops at once, says why and leaves no lock behind.
TEST(RecordFile, RefusesWhatIsNoRecordFileAndSaysWhy)
{
    const struct {
        const char* what;
        std::function<void(const QString& dir)> setUp;
        Cause cause;
    } cases[] = {
        {"a directory", [](const QString& d) { QDir(d).mkdir("RDIAG.DIA"); }, Cause::NotAFile},
        {"a pipe",
         [](const QString& d) {
             ASSERT_EQ(::mkfifo(QFile::encodeName(d + "/RDIAG.DIA"), 0666), 0);
         },
         Cause::NotAFile},
        {"a link to a device", [](const QString& d) { QFile::link("/dev/zero", d + "/RDIAG.DIA"); },
         Cause::NotAFile},
        {"a link to a file elsewhere",
         [](const QString& d) {
             writeFile(d + "/../precious", "precious\n");
             QFile::link(d + "/../precious", d + "/RDIAG.DIA");
         },
         Cause::NotAFile},
        {"a file larger than any register",
         [](const QString& d) {
             QFile f(d + "/RDIAG.DIA");
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             ASSERT_TRUE(f.resize(recordfile::kMaxFileSize + 1)); // sparse: no disk used
         },
         Cause::TooLarge},
        {"a directory where the lock goes", [](const QString& d) { QDir(d).mkdir("RDIAG.LCK"); },
         Cause::NotAFile},
        {"no directory", [](const QString& d) { QDir(d).removeRecursively(); }, Cause::NoDirectory},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir top;
        const QString dir = top.path() + "/results";
        QDir().mkpath(dir);
        c.setUp(dir);
        recordfile::Error error;
        EXPECT_NE(appendX(dir, &error), recordfile::Status::Saved);
        EXPECT_EQ(error.cause, c.cause) << recordfile::describe(error).toStdString();
        EXPECT_FALSE(recordfile::describe(error).isEmpty());
        const bool lockInTheWay = QFileInfo(dir + "/RDIAG.LCK").isDir();
        if (!lockInTheWay) {
            EXPECT_FALSE(QFileInfo::exists(dir + "/RDIAG.LCK")) << "no lock left behind";
        }
        if (QFile::exists(top.path() + "/precious")) {
            EXPECT_EQ(readFile(top.path() + "/precious"), "precious\n") << "never written through";
        }

        // Reading refuses the same files.
        recordfile::Content content;
        if (c.cause != Cause::NoDirectory && !lockInTheWay) {
            EXPECT_FALSE(recordfile::read(dir + "/RDIAG.DIA", content, &error));
            EXPECT_EQ(error.cause, c.cause);
        }
    }
}

// The register may be replaced by anyone who may write its directory, and the new file is
// open to the directory's group, as a class shares it; a link within the directory is kept.
TEST(RecordFile, ReplaceFollowsTheDirectoryAndKeepsALinkBesideIt)
{
    QTemporaryDir top;
    const QString dir = top.path() + "/klass";
    QDir().mkpath(dir);
    const QByteArray dirName = QFile::encodeName(dir);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(dirName, static_cast<uid_t>(-1), 100), 0);
    }
    ASSERT_EQ(::chmod(dirName, 02775), 0);
    struct stat dirStat {};
    ASSERT_EQ(::stat(dirName, &dirStat), 0);

    writeFile(dir + "/real.DIA", "old");
    ASSERT_EQ(::chmod(QFile::encodeName(dir + "/real.DIA"), 0600), 0);
    ASSERT_TRUE(QFile::link("real.DIA", dir + "/RDIAG.DIA"));

    recordfile::Error error;
    ASSERT_TRUE(recordfile::replace(dir + "/RDIAG.DIA", "new", &error))
        << recordfile::describe(error).toStdString();
    EXPECT_TRUE(QFileInfo(dir + "/RDIAG.DIA").isSymLink());
    EXPECT_EQ(readFile(dir + "/real.DIA"), "new");
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(dir + "/real.DIA"), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0660u) << "the group may read and write it";
    EXPECT_EQ(st.st_gid, dirStat.st_gid) << "the directory's group";
    EXPECT_EQ(
        QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
        (QStringList{"RDIAG.DIA", "real.DIA"}))
        << "no scratch file left";
}

// A crash can leave a lock behind at any moment, even while another program was breaking
// an earlier one; the next save gets through without waiting out the crashed program.
TEST(RecordFile, LocksLeftBehindByACrashAreCleared)
{
    const struct {
        const char* what;
        QByteArray lock;
        int lockAge;
        std::optional<QByteArray> helper; // RDIAG.LCK.rmlock
        int helperAge;
    } cases[] = {
        {"a helper file left empty", lockOf(deadPid()), 0, QByteArray(), 5},
        {"a helper file of another computer", lockOf(deadPid()), 0,
         QByteArray("4242\nvindra\nanother-computer\n"), 5},
        {"a helper file of an ended program", lockOf(deadPid()), 0, lockOf(deadPid()), 0},
        {"a lock left empty", QByteArray(), 11, std::nullopt, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        writeFile(dir.path() + "/RDIAG.LCK", c.lock);
        age(dir.path() + "/RDIAG.LCK", c.lockAge);
        if (c.helper) {
            writeFile(dir.path() + "/RDIAG.LCK.rmlock", *c.helper);
            age(dir.path() + "/RDIAG.LCK.rmlock", c.helperAge);
        }
        recordfile::Error error;
        EXPECT_EQ(appendX(dir.path(), &error), recordfile::Status::Saved)
            << recordfile::describe(error).toStdString();
        EXPECT_EQ(readFile(dir.path() + "/RDIAG.DIA"), "x");
        EXPECT_FALSE(QFile::exists(dir.path() + "/RDIAG.LCK"));
        EXPECT_FALSE(QFile::exists(dir.path() + "/RDIAG.LCK.rmlock"));
    }

    // A lock that a running program holds is never broken, however long the wait.
    QTemporaryDir dir;
    QLockFile held(dir.path() + "/RDIAG.LCK");
    ASSERT_TRUE(held.tryLock(0));
    age(dir.path() + "/RDIAG.LCK", 60);
    recordfile::Error error;
    EXPECT_EQ(appendX(dir.path(), &error, 300), recordfile::Status::NoLock);
    EXPECT_EQ(error.cause, Cause::LockHeld);
    EXPECT_GE(error.waitedMs, 300);
    EXPECT_TRUE(QFile::exists(dir.path() + "/RDIAG.LCK"));
    EXPECT_FALSE(QFile::exists(dir.path() + "/RDIAG.DIA"));
}
