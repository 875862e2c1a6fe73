#include "engine/cipher.h"
#include "engine/xact.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace vindra;
using namespace vindra::xact;

namespace {

QByteArray record(const QByteArray& name, qint32 level)
{
    return serialize({{name, level}});
}

TEST(XactLevels, ItemsAreSortedByTheirLevelNumber)
{
    QByteArray file = "$X-act\n$\xA7Skriv talet.\n; comment#x\n"
                      "1 7#seven\n"
                      "1 8#eight\r\n"
                      "2twelve#12\n"
                      "3 21#twenty-one#&twenty one\n"
                      "0 5#five\n"  // level 0: not a level
                      "25 5#five\n" // beyond level 20
                      "123#x\n"     // a three-digit number is not a level
                      "4#\n"        // no answer after the "#"
                      "4no hash\n"
                      "\n"
                      "6 60#sixty\n"; // above the gap at level 5: never reached
    file += cipher::kryptrad("3 22#twenty-two") + "\n";
    const Levels levels = readLevels(file);
    EXPECT_EQ(levels.items[1], (QList<QByteArray>{" 7#seven", " 8#eight"}));
    EXPECT_EQ(levels.items[2], (QList<QByteArray>{"twelve#12"}));
    EXPECT_EQ(levels.items[3], (QList<QByteArray>{" 21#twenty-one#&twenty one", " 22#twenty-two"}));
    EXPECT_TRUE(levels.items[4].isEmpty());
    EXPECT_EQ(levels.top(), 3);
    EXPECT_EQ(readLevels("no levels#here\n").top(), 0);

    // A level keeps its first 120 items.
    QByteArray many;
    for (int i = 1; i <= 130; ++i)
        many += "1 " + QByteArray::number(i) + "#n\n";
    EXPECT_EQ(readLevels(many).items[1].size(), kItemsPerLevel);
}

TEST(XactSave, RecordsRoundTripAndNamesStopAtTheirField)
{
    const QList<Record> records = {{"Alva", 3}, {"\xC5sa", 12}};
    const QByteArray bytes = serialize(records);
    ASSERT_EQ(bytes.size(), 2 * kRecordSize);
    EXPECT_EQ(bytes.mid(kNameField, 4), QByteArray("\x03\0\0\0", 4));
    EXPECT_EQ(parse(bytes), records);
    // A name without its zero byte is read as 255 characters, a short tail is no record.
    QByteArray full(kRecordSize, 'x');
    full[kNameField] = 5;
    full[kNameField + 1] = full[kNameField + 2] = full[kNameField + 3] = 0;
    const QList<Record> read = parse(full + "tail");
    ASSERT_EQ(read.size(), 1);
    EXPECT_EQ(read[0].name.size(), kNameField - 1);
    EXPECT_EQ(read[0].level, 5);
}

TEST(XactSave, FetchTakesTheFirstPlayableLevelOfThePupil)
{
    const QList<Record> records = {{"Bo", 9}, {"alva", 0}, {"ALVA", 7}, {"Alva", 4}};
    const int top = 8; // levels 1..7 are played
    EXPECT_EQ(fetchLevel(records, "Alva", 2, top), 7) << "names differ only in case";
    EXPECT_EQ(fetchLevel(records, "Bo", 2, top), 2) << "level 9 is above the played ones";
    EXPECT_EQ(fetchLevel(records, "Cleo", 5, top), 5);
}

TEST(XactSave, SavingRaisesAddsAndDropsRecords)
{
    struct Case {
        const char* what;
        QList<Record> before;
        QByteArray name;
        int level;
        QList<Record> after;
    };
    const QList<Record> two = {{"Alva", 3}, {"Bo", 5}};
    const Case cases[] = {
        {"a lower record is raised", two, "alva", 6, {{"Alva", 6}, {"Bo", 5}}},
        {"a higher record stays, none is added", two, "Bo", 2, two},
        {"the same level adds no further record", two, "Bo", 5, two},
        {"a new pupil is added", two, "Cleo", 4, {{"Alva", 3}, {"Bo", 5}, {"Cleo", 4}}},
        {"level 1 adds nothing", two, "Cleo", 1, two},
        {"empty names and level 1 are dropped",
         {{"", 4}, {"Dan", 1}, {"Eva", 2}},
         "Eva",
         2,
         {{"Eva", 2}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(afterSave(c.before, c.name, c.level), c.after) << c.what;
}

class XactFile : public ::testing::Test {
protected:
    QByteArray dirText() const { return QFile::encodeName(dir.path()); }
    QString path() const { return dir.path() + QStringLiteral("/RXACT.STE"); }
    QByteArray contents() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(const QByteArray& bytes) const
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QTemporaryDir dir;
};

TEST_F(XactFile, AMissingFileIsCreatedAndTwoPupilsKeepTheirLevels)
{
    int level = 4;
    EXPECT_EQ(fetch(dirText(), "Alva", 8, level), FetchStatus::NoFile);
    EXPECT_EQ(level, 4) << "choosing a level before anyone saved keeps the level";

    EXPECT_EQ(save(dirText(), "Alva", 1, nullptr), recordfile::Status::Saved);
    EXPECT_EQ(contents(), record("Alva", 1)) << "the first save writes its record even at level 1";
    EXPECT_EQ(save(dirText(), "Alva", 3), recordfile::Status::Saved);
    EXPECT_EQ(save(dirText(), "Bo", 5), recordfile::Status::Saved);
    EXPECT_EQ(parse(contents()), (QList<Record>{{"Alva", 3}, {"Bo", 5}}));
    EXPECT_EQ(save(dirText(), "BO", 2), recordfile::Status::Unchanged);

    level = 1;
    EXPECT_EQ(fetch(dirText(), "bo", 8, level), FetchStatus::Found);
    EXPECT_EQ(level, 5);
    EXPECT_EQ(fetch(dirText(), "Cleo", 8, level), FetchStatus::NotFound);
    EXPECT_EQ(level, 5);
    EXPECT_FALSE(QFileInfo::exists(dir.path() + QStringLiteral("/SLASK.SLK")));
}

TEST_F(XactFile, ASaveKilledBeforeItsCommitLosesNothing)
{
    write(serialize({{"Alva", 3}, {"Bo", 5}}));
    const QByteArray before = contents();
    EXPECT_THROW(save(dirText(), "Cleo", 6, nullptr, [] { throw std::runtime_error("killed"); }),
                 std::runtime_error);
    EXPECT_EQ(contents(), before);
    // The next save finds the lock free again and keeps every pupil.
    EXPECT_EQ(save(dirText(), "Cleo", 6), recordfile::Status::Saved);
    EXPECT_EQ(parse(contents()), (QList<Record>{{"Alva", 3}, {"Bo", 5}, {"Cleo", 6}}));
}

TEST_F(XactFile, AFileThatCannotBeReadOrLockedIsLeftAlone)
{
    // A directory in the file's place cannot be read: it is never replaced by one record.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("RXACT.STE")));
    recordfile::Error error;
    EXPECT_EQ(save(dirText(), "Alva", 4, &error), recordfile::Status::ReadError);
    EXPECT_TRUE(QFileInfo(path()).isDir());
    int level = 3;
    EXPECT_EQ(fetch(dirText(), "Alva", 8, level), FetchStatus::Unreadable);
    EXPECT_EQ(level, 3);
    ASSERT_TRUE(QDir(dir.path()).rmdir(QStringLiteral("RXACT.STE")));

    write(record("Bo", 5));
    QLockFile other(dir.path() + QStringLiteral("/RXACT.LCK"));
    ASSERT_TRUE(other.tryLock(0));
    EXPECT_EQ(save(dirText(), "Alva", 4, &error, {}, 0), recordfile::Status::NoLock);
    EXPECT_EQ(contents(), record("Bo", 5));
}

} // namespace
