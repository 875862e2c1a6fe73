#include "engine/cipher.h"
#include "support/material.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace vindra;
using vindra::test::Installation;

namespace {

const QString kMissing = QStringLiteral(" finns inte eller \u00e4r felaktig");

QByteArray items(int n)
{
    QByteArray out = "$Header one\n$\xA7Skriv p\xE5 engelska.\n; a comment\n\n";
    for (int i = 1; i <= n; ++i)
        out += "word" + QByteArray::number(i) + "#ord" + QByteArray::number(i) + "\r\n";
    return out;
}

class DataFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        inst.data("datfiler.eng", "ENG31051.DAT\nENG31052.DAT\nREOM9001.LOV\nreadme.txt\n");
        inst.data("ENG31051.DAT", items(10));
        inst.data("ENG31052.DAT", items(3));
        engine = inst.start();
        ASSERT_TRUE(inst.started);
        ASSERT_TRUE(inst.messages.entries().isEmpty());
    }
    bool open(const QByteArray& name)
    {
        engine->setCurrentFileName(name);
        return engine->Kolla(name);
    }

    Installation inst;
    std::unique_ptr<Engine> engine;
};

} // namespace

TEST_F(DataFiles, ListFileFillsBothLists)
{
    EXPECT_EQ(engine->dataFiles, (QList<QByteArray>{"ENG31051.DAT", "ENG31052.DAT"}));
    EXPECT_EQ(engine->praise.names, (QList<QByteArray>{"REOM9001.LOV"}));
}

TEST_F(DataFiles, KollaCountsOnceThenRereadsOnlyTheHeader)
{
    ASSERT_TRUE(open("ENG31051.DAT"));
    EXPECT_EQ(engine->item.cacheSlot, 1);
    EXPECT_EQ(engine->cache[1].itemCount, 10);
    EXPECT_EQ(engine->item.headerLines[1], "Header one");
    EXPECT_EQ(engine->item.instructionLine, "Skriv p\xE5 engelska.");

    // The count stays even when the file grows: only the first six lines are read again.
    inst.data("ENG31051.DAT", "$Changed\n" + items(20));
    ASSERT_TRUE(open("ENG31051.DAT"));
    EXPECT_EQ(engine->cache[1].itemCount, 10);
    EXPECT_EQ(engine->item.headerLines[1], "Changed");
    EXPECT_EQ(engine->item.headerLines[2], "Header one");
}

TEST_F(DataFiles, NamesOutsideTheListShareSlot200)
{
    inst.data("ENG99991.DAT", items(4));
    inst.data("ENG99992.DAT", items(7));
    ASSERT_TRUE(open("ENG99991.DAT"));
    EXPECT_EQ(engine->item.cacheSlot, 200);
    ASSERT_TRUE(open("ENG99992.DAT"));
    EXPECT_EQ(engine->cache[200].itemCount, 4) << "the second name keeps the first one's count";
}

TEST_F(DataFiles, ListedNamesKeepTheirSlotInAnyLetterCase)
{
    // The program spells some names in lower case ("eng22051.DAT"); a list or a scan that
    // spells them otherwise must not send them to the shared slot.
    ASSERT_TRUE(open("eng31052.dat"));
    EXPECT_EQ(engine->item.cacheSlot, 2);
    EXPECT_EQ(engine->cache[2].itemCount, 3);
}

TEST_F(DataFiles, MissingAndEmptyFilesAreRefused)
{
    EXPECT_FALSE(open("ENG12345.DAT"));
    EXPECT_EQ(inst.messages.texts(),
              (QStringList{"Filen ENG12345.DAT" + kMissing, "Filen ENG12345.DAT" + kMissing}));

    inst.messages.clear();
    inst.data("ENG12346.DAT", "$Only a header\n;and a comment\n");
    EXPECT_FALSE(open("ENG12346.DAT"));
    EXPECT_EQ(inst.messages.texts(), QStringList{"Filen ENG12346.DAT" + kMissing});

    inst.messages.clear();
    EXPECT_FALSE(engine->Kolla2("ENG00000.DAT"));
    EXPECT_TRUE(engine->Kolla2("eng31051.dat")) << "letter case does not matter on disk";
    EXPECT_EQ(inst.messages.texts(), QStringList{"Filen ENG00000.DAT" + kMissing});
}

TEST_F(DataFiles, BadBytesNeverCrash)
{
    QByteArray garbage;
    for (int i = 0; i < 5000; ++i)
        garbage.append(static_cast<char>((i * 131) % 256));
    inst.data("ENG50001.DAT", garbage);
    inst.data("ENG50002.DAT", QByteArray(1 << 20, 'x')); // one line of 1 MB, no line end
    inst.data("ENG50003.DAT", QByteArray("a#b\0c\nd#e", 9));
    QDir(inst.root).mkpath(QStringLiteral("material/DATA/ENG50004.DAT"));

    EXPECT_FALSE(open("ENG50004.DAT")) << "a directory is not a data file";
    EXPECT_EQ(inst.messages.texts().size(), 2);

    EXPECT_TRUE(open("ENG50001.DAT"));
    ASSERT_TRUE(open("ENG50002.DAT"));
    engine->haemtaord("ENG50002.DAT", 1);
    engine->str_postarray(engine->item.currentItemLine);
    EXPECT_EQ(engine->item.fields[1].size(), 1 << 20);
    ASSERT_TRUE(open("ENG50003.DAT"));
    engine->haemtaord("ENG50003.DAT", 1);
    EXPECT_EQ(engine->item.currentItemLine, QByteArray("a#b\0c", 5));
}

TEST_F(DataFiles, FetchingItems)
{
    ASSERT_TRUE(open("ENG31052.DAT"));
    engine->haemtaord("ENG31052.DAT", 2);
    EXPECT_EQ(engine->item.currentItemLine, "word2#ord2");
    engine->haemtaord("ENG31052.DAT", 9);
    EXPECT_EQ(engine->item.currentItemLine, "word3#ord3") << "past the end: the last line";

    inst.data("ENG31052.DAT", "$H\n" + cipher::kryptrad("is#\xE4r#&blir#var"));
    engine->haemtaord("ENG31052.DAT", 1);
    engine->str_postarray(engine->item.currentItemLine);
    EXPECT_EQ(engine->item.fields[2], "\xE4r");
    EXPECT_EQ(engine->item.alternativesCount, 2);

    inst.messages.clear();
    QFile::remove(inst.root + "/material/DATA/ENG31052.DAT");
    engine->haemtaord("ENG31052.DAT", 1);
    EXPECT_EQ(engine->item.currentItemLine, cipher::kryptrad("is#\xE4r#&blir#var"))
        << "a failed fetch keeps the previous line";
    EXPECT_EQ(inst.messages.texts(),
              QStringList{"Filen " + inst.root + "/material\\DATA\\ENG31052.DAT" + kMissing});
}

TEST_F(DataFiles, ErrorListKeepsOrderPerSlot)
{
    ASSERT_TRUE(open("ENG31051.DAT")); // slot 1 stands in for "slot 5" of the example
    for (const quint16 n : {3, 5, 8}) {
        engine->item.currentItemNumber = n;
        engine->haemtafel("ENG31051.DAT", 3);
    }
    ASSERT_TRUE(open("ENG31052.DAT"));
    engine->item.currentItemNumber = 2;
    engine->haemtafel("ENG31052.DAT", 3);

    ASSERT_TRUE(open("ENG31051.DAT"));
    EXPECT_EQ(engine->cache[1].errorCount, 3);
    engine->haemtafel("ENG31051.DAT", 0);
    EXPECT_EQ(engine->item.reAskedItemNumber, 3);
    EXPECT_EQ(engine->item.currentItemLine, "word3#ord3");
    engine->haemtafel("ENG31051.DAT", 2); // postpone
    engine->haemtafel("ENG31051.DAT", 0);
    EXPECT_EQ(engine->item.reAskedItemNumber, 5);
    engine->haemtafel("ENG31051.DAT", 1); // remove
    EXPECT_EQ(engine->cache[1].errorCount, 2);
    engine->haemtafel("ENG31051.DAT", 0);
    EXPECT_EQ(engine->item.reAskedItemNumber, 8);
    EXPECT_EQ(engine->cache[2].errorCount, 1);
}

TEST_F(DataFiles, The401stErrorDropsTheOldest)
{
    ASSERT_TRUE(open("ENG31052.DAT"));
    engine->item.currentItemNumber = 1;
    engine->haemtafel("ENG31052.DAT", 3);
    ASSERT_TRUE(open("ENG31051.DAT"));
    for (int i = 0; i < 400; ++i) {
        engine->item.currentItemNumber = static_cast<quint16>(1 + i % 10);
        engine->haemtafel("ENG31051.DAT", 3);
    }
    EXPECT_EQ(engine->errors.size(), 400);
    EXPECT_EQ(engine->cache[2].errorCount, 0);
    EXPECT_EQ(engine->cache[1].errorCount, 400);
}
