#include "engine/cipher.h"
#include "engine/random.h"
#include "engine/storytext.h"

#include <gtest/gtest.h>

#include <set>

using namespace vindra;
using namespace vindra::storytext;

namespace {

QList<QByteArray> lines(const char* text)
{
    return readLines(QByteArray(text));
}

} // namespace

TEST(StoryText, ReadsPartsAndUnscramblesLines)
{
    const QByteArray file = "one\r\n" + cipher::kryptrad("two words") + "\n#\nthree\n # \n";
    const QList<QByteArray> l = readLines(file);
    EXPECT_EQ(countEnds(l), 2);
    EXPECT_EQ(part(l, 1), (QList<QByteArray>{"one", "two words"}));
    EXPECT_EQ(part(l, 2), QList<QByteArray>{"three"});
    EXPECT_TRUE(part(l, 3).isEmpty());
}

TEST(StoryText, PercentRoundsHalvesToEven)
{
    struct Case {
        int part, whole, percent;
    } cases[] = {{1, 8, 12},  {3, 8, 38}, {5, 8, 62},  {1, 200, 0},
                 {3, 200, 2}, {2, 3, 67}, {4, 4, 100}, {1, 0, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(roundedPercent(c.part, c.whole), c.percent) << c.part << "/" << c.whole;
}

TEST(Reveal, MasksKeepFinalPunctuationAndDropHyphens)
{
    struct Case {
        const char* word;
        const char* mask;
        const char* slot;
    } cases[] = {{"house.", "*****.", "house"},
                 {"well-known,", "*********,", "well-known"},
                 {"Hi!", "**!", "Hi"},
                 {"I", "*", "I"},
                 {"don't", "*****", "don't"}};
    for (const Case& c : cases) {
        EXPECT_EQ(revealMask(c.word), c.mask) << c.word;
        EXPECT_EQ(slotWord(c.word), c.slot) << c.word;
    }
}

TEST(Reveal, LaysRowsOutInSevensWithNamesDashesAndFillers)
{
    const auto l = lines("first\n#\n<Tom> Hello, Mum - where is it?\n<Mum> Here.\n"
                         "one two three four five six seven eight nine\nend\n#\n");
    const RevealStory s = readRevealStory(l, 2);
    ASSERT_EQ(s.cells.size(), 35);
    EXPECT_EQ(s.names[0], "Tom");
    EXPECT_EQ(s.names[1], "Mum");
    EXPECT_EQ(s.cells[0].shown, "*****,");
    // The dash is shown as it stands and is no word to find.
    EXPECT_EQ(s.cells[2].shown, "-");
    EXPECT_FALSE(s.cells[2].isWord);
    EXPECT_TRUE(s.cells[6].full.isEmpty()); // filler to the end of row 1
    EXPECT_EQ(s.cells[7].full, "Here.");
    // A row of nine words runs into the next row; the line after it starts a fresh row.
    EXPECT_EQ(s.cells[14 + 8].full, "nine");
    EXPECT_EQ(s.cells[28].full, "end");
    EXPECT_EQ(s.words, 16);
    EXPECT_FALSE(s.wordList.contains("-"));
    EXPECT_EQ(s.wordList.first(), "eight"); // alphabetical, letter case aside
    EXPECT_EQ(s.wordList.last(), "where");
}

TEST(Reveal, WordsBeyondTheLastSlotAreLeftOutSoTheStoryCanBeSolved)
{
    QByteArray text;
    for (int row = 0; row < 8; ++row)
        text += "a b c d e f g\n";
    text += "#\n";
    const RevealStory s = readRevealStory(readLines(text), 1);
    EXPECT_EQ(s.cells.size(), kRevealSlots);
    EXPECT_EQ(s.words, kRevealSlots);
    EXPECT_EQ(s.hidden, 7);
    EXPECT_EQ(s.wordList.size(), kRevealSlots);
}

TEST(Reveal, GuessRevealsEveryMatchExactlyWithItsPunctuation)
{
    RevealGame game(readRevealStory(lines("the cat saw the dog. The end\n#\n"), 1));
    EXPECT_EQ(game.guess("the"), 2); // "the" and "the" but not "The"
    EXPECT_EQ(game.right(), 2);
    EXPECT_EQ(game.attempts(), 2);
    EXPECT_EQ(game.rightPercent(), 100);
    EXPECT_EQ(game.guess("dog"), 1); // "dog." shown with its point
    EXPECT_EQ(game.story().cells[4].shown, "dog.");
    EXPECT_EQ(game.guess("the"), 0); // nothing left to match: one attempt
    EXPECT_EQ(game.attempts(), 4);
    EXPECT_EQ(game.guess("-"), -1);
    EXPECT_EQ(game.guess(""), -1);
    EXPECT_EQ(game.attempts(), 4);
    EXPECT_EQ(game.rightPercent(), 75);
    EXPECT_EQ(game.solvedPercent(), 43); // 3 of 7
    for (const char* w : {"The", "cat", "saw", "end"})
        game.guess(w);
    EXPECT_TRUE(game.solved());
    EXPECT_EQ(game.solvedPercent(), 100);
}

TEST(Reveal, DropCountsOnlyOnAMaskedSlotWithItsWord)
{
    RevealGame game(readRevealStory(lines("the cat and the hat\n#\n"), 1));
    const auto entry = [&](const char* w) {
        return static_cast<int>(game.story().wordList.indexOf(w));
    };
    EXPECT_FALSE(game.drop(1, entry("hat"))); // wrong slot: an attempt, the entry stays
    EXPECT_EQ(game.story().wordList.size(), 5);
    EXPECT_TRUE(game.drop(0, entry("the")));
    // The second "the" dropped on the slot already shown is refused and stays in the list,
    // so the other "the" can still be revealed.
    EXPECT_FALSE(game.drop(0, entry("the")));
    EXPECT_EQ(game.story().wordList.count("the"), 1);
    EXPECT_TRUE(game.drop(3, entry("the")));
    EXPECT_EQ(game.attempts(), 4);
    EXPECT_EQ(game.right(), 2);
    EXPECT_FALSE(game.drop(5, 0)); // a filler slot
    EXPECT_FALSE(game.drop(99, 0));
    EXPECT_FALSE(game.solved());
}

TEST(Speed, TextStopsAtAnEmptyLineAndAtTwentyNineLines)
{
    EXPECT_EQ(speedText(lines("a\nb\n\nc\n#\n"), 1), (QList<QByteArray>{"a", "b"}));
    QByteArray longText;
    for (int i = 0; i < 35; ++i)
        longText += QByteArray(90, 'x') + "\n";
    const QList<QByteArray> t = speedText(readLines(longText + "#\n"), 1);
    EXPECT_EQ(t.size(), kSpeedLines);
    EXPECT_EQ(t.first().size(), kSpeedLineLength);
}

TEST(Speed, StatisticsCountWordsNotBlanks)
{
    const SpeedStats s = speedStats({"One  two.  Three", " four "});
    EXPECT_EQ(s.words, 4);
    EXPECT_EQ(s.letters, 16);
    EXPECT_EQ(s.perWord(), "4.0");
    EXPECT_EQ(speedStats({}).perWord(), "0.0");
    EXPECT_EQ(speedStats({"   "}).words, 0);
}

TEST(Speed, PaceAndSpeed)
{
    EXPECT_EQ(wordsPerMinute(500), 120);
    EXPECT_EQ(wordsPerMinute(100), 600);
    EXPECT_EQ(wordsPerMinute(999), 60);
    EXPECT_EQ(wordsPerMinute(0), 0);
    EXPECT_EQ(readingSpeed(20, 10000), 120);
    // A run under a second is reckoned as one second, never a division by zero.
    EXPECT_EQ(readingSpeed(3, 0), 180);
    EXPECT_EQ(readingSpeed(3, 400), 180);
    EXPECT_EQ(readingSpeed(0, 5000), 0);
}

TEST(Speed, EraserCutsWordByWordWithTheirBlanks)
{
    Eraser e({"  One  two", "   ", "three"});
    QList<QByteArray> cuts;
    while (!e.done()) {
        const Eraser::Cut c = e.next();
        cuts << e.text().at(c.line).mid(c.from, c.to - c.from);
    }
    EXPECT_EQ(cuts, (QList<QByteArray>{"  One  ", "two", "three"}));
    EXPECT_EQ(e.next().line, -1);
    EXPECT_TRUE(Eraser().done());
}

TEST(Tell, StartersBeginAfterEachEndLineWhateverTheirLength)
{
    const Starters s = readStarters(lines("a1\na2\na3\n#\nb1\nb2\nb3\n\n#\nc1\n#\n"));
    ASSERT_EQ(s.count(), 3);
    EXPECT_EQ(s.starter(1), (std::array<QByteArray, 3>{"a1", "a2", "a3"}));
    EXPECT_EQ(s.starter(2), (std::array<QByteArray, 3>{"b1", "b2", "b3"}));
    // A short block shows its lines and no line of the next starter.
    EXPECT_EQ(s.starter(3), (std::array<QByteArray, 3>{"c1", "", ""}));
    EXPECT_EQ(s.starter(4), (std::array<QByteArray, 3>{}));
    EXPECT_EQ(readStarters(lines("no end\n")).count(), 1);
    EXPECT_EQ(readStarters(lines("a\n#\n\n")).count(), 1);
    EXPECT_EQ(readStarters(lines("")).count(), 0);
}

TEST(Storygin, SectionsSkipEmptyLinesAndIgnoreAFourth)
{
    const auto s = readSections(lines("A\n\nB\n#\nm\n#\ne\n#\nignored\n"));
    EXPECT_EQ(s[0], (QList<QByteArray>{"A", "B"}));
    EXPECT_EQ(s[1], QList<QByteArray>{"m"});
    EXPECT_EQ(s[2], QList<QByteArray>{"e"});
    EXPECT_FALSE(Album(readSections(lines("A\n#\n#\ne\n"))).usable());
}

TEST(Storygin, AlbumUsesEachLineOnceBeforeShufflingAgain)
{
    Album album(readSections(lines("A\nB\nC\n#\nx\ny\nz\n#\n1\n2\n3\n#\n")));
    Random random(3);
    std::set<QByteArray> firsts;
    for (int i = 0; i < 3; ++i) {
        const QByteArray sentence = album.next(random);
        EXPECT_TRUE(sentence.endsWith('.'));
        firsts.insert(sentence.left(1));
    }
    EXPECT_EQ(firsts.size(), 3u);
    EXPECT_EQ(album.counter(), 3);
    album.next(random); // no line left: shuffled again, counting from the start
    EXPECT_EQ(album.counter(), 1);
}

TEST(Storygin, MessagesOfThePhotoStrip)
{
    EXPECT_EQ(Album::message(10), QByteArray("You have seen 10 photos."));
    EXPECT_EQ(Album::message(16), QByteArray("Are you working seriously?"));
    EXPECT_EQ(Album::message(19), QByteArray("Just one more."));
    for (int photo : {11, 17, 20})
        EXPECT_EQ(Album::message(photo), QByteArray()) << photo;
    for (int photo : {1, 9, 12, 18})
        EXPECT_FALSE(Album::message(photo).has_value()) << photo;
}

TEST(Prank, StoriesCountTheirGapsAndFillThemInTurn)
{
    const auto stories = readPrankStories(
        lines("$First\nA #1 #2 saw #3#x.\nThe #1 end.\n#\nstray line\n$Second\nNo gaps.\n#\n"));
    ASSERT_EQ(stories.size(), 2);
    EXPECT_EQ(stories[0].title, "First");
    EXPECT_EQ(stories[0].gaps, (std::array<int, 3>{2, 1, 1}));
    EXPECT_EQ(stories[1].gaps, (std::array<int, 3>{0, 0, 0}));
    const std::array<QList<QByteArray>, 3> words{
        QList<QByteArray>{"red", "odd"}, QList<QByteArray>{"cat"}, QList<QByteArray>{"dogs"}};
    EXPECT_EQ(fillGaps(stories[0], words),
              (QList<QByteArray>{"First", "A red cat saw dogs.", "The odd end."}));
}

TEST(Prank, MoreThanTenGapsReuseTheWordsFromTheFirst)
{
    QByteArray line;
    for (int i = 0; i < 12; ++i)
        line += "#2 ";
    const auto stories = readPrankStories(readLines("$T\n" + line + "\n#\n"));
    ASSERT_EQ(stories[0].gaps[Singular], 12);
    EXPECT_EQ(wordsToAsk(12), kPrankWords);
    QList<QByteArray> ten;
    for (int i = 0; i < 10; ++i)
        ten << QByteArray::number(i);
    const auto filled = fillGaps(stories[0], {QList<QByteArray>{}, ten, QList<QByteArray>{}});
    EXPECT_EQ(filled[1], "0 1 2 3 4 5 6 7 8 9 0 1 ");
}

TEST(Prank, FlowCarriesTheLastPartOfALongLineOn)
{
    // A wrap into pieces of at most ten characters, at blanks.
    const auto wrap = [](const QByteArray& t) {
        QList<QByteArray> out;
        QByteArray line;
        for (const QByteArray& w : t.split(' ')) {
            if (!line.isEmpty() && line.size() + 1 + w.size() > 10) {
                out << line;
                line.clear();
            }
            line += (line.isEmpty() ? "" : " ") + w;
        }
        out << line;
        return out;
    };
    EXPECT_EQ(flowLines({"Title", "aaa bbb ccc ddd", "eee", "fff"}, wrap),
              (QList<QByteArray>{"Title", "aaa bbb", "ccc ddd", "eee fff"}));
    // Nothing is lost however long the line.
    EXPECT_EQ(flowLines({"a b c d e f g h i j k l m n o p"}, wrap).join(' '),
              "a b c d e f g h i j k l m n o p");
}

TEST(Horoscope, ClicksInThePictureFollowTheColumnsAndTheRow)
{
    struct Case {
        int x, y, sign;
    } cases[] = {{50, 50, 0},   {50, 150, 1},   {50, 300, 2}, // left column: ARIES, TAURUS, GEMINI
                 {50, 400, 3},  {150, 400, 4},  {300, 400, 5}, {560, 400, 7}, // bottom row
                 {600, 50, 11}, {600, 150, 10}, {600, 300, 9},                // right column
                 {700, 500, 9}, {300, 200, -1}, {50, 328, -1}};
    for (const Case& c : cases)
        EXPECT_EQ(signAt(c.x, c.y), c.sign) << c.x << "," << c.y;
}

TEST(Horoscope, SevenSentencesInFileOrderThenThreeClosingLines)
{
    QList<QByteArray> file;
    for (int n = 1; n <= 356; ++n)
        file << "line " + QByteArray::number(n);
    for (int n : {354, 355, 356})
        file[n - 1] = "$closing " + QByteArray::number(n);
    Random random(5);
    const QList<int> chosen = drawSentenceLines(11, random);
    ASSERT_EQ(chosen.size(), kHoroscopeSentences);
    EXPECT_EQ(std::set<int>(chosen.begin(), chosen.end()).size(), 7u);
    EXPECT_TRUE(std::is_sorted(chosen.begin(), chosen.end()));
    EXPECT_GE(chosen.first(), 329);
    EXPECT_LE(chosen.last(), 353);
    const QList<QByteArray> text = horoscope(file, 11, chosen);
    ASSERT_EQ(text.size(), 10);
    EXPECT_EQ(text[0], "line " + QByteArray::number(chosen.first()));
    EXPECT_EQ(text.mid(7), (QList<QByteArray>{"closing 354", "closing 355", "closing 356"}));
    // A file too short for the sign shows what it has.
    EXPECT_EQ(horoscope(file.mid(0, 330), 11, {329, 335}), QList<QByteArray>{"line 329"});
}

TEST(Horoscope, WordListTakesWordAndTranslation)
{
    const auto words = readWordList({"brave#modig", "", cipher::kryptrad("trust#lita p\xE5")});
    ASSERT_EQ(words.size(), 2);
    EXPECT_EQ(words[0].word, "brave");
    EXPECT_EQ(words[1].translation, "lita p\xE5");
}

TEST(TopNine, TheTwoAnswersAlwaysFindTheFavourite)
{
    Random random(11);
    for (int favourite = 0; favourite < 9; ++favourite) {
        TopNine trick;
        std::array<QByteArray, 9> names;
        for (int i = 0; i < 9; ++i)
            names[static_cast<size_t>(i)] = "name" + QByteArray::number(i);
        trick.setNames(names);
        trick.deal(random);
        const QByteArray wanted = names[static_cast<size_t>(favourite)];
        auto groupOf = [&] {
            const auto& shown = trick.names();
            const auto at = std::find(shown.begin(), shown.end(), wanted) - shown.begin();
            return static_cast<char>('1' + at / 3);
        };
        EXPECT_EQ(trick.stage(), 1);
        trick.firstAnswer(groupOf());
        EXPECT_EQ(trick.stage(), 2);
        EXPECT_EQ(trick.secondAnswer(groupOf()), wanted) << favourite;
    }
}

TEST(TopNine, AnotherKeyAtTheFirstAnswerMovesOnWithoutDealing)
{
    TopNine trick;
    trick.setNames({"a", "b", "c", "d", "e", "f", "g", "h", "i"});
    trick.firstAnswer('x');
    EXPECT_EQ(trick.stage(), 2);
    EXPECT_EQ(trick.names()[0], "a");
    EXPECT_EQ(trick.secondAnswer('2'), "d");
    EXPECT_TRUE(trick.secondAnswer('4').isNull());
}
