#include "readingtext.h"

namespace vindra::reading {

namespace {
constexpr int kShortLine = 15;

bool endsSentence(const QByteArray& line)
{
    return line.endsWith('.') || line.endsWith('!') || line.endsWith('?');
}
} // namespace

QList<QByteArray> splitText(const QByteArray& content)
{
    return datafile::splitLines(content);
}

QList<QByteArray> adjust(const QList<QByteArray>& lines)
{
    const qsizetype n = lines.size();
    if (n == 0)
        return {};
    // The boundary is found among all lines but the last, counted in the text as loaded.
    qsizetype separator = -1;
    for (qsizetype i = 0; i + 1 < n; ++i) {
        if (lines[i].startsWith('-')) {
            separator = i;
            break;
        }
    }
    qsizetype boundary = separator + 1;

    QList<QByteArray> out;
    for (qsizetype i = 0; i + 1 < n; ++i) {
        const QByteArray& line = lines[i];
        if (line.startsWith('$'))
            continue;
        if (i == 0 && separator == 0) {
            boundary = 0;
            continue;
        }
        // The position of a line is its place in the adjusted text: removed lines do not
        // count. The next line is joined on only where it is text the pupil reads: not the
        // last line, not a "$" line (it would be removed) and not an empty line (a paragraph
        // break).
        const qsizetype position = out.size();
        const bool nextJoinable =
            i + 2 < n && !lines[i + 1].isEmpty() && !lines[i + 1].startsWith('$');
        if (position > boundary && !line.isEmpty() && line.size() < kShortLine &&
            !endsSentence(line) && nextJoinable) {
            out << line + ' ' + lines[i + 1];
            ++i; // the joined line is not examined again
            continue;
        }
        out << line;
    }
    out << lines[n - 1];
    return out;
}

int alternativesOf(const datafile::ItemFields& item)
{
    int n = 0;
    for (int i = 2; i <= item.fieldCount && n < kMaxAlternatives; ++i) {
        if (item.field[static_cast<size_t>(i)].isEmpty())
            break;
        ++n;
    }
    return n;
}

} // namespace vindra::reading
