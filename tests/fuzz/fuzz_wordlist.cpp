// libFuzzer target over the reading of word lists: the item count and "$" lines of a list,
// every item line by its number, its fields, and the names the picker shows for a file.

#include "engine/datafile.h"
#include "engine/wordlist.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vindra;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const wordlist::Contents c = wordlist::read(bytes);
    if (c.itemCount < 0 || c.itemCount > bytes.size())
        std::abort();
    for (const QByteArray& text : {c.headers.header[1], c.headers.header[2], c.headers.header[3],
                                   c.headers.instruction, c.headers.worksheetInstruction})
        if (text.size() > datafile::kTextWidth)
            std::abort();
    // Every counted item line can be fetched by its number, and none beyond them.
    for (int n = 1; n <= std::min(c.itemCount, 64); ++n) {
        const QByteArray line = wordlist::itemLine(bytes, n);
        if (!datafile::isItem(line))
            std::abort();
        const datafile::ItemFields f = datafile::splitFields(line);
        if (f.fieldCount > datafile::kMaxFields || f.alternativesCount > f.fieldCount)
            std::abort();
    }
    if (!wordlist::itemLine(bytes, c.itemCount + 1).isEmpty())
        std::abort();
    // A file name of any bytes: its short name, long name and panel text.
    const QByteArray name = bytes.left(40);
    const QByteArray shortName = wordlist::shortName(name);
    const QByteArray longName = wordlist::longName(shortName);
    if (wordlist::panelText(longName).size() > std::max<qsizetype>(longName.size(), 18))
        std::abort();
    if (wordlist::scoreFileName(wordlist::Kind::Special, name).size() != shortName.size() + 4)
        std::abort();
    if (!std::isfinite(
            wordlist::answerScore(static_cast<int>(size), static_cast<int>(size) * 997, true)))
        std::abort();
    return 0;
}
