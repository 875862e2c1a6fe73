#pragma once

#include "diagnosisrecord.h"
#include "recordfile.h"
#include "registerfile.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace vindra {

class Engine;

/// The diagnosis register of a class: the file "RDIAG.DIA" of 336-byte records in the results
/// directory, the backups that "Ta bort alla diagnoser" leaves, and the teacher password
/// file. Works on the engine's directories and its current diagnosis record, and reports to
/// the person through the engine's messages.
///
/// Every change of the register is a read-modify-write under the lock file "RDIAG.LCK" in the
/// results directory, and the new register replaces the old one atomically, so that computers
/// of a class saving at the same moment all keep their pupils' results and a crash never
/// leaves a half-written register.
class DiagnosisRegister {
public:
    explicit DiagnosisRegister(Engine& engine);

    /// Local paths of the register, its lock file, a backup and the teacher password file.
    QString registerPath() const;
    QString lockPath() const;
    QString backupPath(const QByteArray& stamp) const;
    /// The CD directory's "\DATA\ENG45444.DOT" when that file exists, else the hard-disk
    /// directory's; chosen anew at each call.
    QString teacherPasswordPath() const;

    /// A register file split into its whole records and the bytes at its end that do not
    /// make a whole record (a damaged file).
    using Contents = registerfile::Contents;
    static Contents split(const QByteArray& bytes) { return registerfile::split(bytes); }
    /// The register as it is on disk; nothing when it is missing or cannot be read (`error`
    /// then says why; it stays empty for a missing register). Only a regular file of at most
    /// recordfile::kMaxFileSize bytes is read.
    std::optional<Contents> read(recordfile::Error* error = nullptr) const;

    /// The names of the register's whole records in file order (the name list of the
    /// register window); nothing when the register cannot be opened.
    std::optional<QList<QByteArray>> names() const;

    /// Clears the current diagnosis record: no name, no password, no results, fresh states.
    void RensaDiagnos();
    /// True when the register holds a record of `name` (ignoring letter case). When false the
    /// current record is cleared; in every case it is named `name` (cut to 21 characters).
    bool FinnsNamnet(const QByteArray& name);
    /// Loads the first record of `name` (ignoring letter case) as the current record, named
    /// `name` as given, and returns its password. Without such a record (or register) the
    /// current record is cleared and named `name`, and the password is empty.
    QByteArray HaemtaDiagnos(const QByteArray& name);

    enum class StoreMode {
        ReplaceOrAppend, ///< every record of the same name (any letter case) is replaced;
                         ///< without one the record is appended
        AddOnly          ///< refused when a record of the same name exists
    };
    enum class StoreResult { Saved, NameTaken, Failed };
    /// Writes `record` into the register (creating the register when it is missing). Records
    /// of other pupils are kept byte for byte; bytes at the end of a damaged register that do
    /// not make a whole record are completed with zero bytes and kept as a record of their
    /// own, never dropped. Reports nothing; `error` says why a save failed.
    StoreResult store(const DiagnosisRecord& record, StoreMode mode,
                      recordfile::Error* error = nullptr);

    /// Saves the current diagnosis record: replace or append, or, for a record that "New
    /// user" made and that is not in the register yet, add only, so that a pupil of the same
    /// name saved meanwhile elsewhere is never overwritten. Reports nothing.
    StoreResult saveCurrent(recordfile::Error* error = nullptr);
    /// saveCurrent(); true when the record was saved.
    bool SparaProtokoll();

    /// What to tell the person when a change of the register failed for `error`, in the
    /// program's words (cp1252).
    QByteArray failureText(const recordfile::Error& error) const;

    enum class RemoveResult { Removed, Declined, Failed };
    /// Removes the records named exactly `deleteBuffer` (letter case included) and every record
    /// with an empty name, after the person has confirmed it for the current record's name.
    /// Reports a missing register, a directory where no new file can be made, and the removal.
    RemoveResult SparaRaderaProt(const QByteArray& deleteBuffer);

    /// The clock's date and time as yyMMddhhmm (2002-12-01 08:23 gives "0212010823").
    QByteArray Tidsstampel() const;
    /// Renames the register to its backup "EN" + stamp + ".DIS". An existing backup is never
    /// overwritten: the rename is refused and the register stays where it is. Reports a
    /// missing register and a refused rename; true when the register was renamed.
    bool SparaUndanDiagnoser(const QByteArray& stamp);

    /// Mode 1: loads the teacher password, creating the file with "KORPMARK" when it cannot be
    /// opened. Mode 2: writes the engine's teacher password to the file. False (after
    /// "Kunde inte skapa lärarlösenfilen.") when the file cannot be written. When there is no
    /// file at all and none can be made (an installation the teacher may not write), mode 1
    /// still makes "KORPMARK" the teacher password for this run and says that it cannot be
    /// changed until the file can be written.
    bool LararLosenFil(int mode);

    /// The 54-byte record of the teacher password file for `password`.
    static QByteArray teacherRecord(const QByteArray& password)
    {
        return registerfile::teacherRecord(password);
    }
    /// The teacher password held in a teacher password file's first record.
    static QByteArray teacherPasswordOf(const QByteArray& fileBytes)
    {
        return registerfile::teacherPasswordOf(fileBytes);
    }

    /// Runs inside a save after the new register is on disk and before it replaces the old
    /// one; lets a test stop a save half-way.
    std::function<void()> beforeCommit;
    /// How long a change of the register waits for the lock of another computer.
    int lockWaitMs = recordfile::kLockWaitMs;

private:
    QByteArray resultsFileText(const char* name) const;
    QString resultsFile(const QString& name) const;

    Engine& m_engine;
};

} // namespace vindra
