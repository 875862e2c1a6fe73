#include "engine/diagnosisrecord.h"
#include "engine/diagnosisregister.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

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

ToolRun run(const QTemporaryDir& dir, const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(VINDRA_REGISTER_TOOL), withDir(dir, args));
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QByteArray registerOf(const QTemporaryDir& dir)
{
    QFile f(dir.path() + "/RDIAG.DIA");
    f.open(QIODevice::ReadOnly);
    return f.readAll();
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
