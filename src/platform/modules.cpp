#include "modules.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace vindra {

QFunctionPointer resolveModule(const QStringList& dirs, const QString& fileName, const char* symbol,
                               QString& error)
{
    QStringList tried;
    for (const QString& dir : dirs) {
        const QString path = QDir(dir).filePath(fileName);
        if (!QFileInfo::exists(path)) {
            tried << path;
            continue;
        }
        QLibrary library(path);
        const QFunctionPointer resolved = library.resolve(symbol);
        if (!resolved)
            error = library.errorString();
        return resolved;
    }
    error = QStringLiteral("%1 finns inte (s\u00f6kt: %2)")
                .arg(fileName, tried.join(QStringLiteral(", ")));
    return nullptr;
}

} // namespace vindra
