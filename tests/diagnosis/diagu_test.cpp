#include "app/programforms.h"
#include "diagnosis/diagu.h"
#include "diagnosis/diaproto.h"
#include "diagnosis/nylos.h"
#include "engine/diagnosisregister.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/screen.h"
#include "platform/textmeasure.h"
#include "shell/engel.h"
#include "support/material.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace vindra;
namespace rec = vindra::diagnosisrecord;

namespace {

template <typename T> T* child(QWidget* w, const char* name)
{
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

struct Room {
    Room()
    {
        engine = inst.start();
        services = Services{&inst.messages, &measure, &screen, &inst.clock};
        services.forms = &programForms();
        engine->session.mode = SessionMode::DiagnosisTest;
    }

    void add(const QByteArray& name, const QByteArray& password = {})
    {
        DiagnosisRecord r = rec::cleared();
        r.name = name;
        r.password = password;
        ASSERT_EQ(DiagnosisRegister(*engine).store(r, DiagnosisRegister::StoreMode::AddOnly),
                  DiagnosisRegister::StoreResult::Saved);
    }
    QStringList namesOnDisk() const
    {
        QStringList names;
        for (const QByteArray& n : DiagnosisRegister(*engine).names().value_or(QList<QByteArray>{}))
            names << QString::fromLatin1(n);
        return names;
    }

    std::unique_ptr<TDiag> open()
    {
        auto d = std::make_unique<TDiag>(*engine, services);
        d->show();
        return d;
    }

    test::Installation inst;
    FixedTextMeasure measure;
    FixedScreen screen;
    Services services;
    std::unique_ptr<Engine> engine;
};

QListWidget* list(TDiag* d)
{
    return child<QListWidget>(d, "NameList");
}

QStringList entries(TDiag* d)
{
    QStringList names;
    for (int i = 0; i < list(d)->count(); ++i)
        names << list(d)->item(i)->text();
    return names;
}

void select(TDiag* d, const QString& name)
{
    const auto found = list(d)->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    list(d)->setCurrentItem(found.first());
}

/// Sends the keys of `text` one by one, letters beyond ASCII too (Qt's key code of a Latin-1
/// letter is the code of its capital).
void typeKeys(QWidget* w, const QString& text)
{
    for (const QChar c : text) {
        const int key = c.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QApplication::sendEvent(w, &release);
    }
}

void typeInto(QLineEdit* edit, const QString& text)
{
    edit->clear();
    typeKeys(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void password(TDiag* d, const QString& text)
{
    typeInto(child<QLineEdit>(d, "PasswordEdit"), text);
}

/// Leaves the protocol as soon as it has opened, after `check` has looked at it.
void leaveProtocolWhenOpen(bool& opened, std::function<void(Tdiaprot*)> check = {})
{
    QTimer::singleShot(0, [&opened, check] {
        auto* p = qobject_cast<Tdiaprot*>(QApplication::activeModalWidget());
        if (!p)
            return;
        opened = true;
        if (check)
            check(p);
        p->findChild<QPushButton*>(QStringLiteral("AvbrytButton"))->click();
    });
}

void teacherLogin(TDiag* d, const QString& name = QStringLiteral("V\u00e4ktor"),
                  const QString& pw = QStringLiteral("KORPMARK"))
{
    child<QPushButton>(d, "NewUserButton")->click();
    typeInto(child<QLineEdit>(d, "NameEdit"), name);
    password(d, pw);
}

} // namespace

TEST(TDiag, OpeningShowsTheSortedNamesOrTheNamePrompt)
{
    Room room;
    {
        auto d = room.open();
        EXPECT_FALSE(list(d.get())->isVisible());
        EXPECT_TRUE(child<QLabel>(d.get(), "NamePrompt")->isVisible());
        EXPECT_FALSE(child<QLineEdit>(d.get(), "NameEdit")->isVisible());
        EXPECT_FALSE(child<QLineEdit>(d.get(), "PasswordEdit")->isVisible());
        EXPECT_TRUE(child<QPushButton>(d.get(), "NewUserButton")->isEnabled());
    }
    for (const char* name : {"bertil", "\xD6rjan", "Anna", "\xC5sa", "\xC4rla"})
        room.add(name);
    auto d = room.open();
    EXPECT_TRUE(list(d.get())->isVisible());
    EXPECT_EQ(child<QLabel>(d.get(), "HeadingLabel")->text(), "Choose your name and press Enter.");
    EXPECT_EQ(entries(d.get()),
              (QStringList{"Anna", "bertil", "\u00c5sa", "\u00c4rla", "\u00d6rjan"}));
    EXPECT_FALSE(child<QLabel>(d.get(), "NamePrompt")->isVisible());
    EXPECT_FALSE(child<QLineEdit>(d.get(), "PasswordEdit")->isVisible());
}

TEST(TDiag, PupilWithoutPasswordGoesStraightToTheProtocol)
{
    Room room;
    room.add("Anna");
    auto d = room.open();
    select(d.get(), "Anna");
    bool opened = false;
    leaveProtocolWhenOpen(opened, [&](Tdiaprot* p) {
        EXPECT_EQ(p->findChild<QLabel*>("TitleLabel")->text(),
                  "Report of the diagnosises for Anna");
        EXPECT_EQ(room.engine->session.mode, SessionMode::DiagnosisTest);
        // A test result while the protocol is open reaches the register at once.
        room.engine->diagnosis.currentSlot = 1;
        room.engine->diagnosback(16);
        const auto stored = DiagnosisRegister(*room.engine).read();
        ASSERT_TRUE(stored.has_value());
        EXPECT_EQ(rec::fromBytes(stored->records.value(0)).result[1], 16);
        EXPECT_FALSE(room.engine->diagnosis.recordChanged);
    });
    QTest::keyClick(list(d.get()), Qt::Key_Return);
    EXPECT_TRUE(opened);
    EXPECT_FALSE(d->isVisible()) << "the register closes with the protocol";
    EXPECT_EQ(room.engine->session.mode, SessionMode::Practice);
    EXPECT_TRUE(room.engine->diagnosis.diagnosisLeft);
}

TEST(TDiag, PupilPasswordAndThreeFailures)
{
    Room room;
    room.add("Anna", "Hemlig");
    auto d = room.open();
    select(d.get(), "Anna");
    QTest::keyClick(list(d.get()), Qt::Key_Return);
    auto* prompt = child<QLabel>(d.get(), "PasswordPrompt");
    auto* error = child<QLabel>(d.get(), "ErrorLabel");
    auto* field = child<QLineEdit>(d.get(), "PasswordEdit");
    EXPECT_TRUE(prompt->isVisible());
    EXPECT_EQ(prompt->text(), "Type your password and press Enter:");
    EXPECT_TRUE(field->isVisible());
    EXPECT_EQ(field->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(list(d.get())->isVisible());
    EXPECT_FALSE(child<QPushButton>(d.get(), "NewUserButton")->isEnabled());

    password(d.get(), "hemlig"); // letter case counts
    EXPECT_EQ(d->failures(), 1);
    EXPECT_TRUE(error->isVisible());
    EXPECT_EQ(error->text(), "Felaktigt l\u00f6sen. F\u00f6rs\u00f6k igen!");
    EXPECT_FALSE(prompt->isVisible());
    EXPECT_TRUE(field->text().isEmpty());
    password(d.get(), "x");
    EXPECT_TRUE(d->isVisible());
    password(d.get(), "y");
    EXPECT_FALSE(d->isVisible()) << "the third failure closes the window";
    EXPECT_EQ(room.engine->session.mode, SessionMode::Practice);

    // A new opening allows three more attempts.
    room.engine->session.mode = SessionMode::DiagnosisTest;
    d = room.open();
    select(d.get(), "Anna");
    QTest::keyClick(list(d.get()), Qt::Key_Return);
    password(d.get(), "nej");
    bool opened = false;
    leaveProtocolWhenOpen(opened);
    password(d.get(), "Hemlig");
    EXPECT_TRUE(opened);
    EXPECT_FALSE(d->isVisible());
}

TEST(TDiag, NewUser)
{
    Room room;
    room.add("Anna");
    auto d = room.open();
    auto* prompt = child<QLabel>(d.get(), "NamePrompt");
    auto* name = child<QLineEdit>(d.get(), "NameEdit");
    child<QPushButton>(d.get(), "NewUserButton")->click();
    EXPECT_FALSE(child<QPushButton>(d.get(), "NewUserButton")->isEnabled());
    EXPECT_FALSE(list(d.get())->isVisible());
    EXPECT_TRUE(name->isVisible());
    EXPECT_EQ(name->maxLength(), 20);
    EXPECT_EQ(prompt->text(), "Type your name and press Enter.");

    typeInto(name, "anna");
    EXPECT_EQ(prompt->text(), "Namnet finns redan. Skriv ett nytt!");
    EXPECT_EQ(name->text(), "anna");
    typeInto(name, "");
    EXPECT_EQ(prompt->text(), "Skriv ett riktigt namn!");

    bool opened = false;
    leaveProtocolWhenOpen(opened, [&](Tdiaprot*) {
        EXPECT_EQ(room.engine->diagnosis.current.name, "Cleo");
        EXPECT_EQ(room.engine->diagnosis.current.state, rec::cleared().state);
        EXPECT_EQ(room.namesOnDisk(), (QStringList{"Anna", "Cleo"}))
            << "saved at once, so the name is taken for everyone else";
    });
    typeInto(name, "Cleo");
    EXPECT_TRUE(opened);
    EXPECT_EQ(room.namesOnDisk(), (QStringList{"Anna", "Cleo"})) << "saved on leaving";
}

TEST(TDiag, TeacherLogin)
{
    // typed name, password, accepted
    const struct {
        const char* name;
        const char* password;
        bool accepted;
    } cases[] = {
        {"V\u00e4ktor", "KORPMARK", true}, // the file is created on the first login
        {"v\u00e4ktor", "Tam Vesk", true},
        {"V\u00c4KTOR", "tam vesk", false},
        {"V\u00c4KTOR", "korpmark", false},
    };
    Room room;
    room.add("Anna");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.password);
        auto d = room.open();
        teacherLogin(d.get(), QString::fromUtf8(c.name), QString::fromUtf8(c.password));
        auto* panel = child<QWidget>(d.get(), "TeacherPanel");
        EXPECT_EQ(panel->isVisible(), c.accepted);
        EXPECT_EQ(d->failures(), c.accepted ? 0 : 1);
        if (!c.accepted)
            continue;
        EXPECT_TRUE(list(d.get())->isVisible());
        EXPECT_FALSE(list(d.get())->isEnabled());
        EXPECT_EQ(d->focusWidget(), child<QPushButton>(d.get(), "InfoButton"));
        EXPECT_FALSE(child<QLineEdit>(d.get(), "PasswordEdit")->isVisible());
        EXPECT_EQ(child<QPushButton>(d.get(), "DeleteAllButton")->text(), "Ta bort alla diagnoser");
        EXPECT_EQ(child<QPushButton>(d.get(), "DeleteWithPasswordButton")->text(),
                  "Ta bort enstaka med l\u00f6sen");
        EXPECT_EQ(child<QPushButton>(d.get(), "DeleteWithoutPasswordButton")->text(),
                  "Ta bort enstaka utan l\u00f6sen");
    }
    EXPECT_TRUE(QFile::exists(room.inst.root + "/material/DATA/ENG45444.DOT"));

    // Three wrong teacher passwords close the window, and the next pupil is a pupil again.
    room.add("Bo", "bo1");
    auto d = room.open();
    teacherLogin(d.get(), "V\u00e4ktor", "a");
    password(d.get(), "b");
    password(d.get(), "c");
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(room.engine->session.mode, SessionMode::Practice);
    d = room.open();
    select(d.get(), "Bo");
    QTest::keyClick(list(d.get()), Qt::Key_Return);
    password(d.get(), "KORPMARK");
    EXPECT_EQ(d->failures(), 1) << "the pupil's own password is asked for";
}

// An installation the teacher may not write has no teacher password file and cannot get
// one: the teacher still logs in with the documented password and learns why it cannot be
// changed.
TEST(TDiag, TeacherLogsInWhereNoPasswordFileCanBeMade)
{
    Room room;
    room.engine->dirs.cd = "/proc/none"; // /proc refuses new files even to root
    room.engine->dirs.hardDisk = "/proc";
    auto d = room.open();
    teacherLogin(d.get());
    EXPECT_TRUE(child<QWidget>(d.get(), "TeacherPanel")->isVisible());
    EXPECT_EQ(d->failures(), 0);
    EXPECT_EQ(
        room.inst.messages.texts(),
        QStringList{"Kunde inte skapa l\u00e4rarl\u00f6senfilen.\nL\u00e4rarl\u00f6senordet kan "
                    "inte \u00e4ndras f\u00f6rr\u00e4n filen /proc/DATA/ENG45444.DOT kan "
                    "skrivas."});
}

TEST(TDiag, TeacherPrintsTheClassOverview)
{
    Room room;
    RecordingPrinter printer;
    room.services.printer = &printer;
    room.add("Anna", "hemlig");
    room.add("Bo");
    auto d = room.open();
    auto* button = child<QPushButton>(d.get(), "ClassReportButton");
    EXPECT_FALSE(button->isVisible());
    teacherLogin(d.get(), "V\u00e4ktor", "wrong");
    EXPECT_FALSE(button->isVisible()) << "pupils never reach it";
    password(d.get(), "KORPMARK");
    ASSERT_TRUE(button->isVisible());
    EXPECT_EQ(button->text(), "Skriv ut klass\u00f6versikt");

    button->click();
    ASSERT_EQ(printer.pages().size(), 1);
    const auto& page = printer.pages().first();
    EXPECT_EQ(page.orientation, PageOrientation::Landscape);
    QStringList texts;
    for (const auto& t : page.texts)
        texts << t.text;
    EXPECT_TRUE(texts.contains("Anna"));
    EXPECT_TRUE(texts.contains("Bo"));
    EXPECT_FALSE(texts.join(' ').contains("hemlig"));
    EXPECT_FALSE(texts.join(' ').contains("KORPMARK"));
    EXPECT_TRUE(d->isVisible()) << "the panel stays for the teacher's next task";

    // Without a register the teacher is told so, and nothing is printed.
    ASSERT_TRUE(QFile::remove(room.inst.root + "/results/RDIAG.DIA"));
    button->click();
    EXPECT_EQ(printer.pages().size(), 1);
    EXPECT_TRUE(room.inst.messages.texts().join(' ').contains("RDIAG.DIA saknas"));
}

TEST(TDiag, DeletingWithThePupilsPassword)
{
    Room room;
    room.add("Anna", "pw");
    room.add("Bo");
    auto d = room.open();
    auto deleteAnna = [&] {
        select(d.get(), "Anna");
        QTest::keyClick(list(d.get()), Qt::Key_R);
        EXPECT_FALSE(child<QPushButton>(d.get(), "NewUserButton")->isVisible());
        EXPECT_TRUE(child<QLineEdit>(d.get(), "PasswordEdit")->isVisible());
    };
    deleteAnna();
    password(d.get(), "x");
    EXPECT_EQ(room.inst.messages.texts(), QStringList{"Felaktigt l\u00f6sen."});
    EXPECT_EQ(d->failures(), 0) << "not counted";

    room.inst.messages.queueAnswer(false);
    password(d.get(), "pw");
    EXPECT_EQ(room.inst.messages.confirmations(),
              QStringList{"Vill du verkligen ta bort diagnosen \"Anna\"?"});
    EXPECT_EQ(room.namesOnDisk(), (QStringList{"Anna", "Bo"}));
    EXPECT_TRUE(list(d.get())->isVisible());

    deleteAnna();
    password(d.get(), "pw");
    EXPECT_EQ(room.namesOnDisk(), QStringList{"Bo"});
    EXPECT_EQ(entries(d.get()), QStringList{"Bo"});
    EXPECT_TRUE(child<QPushButton>(d.get(), "NewUserButton")->isVisible());
    EXPECT_TRUE(child<QPushButton>(d.get(), "NewUserButton")->isEnabled());

    // A key R without a chosen name does nothing.
    list(d.get())->clearSelection();
    QTest::keyClick(list(d.get()), Qt::Key_R);
    EXPECT_TRUE(list(d.get())->isVisible());
    EXPECT_EQ(room.namesOnDisk(), QStringList{"Bo"});
}

TEST(TDiag, TeacherDeletesWithoutPasswordThenEverything)
{
    Room room;
    room.add("Anna", "pw");
    room.add("Bo", "pw2");
    auto d = room.open();
    teacherLogin(d.get());
    child<QPushButton>(d.get(), "DeleteWithoutPasswordButton")->click();
    EXPECT_EQ(d->deleteMode(), 3);
    EXPECT_TRUE(list(d.get())->isEnabled());
    select(d.get(), "Bo");
    QTest::keyClick(list(d.get()), Qt::Key_R);
    EXPECT_EQ(room.namesOnDisk(), QStringList{"Anna"});
    EXPECT_EQ(entries(d.get()), QStringList{"Anna"});

    child<QPushButton>(d.get(), "DeleteAllButton")->click();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(room.engine->session.mode, SessionMode::Practice);
    EXPECT_FALSE(QFile::exists(room.inst.root + "/results/RDIAG.DIA"));
    EXPECT_TRUE(QFile::exists(room.inst.root + "/results/EN0212010823.DIS"));
}

TEST(TDiag, HelpPanel)
{
    Room room;
    auto d = room.open();
    teacherLogin(d.get());
    auto* panel = child<QWidget>(d.get(), "HelpPanel");
    EXPECT_FALSE(panel->isVisible());
    child<QPushButton>(d.get(), "InfoButton")->click();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(child<QLabel>(d.get(), "HelpHeading")->text(), "Ta bort diagnoser");

    const QStringList lines = child<QLabel>(d.get(), "HelpText")->text().split('\n');
    ASSERT_EQ(lines.size(), 20);
    EXPECT_EQ(lines, TDiag::helpLines());
    const std::pair<int, const char*> fixed[] = {
        {0, "1. S\u00e5 h\u00e4r tar du bort din sin egen diagnos:"},
        {1, "- N\u00e4r du ser namnlistan markerar du ditt namn. Klicka f\u00f6rsiktigt eller "
            "anv\u00e4nd ned\u00e5tpilen"},
        {2, "- Tryck sedan p\u00e5 bokstaven R som i Radera."},
        {3, "- Skriv ditt l\u00f6senord."},
        {4, "- Du f\u00e5r d\u00e5 f\u00f6r s\u00e4kerhets skull en fr\u00e5ga om du verkligen "
            "vill ta bort din diagnos"},
        {5, "- G\u00f6r du detta f\u00f6rsvinner diagnosen fr\u00e5n listan och kan inte "
            "\u00e5terskapas"},
        {6, "2. Om du \u00e4r administrat\u00f6r av datorprogrammet g\u00f6r du s\u00e5 h\u00e4r."},
        {7, "- Klicka p\u00e5 Ny person"},
        {8, "- Skriv V\u00e4ktor i rutan"},
        {9, "- Skriv l\u00f6senordet som till en b\u00f6rjan \u00e4r KORPMARK"},
        {10, "- Du kan d\u00e5 v\u00e4lja mellan f\u00f6ljande alternativ:"},
        {13, "En ny DIA-fil skapas automatiskt n\u00e4r f\u00f6rsta diagnosen g\u00f6rs."},
        {14, "b) Ta bort enstaka med angivande av l\u00f6senordet Fungerar som under 1."},
        {15, "c) Ta bort enstaka utan att beh\u00f6va ange l\u00f6senordet Fungerar som under 1 "
             "men l\u00f6senordet beh\u00f6ver inte anges."},
        {16, "3. Om du som administrat\u00f6r vill \u00e4ndra l\u00f6senordet g\u00f6r du "
             "s\u00e5 h\u00e4r:"},
        {17, "- N\u00e4r INFO-knappen har focus trycker du bokstaven \u00c4 och \u00e4ndrar ditt "
             "l\u00f6senord."},
        {18, "- Om du mot f\u00f6rmodan gl\u00f6mt l\u00f6senordet m\u00e5ste du kontakta mig,"},
    };
    for (const auto& [i, text] : fixed)
        EXPECT_EQ(lines[i], QString::fromUtf8(text)) << i;
    EXPECT_TRUE(lines[11].startsWith("a) Ta bort alla diagnoser."));
    EXPECT_TRUE(lines[12].contains(".DIS"));
    EXPECT_TRUE(lines[19].endsWith("f\u00f6r att f\u00e5 reda p\u00e5 reservl\u00f6senordet."));

    child<QPushButton>(d.get(), "CloseHelpButton")->click();
    EXPECT_FALSE(panel->isVisible());
}

TEST(TDiag, KeyAeChangesTheTeacherPassword)
{
    Room room;
    auto d = room.open();
    teacherLogin(d.get());
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* n = qobject_cast<TNLOS*>(QApplication::activeModalWidget());
        if (!n)
            return;
        opened = true;
        auto* edit = n->findChild<QLineEdit*>("Edit1");
        typeInto(edit, "Ugglor9");
        typeInto(edit, "Ugglor9");
    });
    typeKeys(child<QPushButton>(d.get(), "InfoButton"), QStringLiteral("\u00e4"));
    EXPECT_TRUE(opened);
    QFile file(room.inst.root + "/material/DATA/ENG45444.DOT");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(DiagnosisRegister::teacherPasswordOf(file.readAll()), "Ugglor9");

    d = room.open();
    teacherLogin(d.get(), "V\u00e4ktor", "KORPMARK");
    EXPECT_EQ(d->failures(), 1);
    password(d.get(), "Ugglor9");
    EXPECT_TRUE(child<QWidget>(d.get(), "TeacherPanel")->isVisible());
}

TEST(TDiag, LeaveAndEscBringPracticeBack)
{
    for (const bool esc : {false, true}) {
        Room room;
        auto d = room.open();
        if (esc)
            QTest::keyClick(d.get(), Qt::Key_Escape);
        else
            child<QPushButton>(d.get(), "LeaveButton")->click();
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(room.engine->session.mode, SessionMode::Practice);
    }
}

TEST(TDiag, MainWindowDiagnosButtonOpensTheRegister)
{
    Room room;
    auto engine = room.inst.start();
    engine->session.mode = SessionMode::Practice;
    engine->session.selectedProtocolRow = 7;
    engine->diagnosis.diagnosisLeft = true;
    TEngel main(std::move(engine), room.services);
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<TDiag*>(QApplication::activeModalWidget());
        if (!d)
            return;
        opened = true;
        EXPECT_EQ(main.engine().session.mode, SessionMode::DiagnosisTest);
        EXPECT_EQ(main.engine().session.selectedProtocolRow, 1);
        EXPECT_FALSE(main.engine().diagnosis.diagnosisLeft);
        d->findChild<QPushButton*>("LeaveButton")->click();
    });
    main.button(11)->click();
    EXPECT_TRUE(opened);
    EXPECT_EQ(main.engine().session.mode, SessionMode::Practice);
}
