#pragma once

#include <QByteArray>
#include <QList>

/// What a word-choice file offers the pupil, read from its lines as pure functions over bytes,
/// so that the form, the tools and the fuzzer read it alike.
namespace vindra::wordchoice {

/// The words of a word-choice file, one for each word button: the marked word of every item
/// line (the text after its first "<" or ">" up to the next one, in field 1), in order of
/// first use, compared without regard to case and kept in lower case; empty marks are left
/// out and at most `max` words are kept.
QList<QByteArray> markedWords(const QList<QByteArray>& lines, int max);

} // namespace vindra::wordchoice
