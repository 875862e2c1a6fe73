#include "gapitem.h"

#include <algorithm>

namespace vindra::gap {

QList<Segment> segments(const QByteArray& line, int firstGap)
{
    QList<Segment> out;
    auto addText = [&out](const QByteArray& t) {
        if (t.isEmpty())
            return;
        if (!out.isEmpty() && out.back().gap == 0)
            out.back().text += t;
        else
            out.append({t, 0});
    };
    int gap = firstGap;
    qsizetype from = 0;
    while (from < line.size()) {
        const qsizetype open = line.indexOf('<', from);
        const qsizetype close = open < 0 ? -1 : line.indexOf('>', open + 1);
        if (open < 0 || close < 0) {
            addText(line.mid(from));
            break;
        }
        addText(line.mid(from, open - from));
        QByteArray answer = line.mid(open + 1, close - open - 1);
        // A "<" inside a mark is taken as text: the mark runs from its last "<".
        const qsizetype inner = answer.lastIndexOf('<');
        if (inner >= 0) {
            addText(line.mid(open, inner + 1));
            answer = answer.mid(inner + 1);
        }
        if (gap >= 1 && gap <= kMaxGaps)
            out.append({answer, gap});
        else
            addText(answer);
        ++gap;
        from = close + 1;
    }
    return out;
}

QList<QByteArray> marks(const QByteArray& text)
{
    // Each mark runs from its last "<" to the next ">", as segments() reads it.
    QList<QByteArray> out;
    qsizetype from = 0;
    while (true) {
        const qsizetype open = text.indexOf('<', from);
        if (open < 0)
            break;
        const qsizetype close = text.indexOf('>', open + 1);
        if (close < 0)
            break;
        QByteArray answer = text.mid(open + 1, close - open - 1);
        if (const qsizetype inner = answer.lastIndexOf('<'); inner >= 0)
            answer = answer.mid(inner + 1);
        out.append(answer);
        from = close + 1;
    }
    return out;
}

int countMarks(const QByteArray& text)
{
    return static_cast<int>(marks(text).size());
}

Item read(const datafile::ItemFields& f, bool promptKind)
{
    Item item;
    auto field = [&f](int i) -> QByteArray {
        return i >= 1 && i <= datafile::kMaxFields ? f.field[static_cast<size_t>(i)] : QByteArray();
    };
    // Fields from the first alternative on are accepted answers, never help.
    const int plain = std::max(0, f.fieldCount - f.alternativesCount);
    int firstHelp = 2;
    if (promptKind) {
        firstHelp = 3;
        if (field(2).trimmed().isEmpty()) {
            item.sentence = field(1);
        } else {
            item.prompt = field(1);
            item.sentence = field(2);
        }
    } else {
        item.sentence = field(1);
    }
    for (int i = firstHelp; i <= firstHelp + 1 && i <= plain; ++i) {
        if (!field(i).trimmed().isEmpty())
            item.help.append(field(i));
    }
    for (const QByteArray& m : marks(item.sentence)) {
        if (item.answers.size() == kMaxGaps)
            break;
        item.answers.append(m);
    }
    return item;
}

QByteArray blankedLine(const QByteArray& line, int firstGap)
{
    QByteArray out;
    for (const Segment& s : segments(line, firstGap)) {
        if (s.gap == 0) {
            out += s.text;
            continue;
        }
        if (out.endsWith(' '))
            out.chop(1);
        out += " _" + QByteArray(std::max<qsizetype>(4, s.text.size()), '_');
    }
    return out;
}

QList<QByteArray> alternatives(const datafile::ItemFields& f, int part)
{
    QList<QByteArray> out;
    const int first = std::max(f.fieldCount - f.alternativesCount + 1, 2);
    for (int i = first; i <= f.fieldCount && i <= datafile::kMaxFields; ++i) {
        QByteArray r = f.field[static_cast<size_t>(i)];
        const qsizetype slash = r.indexOf('/');
        if (slash >= 0 && part != 0)
            r = part == 1 ? r.left(slash) : r.mid(slash + 1);
        if (!r.trimmed().isEmpty())
            out.append(r);
    }
    return out;
}

bool rightBeginning(QByteArray typed, const QByteArray& right, const datafile::ItemFields& f,
                    int part)
{
    if (typed.isEmpty())
        return false;
    if (typed.front() == ' ')
        typed.remove(0, 1);
    if (right.startsWith(typed))
        return true;
    for (const QByteArray& a : alternatives(f, part)) {
        if (a.startsWith(typed))
            return true;
    }
    return false;
}

} // namespace vindra::gap
