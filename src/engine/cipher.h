#pragma once

#include <QByteArray>

/// The line cipher that scrambles item lines of the material (and the teacher password).
namespace vindra::cipher {

/// Scrambles a plain line. A line beginning with ";", "$" or "#" is never scrambled and a
/// line beginning with ")" is already scrambled: both come back unchanged. Any other line
/// gets "#" put in front and is transformed; the "#" becomes the ")" that marks it.
QByteArray kryptrad(const QByteArray& line);

/// Unscrambles a line that begins with ")" (dropping that marker); any other line comes
/// back unchanged. kryptrad followed by dekryptrad gives back every line of characters of
/// code 32 or more that does not begin with ";", "$", "#" or ")".
QByteArray dekryptrad(const QByteArray& line);

/// True when the line is stored scrambled (begins with ")").
inline bool isScrambled(const QByteArray& line)
{
    return !line.isEmpty() && line.at(0) == ')';
}

} // namespace vindra::cipher
