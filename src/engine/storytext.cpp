#include "storytext.h"

#include "cipher.h"
#include "datafile.h"
#include "random.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vindra::storytext {

namespace {

bool isFinalPunctuation(char c)
{
    return c == '.' || c == ',' || c == '!' || c == '?';
}

QByteArray finalPunctuation(const QByteArray& word)
{
    if (!word.isEmpty() && isFinalPunctuation(word.back()))
        return word.right(1);
    return {};
}

bool isDash(const QByteArray& word)
{
    return word.startsWith('-') || word.endsWith('-');
}

} // namespace

QList<QByteArray> readLines(const QByteArray& content)
{
    QList<QByteArray> lines = datafile::splitLines(content);
    for (QByteArray& l : lines) {
        if (!l.isEmpty())
            l = cipher::dekryptrad(l);
    }
    return lines;
}

bool isEnd(const QByteArray& line)
{
    return line.trimmed() == "#";
}

int countEnds(const QList<QByteArray>& lines)
{
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), isEnd));
}

QList<QByteArray> part(const QList<QByteArray>& lines, int n)
{
    QList<QByteArray> out;
    int current = 1;
    for (const QByteArray& l : lines) {
        if (isEnd(l)) {
            if (current == n)
                break;
            ++current;
        } else if (current == n) {
            out.append(l);
        }
    }
    return out;
}

int roundedPercent(int part, int whole)
{
    if (whole <= 0)
        return 0;
    const long long num = static_cast<long long>(part) * 100;
    long long q = num / whole;
    const long long r = num % whole;
    if (2 * r > whole || (2 * r == whole && q % 2 != 0))
        ++q;
    return static_cast<int>(q);
}

QList<int> shuffled(int n, Random& random)
{
    QList<int> order;
    for (int i = 0; i < n; ++i)
        order.append(i);
    for (int i = n - 1; i > 0; --i)
        std::swap(order[i],
                  order[static_cast<int>(random.below(static_cast<std::uint32_t>(i + 1)))]);
    return order;
}

// ---- Reveal the story ------------------------------------------------------------------------

QByteArray revealMask(const QByteArray& word)
{
    if (word.isEmpty())
        return {};
    QByteArray mask("*");
    for (qsizetype i = 1; i < word.size(); ++i) {
        if (!isFinalPunctuation(word.at(i)) && word.at(i) != '-')
            mask += '*';
    }
    return mask + finalPunctuation(word);
}

QByteArray slotWord(const QByteArray& word)
{
    return finalPunctuation(word).isEmpty() ? word : word.chopped(1);
}

RevealStory readRevealStory(const QList<QByteArray>& lines, int n)
{
    RevealStory story;
    int row = 0; // rows of the story read so far
    for (const QByteArray& line : part(lines, n)) {
        const int firstSlot = static_cast<int>(story.cells.size());
        QByteArray name;
        qsizetype i = 0;
        while (i < line.size()) {
            const char c = line.at(i);
            if (c == ' ' || c == '#' || c == '>') {
                ++i;
            } else if (c == '<') {
                const qsizetype close = line.indexOf('>', i + 1);
                name = line.mid(i + 1, close < 0 ? -1 : close - i - 1);
                i = close < 0 ? line.size() : close + 1;
            } else {
                qsizetype end = line.indexOf(' ', i);
                if (end < 0)
                    end = line.size();
                const QByteArray full = line.mid(i, end - i).left(kRevealWordLength);
                i = end;
                if (story.cells.size() >= kRevealSlots) {
                    ++story.hidden;
                    continue;
                }
                RevealSlot slot;
                slot.full = full;
                slot.word = slotWord(full);
                if (isDash(full)) {
                    slot.shown = full;
                    slot.revealed = true;
                } else {
                    slot.shown = revealMask(full);
                    slot.isWord = true;
                    story.wordList.append(slot.word);
                    ++story.words;
                }
                story.cells.append(slot);
            }
        }
        // The row's name stands beside the display row where the line begins.
        const int displayRow = firstSlot / kRevealColumns;
        if (!name.isEmpty() && displayRow < kRevealRows && row < kRevealRows)
            story.names[static_cast<size_t>(displayRow)] = name;
        ++row;
        while (story.cells.size() % kRevealColumns != 0 && story.cells.size() < kRevealSlots)
            story.cells.append(RevealSlot{});
    }
    std::stable_sort(story.wordList.begin(), story.wordList.end(),
                     [](const QByteArray& a, const QByteArray& b) {
                         const int c = qstricmp(a.constData(), b.constData());
                         return c != 0 ? c < 0 : a < b;
                     });
    return story;
}

bool RevealGame::drop(int slot, int entry)
{
    ++m_attempts;
    if (slot < 0 || slot >= m_story.cells.size() || entry < 0 || entry >= m_story.wordList.size())
        return false;
    RevealSlot& s = m_story.cells[slot];
    // A slot already shown takes nothing more: a second "the" dropped on the first would
    // otherwise leave the other one masked for ever.
    if (!s.isWord || s.revealed || m_story.wordList.at(entry) != s.word)
        return false;
    s.revealed = true;
    s.shown = s.full;
    ++m_right;
    m_story.wordList.removeAt(entry);
    return true;
}

int RevealGame::guess(const QByteArray& typed)
{
    if (typed.isEmpty() || typed == "-")
        return -1;
    int matches = 0;
    for (RevealSlot& s : m_story.cells) {
        if (!s.isWord || s.revealed || typed + finalPunctuation(s.full) != s.full)
            continue;
        s.revealed = true;
        s.shown = s.full;
        ++m_right;
        ++m_attempts;
        ++matches;
        const qsizetype at = m_story.wordList.indexOf(s.word);
        if (at >= 0)
            m_story.wordList.removeAt(at);
    }
    if (matches == 0)
        ++m_attempts;
    return matches;
}

// ---- Reading speed ---------------------------------------------------------------------------

QList<QByteArray> speedText(const QList<QByteArray>& lines, int n)
{
    QList<QByteArray> text;
    for (const QByteArray& l : part(lines, n)) {
        if (l.isEmpty() || text.size() >= kSpeedLines)
            break;
        text.append(l.left(kSpeedLineLength));
    }
    return text;
}

QByteArray SpeedStats::perWord() const
{
    const double ratio = words > 0 ? static_cast<double>(letters) / words : 0.0;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%3.1f", ratio);
    return buffer;
}

SpeedStats speedStats(const QList<QByteArray>& text)
{
    SpeedStats stats;
    for (const QByteArray& line : text) {
        bool inWord = false;
        for (const char c : line) {
            if (c == ' ') {
                inWord = false;
                continue;
            }
            ++stats.letters;
            if (!inWord)
                ++stats.words;
            inWord = true;
        }
    }
    return stats;
}

int wordsPerMinute(int intervalMs)
{
    if (intervalMs <= 0)
        return 0;
    // 60000 ÷ interval is 600 × 100 ÷ interval.
    return roundedPercent(600, intervalMs);
}

int readingSpeed(int words, qint64 elapsedMs)
{
    const double seconds = std::max<double>(1.0, static_cast<double>(elapsedMs) / 1000.0);
    return static_cast<int>(std::lround(words * 60.0 / seconds));
}

void Eraser::skipBlankRest()
{
    while (m_line < m_text.size()) {
        const QByteArray& l = m_text.at(m_line);
        qsizetype p = m_column;
        while (p < l.size() && l.at(p) == ' ')
            ++p;
        if (p < l.size())
            return;
        ++m_line;
        m_column = 0;
    }
}

bool Eraser::done() const
{
    Eraser probe = *this;
    probe.skipBlankRest();
    return probe.m_line >= probe.m_text.size();
}

Eraser::Cut Eraser::next()
{
    skipBlankRest();
    if (m_line >= m_text.size())
        return {};
    const QByteArray& l = m_text.at(m_line);
    qsizetype e = m_column;
    while (e < l.size() && l.at(e) == ' ')
        ++e;
    while (e < l.size() && l.at(e) != ' ')
        ++e;
    while (e < l.size() && l.at(e) == ' ')
        ++e;
    const Cut cut{m_line, m_column, static_cast<int>(e)};
    m_column = static_cast<int>(e);
    if (m_column >= l.size()) {
        ++m_line;
        m_column = 0;
    }
    return cut;
}

// ---- Tell a story ----------------------------------------------------------------------------

std::array<QByteArray, 3> Starters::starter(int n) const
{
    std::array<QByteArray, 3> out;
    if (n < 1 || n > count())
        return out;
    const int begin = begins.at(n - 1);
    const int end = n < count() ? begins.at(n) : static_cast<int>(lines.size());
    for (int i = 0; i < 3 && begin + i < end; ++i)
        out[static_cast<size_t>(i)] = lines.at(begin + i);
    return out;
}

Starters readStarters(const QList<QByteArray>& lines)
{
    Starters s;
    int begin = 0;
    for (const QByteArray& l : lines) {
        if (isEnd(l)) {
            s.begins.append(begin);
            begin = static_cast<int>(s.lines.size());
        } else {
            s.lines.append(l);
        }
    }
    // Lines after the last end line are a starter too, though the end line was forgotten.
    for (qsizetype i = begin; i < s.lines.size(); ++i) {
        if (!s.lines.at(i).trimmed().isEmpty()) {
            s.begins.append(begin);
            break;
        }
    }
    return s;
}

// ---- Storygin --------------------------------------------------------------------------------

std::array<QList<QByteArray>, 3> readSections(const QList<QByteArray>& lines)
{
    std::array<QList<QByteArray>, 3> sections;
    size_t current = 0;
    for (const QByteArray& l : lines) {
        if (isEnd(l)) {
            if (++current >= sections.size())
                break;
        } else if (!l.trimmed().isEmpty()) {
            sections[current].append(l.trimmed());
        }
    }
    return sections;
}

bool Album::usable() const
{
    return std::all_of(m_sections.begin(), m_sections.end(),
                       [](const QList<QByteArray>& s) { return !s.isEmpty(); });
}

QByteArray Album::next(Random& random)
{
    if (!usable())
        return {};
    const bool exhausted =
        std::any_of(m_sections.begin(), m_sections.end(),
                    [this](const QList<QByteArray>& s) { return m_counter >= s.size(); });
    if (!m_shuffled || exhausted) {
        for (size_t i = 0; i < m_sections.size(); ++i)
            m_order[i] = shuffled(static_cast<int>(m_sections[i].size()), random);
        m_counter = 0;
        m_shuffled = true;
    }
    QList<QByteArray> parts;
    for (size_t i = 0; i < m_sections.size(); ++i)
        parts.append(m_sections[i].at(m_order[i].at(m_counter)));
    ++m_counter;
    return parts.join(' ') + '.';
}

std::optional<QByteArray> Album::message(int photo)
{
    switch (photo) {
    case 10:
        return "You have seen 10 photos.";
    case 16:
        return "Are you working seriously?";
    case 19:
        return "Just one more.";
    case 11:
    case 17:
    case 20:
        return QByteArray();
    default:
        return std::nullopt;
    }
}

// ---- Prank -----------------------------------------------------------------------------------

namespace {

std::array<int, 3> countGaps(const QList<QByteArray>& lines)
{
    std::array<int, 3> gaps{};
    for (const QByteArray& l : lines) {
        for (qsizetype i = 0; i + 1 < l.size(); ++i) {
            if (l.at(i) != '#')
                continue;
            const char k = l.at(i + 1);
            if (k >= '1' && k <= '3')
                ++gaps[static_cast<size_t>(k - '1')];
            ++i;
        }
    }
    return gaps;
}

} // namespace

QList<PrankStory> readPrankStories(const QList<QByteArray>& lines)
{
    QList<PrankStory> stories;
    bool inStory = false;
    for (const QByteArray& l : lines) {
        if (!inStory) {
            if (l.startsWith('$')) {
                PrankStory s;
                s.title = l.mid(1).trimmed();
                s.lines.append(l);
                stories.append(s);
                inStory = true;
            }
        } else if (isEnd(l)) {
            inStory = false;
        } else if (!l.trimmed().isEmpty()) {
            stories.last().lines.append(l);
        }
    }
    for (PrankStory& s : stories)
        s.gaps = countGaps(s.lines);
    return stories;
}

QList<QByteArray> fillGaps(const PrankStory& story, const std::array<QList<QByteArray>, 3>& words)
{
    std::array<int, 3> used{};
    QList<QByteArray> out;
    for (QByteArray line : story.lines) {
        if (line.startsWith('$'))
            line.remove(0, 1);
        QByteArray filled;
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (line.at(i) != '#') {
                filled += line.at(i);
                continue;
            }
            if (i + 1 < line.size()) {
                const char k = line.at(i + 1);
                if (k >= '1' && k <= '3') {
                    const auto kind = static_cast<size_t>(k - '1');
                    const QList<QByteArray>& table = words[kind];
                    if (!table.isEmpty())
                        filled += table.at(used[kind]++ % table.size());
                }
            }
            ++i;
        }
        out.append(filled);
    }
    return out;
}

QList<QByteArray> flowLines(const QList<QByteArray>& lines,
                            const std::function<QList<QByteArray>(const QByteArray&)>& wrap)
{
    QList<QByteArray> out;
    QByteArray carried;
    for (const QByteArray& line : lines) {
        QByteArray text = line;
        if (!carried.isEmpty())
            text = carried + (carried.endsWith(' ') ? "" : " ") + line;
        carried.clear();
        QList<QByteArray> parts = wrap(text);
        if (parts.size() > 1)
            carried = parts.takeLast();
        out += parts;
    }
    if (!carried.isEmpty())
        out.append(carried);
    return out;
}

// ---- Horoscope -------------------------------------------------------------------------------

namespace {

// clang-format off
constexpr Sign kSigns[] = {
    {"ARIES", "ARIES#MAR 21#-  APR 20", 1, 28, {10, 10}},
    {"TAURUS", "TAURUS#APR 21#-  MAI 21", 33, 52, {10, 115}},
    {"GEMINI", "GEMINI#MAI 22#-  JUN 21", 57, 82, {10, 220}},
    {"CANCER", "CANCER#JUN 22#-  JUL 23", 87, 108, {10, 345}},
    {"LEO", "LEO#JUL 24#-  AUG 23", 113, 136, {112, 345}},
    {"VIRGO", "VIRGO#AUG 24#-  SEP 23", 141, 168, {224, 345}},
    {"LIBRA", "LIBRA#SEP 24#-  OCT 23", 173, 198, {336, 345}},
    {"SCORPIO", "SCORPIO#OCT 24#-  NOV 22", 203, 227, {440, 345}},
    {"SAGITTARUS", "SAGITTARUS#NOV 23#-  DEC 21", 232, 258, {555, 345}},
    {"CAPRICORN", "CAPRICORN#DEC 22#-  JAN 20", 263, 292, {520, 224}},
    {"AQUARIUS", "AQUARIUS#JAN 21#-  FEB 19", 297, 324, {520, 115}},
    {"PISCES", "PISCES#FEB 20#-  MAR 20", 329, 353, {516, 5}},
};
// clang-format on

} // namespace

std::span<const Sign> signs()
{
    return kSigns;
}

int signAt(int x, int y)
{
    int sign = -1;
    if (x < 112 && y < 328 && y >= 0)
        sign = y / 105;
    if (y > 328 && x >= 0)
        sign = x / 113 + 3;
    if (x > 512 && y < 328 && y >= 0)
        sign = 11 - y / 105;
    return sign >= 0 && sign < 12 ? sign : -1;
}

QList<int> drawSentenceLines(int sign, Random& random)
{
    const Sign& s = kSigns[std::clamp(sign, 0, 11)];
    const int n = s.last - s.first + 1;
    QList<int> chosen;
    for (const int i : shuffled(n, random).mid(0, kHoroscopeSentences))
        chosen.append(s.first + i);
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

QList<QByteArray> horoscope(const QList<QByteArray>& fileLines, int sign, const QList<int>& chosen)
{
    const Sign& s = kSigns[std::clamp(sign, 0, 11)];
    QList<QByteArray> out;
    for (const int n : chosen) {
        if (n >= 1 && n <= fileLines.size())
            out.append(fileLines.at(n - 1));
    }
    int closing = 0;
    for (qsizetype n = s.last + 1; n <= fileLines.size() && closing < kClosingLines; ++n) {
        const QByteArray& l = fileLines.at(n - 1);
        if (!l.startsWith('$'))
            break;
        out.append(l.mid(1));
        ++closing;
    }
    return out;
}

QList<WordEntry> readWordList(const QList<QByteArray>& lines)
{
    QList<WordEntry> entries;
    for (const QByteArray& l : lines) {
        if (l.trimmed().isEmpty())
            continue;
        const datafile::ItemFields f = datafile::splitFields(l);
        entries.append({f.field[1], f.field[2]});
    }
    return entries;
}

// ---- Top nine --------------------------------------------------------------------------------

void TopNine::deal(Random& random)
{
    const std::array<QByteArray, 9> before = m_names;
    const QList<int> order = shuffled(9, random);
    for (size_t i = 0; i < 9; ++i)
        m_names[i] = before[static_cast<size_t>(order.at(static_cast<int>(i)))];
    m_stage = 1;
}

void TopNine::firstAnswer(char key)
{
    // For the group named, the display positions (from 1) its names are dealt from.
    static constexpr int kDeal[3][9] = {
        {3, 4, 9, 1, 5, 7, 2, 6, 8},
        {6, 3, 7, 4, 1, 9, 5, 2, 8},
        {7, 2, 6, 9, 4, 1, 8, 5, 3},
    };
    m_stage = 2;
    if (key < '1' || key > '3')
        return;
    const std::array<QByteArray, 9> before = m_names;
    for (size_t i = 0; i < 9; ++i)
        m_names[i] = before[static_cast<size_t>(kDeal[key - '1'][i] - 1)];
}

QByteArray TopNine::secondAnswer(char key) const
{
    if (key < '1' || key > '3')
        return {};
    return m_names[static_cast<size_t>((key - '1') * 3)];
}

} // namespace vindra::storytext
