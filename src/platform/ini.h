#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace vindra {

/// A parsed INI file. Sections and keys match without regard to letter case; values are
/// the raw bytes of the file (the directories file is in the Windows code page), with
/// surrounding blanks and one pair of surrounding double quotes removed.
class IniFile {
public:
    /// Reads `path`; a missing or unreadable file gives an empty INI file.
    static IniFile load(const QString& path);
    static IniFile parse(const QByteArray& content);

    /// The value of `key` in `section`, or `fallback` when either is missing.
    QByteArray value(const QString& section, const QString& key,
                     const QByteArray& fallback = {}) const;

private:
    QHash<QString, QByteArray> m_values; // "section\nkey", both in lower case
};

/// The folder that holds the directories file "Kelvo97.Ini": the first of the executable's
/// folder, $XDG_CONFIG_HOME/vindra (default ~/.config/vindra) and /etc/vindra that has the
/// file; the executable's folder when none has it.
QString findWindowsDirectory(const QString& executableDir);

} // namespace vindra
