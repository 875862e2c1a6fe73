#pragma once

#include <QString>
#include <QStringList>

/// File access for paths written the way the material and the directories file write them.
namespace vindra::files {

/// Maps a path that may use `\` and any letter case to a local path: every `\` becomes `/`,
/// and when the exact path does not exist each component is matched without regard to
/// letter case. When no such file exists the mapped path is returned unchanged, so an
/// existence test on it fails normally.
QString resolve(const QString& path);

/// True when `path` (resolved) names a regular file, not a directory.
bool isFile(const QString& path);

/// True when `path` (resolved) names a directory.
bool isDir(const QString& path);

/// Names of the entries of directory `dir` that match the wildcard `pattern` ("EN*.DAT")
/// without regard to letter case, in directory order. Empty when `dir` is not a directory.
QStringList listMatching(const QString& dir, const QString& pattern);

/// Tries to create and remove a probe file in directory `dir`; true when that worked. The
/// probe has a name no other process uses, so a file left in the directory by anyone never
/// decides the answer; only the probe itself is removed. Never reports anything.
bool isWritableDir(const QString& dir);

/// Reads a whole file; false when it is not a regular file or cannot be read.
bool readAll(const QString& path, QByteArray& out);

} // namespace vindra::files
