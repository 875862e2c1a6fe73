#include "diagnosisregister.h"

#include "cipher.h"
#include "cp1252.h"
#include "engine.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "recordfile.h"

#include <QFile>
#include <QFileInfo>

namespace vindra {

namespace {

namespace rec = diagnosisrecord;

constexpr char kRegisterName[] = "RDIAG.DIA";
constexpr char kLockName[] = "RDIAG.LCK";
constexpr char kTeacherFile[] = "\\DATA\\ENG45444.DOT";
constexpr char kInitialTeacherPassword[] = "KORPMARK";

} // namespace

DiagnosisRegister::DiagnosisRegister(Engine& engine) : m_engine(engine) {}

// ---- Paths ----------------------------------------------------------------------------------

QString DiagnosisRegister::resultsFile(const QString& name) const
{
    // The directory is resolved first, so that a file that does not exist yet still lands in
    // the directory however its name is spelled in the directories file.
    const QString dir = files::resolve(cp1252::toUnicode(m_engine.dirs.results));
    return files::resolve(dir + QLatin1Char('/') + name);
}

QByteArray DiagnosisRegister::resultsFileText(const char* name) const
{
    return m_engine.dirs.results + "\\" + name;
}

QString DiagnosisRegister::registerPath() const
{
    return resultsFile(QString::fromLatin1(kRegisterName));
}

QString DiagnosisRegister::lockPath() const
{
    return resultsFile(QString::fromLatin1(kLockName));
}

QString DiagnosisRegister::backupPath(const QByteArray& stamp) const
{
    return resultsFile(QStringLiteral("EN") + QString::fromLatin1(stamp) + QStringLiteral(".DIS"));
}

QString DiagnosisRegister::teacherPasswordPath() const
{
    const QString cd = Engine::localPath(m_engine.dirs.cd, kTeacherFile);
    if (files::isFile(cd))
        return cd;
    const QString data = Engine::localPath(m_engine.dirs.hardDisk, "\\DATA");
    return files::resolve(data + QStringLiteral("/ENG45444.DOT"));
}

// ---- Reading --------------------------------------------------------------------------------

std::optional<DiagnosisRegister::Contents> DiagnosisRegister::read(recordfile::Error* error) const
{
    recordfile::Content content;
    if (!recordfile::read(registerPath(), content, error) || !content.exists)
        return std::nullopt;
    return split(content.bytes);
}

std::optional<QList<QByteArray>> DiagnosisRegister::names() const
{
    const auto contents = read();
    if (!contents)
        return std::nullopt;
    QList<QByteArray> list;
    for (const QByteArray& r : contents->records)
        list << rec::nameOf(r);
    return list;
}

void DiagnosisRegister::RensaDiagnos()
{
    m_engine.diagnosis.current = rec::cleared();
}

bool DiagnosisRegister::FinnsNamnet(const QByteArray& name)
{
    bool found = false;
    if (const auto contents = read()) {
        for (const QByteArray& r : contents->records)
            found = found || rec::sameName(rec::nameOf(r), name);
    }
    if (!found)
        RensaDiagnos();
    m_engine.diagnosis.current.name = name.left(rec::kNameWidth);
    return found;
}

QByteArray DiagnosisRegister::HaemtaDiagnos(const QByteArray& name)
{
    DiagnosisRecord& current = m_engine.diagnosis.current;
    if (const auto contents = read()) {
        for (const QByteArray& r : contents->records) {
            if (rec::sameName(rec::nameOf(r), name)) {
                current = rec::fromBytes(r);
                current.name = name.left(rec::kNameWidth);
                m_engine.diagnosis.newRecord = false;
                return current.password;
            }
        }
    }
    RensaDiagnos();
    current.name = name.left(rec::kNameWidth);
    return {};
}

// ---- Saving ---------------------------------------------------------------------------------

DiagnosisRegister::StoreResult DiagnosisRegister::store(const DiagnosisRecord& record,
                                                        StoreMode mode, recordfile::Error* error)
{
    const QByteArray bytes = rec::toBytes(record);
    bool taken = false;
    auto change = [&](recordfile::Content& content) {
        const auto out = registerfile::withRecord(content.bytes, bytes, mode == StoreMode::AddOnly);
        taken = !out;
        if (out)
            content.bytes = *out;
        return out.has_value();
    };
    switch (
        recordfile::rewrite(registerPath(), lockPath(), change, error, beforeCommit, lockWaitMs)) {
    case recordfile::Status::Saved:
        return StoreResult::Saved;
    case recordfile::Status::Unchanged:
        return taken ? StoreResult::NameTaken : StoreResult::Failed;
    default:
        return StoreResult::Failed;
    }
}

DiagnosisRegister::StoreResult DiagnosisRegister::saveCurrent(recordfile::Error* error)
{
    DiagnosisState& d = m_engine.diagnosis;
    const StoreResult result =
        store(d.current, d.newRecord ? StoreMode::AddOnly : StoreMode::ReplaceOrAppend, error);
    if (result == StoreResult::Saved)
        d.newRecord = false;
    return result;
}

bool DiagnosisRegister::SparaProtokoll()
{
    return saveCurrent() == StoreResult::Saved;
}

QByteArray DiagnosisRegister::failureText(const recordfile::Error& error) const
{
    const QByteArray file = resultsFileText(kRegisterName);
    switch (error.cause) {
    case recordfile::Cause::None:
        break;
    case recordfile::Cause::NoDirectory:
        return "Katalogen " + m_engine.dirs.results + " finns inte.";
    case recordfile::Cause::NoPermission:
        return "Du har inte r\xE4tt att skriva i katalogen " + m_engine.dirs.results + ".";
    case recordfile::Cause::LockHeld:
        return "Diagnosfilen " + file +
               " anv\xE4nds av en annan dator. Programmet har v\xE4ntat i " +
               QByteArray::number((error.waitedMs + 500) / 1000) + " sekunder.";
    case recordfile::Cause::NotAFile:
        return cp1252::fromUnicode(error.path) +
               " \xE4r ingen vanlig fil (utan en katalog, en enhet eller en l\xE4nk till en "
               "annan plats).";
    case recordfile::Cause::TooLarge:
        return "Diagnosfilen " + file + " \xE4r f\xF6r stor f\xF6r att vara en diagnosfil.";
    case recordfile::Cause::DiskFull:
        return "Disken d\xE4r katalogen " + m_engine.dirs.results + " ligger \xE4r full.";
    case recordfile::Cause::Other:
        break;
    }
    const QByteArray detail =
        error.detail.isEmpty() ? QByteArray() : " (" + cp1252::fromUnicode(error.detail) + ")";
    return "Fel vid l\xE4sning eller skrivning av diagnosfilen " + file + detail + ".";
}

DiagnosisRegister::RemoveResult DiagnosisRegister::SparaRaderaProt(const QByteArray& deleteBuffer)
{
    const QByteArray missing =
        "Diagnosfilen " + resultsFileText(kRegisterName) + " saknas eller \xE4r felaktig";
    if (!read()) {
        m_engine.message(MessageKind::Information, missing);
        return RemoveResult::Failed;
    }
    if (!files::isWritableDir(QFileInfo(registerPath()).absolutePath())) {
        m_engine.message(MessageKind::Information,
                         "Ny fil i katalogen " + m_engine.dirs.results + " kunde inte skapas");
        return RemoveResult::Failed;
    }
    // The question is asked before the lock is taken: a class must not wait for an answer.
    const QByteArray question =
        "Vill du verkligen ta bort diagnosen \"" + m_engine.diagnosis.current.name + "\"?";
    if (!m_engine.messages().confirm(cp1252::toUnicode(question)))
        return RemoveResult::Declined;

    bool existed = true;
    auto change = [&](recordfile::Content& content) {
        existed = content.exists;
        if (!content.exists)
            return false;
        content.bytes = registerfile::withoutName(content.bytes, deleteBuffer);
        return true;
    };
    recordfile::Error error;
    const auto status =
        recordfile::rewrite(registerPath(), lockPath(), change, &error, beforeCommit, lockWaitMs);
    if (status == recordfile::Status::Unchanged && !existed) {
        m_engine.message(MessageKind::Information, missing);
        return RemoveResult::Failed;
    }
    if (status != recordfile::Status::Saved) {
        m_engine.message(MessageKind::Information, failureText(error));
        return RemoveResult::Failed;
    }
    m_engine.message(MessageKind::Information,
                     "Diagnosen \"" + deleteBuffer + "\" \xE4r borttagen.");
    return RemoveResult::Removed;
}

// ---- Deleting all diagnoses -----------------------------------------------------------------

QByteArray DiagnosisRegister::Tidsstampel() const
{
    return m_engine.clock().now().toString(QStringLiteral("yyMMddHHmm")).toLatin1();
}

bool DiagnosisRegister::SparaUndanDiagnoser(const QByteArray& stamp)
{
    const QByteArray backupName = "EN" + stamp + ".DIS";
    const recordfile::Lock lock(lockPath(), lockWaitMs);
    QFile file(registerPath());
    // Looked at, not opened: opening a pipe in the register's place would never return.
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable()) {
        m_engine.message(MessageKind::Information, "Diagnosfilen " +
                                                       resultsFileText(kRegisterName) +
                                                       " saknas eller \xE4r felaktig");
        return false;
    }
    QByteArray refusal;
    if (!lock.held() && lock.error().cause == recordfile::Cause::LockHeld)
        refusal = "Diagnosfilen " + resultsFileText(kRegisterName) +
                  " anv\xE4nds av en annan dator. F\xF6rs\xF6k igen om en stund.";
    else if (!lock.held())
        refusal = failureText(lock.error());
    else if (QFileInfo::exists(backupPath(stamp)))
        refusal = "Kopian " + resultsFileText(backupName.constData()) +
                  " finns redan. Diagnoserna har inte tagits bort.";
    else if (!file.rename(backupPath(stamp)))
        refusal = "Diagnosfilen " + resultsFileText(kRegisterName) +
                  " kunde inte d\xF6pas om till " + backupName + ".";
    if (!refusal.isEmpty()) {
        m_engine.message(MessageKind::Information, refusal);
        return false;
    }
    return true;
}

// ---- The teacher password -------------------------------------------------------------------

bool DiagnosisRegister::LararLosenFil(int mode)
{
    const QString path = teacherPasswordPath();
    const QByteArray cannotCreate = "Kunde inte skapa l\xE4rarl\xF6senfilen.";
    if (mode == 1) {
        QByteArray bytes;
        if (files::readAll(path, bytes)) {
            m_engine.diagnosis.teacherPassword = teacherPasswordOf(bytes);
            return true;
        }
        const bool nothingThere = !QFileInfo::exists(path) && !QFileInfo(path).isSymLink();
        if (!recordfile::replace(path, teacherRecord(kInitialTeacherPassword))) {
            if (!nothingThere) {
                m_engine.message(MessageKind::Plain, cannotCreate);
                return false;
            }
            // An installation the teacher may not write has no password file: the initial
            // password holds for this run, so that the teacher is not locked out.
            m_engine.diagnosis.teacherPassword = kInitialTeacherPassword;
            m_engine.message(MessageKind::Plain,
                             cannotCreate +
                                 "\nL\xE4rarl\xF6senordet kan inte \xE4ndras f\xF6rr\xE4n filen " +
                                 cp1252::fromUnicode(path) + " kan skrivas.");
            return false;
        }
        m_engine.diagnosis.teacherPassword = kInitialTeacherPassword;
        return true;
    }
    // A file that has gone missing since the login is written anew rather than silently
    // losing the password just chosen.
    if (!recordfile::replace(path, teacherRecord(m_engine.diagnosis.teacherPassword))) {
        m_engine.message(MessageKind::Plain, cannotCreate);
        return false;
    }
    return true;
}

} // namespace vindra
