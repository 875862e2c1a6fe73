#pragma once

#include "datafile.h"

#include <QByteArray>
#include <QList>

/// The reading texts of the read-and-answer exercise and its question items, as pure
/// functions over bytes, so that the form, the material checker and the fuzzer read them
/// alike.
namespace vindra::reading {

/// Most alternatives of a question.
constexpr int kMaxAlternatives = 3;

/// The lines of a reading text: split at LF, the CR of a CR LF ending dropped.
QList<QByteArray> splitText(const QByteArray& content);

/// The text as it is shown. Lines beginning with "$" are removed. The first line beginning
/// with "-" (the separator under the title) sets the protected boundary one line below it;
/// a separator on the first line is removed as well and then nothing is protected. Below the
/// boundary a line shorter than 15 characters that does not end a sentence (".", "!", "?")
/// is joined to the next line with one blank, so that a text broken into short pieces reads
/// as running lines; the joined line is not examined again. The last line is never removed
/// or joined. An empty line is a paragraph break: it is kept, never joined and never
/// taken as a separator, and no line is joined onto it.
QList<QByteArray> adjust(const QList<QByteArray>& lines);

/// The alternatives of a question item: the consecutive non-empty fields from field 2 on,
/// at most three. Field 2 is the right answer.
int alternativesOf(const datafile::ItemFields& item);

/// A random order of the alternatives 1..n: `below(k)` draws a number in 0..k-1, and each
/// draw takes one of the remaining alternatives until none is left.
template <class Draw> QList<int> drawOrder(int n, Draw&& below)
{
    QList<int> left;
    for (int i = 1; i <= n; ++i)
        left << i;
    QList<int> order;
    while (!left.isEmpty())
        order << left.takeAt(static_cast<qsizetype>(below(static_cast<int>(left.size()))));
    return order;
}

} // namespace vindra::reading
