#include "ini.h"

#include "files.h"

#include <QDir>
#include <QFile>
#include <QList>

namespace vindra {

namespace {

QString keyOf(const QString& section, const QString& key)
{
    return section.trimmed().toLower() + QLatin1Char('\n') + key.trimmed().toLower();
}

} // namespace

IniFile IniFile::load(const QString& path)
{
    QByteArray content;
    if (!files::readAll(path, content))
        return {};
    return parse(content);
}

IniFile IniFile::parse(const QByteArray& content)
{
    IniFile ini;
    QString section;
    const QList<QByteArray> lines = content.split('\n');
    for (QByteArray line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            const int close = line.indexOf(']');
            section = QString::fromLatin1(line.mid(1, close < 0 ? -1 : close - 1));
            continue;
        }
        const int eq = line.indexOf('=');
        if (eq <= 0)
            continue;
        const QString key = QString::fromLatin1(line.left(eq));
        QByteArray value = line.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        const QString k = keyOf(section, key);
        if (!ini.m_values.contains(k)) // the first occurrence wins, as on Windows
            ini.m_values.insert(k, value);
    }
    return ini;
}

QByteArray IniFile::value(const QString& section, const QString& key,
                          const QByteArray& fallback) const
{
    return m_values.value(keyOf(section, key), fallback);
}

QString findWindowsDirectory(const QString& executableDir)
{
    const QString name = QStringLiteral("Kelvo97.Ini");
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    const QStringList candidates = {executableDir, config + QStringLiteral("/vindra"),
                                    QStringLiteral("/etc/vindra")};
    for (const QString& dir : candidates) {
        if (files::isFile(dir + QLatin1Char('/') + name))
            return dir;
    }
    return executableDir;
}

} // namespace vindra
