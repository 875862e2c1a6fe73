#pragma once

#include <QByteArray>

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
};

} // namespace vindra
