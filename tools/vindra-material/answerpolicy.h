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

/// What the answers of one item lack: one sentence per finding, none when the item keeps the
/// policy. `instruction` is the file's "$§" line and `answers` are the right answer and its
/// alternatives, all in cp1252.
QStringList answerPolicyFindings(const QByteArray& instruction, const QList<QByteArray>& answers);

/// The typed answers of an item line of a class: the right answer and its alternatives, or
/// nothing for a class whose answers are not typed with alternatives.
QList<QByteArray> typedAnswers(catalogue::Format format, const QByteArray& line);

} // namespace vindra::material
