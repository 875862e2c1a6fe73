#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

#include <array>

namespace vindra {

/// Number of diagnosis slots of a pupil's record.
constexpr int kDiagnosisSlots = 20;

/// One pupil's diagnosis record: the in-memory form of a 336-byte record of the register
/// file. Arrays are indexed by slot 1..20 (index 0 unused).
struct DiagnosisRecord {
    QByteArray name;     ///< at most 21 characters, cp1252
    QByteArray password; ///< at most 10 characters, cp1252; empty = none
    std::array<qint32, kDiagnosisSlots + 1> result{};
    std::array<quint8, kDiagnosisSlots + 1> state{}; ///< 0 Begin, 1 Wait, 2 Test, 3 Practise
    std::array<quint16, kDiagnosisSlots + 1> year{};
    std::array<quint16, kDiagnosisSlots + 1> month{};
    std::array<quint16, kDiagnosisSlots + 1> day{};
    std::array<quint16, kDiagnosisSlots + 1> hour{};
    std::array<quint16, kDiagnosisSlots + 1> minute{};

    bool operator==(const DiagnosisRecord&) const = default;
};

/// The record on disk: fixed size, no header in the file, integers little-endian, texts a
/// length byte followed by the characters. Other installations read the same file, so the
/// layout is kept byte for byte.
namespace diagnosisrecord {

constexpr int kSize = 336;
constexpr int kNameWidth = 21;
constexpr int kPasswordWidth = 10;

// Field offsets.
constexpr int kNameOffset = 0;
constexpr int kPasswordOffset = 22;
constexpr int kReservedOffset = 33; ///< three bytes, zero in records written here
constexpr int kResultOffset = 36;   ///< signed 32-bit per slot
constexpr int kStateOffset = 116;   ///< one byte per slot
constexpr int kYearOffset = 136;    ///< unsigned 16-bit per slot, likewise the four below
constexpr int kMonthOffset = 176;
constexpr int kDayOffset = 216;
constexpr int kHourOffset = 256;
constexpr int kMinuteOffset = 296;

/// A test passes at this many right answers of 20.
constexpr int kPassMark = 15;

/// The 336 bytes of `record`. Texts longer than their field are cut; the bytes after a text
/// and the reserved bytes are zero.
QByteArray toBytes(const DiagnosisRecord& record);

/// The record held in the first 336 bytes of `bytes` (which must be that long). A length
/// byte larger than its field is taken as the field's width, so a damaged record never
/// reads past its field.
DiagnosisRecord fromBytes(QByteArrayView bytes);

/// The name of a stored record (the first 22 bytes suffice), read like fromBytes does.
QByteArray nameOf(QByteArrayView bytes);

/// Names match ignoring letter case (cp1252 capitals, so "å" matches "Å").
bool sameName(const QByteArray& a, const QByteArray& b);

/// What is impossible or harmful in one stored record: length bytes past their field, results
/// outside 0..20, states outside 0..3, an empty name, a name with control characters, and the
/// teacher's login "VÄKTOR" as a name (which locks the teacher out). Empty for a sound record.
/// Texts are in English for the tools.
QStringList problemsOf(QByteArrayView bytes);

/// Slots that unlock a follower (the next slot), and the followers.
bool isChainHead(int slot);
bool isChainFollower(int slot);

/// The display texts of the slot states 0..3: "Begin", "Wait", "Test", "Practise"; empty for
/// any other value.
QByteArray stateText(int state);

/// The state of `slot` computed from its result and state in `record`; may set the state of
/// the slot's follower when `slot` is a chain head. The caller stores the answer.
quint8 GeStatusTal(DiagnosisRecord& record, int slot);

/// A cleared record: no name, no password, no results, the states of a fresh pupil (the
/// followers of chains "Wait", every other slot "Begin").
DiagnosisRecord cleared();

} // namespace diagnosisrecord

} // namespace vindra
