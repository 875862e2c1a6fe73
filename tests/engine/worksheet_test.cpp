#include "engine/datafile.h"
#include "engine/worksheet.h"
#include "support/material.h"

#include <gtest/gtest.h>

using namespace vindra;
using namespace vindra::worksheet;

TEST(Worksheet, ItemPrefixes)
{
    const struct {
        int n;
        const char* prefix;
    } cases[] = {{1, "   1. "}, {7, "   7. "},  {9, "   9. "},  {10, " 10. "},   {42, " 42. "},
                 {99, " 99. "}, {100, "100. "}, {123, "123. "}, {9999, "9999. "}};
    for (const auto& c : cases)
        EXPECT_EQ(itemPrefix(c.n), QByteArray(c.prefix)) << c.n;
}

TEST(Worksheet, LineKinds)
{
    const struct {
        const char* line;
        LineKind kind;
    } cases[] = {
        {"", LineKind::Empty},
        {"1.  Substantiv Plural", LineKind::Title},
        {"123. a question", LineKind::Title}, // items from 100 on start with a digit
        {"   7. a question", LineKind::Item},
        {" 42. a question", LineKind::Item},
        {"      Translate.", LineKind::Other},
        {kWritingLine, LineKind::Other},
        {"       children eller kids.", LineKind::Other},
        {".5 starts with a stop", LineKind::Other},
        {"        7. stop too far", LineKind::Other}, // the stop is the 10th character
        {"       7. stop is ninth", LineKind::Item},
        {"   a. 7. letter before the first stop", LineKind::Other},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kindOf(c.line), c.kind) << c.line;
}

TEST(Worksheet, AnswerTextWithAlternatives)
{
    const struct {
        const char* line;
        const char* answerText;
    } cases[] = {
        {"barn#children", "children"},
        {"barn#children#&kids", "children eller kids."},
        {"is#\xE4r#&blir#var", "\xE4r eller blir, var."},
        {"a#b#&c#&d#&e", "b eller c, d, e."},
        // Empty alternatives at the end never pull the question or the answer into the key.
        {"house#hus#&#", "hus"},
        {"house#hus#&huset##", "hus eller huset."},
        {"house#&hus", "hus"},
    };
    for (const auto& c : cases) {
        const datafile::ItemFields f = datafile::splitFields(c.line);
        EXPECT_EQ(UtSkriftSvar(f.field[2], f.field, f.alternativesCount, f.fieldCount),
                  QByteArray(c.answerText))
            << c.line;
    }
}

TEST(Worksheet, PageNeedsOfLines)
{
    const QList<QByteArray> list = {
        "1.  Verb",           // 0 title
        "      Translate.",   // 1 instruction
        "   1. go",           // 2 item
        kWritingLine,         // 3
        "   2. see",          // 4 item, two follow-up lines
        "       second line", // 5
        kWritingLine,         // 6
        "2.  Substantiv",     // 7 title without instruction
        "   3. house",        // 8 item followed only by the last line
        kWritingLine,         // 9 last line
    };
    const struct {
        qsizetype i;
        int need;
        bool instruction;
    } cases[] = {{0, 3, true}, {2, 1, true}, {4, 2, true}, {7, 3, false}, {8, 0, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(UppgiftTillNySida(c.i, list), c.need) << c.i;
        EXPECT_EQ(InstruktionFinns(c.i, list), c.instruction) << c.i;
    }
}

TEST(Worksheet, BlocksItemsAndClearing)
{
    Worksheet w;
    const std::array<QByteArray, 4> verbs{{"", "Verb", "Oregelbundna", "Test 1"}};
    const std::array<QByteArray, 4> noHeader{};

    w.clear(true);
    ASSERT_TRUE(w.newBlock);
    w.startBlock(verbs, "Translate.");
    w.addWrittenItem(w.nextItemPrefix(), "g\xE5", "go");
    w.newBlock = true; // the next exercise opens
    w.startBlock(noHeader, "");
    w.addWrittenItem(w.nextItemPrefix(), "se", "see eller look.");

    EXPECT_EQ(w.withoutAnswers,
              (QList<QByteArray>{"1.  Verb Oregelbundna Test 1", "      Translate.", "   1. g\xE5",
                                 kWritingLine, "2.  Verb Oregelbundna Test 1", "   2. se",
                                 kWritingLine}));
    EXPECT_EQ(w.withAnswers,
              (QList<QByteArray>{"1.  Verb Oregelbundna Test 1", "      Translate.", "   1. g\xE5",
                                 "       go", "2.  Verb Oregelbundna Test 1", "   2. se",
                                 "       see eller look."}));
    EXPECT_FALSE(w.newBlock);

    w.pageNumber = 4;
    w.headingDue = false;
    w.clear(false);
    EXPECT_TRUE(w.isEmpty());
    EXPECT_TRUE(w.withAnswers.isEmpty());
    EXPECT_EQ(w.blockNumber, 0);
    EXPECT_EQ(w.pageNumber, 1);
    EXPECT_TRUE(w.headingDue);
    EXPECT_FALSE(w.newBlock) << "only a clear from an exercise form opens a block";
    EXPECT_EQ(w.nextItemPrefix(), "   1. ");
}

TEST(Worksheet, TitleIsCutTo80)
{
    Worksheet w;
    w.rebuildTitle({{"", QByteArray(50, 'a'), QByteArray(50, 'b'), "c"}});
    EXPECT_EQ(w.blockTitle, QByteArray(50, 'a') + ' ' + QByteArray(29, 'b'));
}

TEST(Worksheet, UnitStartupClearsIt)
{
    test::Installation inst;
    inst.data("ENG31051.DAT", "$Substantiv\nhus#house\n");
    auto engine = inst.start();
    engine->worksheet.addToBoth("1.  x");
    engine->worksheet.blockNumber = 3;
    ASSERT_TRUE(engine->unitStartup(inst.root));
    EXPECT_TRUE(engine->worksheet.isEmpty());
    EXPECT_EQ(engine->worksheet.blockNumber, 0);
    EXPECT_TRUE(engine->worksheet.headingDue);
}
