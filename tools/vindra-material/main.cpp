// vindra-material: tools for the people who write the exercise files.
//
//   vindra-material scramble     scrambles every item line of standard input
//   vindra-material unscramble   unscrambles every scrambled line of standard input
//   vindra-material fields       prints the fields of every item line of standard input
//
// Input and output are the material's own bytes (cp1252); output lines end in LF.

#include "engine/cipher.h"
#include "engine/datafile.h"

#include <QByteArray>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>
#include <string>

namespace {

QByteArray readStdin()
{
    std::string all{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    return QByteArray(all.data(), static_cast<qsizetype>(all.size()));
}

void writeLine(const QByteArray& line)
{
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout);
    std::fputc('\n', stdout);
}

int usage()
{
    std::fputs("usage: vindra-material scramble|unscramble|fields < FILE\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2)
        return usage();
    const char* command = argv[1];
    std::ios::sync_with_stdio(false);

    if (std::strcmp(command, "scramble") == 0 || std::strcmp(command, "unscramble") == 0) {
        const bool scramble = command[0] == 's';
        for (const QByteArray& line : vindra::datafile::splitLines(readStdin())) {
            // Only item lines are scrambled; empty, comment and "$" lines stay as they are.
            if (scramble && vindra::datafile::isItem(line))
                writeLine(vindra::cipher::kryptrad(line));
            else
                writeLine(vindra::cipher::dekryptrad(line));
        }
        return 0;
    }
    if (std::strcmp(command, "fields") == 0) {
        for (const QByteArray& line : vindra::datafile::splitLines(readStdin())) {
            if (!vindra::datafile::isItem(line))
                continue;
            const vindra::datafile::ItemFields f = vindra::datafile::splitFields(line);
            QByteArray out = QByteArray::number(f.fieldCount) + '\t' +
                             QByteArray::number(f.alternativesCount);
            for (int i = 1; i <= f.fieldCount; ++i)
                out += '\t' + f.field[static_cast<size_t>(i)];
            writeLine(out);
        }
        return 0;
    }
    return usage();
}
