#include "files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

namespace vindra::files {

namespace {

QString mapSeparators(const QString& path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // Doubled separators come from joining a directory that ends in a separator.
    while (p.contains(QLatin1String("//")))
        p.replace(QLatin1String("//"), QLatin1String("/"));
    return p;
}

QString findEntry(const QString& dir, const QString& name)
{
    const QDir d(dir.isEmpty() ? QStringLiteral(".") : dir);
    const QStringList entries =
        d.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& e : entries) {
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return e;
    }
    return {};
}

QString join(const QString& dir, const QString& name)
{
    if (dir.isEmpty() || dir.endsWith(QLatin1Char('/')))
        return dir + name;
    return dir + QLatin1Char('/') + name;
}

} // namespace

QString resolve(const QString& path)
{
    const QString mapped = mapSeparators(path);
    if (mapped.isEmpty() || QFileInfo::exists(mapped))
        return mapped;

    const bool absolute = mapped.startsWith(QLatin1Char('/'));
    const QStringList parts = mapped.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = absolute ? QStringLiteral("/") : QString();
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        const QString next = join(current, part);
        if (part == QLatin1String(".") || part == QLatin1String("..") || QFileInfo::exists(next)) {
            current = next;
            continue;
        }
        const QString match = findEntry(current, part);
        if (match.isEmpty())
            return mapped;
        current = join(current, match);
    }
    return current;
}

bool isFile(const QString& path)
{
    return QFileInfo(resolve(path)).isFile();
}

bool isDir(const QString& path)
{
    return QFileInfo(resolve(path)).isDir();
}

QStringList listMatching(const QString& dir, const QString& pattern)
{
    const QString resolved = resolve(dir);
    if (!QFileInfo(resolved).isDir())
        return {};
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern),
                                QRegularExpression::CaseInsensitiveOption);
    QStringList result;
    const QStringList entries = QDir(resolved).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QString& e : entries) {
        if (re.match(e).hasMatch())
            result << e;
    }
    return result;
}

bool isWritableDir(const QString& dir)
{
    const QString resolved = resolve(dir);
    if (!QFileInfo(resolved).isDir())
        return false;
    QTemporaryFile probe(resolved + QStringLiteral("/temp.XXXXXX.$$$"));
    return probe.open(); // removed again when it goes out of scope
}

bool readAll(const QString& path, QByteArray& out)
{
    const QString resolved = resolve(path);
    if (!QFileInfo(resolved).isFile())
        return false;
    QFile f(resolved);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    out = f.readAll();
    return f.error() == QFile::NoError;
}

} // namespace vindra::files
