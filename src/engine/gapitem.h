#pragma once

#include "datafile.h"

#include <QByteArray>
#include <QList>

/// The item of a gap-filling exercise, read from its fields: an optional prompt line, a
/// sentence with one or two gaps (each the right answer between "<" and ">") and up to two
/// help texts. GUI-free, so the form, the worksheet and the fuzz target share one reading.
namespace vindra::gap {

/// At most this many gaps are asked; further marked parts are shown as plain text.
constexpr int kMaxGaps = 2;

struct Item {
    QByteArray prompt;         ///< empty when the item has none; may mark one part "<…>"
    QByteArray sentence;       ///< with its gaps still marked
    QList<QByteArray> answers; ///< the right answer of gap 1 (and gap 2)
    QList<QByteArray> help;    ///< the non-empty help texts, 0 to 2
};

/// Reads an item line's fields. `promptKind`: field 1 is a prompt and field 2 the sentence
/// (when field 2 is empty, field 1 is the sentence and there is no prompt); help texts are
/// fields 3 and 4. Otherwise field 1 is the sentence and fields 2 and 3 the help texts. Help
/// fields are those before the first alternative.
Item read(const datafile::ItemFields& fields, bool promptKind);

/// The complete "<…>" marks of a text, in order (an unclosed "<" is plain text).
QList<QByteArray> marks(const QByteArray& text);

/// A piece of one shown line: plain text, or gap `gap` (1 or 2).
struct Segment {
    QByteArray text; ///< the plain text, or the gap's right answer
    int gap = 0;     ///< 0 for plain text
};

/// Cuts one line of a sentence into plain text and gaps. `firstGap` is the number the
/// line's first mark gets (1 on the sentence's first line, more when an earlier line held
/// gaps); marks beyond kMaxGaps become plain text without their "<" ">".
QList<Segment> segments(const QByteArray& line, int firstGap);

/// Number of complete marks in a text.
int countMarks(const QByteArray& text);

/// A line of the pupil's worksheet: each gap becomes a blank and one underscore per letter
/// of its answer (at least four) after an underscore, " _____" for "at"; a blank before the
/// gap is not doubled. Marks beyond kMaxGaps, counted from `firstGap`, lose only their marks.
QByteArray blankedLine(const QByteArray& line, int firstGap);

/// The alternatives of an item line (its fields from the first "&" on), as the answers of
/// one of two gaps (or answers) accept them: an alternative written "first/second" offers
/// its `part` (1 or 2), one without "/" offers itself; part 0 takes every one whole.
QList<QByteArray> alternatives(const datafile::ItemFields& fields, int part);

/// The lamp of one gap: whether `typed` (one leading blank dropped) is a beginning of
/// `right` or of one of the line's alternatives for that gap, letter case included.
bool rightBeginning(QByteArray typed, const QByteArray& right, const datafile::ItemFields& fields,
                    int part);

} // namespace vindra::gap
