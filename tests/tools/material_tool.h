#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

namespace vindra::test {

/// What one run of vindra-material gave.
struct ToolRun {
    int code = -1;
    QByteArray out;
    QByteArray err;
};

inline ToolRun materialTool(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(VINDRA_MATERIAL_TOOL), args);
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

/// Writes raw bytes, creating folders.
inline void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(content);
}

inline QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace vindra::test
