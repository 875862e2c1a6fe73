#include "diagnosisrecord.h"

#include "cp1252.h"

#include <QtEndian>

#include <algorithm>

namespace vindra::diagnosisrecord {

namespace {

constexpr int kSlots = kDiagnosisSlots;

void putText(QByteArray& out, int offset, int width, const QByteArray& text)
{
    const QByteArray t = text.left(width);
    out[offset] = static_cast<char>(t.size());
    std::copy(t.begin(), t.end(), out.begin() + offset + 1);
}

QByteArray getText(QByteArrayView bytes, int offset, int width)
{
    const int length = std::min<int>(static_cast<unsigned char>(bytes[offset]), width);
    return bytes.sliced(offset + 1, length).toByteArray();
}

template <typename T> void putArray(QByteArray& out, int offset, const std::array<T, kSlots + 1>& a)
{
    for (int s = 1; s <= kSlots; ++s)
        qToLittleEndian<T>(a[static_cast<size_t>(s)], out.data() + offset + (s - 1) * sizeof(T));
}

template <typename T> void getArray(QByteArrayView bytes, int offset, std::array<T, kSlots + 1>& a)
{
    for (int s = 1; s <= kSlots; ++s)
        a[static_cast<size_t>(s)] =
            qFromLittleEndian<T>(bytes.data() + offset + (s - 1) * static_cast<int>(sizeof(T)));
}

} // namespace

QByteArray toBytes(const DiagnosisRecord& r)
{
    QByteArray out(kSize, '\0');
    putText(out, kNameOffset, kNameWidth, r.name);
    putText(out, kPasswordOffset, kPasswordWidth, r.password);
    putArray(out, kResultOffset, r.result);
    for (int s = 1; s <= kSlots; ++s)
        out[kStateOffset + s - 1] = static_cast<char>(r.state[static_cast<size_t>(s)]);
    putArray(out, kYearOffset, r.year);
    putArray(out, kMonthOffset, r.month);
    putArray(out, kDayOffset, r.day);
    putArray(out, kHourOffset, r.hour);
    putArray(out, kMinuteOffset, r.minute);
    return out;
}

DiagnosisRecord fromBytes(QByteArrayView bytes)
{
    DiagnosisRecord r;
    if (bytes.size() < kSize)
        return r;
    r.name = getText(bytes, kNameOffset, kNameWidth);
    r.password = getText(bytes, kPasswordOffset, kPasswordWidth);
    getArray(bytes, kResultOffset, r.result);
    for (int s = 1; s <= kSlots; ++s)
        r.state[static_cast<size_t>(s)] = static_cast<quint8>(bytes[kStateOffset + s - 1]);
    getArray(bytes, kYearOffset, r.year);
    getArray(bytes, kMonthOffset, r.month);
    getArray(bytes, kDayOffset, r.day);
    getArray(bytes, kHourOffset, r.hour);
    getArray(bytes, kMinuteOffset, r.minute);
    return r;
}

QByteArray nameOf(QByteArrayView bytes)
{
    if (bytes.size() < kPasswordOffset)
        return {};
    return getText(bytes, kNameOffset, kNameWidth);
}

bool sameName(const QByteArray& a, const QByteArray& b)
{
    return a.size() == b.size() && cp1252::toUpper(a) == cp1252::toUpper(b);
}

QStringList problemsOf(QByteArrayView bytes)
{
    QStringList problems;
    if (bytes.size() < kSize)
        return {QStringLiteral("incomplete record of %1 bytes").arg(bytes.size())};
    const int nameLength = static_cast<unsigned char>(bytes[kNameOffset]);
    if (nameLength > kNameWidth)
        problems << QStringLiteral("name length %1 is past its field of %2")
                        .arg(nameLength)
                        .arg(kNameWidth);
    const int passwordLength = static_cast<unsigned char>(bytes[kPasswordOffset]);
    if (passwordLength > kPasswordWidth)
        problems << QStringLiteral("password length %1 is past its field of %2")
                        .arg(passwordLength)
                        .arg(kPasswordWidth);
    const QByteArray name = nameOf(bytes);
    if (name.isEmpty())
        problems << QStringLiteral("the name is empty");
    // Control characters, including the five bytes the code page leaves unassigned.
    if (std::any_of(name.begin(), name.end(), [](char c) {
            const auto b = static_cast<unsigned char>(c);
            return b < 32 || b == 127 || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 ||
                   b == 0x9D;
        }))
        problems << QStringLiteral("the name holds control characters");
    if (sameName(name, "V\xC4KTOR"))
        problems << QStringLiteral("the name is the teacher's login VÄKTOR: this record locks the "
                                   "teacher out");
    const DiagnosisRecord r = fromBytes(bytes);
    for (int s = 1; s <= kSlots; ++s) {
        const auto i = static_cast<size_t>(s);
        if (r.result[i] < 0 || r.result[i] > 20)
            problems
                << QStringLiteral("slot %1: result %2 is outside 0..20").arg(s).arg(r.result[i]);
        if (r.state[i] > 3)
            problems << QStringLiteral("slot %1: state %2 is outside 0..3").arg(s).arg(r.state[i]);
    }
    return problems;
}

bool isChainHead(int slot)
{
    return slot == 1 || slot == 2 || slot == 3 || slot == 6 || slot == 10 || slot == 15;
}

bool isChainFollower(int slot)
{
    return slot >= 2 && isChainHead(slot - 1);
}

QByteArray stateText(int state)
{
    static const char* const kTexts[] = {"Begin", "Wait", "Test", "Practise"};
    if (state < 0 || state > 3)
        return {};
    return kTexts[state];
}

quint8 GeStatusTal(DiagnosisRecord& r, int slot)
{
    if (slot < 1 || slot > kSlots)
        return 0;
    const auto s = static_cast<size_t>(slot);
    const bool head = isChainHead(slot);
    if (r.result[s] != 0) {
        if (r.result[s] >= kPassMark) {
            if (head)
                r.state[s + 1] = 2;
            return 2;
        }
        if (head)
            r.state[s + 1] = 1;
        return 3;
    }
    const quint8 answer = (isChainFollower(slot) && r.state[s] == 1) ? 1 : 0;
    if (head && r.result[s + 1] == 0)
        r.state[s + 1] = 1;
    return answer;
}

DiagnosisRecord cleared()
{
    DiagnosisRecord r;
    for (int s = 1; s <= kSlots; ++s)
        r.state[static_cast<size_t>(s)] = GeStatusTal(r, s);
    return r;
}

} // namespace vindra::diagnosisrecord
