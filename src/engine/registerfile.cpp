#include "registerfile.h"

#include "cipher.h"
#include "diagnosisrecord.h"

#include <algorithm>

namespace vindra::registerfile {

namespace {

namespace rec = diagnosisrecord;

constexpr int kTeacherRecordSize = 54;
constexpr int kTeacherFieldWidth = 26;
constexpr char kTeacherMarker[] = "V\xC4KTOR";

/// The whole records of `bytes`, the damaged end completed into one more.
QList<QByteArray> completedRecords(const QByteArray& bytes)
{
    Contents c = split(bytes);
    if (!c.tail.isEmpty())
        c.records << c.tail + QByteArray(rec::kSize - c.tail.size(), '\0');
    return c.records;
}

} // namespace

Contents split(const QByteArray& bytes)
{
    Contents c;
    qsizetype at = 0;
    for (; at + rec::kSize <= bytes.size(); at += rec::kSize)
        c.records << bytes.mid(at, rec::kSize);
    c.tail = bytes.mid(at);
    return c;
}

std::optional<QByteArray> withRecord(const QByteArray& bytes, const QByteArray& record,
                                     bool addOnly)
{
    const QByteArray name = rec::nameOf(record);
    QByteArray out;
    bool matched = false;
    for (const QByteArray& r : completedRecords(bytes)) {
        if (rec::sameName(rec::nameOf(r), name)) {
            if (addOnly)
                return std::nullopt;
            matched = true;
            out += record;
        } else {
            out += r;
        }
    }
    if (!matched)
        out += record;
    return out;
}

QByteArray withoutName(const QByteArray& bytes, const QByteArray& name)
{
    QByteArray out;
    for (const QByteArray& r : completedRecords(bytes)) {
        const QByteArray n = rec::nameOf(r);
        if (n != name && !n.isEmpty())
            out += r;
    }
    return out;
}

QByteArray teacherRecord(const QByteArray& password)
{
    QByteArray out(kTeacherRecordSize, '\0');
    auto put = [&](int offset, const QByteArray& text) {
        const QByteArray t = text.left(kTeacherFieldWidth);
        out[offset] = static_cast<char>(t.size());
        out.replace(offset + 1, t.size(), t);
    };
    put(0, cipher::kryptrad(kTeacherMarker));
    put(kTeacherFieldWidth + 1, cipher::kryptrad(password));
    return out;
}

QByteArray teacherPasswordOf(const QByteArray& fileBytes)
{
    constexpr int offset = kTeacherFieldWidth + 1;
    if (fileBytes.size() <= offset)
        return {};
    const int length =
        std::min<int>(static_cast<unsigned char>(fileBytes[offset]), kTeacherFieldWidth);
    return cipher::dekryptrad(fileBytes.mid(offset + 1, length));
}

} // namespace vindra::registerfile
