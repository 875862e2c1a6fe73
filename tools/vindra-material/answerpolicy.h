#pragma once

#include "engine/catalogue.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

/// The answer policy of the written-answer files (material/README.md), as far as a machine can
/// see it: every typed answer with a British spelling lists its American twin and the
/// reverse, every answer with a contraction lists its full form and the reverse, and no
/// answer is too long for the answer box with room for a slip. A file
/// whose instruction asks for British spelling ("brittisk") is spared the first rule, a file
/// whose instruction names the short or the full form ("sammandrag", "kortform",
/// "långform") the second.
namespace vindra::material {

/// The typed answers of one item: the right answer and its alternatives (cp1252), and the
/// length of the answer box they are typed into (0 when the box sets no limit).
struct TypedAnswers {
    QList<QByteArray> answers;
    int box = 0;
};

/// The typed answers of an item line of a class; none for a class whose answers are not
/// typed with alternatives.
TypedAnswers typedAnswers(catalogue::Format format, const QByteArray& line);

/// What the answers of one item lack: one sentence per finding, none when the item keeps the
/// policy. `instruction` is the file's "$§" line (cp1252).
QStringList answerPolicyFindings(const QByteArray& instruction, const TypedAnswers& typed);

} // namespace vindra::material
