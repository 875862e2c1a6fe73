#include "engine/diagnosisrecord.h"
#include "support/material.h"

#include <QtEndian>

#include <gtest/gtest.h>

using namespace vindra;
namespace rec = vindra::diagnosisrecord;

namespace {

std::string states(const DiagnosisRecord& r)
{
    std::string s;
    for (int i = 1; i <= kDiagnosisSlots; ++i)
        s += static_cast<char>('0' + r.state[static_cast<size_t>(i)]);
    return s;
}

} // namespace

TEST(DiagnosisRecord, LayoutOfTheStoredRecord)
{
    DiagnosisRecord r;
    r.name = "\xC5sa Berg";
    r.password = "hemlig";
    for (int s = 1; s <= kDiagnosisSlots; ++s) {
        const auto i = static_cast<size_t>(s);
        r.result[i] = s;
        r.state[i] = static_cast<quint8>(s % 4);
        r.year[i] = static_cast<quint16>(2000 + s);
        r.month[i] = static_cast<quint16>(s % 12 + 1);
        r.day[i] = static_cast<quint16>(s + 1);
        r.hour[i] = static_cast<quint16>(s);
        r.minute[i] = static_cast<quint16>(s + 30);
    }
    r.result[20] = -2; // signed

    const QByteArray b = rec::toBytes(r);
    ASSERT_EQ(b.size(), 336);
    EXPECT_EQ(b.left(9), QByteArray("\x08\xC5sa Berg"));
    EXPECT_EQ(b.mid(9, 13), QByteArray(13, '\0'));
    EXPECT_EQ(b.mid(22, 7), QByteArray("\x06hemlig"));
    EXPECT_EQ(b.mid(29, 7), QByteArray(7, '\0')) << "rest of the password and the reserved bytes";
    auto u16 = [&](int at) { return qFromLittleEndian<quint16>(b.constData() + at); };
    auto i32 = [&](int at) { return qFromLittleEndian<qint32>(b.constData() + at); };
    EXPECT_EQ(i32(36), 1);
    EXPECT_EQ(i32(36 + 4 * 19), -2);
    EXPECT_EQ(b.at(116), 1);
    EXPECT_EQ(b.at(135), 0);
    const struct {
        int offset;
        quint16 slot1, slot20;
    } arrays[] = {{136, 2001, 2020}, {176, 2, 9}, {216, 2, 21}, {256, 1, 20}, {296, 31, 50}};
    for (const auto& a : arrays) {
        SCOPED_TRACE(a.offset);
        EXPECT_EQ(u16(a.offset), a.slot1);
        EXPECT_EQ(u16(a.offset + 38), a.slot20);
    }
    EXPECT_EQ(rec::fromBytes(b), r);
}

TEST(DiagnosisRecord, DamagedLengthBytesStayInsideTheirField)
{
    DiagnosisRecord r;
    r.name = QByteArray(30, 'n');
    r.password = QByteArray(12, 'p');
    QByteArray b = rec::toBytes(r);
    EXPECT_EQ(rec::fromBytes(b).name, QByteArray(21, 'n')) << "cut to the field";
    EXPECT_EQ(rec::fromBytes(b).password, QByteArray(10, 'p'));
    EXPECT_TRUE(rec::problemsOf(b).isEmpty());

    b[0] = static_cast<char>(200);
    b[22] = static_cast<char>(11);
    qToLittleEndian<qint32>(21, b.data() + 36 + 4 * 2);
    b[116 + 4] = 4;
    const DiagnosisRecord read = rec::fromBytes(b);
    EXPECT_EQ(read.name.size(), 21);
    EXPECT_EQ(read.password.size(), 10);
    EXPECT_EQ(rec::problemsOf(b).size(), 4) << rec::problemsOf(b).join("; ").toStdString();
}

TEST(DiagnosisRecord, FreshRecordWaitsOnChainFollowers)
{
    EXPECT_EQ(states(rec::cleared()), "01110010001000010000");
}

TEST(DiagnosisRecord, SlotStatesFollowTheChains)
{
    // result on `slot` of a fresh record -> state string of the record afterwards
    const struct {
        int slot;
        int result;
        const char* after;
    } cases[] = {
        {1, 15, "22110010001000010000"}, {1, 14, "31110010001000010000"},
        {5, 15, "01112010001000010000"}, {6, 20, "01110220001000010000"},
        {15, 3, "01110010001000310000"}, {16, 15, "01110010001000020000"},
        {4, 15, "01120010001000010000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slot * 100 + c.result);
        DiagnosisRecord r = rec::cleared();
        r.result[static_cast<size_t>(c.slot)] = c.result;
        r.state[static_cast<size_t>(c.slot)] = rec::GeStatusTal(r, c.slot);
        EXPECT_EQ(states(r), c.after);
    }
    // A head taken back to no result puts its follower back to "Wait" unless the follower
    // has a result of its own.
    DiagnosisRecord r = rec::cleared();
    r.state[2] = 2;
    r.result[3] = 16;
    r.state[3] = 2;
    r.state[1] = rec::GeStatusTal(r, 1);
    r.state[2] = rec::GeStatusTal(r, 2);
    EXPECT_EQ(r.state[2], 1);
    EXPECT_EQ(r.state[3], 2);
}

TEST(DiagnosisRecord, DiagnosbackRecordsTheResult)
{
    test::Installation inst;
    Engine e(inst.messages, inst.clock, 1);
    e.diagnosis.current = rec::cleared();
    struct CountingProtocol : ProtocolView {
        void setStateCell(int, const QByteArray&) override {}
        void hideWaitPanel() override {}
        void setProtocolEnabled(bool) override {}
        void refreshProtocol() override { ++redraws; }
        int redraws = 0;
    } protocol;
    e.diagnosis.protocol = &protocol;

    e.diagnosis.currentSlot = 6;
    e.diagnosback(15);
    EXPECT_EQ(e.diagnosis.current.result[6], 15);
    EXPECT_EQ(e.diagnosis.current.state[6], 2);
    EXPECT_EQ(e.diagnosis.current.state[7], 2) << "follower unlocked";
    EXPECT_EQ(e.diagnosis.current.year[6], 2002);
    EXPECT_EQ(e.diagnosis.current.month[6], 12);
    EXPECT_EQ(e.diagnosis.current.day[6], 1);
    EXPECT_EQ(e.diagnosis.current.hour[6], 8);
    EXPECT_EQ(e.diagnosis.current.minute[6], 23);
    EXPECT_TRUE(e.diagnosis.recordChanged);
    EXPECT_EQ(protocol.redraws, 1);

    // 0 after a positive result: practise, and the result is gone.
    e.diagnosback(0);
    EXPECT_EQ(e.diagnosis.current.result[6], 0);
    EXPECT_EQ(e.diagnosis.current.state[6], 3);

    // A first 0 leaves "Begin", or "Wait" on a waiting follower.
    for (const int slot : {5, 7}) {
        e.diagnosis.current = rec::cleared();
        e.diagnosis.currentSlot = slot;
        e.diagnosback(0);
        EXPECT_EQ(e.diagnosis.current.state[static_cast<size_t>(slot)], slot == 7 ? 1 : 0);
    }
}
