#include "platform/textmeasure.h"
#include "support/material.h"

#include <gtest/gtest.h>

using namespace vindra;

namespace {

struct AnswerEngine {
    AnswerEngine() { engine.setTextMeasure(&measure); }
    /// Splits `line` as the current item and checks `typed` against its field 2.
    quint16 check(const QByteArray& line, const QByteArray& typed, int mode, quint16 code = 31051)
    {
        engine.item.exerciseCode = code;
        engine.str_postarray(line);
        return engine.svarstest(engine.item.fields[2], typed, mode);
    }
    RecordingMessages messages;
    FixedClock clock;
    // 12 pixels a character at 12 points: 14 at 14 points, 22 at 22, 8 at 8.
    FixedTextMeasure measure{12};
    Engine engine{messages, clock, 1};
};

} // namespace

TEST(Svarstest, CandidatesCleaningAndModes)
{
    struct Case {
        const char* line;
        const char* typed;
        int mode;
        quint16 code;
        quint16 expected;
    };
    const Case cases[] = {
        {"x#a house", "a  house.", 1, 31051, 0},
        {"x#a house", " a house ", 1, 31051, 0},
        {"x#a house", "A house", 1, 31051, 60000},
        {"x#a house", "A HOUSE!", 3, 31051, 0},
        {"x#a house", "a house .", 1, 31051, 0},     // the blank before the mark is surplus too
        {"x#a house", "a house..", 1, 31051, 60000}, // one mark at each end only
        {"x#word", "word\xAD", 1, 31051, 0},         // soft hyphen
        {"x#word", "\xA8word", 1, 31051, 0},         // diaeresis
        {"x#\xE5r", "\xC5R", 3, 31051, 0},           // cp1252 capitals
        {"x#\xE5r", "\xC5R", 1, 31051, 60000},
        {"x#a house", "", 1, 31051, 6000},
        {"x#a house", "", 1, 31021, 60000},
        {"x#", "", 1, 31021, 0},
        {"x#.", "", 1, 31021, 0}, // empty once cleaned
        {"x#", "a", 1, 31051, 60000},
        {"x#a", "   ", 1, 31051, 60000},
        {"is#\xE4r#&blir#var", "\xE4r", 1, 31051, 0},
        {"is#\xE4r#&blir#var", "var", 1, 31051, 0},
        {"is#\xE4r#&blir#var", "blir", 1, 31051, 0},
        {"is#\xE4r#&blir#var", "is", 1, 31051, 60000},
        {"x#a#&b#", "b", 1, 31051, 0}, // trailing "#": alternatives counted from the last field
        // Empty fields after an alternative never reach back to the question.
        {"hus#a house#&hem##", "hus", 1, 31051, 60000},
        {"hus#a house#&hem##", "hem", 1, 31051, 0},
        {"hus#a house#&hem##", "a house", 1, 31051, 0},
        {"x#one#&two", "..two..", 1, 31051, 0}, // the typed text's stripping accumulates
        {"x#one", "..one..", 1, 31051, 60000},
        // Apostrophe look-alikes: acute accent, right and left single quotes, grave accent.
        {"x#I'm here", "I\xB4m here", 3, 31051, 0},
        {"x#I'm here", "i\x92M HERE", 3, 31051, 0},
        {"x#I'm here", "I\x91m here", 1, 31051, 0},
        {"x#I'm here", "I`m here", 1, 31051, 0},
        {"x#I\x92m here", "I'm here", 1, 31051, 0}, // a typographic quote in the file
        {"x#don't#&do not", "don\xB4t", 3, 31051, 0},
        {"x#I'm here", "Im here", 3, 31051, 60000},
        {"x#I'm here", "I\"m here", 3, 31051, 60000},
    };
    AnswerEngine a;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.line) + " / " + c.typed);
        EXPECT_EQ(a.check(c.line, c.typed, c.mode, c.code), c.expected);
    }
}

TEST(Svarstest, PartsOfTwoAnswers)
{
    // question # first answer # second answer # help # &first/second alternatives
    const char* line = "lie (ligga)#lay#lain#hj\xE4lp#&laid/laid#lied";
    struct Case {
        int field;
        int part;
        const char* typed;
        quint16 expected;
    };
    const Case cases[] = {
        {2, 1, "lay", 0},      {3, 2, "lain", 0}, {2, 1, "laid", 0},
        {3, 2, "laid", 0},     {2, 1, "lied", 0}, {3, 2, "lied", 0}, // no "/": both parts
        {2, 1, "lain", 60000}, {3, 2, "", 6000},
    };
    AnswerEngine a;
    a.engine.item.exerciseCode = 32012;
    a.engine.str_postarray(line);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(a.engine.svarstestPart(a.engine.item.fields[static_cast<size_t>(c.field)],
                                         c.typed, c.part, 1),
                  c.expected);
    }
    // The apostrophe look-alikes count here as well.
    a.engine.str_postarray("x#I'm not#he isn't#h");
    EXPECT_EQ(a.engine.svarstestPart(a.engine.item.fields[2], "I\xB4m not", 1, 1), 0);
    EXPECT_EQ(a.engine.svarstestPart(a.engine.item.fields[3], "he isn\x92t", 2, 1), 0);
}

TEST(GreenRedTest, BeginningsOfTheAnswerAndItsAlternatives)
{
    struct Case {
        const char* line;
        const char* typed;
        int mode;
        quint8 expected;
        int answerField = 2;
    };
    const Case cases[] = {
        {"x#the house", "the h", 1, 1},
        {"x#the house", "the x", 1, 2},
        {"x#the house", "The", 1, 2},
        {"x#the house", "", 1, 2},
        {"x#the house", " the", 1, 1},  // one leading blank is dropped
        {"x#the house", "  the", 1, 2}, // but only one
        {"x#the house", "the house and", 1, 2},
        {"is#\xE4r#&blir#var", "bl", 1, 1},
        {"is#\xE4r#&blir#var", "va", 1, 1},
        {"is#\xE4r#&blir#var", "is", 1, 2}, // field 1 is not an answer
        // A reversed item (field 1 expected): the shown field 2 stands before the
        // alternatives and is no answer.
        {"hus#a house#&hem", "a h", 1, 2, 1},
        // A form whose answer check ignores letter case lights the lamp the same way.
        {"x#the baby is crying", "The baby", 3, 1},
        {"x#the house", "THE X", 3, 2},
        {"is#\xE4r#&blir#var", "VA", 3, 1},
        {"x#\xE5ret", "\xC5R", 3, 1},
        {"x#\xE5ret", "\xC5R", 1, 2},
        {"x#I'm late", "I\xB4m", 1, 1},
        {"x#I'm late", "i\x92M L", 3, 1},
        {"x#I'm late", "Im", 3, 2},
    };
    AnswerEngine a;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.line) + " / " + c.typed);
        a.engine.str_postarray(c.line);
        const QByteArray right = a.engine.item.fields[static_cast<size_t>(c.answerField)];
        EXPECT_EQ(a.engine.GreenRedTest(c.typed, right, c.mode), c.expected);
    }
}

TEST(TextUtilities, MellanslagBort)
{
    const std::pair<const char*, const char*> cases[] = {
        {" a   b  ", "a b"}, {"", ""}, {"   ", ""}, {"a\tb", "a\tb"}, {"ab", "ab"}};
    for (const auto& [in, out] : cases) {
        QByteArray result = "stale";
        Engine::MellanslagBort(in, result);
        EXPECT_EQ(result, out) << '"' << in << '"';
    }
}

TEST(TextUtilities, LetaPrep)
{
    struct Case {
        const char* text;
        std::array<const char*, 5> parts;
    };
    const Case cases[] = {
        {"I live <in> Leeds", {"I live ", "in", " Leeds", "", ""}},
        {"no markers at all", {"no markers at all", "", "", "", ""}},
        {"a<b>c<d>e", {"a", "b", "c", "d", "e"}},
        {"a<b>c<d>e<f", {"a", "b", "c", "d", "ef"}}, // a fifth marker keeps part 5
        {"", {"", "", "", "", ""}},
    };
    AnswerEngine a;
    for (const Case& c : cases) {
        a.engine.LetaPrep(c.text);
        for (size_t i = 0; i < 5; ++i)
            EXPECT_EQ(a.engine.markedParts[i + 1], c.parts[i]) << c.text << " part " << i + 1;
    }
}

TEST(DelaMening, LinesBreakWhereTheRulesSay)
{
    struct Case {
        const char* name;
        const char* text;
        int chars; // the limit, in characters of 14 pixels
        int maxLines;
        std::array<const char*, 3> lines;
    };
    const Case cases[] = {
        {"fits", "  hello world", 20, 2, {"hello world", "", ""}},
        {"at blanks", "the cat sat on the mat", 10, 3, {"the cat ", "sat on ", "the mat"}},
        {"rest not placed", "the cat sat on the mat", 10, 2, {"the cat ", "sat on ", ""}},
        {"punctuation hangs", "aaaa,bbbb", 4, 2, {"aaaa,", "bbbb", ""}},
        {"marker kept whole", "I live <in Leeds> now", 10, 3, {"I live ", "<in Leeds>", "now"}},
        {"break before a marker", "aaaa <bb>", 5, 2, {"aaaa ", "<bb>", ""}},
        {"one long word", "abcdefghij", 5, 2, {"abcd", "efghij", ""}},
        {"long word on a later line", "ab cdefghijklmn", 5, 3, {"ab ", "cdefg", "hijkl"}},
        {"marker at the start", "<abcdefghij>", 5, 2, {"<abc", "defghij>", ""}},
        {"empty", "", 5, 3, {"", "", ""}},
    };
    AnswerEngine a;
    a.engine.item.exerciseCode = 31051;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        a.engine.sentenceLines = {"stale", "stale", "stale", "stale"};
        a.engine.dela_mening(30, 30 + c.chars * 14, c.text, c.maxLines);
        for (size_t i = 0; i < 3; ++i)
            EXPECT_EQ(a.engine.sentenceLines[i + 1], c.lines[i]) << "line " << i + 1;
    }
}

TEST(DelaMening, FontSizeByExerciseCodeAndCaptionFlag)
{
    // "aaaa bbbb" is 9 characters: 126 pixels at 14 points, 198 at 22, 162 at 18, 72 at 8.
    struct Case {
        quint16 code;
        bool caption;
        int limit;
        bool oneLine;
    };
    const Case cases[] = {
        {31051, false, 126, true}, {22011, false, 197, false}, {22301, false, 198, true},
        {22302, false, 126, true}, {61051, false, 161, false}, {61112, false, 162, true},
        {22011, true, 72, true},   {22011, true, 71, false},
    };
    AnswerEngine a;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.code << (c.caption ? " caption " : " ") << c.limit);
        a.engine.item.exerciseCode = c.code;
        a.engine.captionFlag = c.caption;
        a.engine.dela_mening(0, c.limit, "aaaa bbbb", 2);
        EXPECT_EQ(a.engine.sentenceLines[2].isEmpty(), c.oneLine)
            << a.engine.sentenceLines[1].constData();
        EXPECT_FALSE(a.engine.captionFlag) << "the flag serves one caption only";
    }
}
