// libFuzzer target over the data-file reader: line splitting and kinds, the "$" lines,
// the field split (with its unscrambling), the line cipher, the reading of gap sentences
// (prompt, gaps, help texts, worksheet blanks) and the word buttons of a word-choice file.

#include "engine/cipher.h"
#include "engine/datafile.h"
#include "engine/gapitem.h"
#include "engine/wordchoice.h"

#include <QSet>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vindra;
    const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    datafile::Headers headers;
    for (const QByteArray& line : datafile::splitLines(content)) {
        headers.take(line);
        const datafile::ItemFields f = datafile::splitFields(line);
        if (f.fieldCount > datafile::kMaxFields || f.alternativesCount > f.fieldCount)
            std::abort();
        datafile::GeProgramtal(line);

        for (const bool promptKind : {false, true}) {
            const gap::Item item = gap::read(f, promptKind);
            if (item.answers.size() > gap::kMaxGaps || item.help.size() > 2)
                std::abort();
            for (const gap::Segment& s : gap::segments(item.sentence, 1)) {
                if (s.gap < 0 || s.gap > gap::kMaxGaps)
                    std::abort();
            }
            // A sentence without a gap goes to the pupil's worksheet unchanged.
            const QByteArray blank = gap::blankedLine(item.sentence, 1);
            if (item.answers.isEmpty() && blank != item.sentence)
                std::abort();
        }

        // Every line of printable bytes that kryptrad transforms comes back unchanged.
        const QByteArray scrambled = cipher::kryptrad(line);
        bool printable = true;
        for (const char c : line)
            printable = printable && static_cast<unsigned char>(c) >= 32;
        if (printable && scrambled != line && cipher::dekryptrad(scrambled) != line)
            std::abort();
    }
    // The word buttons of a word-choice file: never more than asked for, never one twice.
    const QList<QByteArray> words = wordchoice::markedWords(datafile::splitLines(content), 12);
    if (words.size() > 12 || QSet<QByteArray>(words.begin(), words.end()).size() != words.size())
        std::abort();
    for (int i = 1; i <= 3; ++i) {
        if (headers.header[static_cast<size_t>(i)].size() > datafile::kTextWidth)
            std::abort();
    }
    return 0;
}
