#pragma once

#include <QByteArray>
#include <QString>

/// The Windows code page 1252, in which every text of the material and of the record files
/// is stored. The engine keeps texts as these bytes and converts only where a text is shown.
namespace vindra::cp1252 {

/// Decodes cp1252 bytes; the five unassigned bytes map to the C1 control characters.
QString toUnicode(const QByteArray& bytes);

/// Encodes a text as cp1252; a character the code page lacks becomes "?".
QByteArray fromUnicode(const QString& text);

/// True when the code page has a byte for `ch` (the five unassigned bytes do not count: they
/// stand for C1 control characters, never for text).
bool canEncode(QChar ch);

/// The capital of one cp1252 character ("å" gives "Å", "ÿ" gives "Ÿ"); others unchanged.
char toUpper(char c);

/// Every character of `text` in capitals, by `toUpper`.
QByteArray toUpper(const QByteArray& text);

} // namespace vindra::cp1252
