#include "engine/classoverview.h"

#include <gtest/gtest.h>

using namespace vindra;
namespace rec = vindra::diagnosisrecord;

namespace {

DiagnosisRecord pupil(const QByteArray& name, std::initializer_list<std::pair<int, int>> results,
                      const QByteArray& password = {})
{
    DiagnosisRecord r = rec::cleared();
    r.name = name;
    r.password = password;
    for (const auto& [slot, result] : results) {
        r.result[static_cast<size_t>(slot)] = result;
        r.state[static_cast<size_t>(slot)] = rec::GeStatusTal(r, slot);
    }
    return r;
}

} // namespace

TEST(ClassOverview, StandingOfASlot)
{
    const struct {
        qint32 result;
        quint8 state;
        SlotStanding standing;
    } cases[] = {
        {16, 2, SlotStanding::Passed},
        {15, 2, SlotStanding::Passed}, // the pass mark itself
        {14, 3, SlotStanding::Practising},
        {9, 2, SlotStanding::Practising}, // practice done, the test is to be taken again
        {0, 3, SlotStanding::Practising}, // a zero after an earlier result
        {0, 1, SlotStanding::Waiting},
        {0, 0, SlotStanding::NotStarted},
        {0, 2, SlotStanding::NotStarted}, // unlocked by a passed predecessor, not yet tried
        {21, 2, SlotStanding::Unreadable},
        {-1, 0, SlotStanding::Unreadable},
        {5, 4, SlotStanding::Unreadable},
    };
    for (const auto& c : cases) {
        DiagnosisRecord r;
        r.result[7] = c.result;
        r.state[7] = c.state;
        EXPECT_EQ(standingOf(r, 7), c.standing) << c.result << " " << int(c.state);
    }
}

TEST(ClassOverview, EveryWholeRecordSortedWithWhatCouldNotBeRead)
{
    QByteArray damaged = rec::toBytes(pupil("Bo", {{1, 17}, {4, 18}}));
    damaged[rec::kStateOffset + 3] = 9; // slot 4
    const QByteArray bytes = rec::toBytes(pupil("\xD6rjan", {{1, 15}, {2, 12}})) +
                             rec::toBytes(pupil("anna", {{1, 20}, {2, 18}}, "hemlig")) + damaged +
                             rec::toBytes(pupil("\xC5sa", {{5, 3}})) + QByteArray(100, 'z');

    const ClassOverview o = ClassOverview::of(DiagnosisRegister::split(bytes));

    QList<QByteArray> names;
    for (const DiagnosisRecord& r : o.pupils) {
        names << r.name;
        EXPECT_TRUE(r.password.isEmpty()) << "never carried on to a page";
    }
    EXPECT_EQ(names, (QList<QByteArray>{"anna", "Bo", "\xC5sa", "\xD6rjan"}))
        << "the Swedish alphabet, letter case ignored";
    EXPECT_EQ(o.unreadable,
              (QStringList{"record 3 (Bo): slot 4: state 9 is outside 0..3",
                           "the register is truncated: the last 100 bytes do not form a whole "
                           "record of 336 bytes"}));

    EXPECT_EQ(o.passed[1], 3);
    EXPECT_EQ(o.passed[2], 1);
    EXPECT_EQ(o.passed[4], 0) << "a damaged slot is not counted as passed";
    EXPECT_EQ(o.passed[5], 0);
    EXPECT_DOUBLE_EQ(o.passShare(1), 0.75);
    EXPECT_EQ(passedSlots(o.pupils[0]), 2);

    EXPECT_EQ(ClassOverview::of({}).passShare(1), 0) << "an empty class";
}

TEST(ClassOverview, NamesAsTheyCanBeShown)
{
    const struct {
        QByteArray name;
        const char* shown;
    } cases[] = {
        {"\xC5sa \xD6"
         "berg",
         "Åsa Öberg"},
        {QByteArray("Bo\0\0\x07z", 6), "Bo???z"}, // the bytes after a name past its length
        {"", "(no name)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(printableName(c.name), QString::fromUtf8(c.shown));
}
