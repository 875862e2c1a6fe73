// libFuzzer target over the diagnosis register's bytes: the split into records, reading and
// writing one record, and what storing and removing a pupil does to a register, damaged or
// not. The first input byte chooses add-only; the next 336 bytes are the record to store and
// the rest is the register.

#include "engine/diagnosisrecord.h"
#include "engine/registerfile.h"

#include <cstdint>
#include <cstdlib>

namespace {

using namespace vindra;
namespace rec = diagnosisrecord;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

/// The records of a register with a damaged end completed, as a change of the register keeps
/// them.
QList<QByteArray> kept(const QByteArray& bytes)
{
    registerfile::Contents c = registerfile::split(bytes);
    if (!c.tail.isEmpty())
        c.records << c.tail + QByteArray(rec::kSize - c.tail.size(), '\0');
    return c.records;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const bool addOnly = (data[0] & 1) != 0;
    const QByteArray input(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    QByteArray first = input.left(rec::kSize);
    first.append(rec::kSize - first.size(), '\0');
    const QByteArray bytes = input.mid(rec::kSize);

    const registerfile::Contents c = registerfile::split(bytes);
    check(c.records.size() * rec::kSize + c.tail.size() == bytes.size());
    check(c.tail.size() < rec::kSize);
    for (const QByteArray& r : c.records) {
        rec::problemsOf(r);
        const DiagnosisRecord read = rec::fromBytes(r);
        check(rec::fromBytes(rec::toBytes(read)) == read);
        DiagnosisRecord states = read;
        for (int s = 1; s <= kDiagnosisSlots; ++s)
            rec::GeStatusTal(states, s);
    }

    const QByteArray record = rec::toBytes(rec::fromBytes(first));
    const QByteArray name = rec::nameOf(record);
    const QList<QByteArray> before = kept(bytes);
    qsizetype sameBefore = 0;
    QList<QByteArray> othersBefore;
    for (const QByteArray& r : before) {
        if (rec::sameName(rec::nameOf(r), name))
            ++sameBefore;
        else
            othersBefore << r;
    }

    const auto stored = registerfile::withRecord(bytes, record, addOnly);
    check(stored.has_value() == !(addOnly && sameBefore > 0));
    if (stored) {
        check(stored->size() % rec::kSize == 0);
        qsizetype sameAfter = 0;
        QList<QByteArray> othersAfter;
        for (const QByteArray& r : registerfile::split(*stored).records) {
            if (rec::sameName(rec::nameOf(r), name)) {
                check(r == record);
                ++sameAfter;
            } else {
                othersAfter << r;
            }
        }
        check(sameAfter == std::max<qsizetype>(sameBefore, 1));
        check(othersAfter == othersBefore); // every other pupil, byte for byte, in order
    }

    const QByteArray removed = registerfile::withoutName(bytes, name);
    check(removed.size() % rec::kSize == 0);
    qsizetype left = 0;
    for (const QByteArray& r : registerfile::split(removed).records) {
        check(!rec::nameOf(r).isEmpty() && rec::nameOf(r) != name);
        ++left;
    }
    qsizetype expected = 0;
    for (const QByteArray& r : before)
        expected += !rec::nameOf(r).isEmpty() && rec::nameOf(r) != name;
    check(left == expected);
    return 0;
}
