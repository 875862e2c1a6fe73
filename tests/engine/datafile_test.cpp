#include "engine/cipher.h"
#include "engine/datafile.h"
#include "engine/wordchoice.h"

#include <gtest/gtest.h>

using namespace vindra;
using namespace vindra::datafile;

namespace {

struct SplitCase {
    const char* name;
    QByteArray line;
    int fieldCount;
    int alternatives;
    QList<QByteArray> fields;
};

class SplitFields : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitFields, GivesTheFields)
{
    const SplitCase& c = GetParam();
    QList<QByteArray> stored{c.line};
    if (!c.line.isEmpty()) // the empty line is not an item; scrambled it would be ")"
        stored << cipher::kryptrad(c.line);
    for (const QByteArray& line : stored) {
        const ItemFields f = splitFields(line);
        EXPECT_EQ(f.fieldCount, c.fieldCount);
        EXPECT_EQ(f.alternativesCount, c.alternatives);
        for (int i = 1; i <= kMaxFields; ++i) {
            const QByteArray want = i <= c.fields.size() ? c.fields[i - 1] : QByteArray();
            EXPECT_EQ(f.field[static_cast<size_t>(i)], want) << "field " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitFields,
    ::testing::Values(SplitCase{"two", "house#hus", 2, 0, {"house", "hus"}},
                      SplitCase{"alternatives",
                                "house#  hus#&huset#huset i",
                                4,
                                2,
                                {"house", "hus", "huset", "huset i"}},
                      SplitCase{"eleven_parts",
                                "1#2#3#4#5#6#7#8#9#10#11",
                                10,
                                0,
                                {"1", "2", "3", "4", "5", "6", "7", "8", "9", "1011"}},
                      SplitCase{"blank_field_keeps_one", "a#   #b", 3, 0, {"a", " ", "b"}},
                      SplitCase{"empty_field", "a##b", 3, 0, {"a", "", "b"}},
                      SplitCase{"trailing_separator", "a#", 2, 0, {"a", ""}},
                      SplitCase{"empty_line", "", 0, 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

TEST(DataFile, LineKinds)
{
    EXPECT_EQ(classify(""), LineKind::Empty);
    EXPECT_EQ(classify(";x"), LineKind::Comment);
    EXPECT_EQ(classify("$\xA7Write"), LineKind::Instruction);
    EXPECT_EQ(classify("$%Translate."), LineKind::WorksheetInstruction);
    EXPECT_EQ(classify("$"), LineKind::Header);
    EXPECT_EQ(classify(")x"), LineKind::Item);
    EXPECT_EQ(classify(" a#b"), LineKind::Item);
}

TEST(DataFile, HeaderLinesLastOfSeveralWinsLineThree)
{
    Headers h;
    for (const char* line : {"$A", "$B",
                             "$\xA7"
                             "Do this",
                             "$C", "$D", "$%Print"})
        h.take(line);
    EXPECT_EQ(h.header[1], "A");
    EXPECT_EQ(h.header[2], "B");
    EXPECT_EQ(h.header[3], "D");
    EXPECT_EQ(h.instruction, "Do this");
    EXPECT_EQ(h.worksheetInstruction, "Print");

    Headers longLine;
    longLine.take("$" + QByteArray(100, 'x'));
    EXPECT_EQ(longLine.header[1].size(), kTextWidth);
}

TEST(DataFile, LinesWithEitherEnding)
{
    EXPECT_EQ(splitLines("a\r\nb\nc"), (QList<QByteArray>{"a", "b", "c"}));
    EXPECT_EQ(splitLines("a\n\nb\n"), (QList<QByteArray>{"a", "", "b"}));
    EXPECT_EQ(splitLines(QByteArray("a\0b\n", 4)), (QList<QByteArray>{QByteArray("a\0b", 3)}));
}

TEST(DataFile, ExerciseCodeFromTheName)
{
    EXPECT_EQ(GeProgramtal("ENG31051.DAT"), 31051);
    EXPECT_EQ(GeProgramtal("ENGDI16.DAT"), 16);
    EXPECT_EQ(GeProgramtal("ENOVN116.DAT"), 116);
    EXPECT_EQ(GeProgramtal("eng22011"), 22011);
    EXPECT_EQ(GeProgramtal("NODIGITS.DAT"), 0);
    EXPECT_EQ(extensionOf("eng41031.dat"), ".DAT");
    EXPECT_EQ(extensionOf("a.b.lov"), ".LOV");
}

TEST(DataFile, MarkedWordsGiveTheWordButtons)
{
    struct Case {
        QList<QByteArray> lines;
        int max;
        QList<QByteArray> words;
    };
    const Case cases[] = {
        // In order of first use, without regard to case, kept in lower case.
        {{"She lives <in> London.", "It is <on> the table.", "<In> the morning.",
          "We met <at> six."},
         12,
         {"in", "on", "at"}},
        // Comments and "$" lines hold no word; a scrambled line is read unscrambled.
        {{"$Rubrik <x>", "; <y>", cipher::kryptrad("I am <\xC4ngel>.#0")}, 12, {"\xE4ngel"}},
        // Empty and unclosed marks; the part between the first two markers of any kind.
        {{"An <> empty mark.", "Never <closed.", ">odd< order", "No mark."},
         12,
         {"closed.", "odd"}},
        // Whole words, however long; no more than asked for.
        {{"It was <unbelievable>.", "<a>", "<b>", "<c>"}, 3, {"unbelievable", "a", "b"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines.join('|').toStdString());
        EXPECT_EQ(wordchoice::markedWords(c.lines, c.max), c.words);
    }
}
