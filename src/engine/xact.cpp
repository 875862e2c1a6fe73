#include "xact.h"

#include "cipher.h"
#include "cp1252.h"
#include "platform/files.h"

#include <QtEndian>

namespace vindra::xact {

namespace {

bool sameName(const QByteArray& a, const QByteArray& b)
{
    return cp1252::toUpper(a) == cp1252::toUpper(b);
}

QString resultsFile(const QByteArray& resultsDir, const char* name)
{
    // The directory is resolved first, so that a file that does not exist yet still lands in
    // the directory however its name is spelled in the directories file.
    const QString dir = files::resolve(cp1252::toUnicode(resultsDir));
    return files::resolve(dir + QLatin1Char('/') + QLatin1String(name));
}

} // namespace

// ---- Levels ---------------------------------------------------------------------------------

int splitLevel(const QByteArray& line, QByteArray* item)
{
    int digits = 0;
    while (digits < line.size() && digits < 3 && line[digits] >= '0' && line[digits] <= '9')
        ++digits;
    if (digits == 0 || digits > 2)
        return 0;
    const int level = line.left(digits).toInt();
    if (level < 1 || level > kMaxLevels)
        return 0;
    const qsizetype hash = line.indexOf('#', 1);
    if (hash < 0 || hash >= line.size() - 1)
        return 0;
    if (item)
        *item = line.mid(digits);
    return level;
}

Levels readLevels(const QByteArray& content)
{
    Levels out;
    for (QByteArray line : content.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('$'))
            continue;
        if (cipher::isScrambled(line)) {
            line = cipher::dekryptrad(line);
        }
        QByteArray item;
        const int level = splitLevel(line, &item);
        if (level == 0)
            continue;
        QList<QByteArray>& items = out.items[static_cast<size_t>(level)];
        if (items.size() < kItemsPerLevel)
            items.append(item);
    }
    return out;
}

int Levels::top() const
{
    int level = 0;
    while (level < kMaxLevels && !items[static_cast<size_t>(level + 1)].isEmpty())
        ++level;
    return level;
}

// ---- The save file --------------------------------------------------------------------------

QList<Record> parse(const QByteArray& bytes)
{
    QList<Record> out;
    for (qsizetype at = 0; at + kRecordSize <= bytes.size(); at += kRecordSize) {
        Record r;
        const QByteArray field = bytes.mid(at, kNameField - 1);
        const qsizetype end = field.indexOf('\0');
        r.name = end < 0 ? field : field.left(end);
        r.level = qFromLittleEndian<qint32>(bytes.constData() + at + kNameField);
        out.append(r);
    }
    return out;
}

QByteArray serialize(const QList<Record>& records)
{
    QByteArray out;
    out.reserve(records.size() * kRecordSize);
    for (const Record& r : records) {
        QByteArray rec(kRecordSize, '\0');
        const QByteArray name = r.name.left(kNameField - 1);
        std::copy(name.begin(), name.end(), rec.begin());
        qToLittleEndian<qint32>(r.level, rec.data() + kNameField);
        out += rec;
    }
    return out;
}

int fetchLevel(const QList<Record>& records, const QByteArray& name, int current, int topLevel)
{
    for (const Record& r : records)
        if (sameName(r.name, name) && r.level >= 1 && r.level <= topLevel - 1)
            return r.level;
    return current;
}

QList<Record> afterSave(const QList<Record>& records, const QByteArray& name, int level)
{
    QList<Record> out;
    bool found = false;
    for (qsizetype i = 0; i < records.size() && i < kMaxRecords; ++i) {
        Record r = records[i];
        if (sameName(r.name, name)) {
            found = true;
            if (r.level < level)
                r.level = level;
        }
        if (!r.name.isEmpty() && r.level > 1)
            out.append(r);
    }
    if (!found && level > 1)
        out.append({name, level});
    return out;
}

QString savePath(const QByteArray& resultsDir)
{
    return resultsFile(resultsDir, kFileName);
}

QString lockPath(const QByteArray& resultsDir)
{
    return resultsFile(resultsDir, kLockName);
}

FetchStatus fetch(const QByteArray& resultsDir, const QByteArray& name, int topLevel, int& level)
{
    recordfile::Content content;
    if (!recordfile::read(savePath(resultsDir), content))
        return FetchStatus::Unreadable;
    if (!content.exists)
        return FetchStatus::NoFile;
    const int found = fetchLevel(parse(content.bytes), name, 0, topLevel);
    if (found == 0)
        return FetchStatus::NotFound;
    level = found;
    return FetchStatus::Found;
}

recordfile::Status save(const QByteArray& resultsDir, const QByteArray& name, int level,
                        recordfile::Error* error, const std::function<void()>& beforeCommit,
                        int lockWaitMs)
{
    auto change = [&](recordfile::Content& content) {
        if (!content.exists) {
            content.bytes = serialize({{name, level}});
            return true;
        }
        const QList<Record> before = parse(content.bytes);
        const QList<Record> after = afterSave(before, name, level);
        if (after == before && content.bytes.size() == before.size() * kRecordSize)
            return false;
        content.bytes = serialize(after);
        return true;
    };
    return recordfile::rewrite(savePath(resultsDir), lockPath(resultsDir), change, error,
                               beforeCommit, lockWaitMs);
}

} // namespace vindra::xact
