#include "cipher.h"

namespace vindra::cipher {

namespace {

// Position-keyed XOR: the key of position p (from 1) is p/2 + 10 for odd p and p/2 + 8
// for even p, modulo 256. A character whose result would be a control character is left
// as it is, so a scrambled line never holds a line break or a tab.
QByteArray transform(const QByteArray& line)
{
    QByteArray out = line;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const qsizetype p = i + 1;
        const auto key = static_cast<unsigned char>(((p / 2) + ((p % 2) ? 10 : 8)) & 0xFF);
        const auto c = static_cast<unsigned char>(out[i]);
        const auto x = static_cast<unsigned char>(c ^ key);
        if (x >= 32)
            out[i] = static_cast<char>(x);
    }
    return out;
}

bool neverScrambled(const QByteArray& line)
{
    if (line.isEmpty())
        return false;
    const char c = line.at(0);
    return c == ';' || c == '$' || c == '#';
}

} // namespace

QByteArray kryptrad(const QByteArray& line)
{
    if (neverScrambled(line) || isScrambled(line))
        return line;
    QByteArray marked("#");
    marked += line;
    return transform(marked);
}

QByteArray dekryptrad(const QByteArray& line)
{
    if (!isScrambled(line))
        return line;
    return transform(line).mid(1);
}

} // namespace vindra::cipher
