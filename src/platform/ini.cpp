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

/// `value` without a comment: a ";" after a blank (space or tab) and outside double quotes
/// ends the value.
QByteArray withoutComment(const QByteArray& value)
{
    bool quoted = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '"')
            quoted = !quoted;
        else if (c == ';' && !quoted && i > 0 && (value[i - 1] == ' ' || value[i - 1] == '\t'))
            return value.left(i).trimmed();
    }
    return value;
}

bool hasHighBytes(const QByteArray& bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) > 127)
            return true;
    }
    return false;
}

} // namespace

IniFile IniFile::load(const QString& path)
{
    QByteArray content;
    if (!files::readAll(path, content))
        return {};
    return parse(content);
}

IniFile IniFile::parse(const QByteArray& file)
{
    IniFile ini;
    QByteArray content = file;
    if (content.startsWith("\xEF\xBB\xBF")) {
        content.remove(0, 3);
        ini.m_utf8 = true;
    } else {
        ini.m_utf8 = hasHighBytes(content) && content.isValidUtf8();
    }
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
        QByteArray value = withoutComment(line.mid(eq + 1)).trimmed();
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
