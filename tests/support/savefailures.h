#pragma once

#include "support/readonly.h"

#include <QDir>
#include <QLockFile>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace vindra::test {

/// One way a save of the register fails, and what the person is told about it.
struct SaveFailure {
    const char* what;
    /// Sets the trouble up in the results directory `results`. `keep` holds it for as long as
    /// it lasts: releasing it mends the trouble again. False where it cannot be made here.
    std::function<bool(const QString& results, std::shared_ptr<void>& keep)> cause;
    /// The reason given, in the program's words; "%1" stands for the results directory.
    QString text;
};

/// The troubles a classroom meets, each with an immediate answer (the lock's wait aside).
inline std::vector<SaveFailure> saveFailures()
{
    return {
        {"no directory",
         [](const QString& d, std::shared_ptr<void>& keep) {
             keep = std::shared_ptr<void>(nullptr, [d](void*) { QDir().mkpath(d); });
             return QDir(d).removeRecursively();
         },
         QStringLiteral("Katalogen %1 finns inte.")},
        {"a read-only directory",
         [](const QString& d, std::shared_ptr<void>& keep) {
             auto readOnly = std::make_shared<ReadOnlyDirectory>(d);
             keep = readOnly;
             return readOnly->active();
         },
         QStringLiteral("Du har inte rätt att skriva i katalogen %1.")},
        {"a lock held by another computer",
         [](const QString& d, std::shared_ptr<void>& keep) {
             auto lock = std::make_shared<QLockFile>(d + QStringLiteral("/RDIAG.LCK"));
             keep = lock;
             return lock->tryLock(0);
         },
         QStringLiteral("Diagnosfilen %1\\RDIAG.DIA används av en annan dator. Programmet har "
                        "väntat i 0 sekunder.")},
        {"a directory in the register's place",
         [](const QString& d, std::shared_ptr<void>& keep) {
             keep = std::shared_ptr<void>(
                 nullptr, [d](void*) { QDir(d).rmdir(QStringLiteral("RDIAG.DIA")); });
             return QDir(d).mkdir(QStringLiteral("RDIAG.DIA"));
         },
         QStringLiteral("%1/RDIAG.DIA är ingen vanlig fil (utan en katalog, en enhet eller en "
                        "länk till en annan plats).")},
    };
}

} // namespace vindra::test
