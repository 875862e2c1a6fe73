#pragma once

#include <QByteArray>
#include <QList>
#include <QPoint>

#include <array>
#include <functional>
#include <optional>
#include <span>

namespace vindra {
class Random;
}

/// The texts of the reading and writing games: reveal the story, reading speed, the three
/// story-writing games, the horoscope and top nine. Everything here is GUI-free, so the forms
/// stay thin and the readers are table-tested and fuzzed.
namespace vindra::storytext {

/// The lines of a text file: split at line ends (a CR before the LF dropped), each non-empty
/// line unscrambled. Every line of the file is kept, empty ones included.
QList<QByteArray> readLines(const QByteArray& content);

/// A line that ends a story, a text or a section: "#" alone (blanks around it allowed).
bool isEnd(const QByteArray& line);
/// The number of end lines: the number of stories of a file.
int countEnds(const QList<QByteArray>& lines);
/// The lines of part `n` (from 1): after the (n − 1)-th end line, up to the n-th.
QList<QByteArray> part(const QList<QByteArray>& lines, int n);

/// A percentage part × 100 ÷ whole rounded to the nearest whole number, halves to the even
/// number; 0 for a whole of 0.
int roundedPercent(int part, int whole);

/// Shuffles 0..n−1 with the given generator (the games shuffle locally, so the engine's
/// shared item order and error list are never touched).
QList<int> shuffled(int n, Random& random);

// ---- Reveal the story ------------------------------------------------------------------------

constexpr int kRevealRows = 7;
constexpr int kRevealColumns = 7;
constexpr int kRevealSlots = kRevealRows * kRevealColumns;
constexpr int kRevealWordLength = 30;

/// The mask of a word: a star for the first character and for each further character other
/// than ".", ",", "!", "?" and "-", then the word's last character when it is one of
/// ".", ",", "!", "?".
QByteArray revealMask(const QByteArray& word);
/// The word without one final ".", ",", "!" or "?".
QByteArray slotWord(const QByteArray& word);

struct RevealSlot {
    QByteArray full;     ///< as written, punctuation included; empty for a filler slot
    QByteArray word;     ///< `full` without its final punctuation
    QByteArray shown;    ///< the mask, or the word once revealed
    bool isWord = false; ///< to be revealed (not a filler, not a dash)
    bool revealed = false;
};

/// One story of the reveal game, laid out in 49 slots (7 rows of 7).
struct RevealStory {
    QList<RevealSlot> cells;                   ///< at most 49
    std::array<QByteArray, kRevealRows> names; ///< the speaker shown left of each row
    QList<QByteArray> wordList;                ///< slot words, alphabetical, duplicates kept
    int words = 0;                             ///< slots to reveal
    int hidden = 0;                            ///< words beyond the 49th slot, left out
};

/// Story `n` (from 1) of the reveal file. Words beyond the 49th slot are left out, so every
/// story can be solved; a word that begins or ends with "-" (a dash) is shown as it stands
/// and is no word to find.
RevealStory readRevealStory(const QList<QByteArray>& lines, int n);

/// The game over one story: attempts, right answers and the two ways of revealing.
class RevealGame {
public:
    explicit RevealGame(RevealStory story = {}) : m_story(std::move(story)) {}

    const RevealStory& story() const { return m_story; }
    int attempts() const { return m_attempts; }
    int right() const { return m_right; }
    /// "Correct answers": right × 100 ÷ attempts.
    int rightPercent() const { return roundedPercent(m_right, m_attempts); }
    /// "Solved text": right × 100 ÷ words.
    int solvedPercent() const { return roundedPercent(m_right, m_story.words); }
    bool solved() const { return m_story.words > 0 && m_right >= m_story.words; }

    /// Drops word-list entry `entry` on slot `slot` (from 0): an attempt; right when the entry
    /// is the slot's word letter for letter and the slot is still masked; then the slot shows
    /// its word and the entry leaves the list. Returns true when right.
    bool drop(int slot, int entry);
    /// Checks a guess against every masked slot (the guess with the slot's final punctuation
    /// added, letter case counting). Each match reveals its slot and counts as a right answer
    /// and an attempt; no match is one attempt. An empty guess or "-" is no guess: -1.
    int guess(const QByteArray& typed);

private:
    RevealStory m_story;
    int m_attempts = 0;
    int m_right = 0;
};

// ---- Reading speed ---------------------------------------------------------------------------

constexpr int kSpeedLines = 29;
constexpr int kSpeedLineLength = 80;

/// Text `n` (from 1): its lines cut to 80 characters, up to the first empty line, at most 29.
QList<QByteArray> speedText(const QList<QByteArray>& lines, int n);

struct SpeedStats {
    int words = 0;   ///< runs of characters other than blanks
    int letters = 0; ///< characters other than blanks
    /// letters ÷ words with one decimal and a point ("4.2"); "0.0" without words.
    QByteArray perWord() const;
};
SpeedStats speedStats(const QList<QByteArray>& text);

/// Words per minute shown for an erase interval in milliseconds: 60000 ÷ interval, halves to
/// the even number.
int wordsPerMinute(int intervalMs);
/// The reading speed of a run: words × 60 over the time in seconds, at least one second.
int readingSpeed(int words, qint64 elapsedMs);

/// Cuts a text word by word from its beginning: each cut is a word with the blanks that
/// follow it (blanks at the start of a line go with its first word).
class Eraser {
public:
    struct Cut {
        int line = -1;
        int from = 0; ///< first character cut
        int to = 0;   ///< one past the last character cut
    };

    explicit Eraser(QList<QByteArray> text = {}) : m_text(std::move(text)) {}

    /// No word left.
    bool done() const;
    /// The next word; a Cut with line −1 when done.
    Cut next();
    /// Where the text still to be erased begins.
    int line() const { return m_line; }
    int column() const { return m_column; }
    const QList<QByteArray>& text() const { return m_text; }

private:
    void skipBlankRest();

    QList<QByteArray> m_text;
    int m_line = 0;
    int m_column = 0;
};

// ---- Tell a story ----------------------------------------------------------------------------

/// The starters of "Tell a story": the kept lines (every line but the end lines, empty ones
/// included) and where each starter begins among them. One rule for every way of choosing a
/// starter: starter n shows the first three kept lines after its (n − 1)-th end line, so
/// blocks of three lines and blocks with a further unshown line read alike. Text after the
/// last end line is a last starter.
struct Starters {
    QList<QByteArray> lines;
    QList<int> begins; ///< begins[n − 1]: first kept line of starter n
    int count() const { return static_cast<int>(begins.size()); }
    /// The three lines of starter n (1..count); lines beyond its block are empty.
    std::array<QByteArray, 3> starter(int n) const;
};
Starters readStarters(const QList<QByteArray>& lines);

// ---- Storygin --------------------------------------------------------------------------------

/// The three sections (beginnings, middles and ends of sentences): non-empty lines, each end
/// line moving on to the next section; lines after a third end line are ignored.
std::array<QList<QByteArray>, 3> readSections(const QList<QByteArray>& lines);

/// The photo album: a sentence per photo, taken from each section in a shuffled order.
class Album {
public:
    static constexpr int kLastPhoto = 20;

    explicit Album(std::array<QList<QByteArray>, 3> sections = {}) : m_sections(std::move(sections))
    {
    }
    /// Every section has a line.
    bool usable() const;
    /// The next photo's sentence (first + " " + middle + " " + end + "."). When a section has
    /// no line left for it, all three are shuffled again and the counter starts from 0.
    QByteArray next(Random& random);
    /// Photos shown since the last shuffle.
    int counter() const { return m_counter; }
    /// The message strip's text after photo `photo`; none when it keeps its text.
    static std::optional<QByteArray> message(int photo);

private:
    std::array<QList<QByteArray>, 3> m_sections;
    std::array<QList<int>, 3> m_order;
    int m_counter = 0;
    bool m_shuffled = false;
};

// ---- Prank -----------------------------------------------------------------------------------

constexpr int kPrankWords = 10;
constexpr int kPrankWordLength = 20;

/// The gap kinds: "#1" adjective, "#2" noun in the singular, "#3" noun in the plural.
enum GapKind { Adjective = 0, Singular = 1, Plural = 2 };

struct PrankStory {
    QByteArray title;        ///< without its "$"
    QList<QByteArray> lines; ///< the title line ("$" kept) and the story's lines
    std::array<int, 3> gaps{};
};
QList<PrankStory> readPrankStories(const QList<QByteArray>& lines);

/// The words to ask for a gap count: at most ten (further gaps reuse the words from the first).
inline int wordsToAsk(int gaps)
{
    return gaps < kPrankWords ? gaps : kPrankWords;
}

/// The story's lines with each gap filled by the next word of its kind (a table used up
/// starts again from its first word), "#" and any other character after it removed, and the
/// "$" of a title removed.
QList<QByteArray> fillGaps(const PrankStory& story, const std::array<QList<QByteArray>, 3>& words);

/// Lays lines out for a page of limited width: each line, after the text carried over from
/// the line before, is wrapped by `wrap`; a line that fits goes out as it is, and of a longer
/// one every part but the last goes out while the last is carried on to the next line.
QList<QByteArray> flowLines(const QList<QByteArray>& lines,
                            const std::function<QList<QByteArray>(const QByteArray&)>& wrap);

// ---- Horoscope -------------------------------------------------------------------------------

struct Sign {
    const char* name;     ///< "ARIES"
    const char* listText; ///< "ARIES#MAR 21#-  APR 20"
    int first;            ///< first sentence line (counted from 1)
    int last;             ///< last sentence line
    QPoint highlight;     ///< the highlight square's corner in the picture
};
std::span<const Sign> signs();

/// The zodiac picture's size, and the highlight square over a sign.
constexpr int kZodiacWidth = 772;
constexpr int kZodiacHeight = 618;
constexpr int kHighlightWidth = 136;
constexpr int kHighlightHeight = 126;

/// The sign under a click at (x, y) in the picture, −1 for none: left column (x < 112,
/// y < 328) top down from ARIES, bottom row (y > 328) left to right from CANCER, right
/// column (x > 512, y < 328) bottom up to PISCES; the later rule wins where they overlap.
int signAt(int x, int y);

constexpr int kHoroscopeSentences = 7;
constexpr int kClosingLines = 3;

/// Seven different sentence lines of sign `sign` drawn at random, in file order.
QList<int> drawSentenceLines(int sign, Random& random);
/// The horoscope text: the chosen lines (numbers counted from 1, every line of the file
/// counting) in file order, then the closing lines of the sign ("$" lines right after its
/// range, at most three, shown without the "$"). Lines missing from the file are not shown.
QList<QByteArray> horoscope(const QList<QByteArray>& fileLines, int sign, const QList<int>& chosen);

struct WordEntry {
    QByteArray word;
    QByteArray translation;
};
/// The horoscope word list: one "word#translation" a line; empty lines are skipped.
QList<WordEntry> readWordList(const QList<QByteArray>& lines);

// ---- Top nine --------------------------------------------------------------------------------

/// The mind-reading trick of top nine over nine names (positions 0..8 as shown, groups of
/// three). The first answer re-deals so that the names of the group named stand first in
/// the three groups; the second answer's group then begins with the favourite.
class TopNine {
public:
    void setNames(std::array<QByteArray, 9> names) { m_names = std::move(names); }
    /// Shuffles the names into the order they are shown in.
    void deal(Random& random);
    const std::array<QByteArray, 9>& names() const { return m_names; }
    int stage() const { return m_stage; }
    /// The first answer: any key moves on; "1", "2" or "3" re-deals.
    void firstAnswer(char key);
    /// The second answer: the first name of the group ("1", "2" or "3"); null for another key.
    QByteArray secondAnswer(char key) const;

private:
    std::array<QByteArray, 9> m_names;
    int m_stage = 0;
};

} // namespace vindra::storytext
