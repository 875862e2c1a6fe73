#include "engine/readingtext.h"

#include <gtest/gtest.h>

using namespace vindra;

namespace {

QList<QByteArray> lines(std::initializer_list<const char*> l)
{
    QList<QByteArray> out;
    for (const char* s : l)
        out << QByteArray(s);
    return out;
}

} // namespace

TEST(ReadingText, AdjustJoinsShortBodyLinesAndRemovesDollarLines)
{
    struct Case {
        const char* what;
        QList<QByteArray> in;
        QList<QByteArray> out;
    };
    const Case cases[] = {
        {"three words without an end mark join the sentence that follows",
         lines({"Title", "----", "First body line.", "It was a dark", "and stormy night.", "End."}),
         lines({"Title", "----", "First body line.", "It was a dark and stormy night.", "End."})},
        {"a short question, a long line and the first line after the separator stay",
         lines({"Title", "----", "Who was it", "Was it you?", "A line of fifteen", "chars or more.",
                "End"}),
         lines({"Title", "----", "Who was it", "Was it you?", "A line of fifteen", "chars or more.",
                "End"})},
        {"the title block above the separator is never joined",
         lines({"A Ghost", "Story", "by Anna", "-----", "Body.", "x", "y", "z"}),
         lines({"A Ghost", "Story", "by Anna", "-----", "Body.", "x y", "z"})},
        {"dollar lines go, except the last line of the file",
         lines({"$comment", "Title", "-", "Body.", "$hidden", "Text.", "$last"}),
         lines({"Title", "-", "Body.", "Text.", "$last"})},
        {"a separator on the first line goes too and nothing is protected",
         lines({"----", "One", "two.", "Three", "four.", "End"}),
         lines({"One", "two.", "Three four.", "End"})},
        {"without a separator the first line is protected only",
         lines({"Short", "long enough to stand.", "tiny", "more text.", "end"}),
         lines({"Short", "long enough to stand.", "tiny more text.", "end"})},
        {"empty lines are paragraph breaks: kept, never joined, never joined onto",
         lines({"Title", "---", "First.", "", "Short", "", "last"}),
         lines({"Title", "---", "First.", "", "Short", "", "last"})},
        {"the last line is never joined onto the line before it",
         lines({"Title", "---", "First.", "short", "last"}),
         lines({"Title", "---", "First.", "short", "last"})},
        {"a single line stays", lines({"$only"}), lines({"$only"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(reading::adjust(c.in), c.out);
    }
    EXPECT_TRUE(reading::adjust({}).isEmpty());
}

TEST(ReadingText, AlternativesAreTheNonEmptyFieldsFromTheSecondOnAtMostThree)
{
    const std::pair<const char*, int> cases[] = {
        {"Q#right#wrong", 2},
        {"Q#right#wrong#wrong", 3},
        {"Q#right#wrong#wrong#more", 3},
        {"Q#right##wrong", 1},
        {"Q", 0},
        {"Q#", 0},
    };
    for (const auto& [line, n] : cases)
        EXPECT_EQ(reading::alternativesOf(datafile::splitFields(line)), n) << line;
}

TEST(ReadingText, DrawOrderIsAPermutation)
{
    int calls = 0;
    const QList<int> order = reading::drawOrder(3, [&](int k) {
        ++calls;
        return k - 1; // always the last one left
    });
    EXPECT_EQ(order, (QList<int>{3, 2, 1}));
    EXPECT_EQ(calls, 3);
}
