#include "worksheet.h"

#include <algorithm>

namespace vindra {

namespace worksheet {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

LineKind kindOf(const QByteArray& line)
{
    if (line.isEmpty())
        return LineKind::Empty;
    if (isDigit(line[0]))
        return LineKind::Title;
    const qsizetype stop = line.left(9).indexOf('.');
    if (stop > 0 && isDigit(line[stop - 1]))
        return LineKind::Item;
    return LineKind::Other;
}

QByteArray itemPrefix(int n)
{
    QByteArray lead;
    if (n < 10)
        lead = "   ";
    else if (n < 100)
        lead = " ";
    return QByteArray(lead + QByteArray::number(n) + ". ").left(20);
}

QByteArray UtSkriftSvar(const QByteArray& answer,
                        const std::array<QByteArray, datafile::kMaxFields + 1>& fields,
                        int alternativesCount, int fieldCount)
{
    if (alternativesCount <= 0)
        return answer;
    int last = 2;
    for (int i = datafile::kMaxFields; i >= 3; --i) {
        if (!fields[static_cast<size_t>(i)].isEmpty()) {
            last = i;
            break;
        }
    }
    const int firstAlternative = std::max(3, fieldCount - alternativesCount + 1);
    const int from = std::max(last - alternativesCount + 1, firstAlternative);
    QByteArray joined;
    for (int i = from; i <= last; ++i) {
        QByteArray f = fields[static_cast<size_t>(i)];
        if (f.startsWith('&'))
            f.remove(0, 1);
        if (f.isEmpty())
            continue;
        if (!joined.isEmpty())
            joined += ", ";
        joined += f;
    }
    if (joined.isEmpty())
        return answer;
    return answer + " eller " + joined + ".";
}

bool InstruktionFinns(qsizetype i, const QList<QByteArray>& list)
{
    return i < list.size() - 2 && kindOf(list[i + 1]) == LineKind::Other;
}

int UppgiftTillNySida(qsizetype i, const QList<QByteArray>& list)
{
    if (i >= 0 && i < list.size() && kindOf(list[i]) == LineKind::Title)
        return 3;
    int n = 0;
    for (qsizetype j = i + 1; j < list.size() - 1 && kindOf(list[j]) == LineKind::Other; ++j)
        ++n;
    return n;
}

} // namespace worksheet

void Worksheet::clear(bool fromForm)
{
    withoutAnswers.clear();
    withAnswers.clear();
    blockNumber = 0;
    itemNumber = 0;
    pageNumber = 1;
    headingDue = true;
    if (fromForm)
        newBlock = true;
}

void Worksheet::rebuildTitle(const std::array<QByteArray, 4>& headerLines)
{
    if (headerLines[1].isEmpty())
        return;
    const QByteArray title = headerLines[1] + ' ' + headerLines[2] + ' ' + headerLines[3];
    blockTitle = title.left(worksheet::kTitleWidth);
}

void Worksheet::add(const QByteArray& without, const QByteArray& with)
{
    withoutAnswers.append(without);
    withAnswers.append(with);
}

void Worksheet::addTitleLine()
{
    addToBoth(QByteArray::number(blockNumber) + ".  " + blockTitle);
}

void Worksheet::addInstruction(const QByteArray& instruction, int indent)
{
    if (!instruction.isEmpty())
        addToBoth(QByteArray(indent, ' ') + instruction);
}

void Worksheet::startBlock(const std::array<QByteArray, 4>& headerLines,
                           const QByteArray& worksheetInstruction)
{
    ++blockNumber;
    rebuildTitle(headerLines);
    addTitleLine();
    addInstruction(worksheetInstruction);
    newBlock = false;
}

QByteArray Worksheet::nextItemPrefix()
{
    ++itemNumber;
    return worksheet::itemPrefix(itemNumber);
}

void Worksheet::addWrittenItem(const QByteArray& prefix, const QByteArray& question,
                               const QByteArray& answerText)
{
    addToBoth(prefix + question);
    add(worksheet::kWritingLine, worksheet::kAnswerIndent + answerText);
}

} // namespace vindra
