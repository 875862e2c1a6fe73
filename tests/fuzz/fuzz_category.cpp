// libFuzzer target over the reading of category-choice lines: the choices, the right answer
// (with and without the tense digit), the explanations and the answer key.

#include "engine/categoryitem.h"
#include "engine/datafile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vindra;
    const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QByteArray& line : datafile::splitLines(content)) {
        const datafile::ItemFields f = datafile::splitFields(line);
        for (const bool tense : {false, true}) {
            category::Options options;
            options.tenseDigit = tense;
            const category::Item item = category::read(f, options);
            if (item.choices.size() > category::kMaxChoices)
                std::abort();
            // A line with choices can always be answered: a button shows the right answer.
            if (!item.choices.isEmpty() && !item.choices.contains(item.right))
                std::abort();
            for (int kind = 0; kind <= int(category::Explanation::Clause); ++kind)
                category::explain(static_cast<category::Explanation>(kind), f, item);
            for (const QByteArray& c : item.choices)
                category::answerKey(c);
        }
    }
    return 0;
}
