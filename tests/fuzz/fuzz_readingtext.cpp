// libFuzzer target over the read-and-answer exercise's readers: the adjustment of a reading
// text (its separator, "$" lines, short and empty lines) and the alternatives of a question.

#include "engine/datafile.h"
#include "engine/readingtext.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vindra;
    const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QList<QByteArray> lines = reading::splitText(content);
    const QList<QByteArray> shown = reading::adjust(lines);
    // Lines are removed or joined, never made up: never more lines than the file has, and
    // the last line of the file is always the last line shown.
    if (shown.size() > lines.size())
        std::abort();
    if (!lines.isEmpty() && (shown.isEmpty() || shown.constLast() != lines.constLast()))
        std::abort();
    for (qsizetype i = 0; i + 1 < shown.size(); ++i) {
        if (shown[i].startsWith('$'))
            std::abort();
    }
    for (const QByteArray& line : lines) {
        const int n = reading::alternativesOf(datafile::splitFields(line));
        if (n < 0 || n > reading::kMaxAlternatives)
            std::abort();
        const QList<int> order = reading::drawOrder(n, [&](int k) {
            return static_cast<int>(static_cast<unsigned char>(line.isEmpty() ? 0 : line[0])) % k;
        });
        if (order.size() != n)
            std::abort();
    }
    return 0;
}
