#include "engine/cipher.h"
#include "engine/cp1252.h"
#include "engine/diagnosisregister.h"
#include "support/material.h"
#include "support/savefailures.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace vindra;
namespace rec = vindra::diagnosisrecord;

namespace {

/// A stored record of `name` whose bytes after the name are marked with `fill`, so that a
/// test sees whether another pupil's record was kept byte for byte.
QByteArray stored(const QByteArray& name, char fill = 'x', const QByteArray& password = {})
{
    DiagnosisRecord r = rec::cleared();
    r.name = name;
    r.password = password;
    r.result[5] = 17;
    QByteArray b = rec::toBytes(r);
    for (int i = 1 + static_cast<int>(name.size()); i < 22; ++i)
        b[i] = fill;
    b[33] = fill; // reserved bytes of a record written elsewhere
    return b;
}

struct Fixture {
    Fixture() : engine(inst.start()), reg(*engine) {}
    QString path() const { return inst.root + "/results/RDIAG.DIA"; }
    QByteArray file() const
    {
        QFile f(path());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    void setFile(const QByteArray& bytes) { inst.write("results/RDIAG.DIA", bytes); }
    QStringList texts() const { return inst.messages.texts(); }

    test::Installation inst;
    std::unique_ptr<Engine> engine;
    DiagnosisRegister reg;
};

} // namespace

TEST(DiagnosisRegister, FindingAndLoadingIgnoreLetterCase)
{
    Fixture f;
    f.setFile(stored("Anna", 'a', "pw") + stored("\xC5sa", 'b'));
    EXPECT_EQ(f.reg.names(), (QList<QByteArray>{"Anna", "\xC5sa"}));

    EXPECT_EQ(f.reg.HaemtaDiagnos("ANNA"), "pw");
    EXPECT_EQ(f.engine->diagnosis.current.name, "ANNA") << "named as asked";
    EXPECT_EQ(f.engine->diagnosis.current.result[5], 17);

    EXPECT_TRUE(f.reg.FinnsNamnet("\xE5sa"));
    EXPECT_EQ(f.engine->diagnosis.current.result[5], 17) << "kept when the name is found";
    EXPECT_FALSE(f.reg.FinnsNamnet("Bo"));
    EXPECT_EQ(f.engine->diagnosis.current, [] {
        DiagnosisRecord r = rec::cleared();
        r.name = "Bo";
        return r;
    }()) << "cleared and named when not found";

    EXPECT_EQ(f.reg.HaemtaDiagnos(QByteArray(25, 'z')), "");
    EXPECT_EQ(f.engine->diagnosis.current.name, QByteArray(21, 'z'));

    QFile::remove(f.path());
    EXPECT_FALSE(f.reg.names().has_value());
    EXPECT_FALSE(f.reg.FinnsNamnet("Anna"));
}

TEST(DiagnosisRegister, SavingReplacesOrAppendsAndKeepsOthersByteForByte)
{
    Fixture f;
    // No register yet: the first save creates it.
    f.reg.RensaDiagnos();
    f.engine->diagnosis.current.name = "Cleo";
    ASSERT_TRUE(f.reg.SparaProtokoll());
    EXPECT_EQ(f.file(), rec::toBytes(f.engine->diagnosis.current));

    const QByteArray anna = stored("Anna", 'a');
    const QByteArray bo = stored("Bo", 'b');
    f.setFile(anna + stored("cleo", 'c') + bo);
    f.engine->diagnosis.current.result[1] = 20;
    ASSERT_TRUE(f.reg.SparaProtokoll());
    EXPECT_EQ(f.file(), anna + rec::toBytes(f.engine->diagnosis.current) + bo)
        << "a name in another letter case is the same pupil, replaced in place";

    f.engine->diagnosis.current.name = "Dan";
    ASSERT_TRUE(f.reg.SparaProtokoll());
    EXPECT_EQ(f.file().size(), 4 * 336);
    EXPECT_EQ(f.file().right(336), rec::toBytes(f.engine->diagnosis.current));
    EXPECT_FALSE(QFile::exists(f.reg.lockPath())) << "the lock is released";
    EXPECT_TRUE(f.texts().isEmpty()) << "saving reports nothing";
}

TEST(DiagnosisRegister, SavingIntoAMissingDirectoryFailsSilently)
{
    Fixture f;
    QDir(f.inst.root + "/results").removeRecursively();
    f.engine->diagnosis.current.name = "Anna";
    EXPECT_FALSE(f.reg.SparaProtokoll());
    EXPECT_TRUE(f.texts().isEmpty());
}

// What a person is told when the register cannot be written names the real trouble.
TEST(DiagnosisRegister, SaveFailuresSayWhatIsWrong)
{
    for (const test::SaveFailure& c : test::saveFailures()) {
        SCOPED_TRACE(c.what);
        Fixture f;
        const QString results = f.inst.root + "/results";
        std::shared_ptr<void> keep;
        if (!c.cause(results, keep)) {
            GTEST_LOG_(INFO) << c.what << " cannot be made here";
            continue;
        }
        f.reg.lockWaitMs = 100;
        f.engine->diagnosis.current.name = "Anna";
        recordfile::Error error;
        EXPECT_EQ(f.reg.saveCurrent(&error), DiagnosisRegister::StoreResult::Failed);
        EXPECT_EQ(cp1252::toUnicode(f.reg.failureText(error)), c.text.arg(results));
        EXPECT_TRUE(f.texts().isEmpty()) << "the caller reports it";
    }
}

// A pupil made by "New user" is added only if nobody of that name was saved meanwhile.
TEST(DiagnosisRegister, ANewPupilNeverReplacesAnother)
{
    Fixture f;
    const QByteArray anna = stored("anna", 'a', "hemligt");
    f.setFile(anna);
    f.reg.RensaDiagnos();
    f.engine->diagnosis.current.name = "Anna";
    f.engine->diagnosis.newRecord = true;
    EXPECT_EQ(f.reg.saveCurrent(), DiagnosisRegister::StoreResult::NameTaken);
    EXPECT_EQ(f.file(), anna);
    EXPECT_TRUE(f.engine->diagnosis.newRecord);

    f.engine->diagnosis.current.name = "Bo";
    EXPECT_EQ(f.reg.saveCurrent(), DiagnosisRegister::StoreResult::Saved);
    EXPECT_FALSE(f.engine->diagnosis.newRecord);
    f.engine->diagnosis.current.result[3] = 9;
    EXPECT_EQ(f.reg.saveCurrent(), DiagnosisRegister::StoreResult::Saved) << "then replaced";
    EXPECT_EQ(f.file(), anna + rec::toBytes(f.engine->diagnosis.current));
}

TEST(DiagnosisRegister, TruncatedRegisterLosesNoPupil)
{
    Fixture f;
    const QByteArray anna = stored("Anna", 'a');
    const QByteArray half = stored("Bo", 'b').left(100);
    f.setFile(anna + half);
    EXPECT_EQ(f.reg.names(), QList<QByteArray>{"Anna"}) << "whole records are shown";

    f.reg.RensaDiagnos();
    f.engine->diagnosis.current.name = "Cleo";
    ASSERT_TRUE(f.reg.SparaProtokoll());
    const QByteArray after = f.file();
    ASSERT_EQ(after.size(), 3 * 336);
    EXPECT_EQ(after.left(336), anna);
    EXPECT_EQ(after.mid(336, 100), half) << "the damaged record is kept";
    EXPECT_EQ(after.mid(436, 236), QByteArray(236, '\0'));
    EXPECT_EQ(f.reg.names(), (QList<QByteArray>{"Anna", "Bo", "Cleo"}));
}

TEST(DiagnosisRegister, RemovingARecord)
{
    Fixture f;
    const QByteArray anna = stored("Anna", 'a');
    const QByteArray lower = stored("anna", 'l');
    const QByteArray bo = stored("Bo", 'b');
    const QByteArray nameless = stored("", 'n');
    const QByteArray before = anna + nameless + lower + bo;
    f.setFile(before);
    f.reg.HaemtaDiagnos("Anna");

    f.inst.messages.queueAnswer(false);
    EXPECT_EQ(f.reg.SparaRaderaProt("Anna"), DiagnosisRegister::RemoveResult::Declined);
    EXPECT_EQ(f.file(), before) << "declined: the register is untouched";
    EXPECT_EQ(f.inst.messages.confirmations(),
              QStringList{"Vill du verkligen ta bort diagnosen \"Anna\"?"});

    f.inst.messages.clear();
    EXPECT_EQ(f.reg.SparaRaderaProt("Anna"), DiagnosisRegister::RemoveResult::Removed);
    EXPECT_EQ(f.file(), lower + bo) << "exact name only, and nameless records go too";
    EXPECT_EQ(f.texts().last(), "Diagnosen \"Anna\" \u00e4r borttagen.");

    QFile::remove(f.path());
    f.inst.messages.clear();
    EXPECT_EQ(f.reg.SparaRaderaProt("Bo"), DiagnosisRegister::RemoveResult::Failed);
    EXPECT_EQ(f.texts(), QStringList{"Diagnosfilen " + f.inst.root +
                                     "/results\\RDIAG.DIA saknas eller \u00e4r felaktig"});
    EXPECT_TRUE(f.inst.messages.confirmations().isEmpty());
}

TEST(DiagnosisRegister, DeletingAllKeepsABackupAndNeverOverwritesOne)
{
    Fixture f;
    EXPECT_EQ(f.reg.Tidsstampel(), "0212010823");
    const QByteArray first = stored("Anna");
    f.setFile(first);
    ASSERT_TRUE(f.reg.SparaUndanDiagnoser(f.reg.Tidsstampel()));
    const QString backup = f.inst.root + "/results/EN0212010823.DIS";
    EXPECT_FALSE(QFile::exists(f.path()));
    QFile b(backup);
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    EXPECT_EQ(b.readAll(), first);
    b.close();

    // A new register within the same minute: the second deletion is refused and both stay.
    const QByteArray second = stored("Bo");
    f.setFile(second);
    EXPECT_FALSE(f.reg.SparaUndanDiagnoser(f.reg.Tidsstampel()));
    EXPECT_EQ(f.file(), second);
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    EXPECT_EQ(b.readAll(), first);
    EXPECT_EQ(f.texts().size(), 1);

    f.inst.messages.clear();
    QFile::remove(f.path());
    f.inst.clock.advanceSecs(60);
    EXPECT_FALSE(f.reg.SparaUndanDiagnoser(f.reg.Tidsstampel()));
    EXPECT_EQ(f.texts(), QStringList{"Diagnosfilen " + f.inst.root +
                                     "/results\\RDIAG.DIA saknas eller \u00e4r felaktig"});
}

TEST(DiagnosisRegister, TeacherPasswordFile)
{
    Fixture f;
    const QString hd = f.inst.root + "/material/DATA/ENG45444.DOT";
    ASSERT_TRUE(f.reg.LararLosenFil(1));
    EXPECT_EQ(f.engine->diagnosis.teacherPassword, "KORPMARK");
    QFile file(hd);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    ASSERT_EQ(bytes.size(), 54);
    const QByteArray marker = cipher::kryptrad("V\xC4KTOR");
    EXPECT_EQ(bytes.at(0), marker.size());
    EXPECT_EQ(bytes.mid(1, marker.size()), marker);
    const QByteArray pw = cipher::kryptrad("KORPMARK");
    EXPECT_EQ(bytes.at(27), pw.size());
    EXPECT_EQ(bytes.mid(28, pw.size()), pw);

    f.engine->diagnosis.teacherPassword = "ny!";
    ASSERT_TRUE(f.reg.LararLosenFil(2));
    f.engine->diagnosis.teacherPassword.clear();
    ASSERT_TRUE(f.reg.LararLosenFil(1));
    EXPECT_EQ(f.engine->diagnosis.teacherPassword, "ny!");

    // The CD directory's file comes first when it exists.
    QDir().mkpath(f.inst.root + "/cd/DATA");
    f.inst.write("cd/DATA/ENG45444.DOT", DiagnosisRegister::teacherRecord("fromcd"));
    f.engine->dirs.cd = (f.inst.root + "/cd").toLocal8Bit();
    ASSERT_TRUE(f.reg.LararLosenFil(1));
    EXPECT_EQ(f.engine->diagnosis.teacherPassword, "fromcd");

    // /proc refuses new files even to root.
    f.engine->dirs.cd = "/proc/none";
    f.engine->dirs.hardDisk = "/proc";
    f.engine->diagnosis.teacherPassword = "kept";
    EXPECT_FALSE(f.reg.LararLosenFil(2));
    EXPECT_EQ(f.texts(), QStringList{"Kunde inte skapa l\u00e4rarl\u00f6senfilen."});
    EXPECT_EQ(f.engine->diagnosis.teacherPassword, "kept");

    // An installation the teacher may not write, without the file: the first login works
    // with the initial password, and the teacher learns why it cannot be changed.
    f.inst.messages.clear();
    f.engine->diagnosis.teacherPassword.clear();
    EXPECT_FALSE(f.reg.LararLosenFil(1));
    EXPECT_EQ(f.engine->diagnosis.teacherPassword, "KORPMARK");
    EXPECT_EQ(f.texts(),
              QStringList{"Kunde inte skapa l\u00e4rarl\u00f6senfilen.\nL\u00e4rarl\u00f6senordet "
                          "kan inte \u00e4ndras f\u00f6rr\u00e4n filen "
                          "/proc/DATA/ENG45444.DOT kan skrivas."});
}
