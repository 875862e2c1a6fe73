#include "engine/diagnosisrecord.h"
#include "engine/diagnosisregister.h"
#include "support/readonly.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vindra;
namespace rec = vindra::diagnosisrecord;

namespace {

struct ToolRun {
    int code = -1;
    QString out;
    QString err;
};

QStringList withDir(const QTemporaryDir& dir, QStringList args)
{
    return QStringList{"--dir", dir.path()} + args;
}

ToolRun finished(QProcess& p)
{
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

ToolRun runIn(const QString& dir, const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(VINDRA_REGISTER_TOOL), QStringList{"--dir", dir} + args);
    return finished(p);
}

ToolRun run(const QTemporaryDir& dir, const QStringList& args)
{
    return runIn(dir.path(), args);
}

constexpr int kCannotSwitch = 125;

/// Runs the tool in `dir` as user `uid`, with the group "users" (100) beside its own, under
/// the common umask 022, as a pupil's account of a class would. The exit code is
/// kCannotSwitch when this process may not switch users.
ToolRun runAs(uid_t uid, const QString& program, const QStringList& args)
{
    QProcess p;
    p.setChildProcessModifier([uid] {
        const gid_t users = 100;
        if (::setgroups(1, &users) != 0 || ::setgid(uid) != 0 || ::setuid(uid) != 0)
            ::_exit(kCannotSwitch);
        ::umask(022);
    });
    p.start(program, args);
    return finished(p);
}

QByteArray registerOf(const QString& dir)
{
    QFile f(dir + "/RDIAG.DIA");
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

QByteArray registerOf(const QTemporaryDir& dir)
{
    return registerOf(dir.path());
}

void writeRegister(const QTemporaryDir& dir, const QByteArray& bytes)
{
    QFile f(dir.path() + "/RDIAG.DIA");
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

QStringList namesIn(const QByteArray& bytes)
{
    QStringList names;
    for (const QByteArray& r : DiagnosisRegister::split(bytes).records)
        names << QString::fromLatin1(rec::nameOf(r));
    return names;
}

} // namespace

TEST(VindraRegister, AddListExportAndCheck)
{
    QTemporaryDir dir;
    ASSERT_EQ(run(dir, {"add", "Anna", "--password", "hemlig"}).code, 0);
    ToolRun refused = run(dir, {"add", "ANNA"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.err.contains("already in the register")) << refused.err.toStdString();
    EXPECT_EQ(run(dir, {"add", "väktor"}).code, 1) << "the teacher's name";
    EXPECT_EQ(run(dir, {"add", QString(21, 'x')}).code, 1);
    EXPECT_EQ(run(dir, {"add", "Åsa \"Å\", 7B"}).code, 0);

    // A test result on Anna's record, written as the program writes it.
    QByteArray bytes = registerOf(dir);
    ASSERT_EQ(bytes.size(), 2 * 336);
    DiagnosisRecord anna = rec::fromBytes(bytes.left(336));
    anna.result[1] = 16;
    anna.state[1] = rec::GeStatusTal(anna, 1);
    anna.year[1] = 2002, anna.month[1] = 12, anna.day[1] = 1, anna.hour[1] = 8, anna.minute[1] = 3;
    bytes.replace(0, 336, rec::toBytes(anna));
    writeRegister(dir, bytes);

    const ToolRun list = run(dir, {"list"});
    EXPECT_EQ(list.code, 0);
    const QStringList lines = list.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith("Anna\tpassword: yes\ttotal: 16\t1: 16 Test\t2: 0 Test\t"))
        << lines[0].toStdString();
    EXPECT_FALSE(list.out.contains("hemlig")) << "never the password";
    EXPECT_TRUE(
        lines[1].startsWith("Åsa \"Å\", 7B\tpassword: no\ttotal: 0\t1: 0 Begin\t2: 0 Wait"));

    const ToolRun csv = run(dir, {"export", "--csv"});
    EXPECT_EQ(csv.code, 0);
    const QStringList rows = csv.out.split("\r\n");
    ASSERT_EQ(rows.size(), 4) << "header, two pupils, and the final line end";
    EXPECT_TRUE(rows[0].startsWith("name,has_password,total,s1_result,s1_state,s1_date,s2_result"));
    EXPECT_TRUE(rows[0].endsWith(",s20_result,s20_state,s20_date"));
    EXPECT_TRUE(rows[1].startsWith("Anna,yes,16,16,Test,021201 08:03,0,Test,,0,Wait,,"));
    EXPECT_TRUE(rows[2].startsWith("\"Åsa \"\"Å\"\", 7B\",no,0,0,Begin,,0,Wait,,"));
    EXPECT_EQ(rows[2].count(','), 2 + 3 * 20 + 1) << "one comma inside the quoted name";

    ToolRun check = run(dir, {"check"});
    EXPECT_EQ(check.code, 0);
    EXPECT_TRUE(check.out.contains("2 records, no problems"));

    bytes[336] = static_cast<char>(30); // name length past its field
    bytes[336 + 116 + 3] = 7;           // state of slot 4
    bytes.append(QByteArray(40, 'z'));  // a truncated record at the end
    writeRegister(dir, bytes);
    check = run(dir, {"check"});
    EXPECT_EQ(check.code, 1);
    EXPECT_TRUE(check.out.contains("record 2")) << check.out.toStdString();
    EXPECT_TRUE(check.out.contains("slot 4: state 7 is outside 0..3"));
    EXPECT_TRUE(check.out.contains("truncated: the last 40 bytes"));
    EXPECT_EQ(run(dir, {"list"}).out.count('\n'), 2) << "whole records are still listed";

    EXPECT_EQ(run(dir, {"frobnicate"}).code, 2);
}

// Computers of a class saving at the same moment: every pupil arrives.
TEST(VindraRegister, ParallelSavesLoseNothing)
{
    QTemporaryDir dir;
    ASSERT_EQ(run(dir, {"add", "Early"}).code, 0);
    constexpr int kProcesses = 8;
    std::vector<std::unique_ptr<QProcess>> processes;
    for (int i = 0; i < kProcesses; ++i) {
        auto p = std::make_unique<QProcess>();
        p->start(QStringLiteral(VINDRA_REGISTER_TOOL),
                 withDir(dir, {"add", QStringLiteral("Pupil%1").arg(i)}));
        processes.push_back(std::move(p));
    }
    for (auto& p : processes) {
        ASSERT_TRUE(p->waitForFinished(60000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    }
    const QStringList names = namesIn(registerOf(dir));
    EXPECT_EQ(names.size(), kProcesses + 1) << names.join(' ').toStdString();
    EXPECT_EQ(names.first(), "Early");
    for (int i = 0; i < kProcesses; ++i)
        EXPECT_TRUE(names.contains(QStringLiteral("Pupil%1").arg(i)));
    EXPECT_FALSE(QFile::exists(dir.path() + "/RDIAG.LCK"));
}

// A save killed between writing and replacing leaves the earlier register whole, and the lock
// it leaves behind does not hold up the next save.
TEST(VindraRegister, KilledSaveLeavesTheRegisterAndItsLockIsBroken)
{
    QTemporaryDir dir;
    for (const char* name : {"Anna", "Bo", "Cleo"})
        ASSERT_EQ(run(dir, {"add", name}).code, 0);
    const QByteArray before = registerOf(dir);

    QProcess save;
    save.start(QStringLiteral(VINDRA_STOPPED_SAVE), {dir.path(), "Dora"});
    ASSERT_TRUE(save.waitForReadyRead(20000));
    EXPECT_EQ(save.readAllStandardOutput().trimmed(), "ready");
    EXPECT_TRUE(QFile::exists(dir.path() + "/RDIAG.LCK"));
    EXPECT_EQ(registerOf(dir), before);
    save.kill();
    save.waitForFinished(10000);

    EXPECT_EQ(registerOf(dir), before) << "every earlier record, readable";
    EXPECT_TRUE(QFile::exists(dir.path() + "/RDIAG.LCK")) << "the killed save left its lock";

    QElapsedTimer timer;
    timer.start();
    const ToolRun next = run(dir, {"add", "Erik"});
    EXPECT_EQ(next.code, 0) << next.err.toStdString();
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(namesIn(registerOf(dir)), (QStringList{"Anna", "Bo", "Cleo", "Erik"}));
}

// A lock left long ago by a crashed program on another computer is broken too.
TEST(VindraRegister, OldLockOfAnotherComputerIsBroken)
{
    QTemporaryDir dir;
    {
        QFile lock(dir.path() + "/RDIAG.LCK");
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write("4242\nvindra\nanother-computer\n");
        lock.flush();
        lock.setFileTime(QDateTime::currentDateTime().addSecs(-600),
                         QFileDevice::FileModificationTime);
    }
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(run(dir, {"add", "Anna"}).code, 0);
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(namesIn(registerOf(dir)), QStringList{"Anna"});
}

// Damaged records may hold any result; their total is still the true sum.
TEST(VindraRegister, TotalsOfDamagedRecordsDoNotOverflow)
{
    QTemporaryDir dir;
    DiagnosisRecord r = rec::cleared();
    r.name = "Bo";
    r.result[1] = r.result[2] = 2147483647;
    writeRegister(dir, rec::toBytes(r));
    EXPECT_TRUE(run(dir, {"list"}).out.startsWith("Bo\tpassword: no\ttotal: 4294967294\t"));
    EXPECT_TRUE(run(dir, {"export", "--csv"}).out.contains("\r\nBo,no,4294967294,"));
}

// A teacher who opens the export in a spreadsheet never runs a formula hidden in a name, and
// the check finds the names that break the program.
TEST(VindraRegister, NamesThatDoHarmAreCheckedAndExportedAsText)
{
    QTemporaryDir dir;
    QByteArray bytes;
    for (const QByteArray& name :
         {QByteArray("=1+2"), QByteArray("@SUM(1,1)"), QByteArray("-3"), QByteArray("+x"),
          QByteArray("Ny\nrad"), QByteArray(), QByteArray("v\xE4ktor")}) {
        DiagnosisRecord r = rec::cleared();
        r.name = name;
        bytes += rec::toBytes(r);
    }
    writeRegister(dir, bytes);
    const QStringList rows = run(dir, {"export", "--csv"}).out.split("\r\n");
    ASSERT_GE(rows.size(), 8);
    for (const auto& [row, start] : std::vector<std::pair<int, QString>>{
             {1, "'=1+2,"}, {2, "\"'@SUM(1,1)\","}, {3, "'-3,"}, {4, "'+x,"}, {7, "v\u00e4ktor,"}})
        EXPECT_TRUE(rows[row].startsWith(start)) << rows[row].toStdString();

    const ToolRun check = run(dir, {"check"});
    EXPECT_EQ(check.code, 1);
    EXPECT_TRUE(check.out.contains("record 5 (Ny\nrad): the name holds control characters"))
        << check.out.toStdString();
    EXPECT_TRUE(check.out.contains("record 6 (): the name is empty"));
    EXPECT_TRUE(check.out.contains("record 7 (v\u00e4ktor): the name is the teacher's login"));
    EXPECT_TRUE(check.out.contains("7 records, 3 problems"));
}

// Output that does not arrive (a full disk) is a failure, never a success over a cut file.
TEST(VindraRegister, OutputThatCannotBeWrittenFails)
{
    QTemporaryDir dir;
    ASSERT_EQ(run(dir, {"add", "Anna"}).code, 0);
    for (const QStringList& args : {QStringList{"list"}, QStringList{"export", "--csv"},
                                    QStringList{"check"}, QStringList{"add", "Bo"}}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        QProcess p;
        p.setStandardOutputFile(QStringLiteral("/dev/full"));
        p.start(QStringLiteral(VINDRA_REGISTER_TOOL), withDir(dir, args));
        const ToolRun r = finished(p);
        EXPECT_EQ(r.code, 1);
        EXPECT_TRUE(r.err.contains("cannot write the output: No space left on device"))
            << r.err.toStdString();
    }
}

// Each reason a save fails is named as it is, not as a lock that could not be taken.
TEST(VindraRegister, SaveFailuresSayWhatIsWrong)
{
    QTemporaryDir dir;
    const QString missing = dir.path() + "/none";
    ToolRun r = runIn(missing, {"add", "Anna"});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("the directory " + missing + " does not exist"))
        << r.err.toStdString();

    QDir(dir.path()).mkdir("RDIAG.LCK");
    r = run(dir, {"add", "Anna"});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("RDIAG.LCK is not a regular file")) << r.err.toStdString();
    QDir(dir.path()).rmdir("RDIAG.LCK");

    {
        const test::ReadOnlyDirectory readOnly(dir.path());
        if (readOnly.active()) {
            r = run(dir, {"add", "Anna"});
            EXPECT_EQ(r.code, 1);
            EXPECT_TRUE(r.err.contains("this user may not write in " + dir.path()))
                << r.err.toStdString();
        }
    }

    // A full disk: a small file system of its own, mounted where only this test sees it.
    ASSERT_EQ(run(dir, {"add", "Anna"}).code, 0);
    const QByteArray before = registerOf(dir);
    QDir(dir.path()).mkdir("mnt");
    QProcess p;
    p.start(QStringLiteral("unshare"),
            {"--mount", "sh", "-c",
             "mount -t tmpfs -o size=64k tmpfs \"$1\" || exit 125; "
             "cp \"$2/RDIAG.DIA\" \"$1/\" && "
             "(cat /dev/zero > \"$1/filler\") 2>/dev/null; "
             "\"$3\" --dir \"$1\" add Zed; echo \"rc=$?\"; cmp -s \"$1/RDIAG.DIA\" "
             "\"$2/RDIAG.DIA\" && echo intact",
             "sh", dir.path() + "/mnt", dir.path(), QStringLiteral(VINDRA_REGISTER_TOOL)});
    r = finished(p);
    if (r.code == 125 || !r.out.contains("rc="))
        GTEST_SKIP() << "no file system of its own can be mounted here: " << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("rc=1")) << r.out.toStdString();
    EXPECT_TRUE(r.err.contains("the disk that holds")) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("intact")) << "the register is untouched";
    EXPECT_EQ(registerOf(dir), before);
}

// Pupils of one class save under their own user accounts into a directory of their group;
// each can save after the others, and a lock one of them left behind stops nobody.
TEST(VindraRegister, PupilsOfSeveralAccountsShareOneDirectory)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "runs the tool under two other user ids, which needs root";
    QTemporaryDir top;
    ASSERT_EQ(::chmod(QFile::encodeName(top.path()), 0755), 0);
    const QString dir = top.path() + "/klass";
    QDir().mkpath(dir);
    // The set-up of the guide: the class's group owns the directory, set-group-ID, not sticky.
    ASSERT_EQ(::chown(QFile::encodeName(dir), 0, 100), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(dir), 02770), 0);
    const QString tool = QStringLiteral(VINDRA_REGISTER_TOOL);
    auto add = [&](uid_t uid, const QString& name) {
        return runAs(uid, tool, {"--dir", dir, "add", name});
    };

    ToolRun r = add(1000, "Anna");
    if (r.code == kCannotSwitch)
        GTEST_SKIP() << "cannot switch to another user id here";
    if (r.code != 0 && r.err.contains("ermission denied"))
        GTEST_SKIP() << "another user cannot run the tool from this build: " << r.err.toStdString();
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    r = add(65534, "Bertil");
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    r = add(1000, "Cleo");
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(dir + "/RDIAG.DIA"), &st), 0);
    EXPECT_EQ(st.st_gid, 100u);
    EXPECT_EQ(st.st_mode & 0060, 0060u) << "the group may read and write the register";

    // A save of one account killed while it held the lock.
    QProcess save;
    save.setChildProcessModifier([] {
        const gid_t users = 100;
        if (::setgroups(1, &users) != 0 || ::setgid(1000) != 0 || ::setuid(1000) != 0)
            ::_exit(kCannotSwitch);
        ::umask(022);
    });
    save.start(QStringLiteral(VINDRA_STOPPED_SAVE), {dir, "Dora"});
    ASSERT_TRUE(save.waitForReadyRead(20000));
    save.kill();
    save.waitForFinished(10000);
    ASSERT_TRUE(QFile::exists(dir + "/RDIAG.LCK"));
    r = add(65534, "Erik");
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(namesIn(registerOf(dir)), (QStringList{"Anna", "Bertil", "Cleo", "Erik"}));
}
