#pragma once

#include <QString>
#include <QStringList>

namespace vindra {

/// Finds the module `fileName` in the first of `dirs` that holds it and resolves `symbol` in
/// it. The module stays loaded for the rest of the run. Null, with `error` saying why ("… finns
/// inte (sökt: …)" or the loader's own message), when it cannot be found or loaded.
QFunctionPointer resolveModule(const QStringList& dirs, const QString& fileName, const char* symbol,
                               QString& error);

} // namespace vindra
