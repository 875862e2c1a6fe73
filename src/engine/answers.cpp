// Answer checking and the text utilities the forms share.

#include "engine.h"

#include "cp1252.h"
#include "gapitem.h"
#include "platform/textmeasure.h"
#include "sentencefont.h"

#include <algorithm>

namespace vindra {

namespace {

bool isPunctuation(char c)
{
    switch (static_cast<unsigned char>(c)) {
    case 33:  // !
    case 44:  // ,
    case 46:  // .
    case 63:  // ?
    case 168: // diaeresis
    case 173: // soft hyphen
        return true;
    default:
        return false;
    }
}

/// Removes one punctuation mark from the start and one from the end, when there are.
void stripOnePunctuation(QByteArray& s)
{
    if (!s.isEmpty() && isPunctuation(s.front()))
        s.remove(0, 1);
    if (!s.isEmpty() && isPunctuation(s.back()))
        s.chop(1);
}

/// The characters a keyboard or a word processor gives in place of the apostrophe: the acute
/// accent (the key beside Backspace on a Swedish keyboard), the grave accent and the two
/// typographic single quotes. "I´m" and "I’m" are the same answer as "I'm".
bool isApostropheLookalike(char c)
{
    switch (static_cast<unsigned char>(c)) {
    case 0x60: // `
    case 0x91: // left single quotation mark
    case 0x92: // right single quotation mark
    case 0xB4: // acute accent
        return true;
    default:
        return false;
    }
}

/// `s` with every apostrophe look-alike made the apostrophe, and in capitals when the
/// comparison ignores letter case.
QByteArray comparable(QByteArray s, bool ignoreCase)
{
    for (char& c : s) {
        if (isApostropheLookalike(c))
            c = '\'';
    }
    return ignoreCase ? cp1252::toUpper(s) : s;
}

QByteArray cleaned(const QByteArray& s)
{
    QByteArray out;
    Engine::MellanslagBort(s, out);
    return out;
}

bool isLineBreakCharacter(char c)
{
    return c == ' ' || c == ',' || c == '-' || c == '.' || c == '>';
}

/// Characters at which a too wide line ends at once, the character itself kept.
bool endsLineAtOnce(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return c == '>' || c == ',' || c == '-' || c == '.' || b < 32 || b == 255;
}

const FixedTextMeasure& fallbackMeasure()
{
    static const FixedTextMeasure measure;
    return measure;
}

} // namespace

quint16 Engine::svarstest(const QByteArray& right, const QByteArray& typed, int mode) const
{
    if (typed.isEmpty() && item.exerciseCode != 31021)
        return kAnswerEmpty;

    // Alternatives are counted from the last non-empty field, so trailing "#"s in a line do
    // not shift them.
    int last = 2;
    for (int f = datafile::kMaxFields; f >= 3; --f) {
        if (!item.fields[static_cast<size_t>(f)].isEmpty()) {
            last = f;
            break;
        }
    }

    // The candidates never reach back before the first alternative field, and empty fields
    // offer nothing: "hus#a house#&hem##" accepts "a house" and "hem", never the question.
    const int firstAlternative = item.fieldCount - item.alternativesCount + 1;
    QByteArray t = typed;
    const int candidates = item.alternativesCount + 1;
    for (int c = 1; c <= candidates; ++c) {
        QByteArray r;
        if (c == 1) {
            r = right;
        } else {
            const int position = last - c + 2;
            if (position < firstAlternative || position < 1)
                break;
            if (position <= datafile::kMaxFields)
                r = item.fields[static_cast<size_t>(position)];
            if (r.startsWith('&'))
                r.remove(0, 1);
            if (r.isEmpty())
                continue;
        }

        r = cleaned(r);
        stripOnePunctuation(r);
        t = cleaned(t);
        stripOnePunctuation(t);
        // A blank before a stripped mark ("a house .") is a surplus blank as well.
        r = cleaned(r);
        t = cleaned(t);

        if (comparable(r, mode == 3) == comparable(t, mode == 3))
            return kAnswerRight;
    }
    return kAnswerWrong;
}

quint16 Engine::svarstestPart(const QByteArray& right, const QByteArray& typed, int part,
                              int mode) const
{
    if (typed.isEmpty() && item.exerciseCode != 31021)
        return kAnswerEmpty;
    datafile::ItemFields fields;
    fields.field = item.fields;
    fields.fieldCount = item.fieldCount;
    fields.alternativesCount = item.alternativesCount;
    QList<QByteArray> candidates{right};
    candidates += gap::alternatives(fields, part);
    for (const QByteArray& candidate : candidates) {
        QByteArray r = cleaned(candidate);
        QByteArray t = cleaned(typed);
        stripOnePunctuation(r);
        stripOnePunctuation(t);
        r = cleaned(r);
        t = cleaned(t);
        if (comparable(r, mode == 3) == comparable(t, mode == 3))
            return kAnswerRight;
    }
    return kAnswerWrong;
}

quint8 Engine::GreenRedTest(QByteArray typed, const QByteArray& right, int mode) const
{
    if (typed.isEmpty())
        return 2;
    if (typed.front() == ' ')
        typed.remove(0, 1);
    const qsizetype n = typed.size();
    // The lamp judges the beginning by the same rule as the answer check, so a beginning of
    // an answer the check would accept never shows red.
    const bool ignoreCase = mode == 3;
    typed = comparable(typed, ignoreCase);
    auto begins = [&](const QByteArray& answer) {
        return comparable(answer.left(n), ignoreCase) == typed;
    };
    if (begins(right))
        return 1;
    if (item.alternativesCount == 0)
        return 2;
    // Only the alternatives themselves: the field before them can be the question (a
    // reversed item) or a help text, whose beginning is no beginning of a right answer.
    const int from = item.fieldCount;
    const int to = std::max(1, item.fieldCount - item.alternativesCount + 1);
    for (int f = from; f >= to; --f) {
        if (f <= datafile::kMaxFields && begins(item.fields[static_cast<size_t>(f)]))
            return 1;
    }
    return 2;
}

void Engine::MellanslagBort(const QByteArray& text, QByteArray& result)
{
    QByteArray out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == ' ' && (out.isEmpty() || out.back() == ' '))
            continue;
        out.append(c);
    }
    if (out.endsWith(' '))
        out.chop(1);
    result = out;
}

void Engine::LetaPrep(const QByteArray& text)
{
    for (QByteArray& p : markedParts)
        p.clear();
    size_t part = 1;
    for (const char c : text) {
        if (c == '<' || c == '>') {
            part = std::min<size_t>(part + 1, 5);
            continue;
        }
        markedParts[part].append(c);
    }
}

int sentencePoints(int exerciseCode, bool captionFlag)
{
    if (captionFlag)
        return 8;
    if (exerciseCode >= 22011 && exerciseCode <= 22301)
        return 22;
    if (exerciseCode >= 61051 && exerciseCode <= 61112)
        return 18;
    return 14;
}

void Engine::dela_mening(int left, int right, const QByteArray& text, int maxLines)
{
    const FontSpec font{QStringLiteral("Arial"), sentencePoints(item.exerciseCode, captionFlag),
                        false, true};
    // The flag belongs to the one caption that asked for it; later splits measure as usual.
    captionFlag = false;

    // Every line is emptied, so no line of an earlier, longer split is left behind.
    for (QByteArray& l : sentenceLines)
        l.clear();
    if (text.isEmpty())
        return;
    maxLines = std::clamp(maxLines, 1, 3);

    const TextMeasure& measure = m_measure ? *m_measure : fallbackMeasure();
    const int limit = right - left;
    // 1-based positions, as the rules are written.
    auto at = [&](int h) { return text.at(h - 1); };
    auto mid = [&](int from, int to) { return text.mid(from - 1, std::max(0, to - from + 1)); };
    auto width = [&](const QByteArray& s) { return measure.width(cp1252::toUnicode(s), font); };
    const int length = static_cast<int>(text.size());

    // Position of the "<" that opened the marker a position lies in (0 = outside one). The
    // markers do not depend on where lines break, so they are found once.
    std::vector<int> openedAt(static_cast<size_t>(length) + 1, 0);
    int open = 0;
    for (int h = 1; h <= length; ++h) {
        if (at(h) == '<')
            open = h;
        else if (at(h) == '>')
            open = 0;
        openedAt[static_cast<size_t>(h)] = at(h) == '>' ? 0 : open;
    }

    auto noUsableBreak = [&] {
        int fit = 0;
        while (fit < length && width(text.left(fit + 1)) < limit)
            ++fit;
        sentenceLines[1] = text.left(fit);
        sentenceLines[2] = text.mid(fit);
        sentenceLines[3].clear();
    };

    int line = 1;
    int s = 1;
    int h = 1;
    bool placedRest = true;
    while (h <= length) {
        if (width(mid(s, h)) <= limit) {
            ++h;
            continue;
        }
        const char c = at(h);
        const int marker = openedAt[static_cast<size_t>(h)];
        int p;
        if (marker != 0 && marker != h) {
            p = marker - 1;
        } else if (c == '<') {
            // Break before a marker rather than leave its "<" at the end of a line.
            p = h - 1;
        } else if (endsLineAtOnce(c)) {
            p = h;
        } else {
            p = h - 1;
            while (p >= s && !isLineBreakCharacter(at(p)))
                --p;
            if (p < s && s == 1)
                p = 1;
        }

        if (s == 1 && p <= 1) {
            noUsableBreak();
            return;
        }
        if (p < s) {
            // A later line without a break: cut it where it stops fitting (at least one
            // character, so the split always moves on).
            p = std::max(s, h - 1);
        }
        sentenceLines[static_cast<size_t>(line)] = mid(s, p);
        s = p + 1;
        h = s;
        ++line;
        if (line > maxLines) {
            placedRest = false;
            break;
        }
    }
    if (placedRest)
        sentenceLines[static_cast<size_t>(line)] = mid(s, length);

    for (QByteArray& l : sentenceLines) {
        qsizetype lead = 0;
        while (lead < l.size() && l.at(lead) == ' ')
            ++lead;
        l.remove(0, lead);
    }
}

} // namespace vindra
