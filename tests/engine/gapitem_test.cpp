#include "engine/gapitem.h"

#include <gtest/gtest.h>

using namespace vindra;

namespace {

struct ReadCase {
    const char* line;
    bool promptKind;
    const char* prompt;
    const char* sentence;
    QList<QByteArray> answers;
    QList<QByteArray> help;
};

} // namespace

TEST(GapItem, ReadsPromptSentenceAnswersAndHelp)
{
    const ReadCase cases[] = {
        {"I <am> here.#help one#help two",
         false,
         "",
         "I <am> here.",
         {"am"},
         {"help one", "help two"}},
        // Help texts stop at the first alternative, and an empty help field is no help.
        {"I <am> here.##second#&'m", false, "", "I <am> here.", {"am"}, {"second"}},
        {"I <am> here.#&'m", false, "", "I <am> here.", {"am"}, {}},
        {"Jag <är> här.#I <am> <here>.#tips",
         true,
         "Jag <är> här.",
         "I <am> <here>.",
         {"am", "here"},
         {"tips"}},
        // Without a prompt, field 1 is the sentence and the help fields stay 3 and 4.
        {"She <is> out.##ute#borta", true, "", "She <is> out.", {"is"}, {"ute", "borta"}},
        // More than two marks: the first two are the gaps.
        {"<a> <b> <c>", false, "", "<a> <b> <c>", {"a", "b"}, {}},
        {"no gap", false, "", "no gap", {}, {}},
        {"an <open mark", false, "", "an <open mark", {}, {}},
        {"a <<b> c", false, "", "a <<b> c", {"b"}, {}},
    };
    for (const ReadCase& c : cases) {
        const gap::Item item = gap::read(datafile::splitFields(c.line), c.promptKind);
        EXPECT_EQ(item.prompt, c.prompt) << c.line;
        EXPECT_EQ(item.sentence, c.sentence) << c.line;
        EXPECT_EQ(item.answers, c.answers) << c.line;
        EXPECT_EQ(item.help, c.help) << c.line;
    }
}

TEST(GapItem, WorksheetBlanksOneUnderscorePerLetterAtLeastFour)
{
    const struct {
        const char* line;
        int firstGap;
        const char* blanked;
    } cases[] = {
        {"We met <at> noon.", 1, "We met _____ noon."},
        {"All the <children> came.", 1, "All the _________ came."},
        {"<Does> she <not> know?", 1, " _____ she _____ know?"},
        {"the end <is> near.", 2, "the end _____ near."},
        // A third mark is no gap: it loses its marks only.
        {"on <a> line <b>.", 2, "on _____ line b."},
        {"no gap", 1, "no gap"},
        {"an <open", 1, "an <open"},
        {"<>", 1, " _____"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(gap::blankedLine(c.line, c.firstGap), c.blanked) << c.line;
}

TEST(GapItem, SegmentsNumberTheGapsFromTheLineOn)
{
    const QList<gap::Segment> s = gap::segments("x <a> y <b> z", 1);
    ASSERT_EQ(s.size(), 5);
    EXPECT_EQ(s[1].gap, 1);
    EXPECT_EQ(s[1].text, "a");
    EXPECT_EQ(s[3].gap, 2);
    EXPECT_EQ(s[4].text, " z");
    const QList<gap::Segment> later = gap::segments("x <b> y", 2);
    ASSERT_EQ(later.size(), 3);
    EXPECT_EQ(later[1].gap, 2);
}
