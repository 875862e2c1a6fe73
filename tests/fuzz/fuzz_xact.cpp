// libFuzzer target over the X-act number game's two inputs: the level data file (level
// numbers, items, scrambled lines) and the save file's records with what fetching and saving
// a level make of them. The first input byte chooses which; for the save file the next byte
// is the level saved and the rest the file.

#include "engine/xact.h"

#include <cstdint>
#include <cstdlib>

namespace {

using namespace vindra;
using namespace vindra::xact;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void levelFile(const QByteArray& input)
{
    const Levels levels = readLevels(input);
    const int top = levels.top();
    check(top >= 0 && top <= kMaxLevels);
    for (int level = 1; level <= kMaxLevels; ++level) {
        const QList<QByteArray>& items = levels.items[static_cast<size_t>(level)];
        check(items.size() <= kItemsPerLevel);
        check(level > top || !items.isEmpty());
        for (const QByteArray& item : items)
            check(item.contains('#'));
    }
}

void saveFile(int level, const QByteArray& input)
{
    const QList<Record> records = parse(input);
    check(records.size() == input.size() / kRecordSize);
    for (const Record& r : records)
        check(r.name.size() < kNameField && !r.name.contains('\0'));
    check(parse(serialize(records)) == records);

    const QByteArray name = records.isEmpty() ? QByteArray("Alva") : records.first().name;
    const int fetched = fetchLevel(records, name, -7, 9);
    check(fetched == -7 || (fetched >= 1 && fetched <= 8));

    const QList<Record> after = afterSave(records, name, level);
    check(after.size() <= std::min<qsizetype>(records.size(), kMaxRecords) + 1);
    for (const Record& r : after)
        check(!r.name.isEmpty() && r.level > 1);
    check(parse(serialize(after)) == after);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const QByteArray rest(reinterpret_cast<const char*>(data + 2),
                          static_cast<qsizetype>(size - 2));
    if ((data[0] & 1) != 0)
        levelFile(
            QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)));
    else
        saveFile(static_cast<std::int8_t>(data[1]), rest);
    return 0;
}
