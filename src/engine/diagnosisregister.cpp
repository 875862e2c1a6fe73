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
constexpr int kTeacherRecordSize = 54;
constexpr int kTeacherFieldWidth = 26;
constexpr char kTeacherMarker[] = "V\xC4KTOR";
constexpr char kInitialTeacherPassword[] = "KORPMARK";

QByteArray completed(const QByteArray& tail)
{
    QByteArray padded = tail;
    padded.append(rec::kSize - tail.size(), '\0');
    return padded;
}

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

DiagnosisRegister::Contents DiagnosisRegister::split(const QByteArray& bytes)
{
    Contents c;
    qsizetype at = 0;
    for (; at + rec::kSize <= bytes.size(); at += rec::kSize)
        c.records << bytes.mid(at, rec::kSize);
    c.tail = bytes.mid(at);
    return c;
}

std::optional<DiagnosisRegister::Contents> DiagnosisRegister::read() const
{
    QByteArray bytes;
    if (!files::readAll(registerPath(), bytes))
        return std::nullopt;
    return split(bytes);
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
                                                        StoreMode mode, QString* error)
{
    const QByteArray bytes = rec::toBytes(record);
    bool taken = false;
    auto change = [&](recordfile::Content& content) {
        if (!content.exists) {
            content.bytes = bytes;
            return true;
        }
        Contents c = split(content.bytes);
        // A damaged end may still hold most of another pupil's record: it stays, completed.
        if (!c.tail.isEmpty())
            c.records << completed(c.tail);
        QByteArray out;
        bool matched = false;
        for (const QByteArray& r : c.records) {
            if (rec::sameName(rec::nameOf(r), record.name)) {
                matched = true;
                if (mode == StoreMode::AddOnly) {
                    taken = true;
                    return false;
                }
                out += bytes;
            } else {
                out += r;
            }
        }
        if (!matched)
            out += bytes;
        content.bytes = out;
        return true;
    };
    switch (recordfile::rewrite(registerPath(), lockPath(), change, error, beforeCommit)) {
    case recordfile::Status::Saved:
        return StoreResult::Saved;
    case recordfile::Status::Unchanged:
        return taken ? StoreResult::NameTaken : StoreResult::Failed;
    default:
        return StoreResult::Failed;
    }
}

bool DiagnosisRegister::SparaProtokoll()
{
    return store(m_engine.diagnosis.current, StoreMode::ReplaceOrAppend) == StoreResult::Saved;
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
        Contents c = split(content.bytes);
        if (!c.tail.isEmpty())
            c.records << completed(c.tail);
        QByteArray out;
        for (const QByteArray& r : c.records) {
            const QByteArray name = rec::nameOf(r);
            if (name != deleteBuffer && !name.isEmpty())
                out += r;
        }
        content.bytes = out;
        return true;
    };
    QString error;
    const auto status =
        recordfile::rewrite(registerPath(), lockPath(), change, &error, beforeCommit);
    if (status == recordfile::Status::Unchanged && !existed) {
        m_engine.message(MessageKind::Information, missing);
        return RemoveResult::Failed;
    }
    if (status != recordfile::Status::Saved) {
        m_engine.message(MessageKind::Information,
                         "Diagnosfilen " + resultsFileText(kRegisterName) +
                             " kunde inte skrivas (" + cp1252::fromUnicode(error) + ").");
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
    const recordfile::Lock lock(lockPath());
    QFile file(registerPath());
    if (!file.open(QIODevice::ReadOnly)) {
        m_engine.message(MessageKind::Information, "Diagnosfilen " +
                                                       resultsFileText(kRegisterName) +
                                                       " saknas eller \xE4r felaktig");
        return false;
    }
    file.close();
    QByteArray refusal;
    if (!lock.held())
        refusal = "Diagnosfilen " + resultsFileText(kRegisterName) +
                  " anv\xE4nds av en annan dator. F\xF6rs\xF6k igen om en stund.";
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

QByteArray DiagnosisRegister::teacherRecord(const QByteArray& password)
{
    QByteArray out(kTeacherRecordSize, '\0');
    auto put = [&](int offset, const QByteArray& text) {
        const QByteArray t = text.left(kTeacherFieldWidth);
        out[offset] = static_cast<char>(t.size());
        out.replace(offset + 1, t.size(), t);
    };
    put(0, cipher::kryptrad(kTeacherMarker));
    put(kTeacherFieldWidth + 1, cipher::kryptrad(password));
    return out;
}

QByteArray DiagnosisRegister::teacherPasswordOf(const QByteArray& fileBytes)
{
    constexpr int offset = kTeacherFieldWidth + 1;
    if (fileBytes.size() <= offset)
        return {};
    const int length =
        std::min<int>(static_cast<unsigned char>(fileBytes[offset]), kTeacherFieldWidth);
    return cipher::dekryptrad(fileBytes.mid(offset + 1, length));
}

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
        if (!recordfile::replace(path, teacherRecord(kInitialTeacherPassword))) {
            m_engine.message(MessageKind::Plain, cannotCreate);
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
