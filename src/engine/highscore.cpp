#include "highscore.h"

#include "catalogue.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace vindra::highscore {

namespace {

quint16 u16At(const char* p)
{
    return qFromLittleEndian<quint16>(p);
}

void putU16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian<quint16>(v, b);
    out.append(b, 2);
}

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

Kind kindOf(int exerciseCode)
{
    return catalogue::timedHighScore(exerciseCode) ? Kind::Time : Kind::Points;
}

void Entry::stamp(const QDateTime& now)
{
    const QDate d = now.date();
    const QTime t = now.time();
    year = static_cast<quint16>(d.year());
    month = static_cast<quint16>(d.month());
    day = static_cast<quint16>(d.day());
    hour = static_cast<quint16>(t.hour());
    minute = static_cast<quint16>(t.minute());
}

quint16 clampScore(double score)
{
    if (!(score > 0)) // also NaN
        return 0;
    if (score >= kMaxScore)
        return kMaxScore;
    return static_cast<quint16>(score);
}

QList<Entry> decode(const QByteArray& bytes)
{
    QList<Entry> entries;
    for (qsizetype at = 0; at + kRecordSize <= bytes.size(); at += kRecordSize) {
        const char* r = bytes.constData() + at;
        Entry e;
        const int length = std::min<int>(static_cast<unsigned char>(r[0]), kNameLength);
        e.name = QByteArray(r + 1, length);
        e.year = u16At(r + 22);
        e.month = u16At(r + 24);
        e.day = u16At(r + 26);
        e.hour = u16At(r + 28);
        e.minute = u16At(r + 30);
        e.score = u16At(r + 32);
        entries.append(e);
    }
    return entries;
}

QByteArray encode(const Entry& e)
{
    QByteArray out;
    out.reserve(kRecordSize);
    const QByteArray name = e.name.left(kNameLength);
    out.append(static_cast<char>(name.size()));
    out.append(name);
    out.append(QByteArray(kNameLength - name.size(), '\0'));
    for (quint16 v : {e.year, e.month, e.day, e.hour, e.minute, e.score})
        putU16(out, v);
    return out;
}

QByteArray encode(const QList<Entry>& entries)
{
    QByteArray out;
    int written = 0;
    for (const Entry& e : entries) {
        if (written == kTableSize)
            break;
        if (e.name.isEmpty())
            continue;
        out += encode(e);
        ++written;
    }
    return out;
}

bool better(quint16 candidate, quint16 record, Kind kind)
{
    return kind == Kind::Time ? candidate < record : candidate > record;
}

Placement place(const QList<Entry>& records, const Entry& entry, Kind kind)
{
    Placement p;
    bool placed = false;
    for (const Entry& r : records) {
        if (p.rows.size() == kTableSize)
            break;
        if (!placed && better(entry.score, r.score, kind)) {
            p.rows.append(entry);
            p.row = static_cast<int>(p.rows.size());
            placed = true;
            if (p.rows.size() == kTableSize)
                break;
        }
        p.rows.append(r);
    }
    if (!placed) {
        if (p.rows.size() < kTableSize) {
            p.rows.append(entry);
            p.row = static_cast<int>(p.rows.size());
        } else {
            p.row = kNoPlace;
        }
    }
    return p;
}

QString rowNumberText(int row)
{
    if (row == kNoPlace)
        return QStringLiteral("  X");
    const QString digits = QString::number(row);
    if (row < 10)
        return QStringLiteral("    ") + digits;
    if (row < 100)
        return QStringLiteral("  ") + digits;
    return digits;
}

QString dateText(const Entry& e)
{
    // The year as its last two digits, so that a damaged or short year still reads as two.
    return twoDigits(e.year % 100) + twoDigits(e.month) + twoDigits(e.day) + QLatin1Char(' ') +
           twoDigits(e.hour) + QLatin1Char(':') + twoDigits(e.minute);
}

QString scoreText(quint16 score, Kind kind)
{
    if (score == 0)
        return {};
    int blanks = 3;
    if (score < 10)
        blanks = 9;
    else if (score < 100)
        blanks = 8;
    else if (score < 1000)
        blanks = 6;
    else if (score < 10000)
        blanks = 4;
    QString digits = QString::number(score);
    if (kind == Kind::Time) {
        if (digits.size() == 1)
            digits.prepend(QLatin1Char('0'));
        digits.insert(digits.size() - 1, QLatin1Char(','));
    }
    return QString(blanks, QLatin1Char(' ')) + digits;
}

QString scoreHeader(Kind kind)
{
    return kind == Kind::Time ? QStringLiteral("  Score, sec") : QStringLiteral("    Score");
}

QByteArray fileNameFor(const QByteArray& dataFileName)
{
    const qsizetype dot = dataFileName.lastIndexOf('.');
    return (dot < 0 ? dataFileName : dataFileName.left(dot)) + ".ENR";
}

QString lockPathFor(const QString& path)
{
    return path + QStringLiteral(".LCK");
}

std::optional<Loaded> load(const QString& path, recordfile::Error* error)
{
    recordfile::Content content;
    if (!recordfile::read(path, content, error))
        return std::nullopt;
    return Loaded{content.exists, decode(content.bytes)};
}

bool createEmpty(const QString& path, recordfile::Error* error)
{
    const recordfile::Status status = recordfile::rewrite(
        path, lockPathFor(path), [](recordfile::Content& c) { return !c.exists; }, error);
    return status == recordfile::Status::Saved || status == recordfile::Status::Unchanged;
}

SaveResult save(const QString& path, const Entry& entry, Kind kind, recordfile::Error* error,
                int lockWaitMs)
{
    SaveResult result;
    if (entry.name.isEmpty()) {
        result.status = recordfile::Status::Unchanged;
        return result;
    }
    auto change = [&](recordfile::Content& c) {
        const Placement p = place(decode(c.bytes), entry, kind);
        result.row = p.row;
        if (p.row == kNoPlace)
            return false;
        c.bytes = encode(p.rows);
        return true;
    };
    result.status = recordfile::rewrite(path, lockPathFor(path), change, error, {}, lockWaitMs);
    return result;
}

} // namespace vindra::highscore
