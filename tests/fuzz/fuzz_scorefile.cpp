// libFuzzer target over the high-score lists' bytes: reading a list, damaged or not, placing
// a new entry in it and writing it back. The first input byte chooses the kind of list, the
// next two the new entry's score; the rest is the list.

#include "engine/highscore.h"

#include <cstdint>
#include <cstdlib>

namespace {

using namespace vindra::highscore;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    const Kind kind = (data[0] & 1) != 0 ? Kind::Time : Kind::Points;
    Entry entry;
    entry.name = "New";
    entry.score = static_cast<quint16>(data[1] | (data[2] << 8));
    const QByteArray bytes(reinterpret_cast<const char*>(data + 3),
                           static_cast<qsizetype>(size - 3));

    const QList<Entry> records = decode(bytes);
    check(records.size() == bytes.size() / kRecordSize);
    for (const Entry& r : records) {
        check(r.name.size() <= kNameLength);
        (void)dateText(r);
        (void)scoreText(r.score, kind);
    }

    const Placement p = place(records, entry, kind);
    check(p.rows.size() <= kTableSize);
    check((p.row >= 1 && p.row <= p.rows.size()) || p.row == kNoPlace);
    if (p.row != kNoPlace)
        check(p.rows[p.row - 1] == entry);

    // What is written reads back as the named entries of the placed list, in order.
    const QByteArray written = encode(p.rows);
    check(written.size() % kRecordSize == 0);
    const QList<Entry> again = decode(written);
    qsizetype i = 0;
    for (const Entry& r : p.rows) {
        if (r.name.isEmpty())
            continue;
        check(i < again.size() && again[i] == r);
        ++i;
    }
    check(i == again.size());
    return 0;
}
