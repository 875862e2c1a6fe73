#include "datafile.h"

#include "cipher.h"

namespace vindra::datafile {

LineKind classify(const QByteArray& line)
{
    if (line.isEmpty())
        return LineKind::Empty;
    const char c = line.at(0);
    if (c == ';')
        return LineKind::Comment;
    if (c == '$') {
        if (line.size() > 1 && static_cast<unsigned char>(line.at(1)) == 0xA7) // "§"
            return LineKind::Instruction;
        if (line.size() > 1 && line.at(1) == '%')
            return LineKind::WorksheetInstruction;
        return LineKind::Header;
    }
    return LineKind::Item;
}

QList<QByteArray> splitLines(const QByteArray& content)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype end = content.indexOf('\n', start);
        if (end < 0)
            end = content.size();
        qsizetype len = end - start;
        if (len > 0 && content.at(start + len - 1) == '\r')
            --len;
        lines.append(content.mid(start, len));
        start = end + 1;
    }
    return lines;
}

QByteArray chompLine(QByteArray line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

namespace {

// Leading blanks go; a field that is nothing but blanks keeps its last blank.
QByteArray stripLeadingBlanks(const QByteArray& f)
{
    qsizetype i = 0;
    while (i < f.size() - 1 && f.at(i) == ' ')
        ++i;
    return f.mid(i);
}

} // namespace

ItemFields splitFields(const QByteArray& rawLine)
{
    ItemFields out;
    if (rawLine.isEmpty())
        return out;
    const QByteArray line = cipher::dekryptrad(rawLine);

    int n = 1;
    QByteArray current;
    bool inAlternatives = false;
    auto finish = [&](QByteArray f) {
        f = stripLeadingBlanks(f);
        if (!f.isEmpty() && f.at(0) == '&') {
            f.remove(0, 1);
            inAlternatives = true;
        }
        if (inAlternatives)
            ++out.alternativesCount;
        out.field[n] = f;
        out.fieldCount = static_cast<quint16>(n);
    };
    for (const char c : line) {
        if (c == '#') {
            if (n < kMaxFields) {
                finish(current);
                current.clear();
                ++n;
            }
            // After the tenth separator the parts run together into field 10.
            continue;
        }
        current.append(c);
    }
    finish(current);
    return out;
}

void Headers::take(const QByteArray& line)
{
    switch (classify(line)) {
    case LineKind::Instruction:
        instruction = line.mid(2, kTextWidth);
        break;
    case LineKind::WorksheetInstruction:
        worksheetInstruction = line.mid(2, kTextWidth);
        break;
    case LineKind::Header:
        header[nextHeader] = line.mid(1, kTextWidth);
        if (nextHeader < 3)
            ++nextHeader;
        break;
    default:
        break;
    }
}

quint16 GeProgramtal(const QByteArray& name)
{
    const qsizetype dot = name.indexOf('.');
    const QByteArray stem = dot < 0 ? name : name.left(dot);
    qsizetype start = stem.size();
    while (start > 0 && stem.at(start - 1) >= '0' && stem.at(start - 1) <= '9')
        --start;
    quint32 value = 0;
    for (qsizetype i = start; i < stem.size(); ++i)
        value = value * 10 + static_cast<quint32>(stem.at(i) - '0');
    return static_cast<quint16>(value);
}

QByteArray extensionOf(const QByteArray& name)
{
    const qsizetype dot = name.lastIndexOf('.');
    if (dot < 0)
        return {};
    return name.mid(dot).toUpper();
}

} // namespace vindra::datafile
