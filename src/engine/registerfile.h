#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

/// The bytes of the diagnosis register "RDIAG.DIA" and of the teacher password file as pure
/// functions: what a change of the register does to the file's content, apart from reading
/// and writing it. Shared by the register, the tools and the fuzzer.
namespace vindra::registerfile {

/// A register file split into its whole records and the bytes at its end that do not make a
/// whole record (a damaged file).
struct Contents {
    QList<QByteArray> records; ///< 336 bytes each, in file order
    QByteArray tail;           ///< 0..335 bytes
};
Contents split(const QByteArray& bytes);

/// `bytes` with the record `record` (336 bytes) stored: every record of the same name (any
/// letter case) is replaced by it, and without one it is appended. With `addOnly` nothing
/// when a record of the same name exists. Records of other pupils are kept byte for byte;
/// bytes at the end that do not make a whole record are completed with zero bytes and kept as
/// a record of their own, never dropped.
std::optional<QByteArray> withRecord(const QByteArray& bytes, const QByteArray& record,
                                     bool addOnly);

/// `bytes` without the records named exactly `name` (letter case included) and without the
/// records that have no name; a damaged end is completed and kept as with `withRecord`.
QByteArray withoutName(const QByteArray& bytes, const QByteArray& name);

/// The 54-byte record of the teacher password file for `password`.
QByteArray teacherRecord(const QByteArray& password);
/// The teacher password held in a teacher password file's first record.
QByteArray teacherPasswordOf(const QByteArray& fileBytes);

} // namespace vindra::registerfile
