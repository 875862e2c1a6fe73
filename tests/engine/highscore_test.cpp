#include "engine/highscore.h"

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vindra;
using namespace vindra::highscore;

namespace {

Entry entry(const QByteArray& name, quint16 score)
{
    Entry e;
    e.name = name;
    e.score = score;
    e.stamp(QDateTime(QDate(2002, 12, 1), QTime(8, 23)));
    return e;
}

QList<Entry> listOf(int n, int firstScore, int step)
{
    QList<Entry> list;
    for (int i = 0; i < n; ++i)
        list << entry("P" + QByteArray::number(i + 1), static_cast<quint16>(firstScore + i * step));
    return list;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

} // namespace

TEST(HighScore, RecordLayout)
{
    Entry e = entry("Anna", 95);
    const QByteArray bytes = encode(e);
    ASSERT_EQ(bytes.size(), kRecordSize);
    EXPECT_EQ(bytes.at(0), 4);
    EXPECT_EQ(bytes.mid(1, 4), "Anna");
    EXPECT_EQ(static_cast<unsigned char>(bytes.at(22)), 2002 & 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bytes.at(23)), 2002 >> 8);
    EXPECT_EQ(bytes.at(24), 12);
    EXPECT_EQ(bytes.at(26), 1);
    EXPECT_EQ(bytes.at(28), 8);
    EXPECT_EQ(bytes.at(30), 23);
    EXPECT_EQ(bytes.at(32), 95);
    EXPECT_EQ(decode(bytes), QList<Entry>{e});
}

// What a torn write or another program may leave: names that claim more than 21
// characters, a short year, a trailing partial record.
TEST(HighScore, DamagedRecordsAreReadSafely)
{
    QByteArray bytes = encode(entry("Bo", 10));
    QByteArray bad = encode(entry("Cleo", 20));
    bad[0] = char(200);
    bad[22] = 5; // year 5
    bad[23] = 0;
    bytes += bad + QByteArray("partial");
    const QList<Entry> list = decode(bytes);
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[1].name.size(), kNameLength);
    EXPECT_EQ(list[1].score, 20);
    EXPECT_EQ(dateText(list[1]), QStringLiteral("051201 08:23"));
}

TEST(HighScore, ScoresAreClampedNotWrapped)
{
    EXPECT_EQ(clampScore(-3), 0);
    EXPECT_EQ(clampScore(70000), kMaxScore);
    EXPECT_EQ(clampScore(155), 155);
}

TEST(HighScore, Texts)
{
    // The number's prefix follows the score, not its comma: 95 tenths have two digits.
    EXPECT_EQ(scoreText(95, Kind::Time), QStringLiteral("        9,5"));
    EXPECT_EQ(scoreText(7, Kind::Time), QStringLiteral("         0,7"));
    EXPECT_EQ(scoreText(1235, Kind::Time), QStringLiteral("    123,5"));
    EXPECT_EQ(scoreText(123, Kind::Points), QStringLiteral("      123"));
    EXPECT_EQ(scoreText(65000, Kind::Points), QStringLiteral("   65000"));
    EXPECT_EQ(scoreText(0, Kind::Points), QString());
    EXPECT_EQ(rowNumberText(7), QStringLiteral("    7"));
    EXPECT_EQ(rowNumberText(42), QStringLiteral("  42"));
    EXPECT_EQ(rowNumberText(100), QStringLiteral("100"));
    EXPECT_EQ(rowNumberText(kNoPlace), QStringLiteral("  X"));
    EXPECT_EQ(dateText(entry("x", 1)), QStringLiteral("021201 08:23"));
    EXPECT_EQ(fileNameFor("ENG35091.DAT"), QByteArray("ENG35091.ENR"));
}

TEST(HighScore, Placement)
{
    const struct {
        const char* what;
        QList<Entry> records;
        quint16 score;
        Kind kind;
        int row;
        int rows;
    } cases[] = {
        {"first score of a list", {}, 50, Kind::Time, 1, 1},
        {"equal score goes after it", listOf(3, 10, 10), 20, Kind::Time, 3, 4},
        {"lower time is placed higher", listOf(3, 10, 10), 15, Kind::Time, 2, 4},
        {"points: higher first", listOf(3, 30, -10), 25, Kind::Points, 2, 4},
        {"a zero time beats every time", listOf(3, 10, 10), 0, Kind::Time, 1, 4},
        {"a zero score comes last", listOf(3, 30, -10), 0, Kind::Points, 4, 4},
        {"full list, worse than all", listOf(100, 1, 1), 500, Kind::Time, kNoPlace, 100},
        {"full list, new best", listOf(100, 2, 1), 1, Kind::Time, 1, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Placement p = place(c.records, entry("New", c.score), c.kind);
        EXPECT_EQ(p.row, c.row);
        EXPECT_EQ(p.rows.size(), c.rows);
        if (c.row != kNoPlace) {
            EXPECT_EQ(p.rows[c.row - 1].name, QByteArray("New"));
        }
    }
}

TEST(HighScore, SavingKeepsTheListWhole)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/ENG35091.ENR";

    // The first score of a list makes a file of one record.
    ASSERT_EQ(save(path, entry("Anna", 95), Kind::Time).status, recordfile::Status::Saved);
    EXPECT_EQ(readFile(path).size(), kRecordSize);

    // A full list and a new best: written first, the former 100th dropped.
    writeFile(path, encode(listOf(100, 2, 1)));
    SaveResult r = save(path, entry("Best", 1), Kind::Time);
    EXPECT_EQ(r.status, recordfile::Status::Saved);
    QList<Entry> list = decode(readFile(path));
    ASSERT_EQ(list.size(), 100);
    EXPECT_EQ(list.first().name, QByteArray("Best"));
    EXPECT_EQ(list.last().name, QByteArray("P99"));

    // A score without a place leaves the file as it was.
    const QByteArray before = readFile(path);
    r = save(path, entry("Slow", 900), Kind::Time);
    EXPECT_EQ(r.status, recordfile::Status::Unchanged);
    EXPECT_EQ(r.row, kNoPlace);
    EXPECT_EQ(readFile(path), before);

    // An entry without a name is never stored: it would end the list for older readers.
    EXPECT_EQ(save(path, entry("", 1), Kind::Time).status, recordfile::Status::Unchanged);
    EXPECT_EQ(readFile(path), before);

    // A record without a name that some other program left in the middle is dropped, not
    // taken as the end of the list, so the entries after it survive a save.
    QList<Entry> holed = listOf(3, 10, 10);
    holed[1].name.clear();
    writeFile(path, encode(holed[0]) + encode(holed[1]) + encode(holed[2]));
    ASSERT_EQ(save(path, entry("New", 40), Kind::Time).status, recordfile::Status::Saved);
    list = decode(readFile(path));
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[1].name, QByteArray("P3"));
}

TEST(HighScore, FailuresAreReported)
{
    QTemporaryDir dir;
    recordfile::Error error;
    EXPECT_EQ(save(dir.path() + "/missing/ENG35091.ENR", entry("Anna", 3), Kind::Time, &error, 100)
                  .status,
              recordfile::Status::NoLock);
    EXPECT_EQ(error.cause, recordfile::Cause::NoDirectory);
    // Creating an empty list never touches one that exists.
    const QString path = dir.path() + "/ENG41031.ENR";
    writeFile(path, encode(entry("Bo", 5)));
    EXPECT_TRUE(createEmpty(path));
    EXPECT_EQ(readFile(path).size(), kRecordSize);
}

// Two programs saving into one shared list at the same moment: every entry of both is kept.
TEST(HighScore, TwoProgramsSavingAtOnceLoseNothing)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/ENG35091.ENR";
    QProcess a, b;
    a.start(QStringLiteral(VINDRA_SCORE_SAVE), {path, QStringLiteral("A"), QStringLiteral("30")});
    b.start(QStringLiteral(VINDRA_SCORE_SAVE), {path, QStringLiteral("B"), QStringLiteral("30")});
    ASSERT_TRUE(a.waitForFinished(60000));
    ASSERT_TRUE(b.waitForFinished(60000));
    EXPECT_EQ(a.exitCode(), 0);
    EXPECT_EQ(b.exitCode(), 0);
    const QList<Entry> list = decode(readFile(path));
    QSet<QByteArray> names;
    for (const Entry& e : list)
        names.insert(e.name);
    EXPECT_EQ(list.size(), 60);
    EXPECT_EQ(names.size(), 60);
    for (int i = 1; i < list.size(); ++i)
        EXPECT_LE(list[i - 1].score, list[i].score);
}
