#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace vindra {

/// A parsed INI file. Sections and keys match without regard to letter case; values are
/// the raw bytes of the file, with surrounding blanks and one pair of surrounding double
/// quotes removed. A ";" after a blank begins a comment that runs to the end of the line,
/// except inside double quotes; a ";" right after other text is part of the value, so a path
/// such as /srv/a;b is read whole (a path with a blank before a ";" must be quoted).
///
/// The directories file is in the Windows code page, or in UTF-8 as a Linux editor writes
/// it; isUtf8() tells which (a byte-order mark is dropped).
class IniFile {
public:
    /// Reads `path`; a missing or unreadable file gives an empty INI file.
    static IniFile load(const QString& path);
    static IniFile parse(const QByteArray& content);

    /// The value of `key` in `section`, or `fallback` when either is missing.
    QByteArray value(const QString& section, const QString& key,
                     const QByteArray& fallback = {}) const;

    /// True when the file is UTF-8: it begins with a byte-order mark, or it holds bytes above
    /// 127 and all of them form valid UTF-8 (text in the Windows code page with such letters
    /// practically never does). Values are then UTF-8; otherwise they are cp1252.
    bool isUtf8() const { return m_utf8; }

private:
    QHash<QString, QByteArray> m_values; // "section\nkey", both in lower case
    bool m_utf8 = false;
};

/// The folder that holds the directories file "Kelvo97.Ini": the first of the executable's
/// folder, $XDG_CONFIG_HOME/vindra (default ~/.config/vindra) and /etc/vindra that has the
/// file; the executable's folder when none has it.
QString findWindowsDirectory(const QString& executableDir);

} // namespace vindra
