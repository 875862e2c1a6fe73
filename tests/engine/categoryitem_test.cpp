#include "engine/catalogue.h"
#include "engine/categoryitem.h"

#include <gtest/gtest.h>

using namespace vindra;

namespace {

category::Item readLine(const QByteArray& line, int code)
{
    return category::read(datafile::splitFields(line), catalogue::categoryOptions(code));
}

} // namespace

TEST(CategoryItem, ReadsChoicesRightAnswerAndTranslation)
{
    struct Case {
        const char* line;
        int code;
        QList<QByteArray> choices;
        const char* right;
        const char* translation;
    };
    const Case cases[] = {
        // Sorted, duplicates kept; the translation field ends the choices.
        {"He <ran>.#verb#noun#adjective#verb#!han sprang",
         36011,
         {"adjective", "noun", "verb", "verb"},
         "verb",
         "han sprang"},
        // Exercise 35032 does not show its translation.
        {"sang#2#1#3#!sjöng", 35032, {"1", "2", "3"}, "2", ""},
        // An empty field and a "£" field end the choices too.
        {"x#b#a##c", 24011, {"a", "b"}, "b", ""},
        {"x#b#\xA3"
         "a#c",
         24011,
         {"b"},
         "b",
         ""},
        // Never more than seven; field 2 is always among them.
        {"x#9#8#7#6#5#4#3#2", 32011, {"3", "4", "5", "6", "7", "8", "9"}, "9", ""},
        // The tense digit names the answer; the order of the line is kept.
        {"I <went>.#2Presens#Imperfekt#Perfekt",
         35044,
         {"Presens", "Imperfekt", "Perfekt"},
         "Imperfekt",
         ""},
        // A tense line without its digit, or whose tense no button shows, keeps field 2.
        {"I <go>.#Presens#Imperfekt", 35044, {"Presens", "Imperfekt"}, "Presens", ""},
        {"I <go>.#5Presens#Imperfekt", 35044, {"5Presens", "Imperfekt"}, "5Presens", ""},
        {"just a word", 24011, {}, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const category::Item item = readLine(c.line, c.code);
        EXPECT_EQ(item.choices, c.choices);
        EXPECT_EQ(item.right, c.right);
        EXPECT_EQ(item.translation, c.translation);
    }
}

TEST(CategoryItem, ExplainsAWrongAnswerByExerciseCode)
{
    struct Case {
        const char* line;
        int code;
        const char* first;
        const char* second;
    };
    const Case cases[] = {
        {"He sings <Well>.#adverb#adjektiv", 19, "well \xE4r adverb", ""},
        {"looked#t#d#id", 35011, "[t] efter f\xF6ljande tonl\xF6sa ljud",
         "[f k p s tonl\xF6st l\xE4spljud]"},
        {"played#d#id#t", 112, "-ed uttalas d", ""},
        {"wanted#id#d#t", 35011, "[id] efter [t] och [d]", ""},
        {"looked#t#d#id", 12, "", ""},
        {"she had gone#Pluskvamperfekt#Presens", 35041, "she had gone \xE4r pluskvamperfekt", ""},
        {"cake and make#YES#NO", 24011, "cake and make rhyme", ""},
        {"home and come#NO#YES", 24011, "home and come do not rhyme", ""},
        {"buses#IZ#s#z", 31073, "-s i buses uttalas [iz]", ""},
        {"big#1#2#3", 32011, "big har 1 stavelse", ""},
        {"happy#2#1#3", 32011, "happy har 2 stavelser", ""},
        {"written#3#1#2", 35032, "written \xE4r 3:e temaformen", ""},
        {"We <had left>.#4Presens#Imperfekt#Perfekt#Pluskvamperfekt", 35044,
         "had left \xE4r pluskvamperfekt", ""},
        {"It was built.#Passiv#Aktiv", 35111, "Passiv sats", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const datafile::ItemFields f = datafile::splitFields(c.line);
        const category::ExplanationLines why =
            category::explain(catalogue::categoryExplanation(c.code), f,
                              category::read(f, catalogue::categoryOptions(c.code)));
        EXPECT_EQ(why.first, c.first);
        EXPECT_EQ(why.second, c.second);
    }
}

TEST(CategoryItem, AnswerKeyWritesAbbreviationsOut)
{
    const std::pair<const char*, const char*> cases[] = {
        {"SUBJ", "Subjekt"},
        {"subs", "Substantiv"},
        {"ACK.OBJ", "Ackusativ"},
        {"DAT", "Dativ"},
        {"PRED.F.", "Predikatsfyllnad"},
        {"PREDIKAT", "Predikat"},
        {"AKT", "Aktiv"},
        {"Passiv", "Passiv"},
        {"id", "Id"},
        {"\xE4r", "\xC4r"},
        {"", ""},
    };
    for (const auto& [choice, key] : cases)
        EXPECT_EQ(category::answerKey(choice), key) << choice;
}
