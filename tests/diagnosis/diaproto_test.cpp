#include "app/programforms.h"
#include "diagnosis/diagu.h"
#include "diagnosis/diagut.h"
#include "diagnosis/diaproto.h"
#include "engine/catalogue.h"
#include "engine/diagnosisregister.h"
#include "framework/exerciseform.h"
#include "framework/formtimer.h"
#include "platform/printer.h"
#include "platform/screen.h"
#include "platform/textmeasure.h"
#include "support/material.h"
#include "support/savefailures.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace vindra;
namespace rec = vindra::diagnosisrecord;

namespace {

QByteArray twoDigits(int n)
{
    return QByteArray::number(n).rightJustified(2, '0');
}

/// 22 items "qN#aN" with a heading.
QByteArray items()
{
    QByteArray out = "$Diagnos\n$\xA7Skriv svaret.\n";
    for (int i = 1; i <= 22; ++i)
        out += "q" + QByteArray::number(i) + "#a" + QByteArray::number(i) + "\n";
    return out;
}

/// An installation with the test and practice files of every slot, except the test of
/// slot 13, which is missing.
struct Room {
    Room()
    {
        FormTimer::setManual(true);
        QByteArray list;
        for (int s = 1; s <= 20; ++s) {
            for (const QByteArray& name : {QByteArray("ENGDI" + twoDigits(s) + ".DAT"),
                                           QByteArray("ENOVN1" + twoDigits(s) + ".DAT")}) {
                list += name + "\n";
                if (name != "ENGDI13.DAT")
                    inst.data(QString::fromLatin1(name), items());
            }
        }
        inst.data("datfiler.eng", list);
        engine = inst.start();
        engine->layoutUnit = 12;
        services = Services{&inst.messages, &measure, &screen, &inst.clock};
        services.printer = &printer;
        services.forms = &programForms();
        diagutform = std::make_unique<TDiagutform>(*engine, services);
        services.diagutform = diagutform.get();
        engine->session.mode = SessionMode::DiagnosisTest;
        engine->session.selectedProtocolRow = 1;
        engine->diagnosis.current = rec::cleared();
        engine->diagnosis.current.name = "Cleo";
    }
    ~Room() { FormTimer::setManual(false); }

    std::unique_ptr<Tdiaprot> open()
    {
        auto p = std::make_unique<Tdiaprot>(*engine, services);
        p->show();
        return p;
    }
    std::optional<DiagnosisRecord> stored() const
    {
        const auto contents = DiagnosisRegister(*engine).read();
        if (!contents || contents->records.isEmpty())
            return std::nullopt;
        return rec::fromBytes(contents->records.first());
    }

    test::Installation inst;
    FixedTextMeasure measure;
    FixedScreen screen{QSize(1024, 768)};
    RecordingPrinter printer;
    Services services;
    std::unique_ptr<Engine> engine;
    std::unique_ptr<TDiagutform> diagutform;
};

template <typename T> T* child(QWidget* w, const char* name)
{
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

QTableWidget* grid(Tdiaprot* p)
{
    return child<QTableWidget>(p, "StringGrid1");
}

/// Selects `row` and presses Enter in the grid.
void enterOn(Tdiaprot* p, int row)
{
    grid(p)->setCurrentCell(row, 1);
    QTest::keyClick(grid(p), Qt::Key_Return);
}

/// Runs `work` on the exercise form as soon as it is open modally; closes it afterwards if
/// `work` left it open, so that no test hangs.
void whenFormOpens(bool& opened, std::function<void(ExerciseForm*)> work)
{
    QTimer::singleShot(0, [&opened, work] {
        auto* form = qobject_cast<ExerciseForm*>(QApplication::activeModalWidget());
        if (!form)
            return;
        opened = true;
        work(form);
        if (form->isVisible())
            form->done(QDialog::Rejected);
    });
}

/// Answers a whole diagnosis round: `pattern` holds one character per item, '+' right.
void answerRound(ExerciseForm* form, const std::string& pattern)
{
    Engine& e = form->engine();
    for (size_t i = 0; i < pattern.size(); ++i) {
        auto* edit = form->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        ASSERT_NE(edit, nullptr);
        const bool right = pattern[i] == '+';
        edit->setText(right ? QString::fromLatin1(e.item.fields[2]) : QStringLiteral("nonsense"));
        QTest::keyClick(edit, Qt::Key_Return);
        if (!right)
            for (int t = 0; t < 30; ++t)
                i + 1 == pattern.size() ? form->Timer3Timer() : form->Timer1Timer();
    }
}

QByteArray registerBytes(const Room& room)
{
    QFile f(DiagnosisRegister(*room.engine).registerPath());
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

qint32 resultInFile(const QByteArray& bytes, int slot)
{
    const int at = rec::kResultOffset + 4 * (slot - 1);
    return static_cast<qint32>(
        static_cast<quint8>(bytes[at]) | static_cast<quint8>(bytes[at + 1]) << 8 |
        static_cast<quint8>(bytes[at + 2]) << 16 | static_cast<quint8>(bytes[at + 3]) << 24);
}

int stateInFile(const QByteArray& bytes, int slot)
{
    return static_cast<quint8>(bytes[rec::kStateOffset + slot - 1]);
}

} // namespace

TEST(Tdiaprot, FreshPupilShowsHeaderSubjectsAndStates)
{
    Room room;
    auto p = room.open();
    EXPECT_EQ(child<QLabel>(p.get(), "TitleLabel")->text(), "Report of the diagnosises for Cleo");
    const struct {
        int row, column;
        const char* text;
    } cells[] = {
        {0, 0, "  No."},
        {0, 1, "                  Subject"},
        {0, 2, "    Result"},
        {0, 3, "    Occasion"},
        {0, 4, "    State"},
        {1, 0, "   1"},
        {1, 1, "  DINA ORD, \u00d6vers\u00e4tt 1"},
        {1, 2, "          0"},
        {1, 3, "  "},
        {1, 4, "    Begin"},
        {2, 4, "    Wait"},
        {7, 4, "    Wait"},
        {10, 0, "  10"},
        {16, 4, "    Wait"},
        {17, 1, "  Passivum - \"dela upp\""},
        {20, 4, "    Begin"},
        {21, 1, "                                                        Total:"},
        {21, 2, "          0"},
    };
    for (const auto& c : cells)
        EXPECT_EQ(p->cell(c.column, c.row), QString::fromUtf8(c.text)) << c.row << "," << c.column;
    for (int s = 1; s <= 20; ++s)
        EXPECT_EQ(p->cell(4, s), rec::isChainFollower(s) ? "    Wait" : "    Begin") << s;
    EXPECT_EQ(grid(p.get())->currentRow(), 1);
    EXPECT_EQ(grid(p.get())->selectedItems().size(), 4) << "columns 1 to 4 of the row";
}

TEST(Tdiaprot, ResultsOccasionsAndTotalAreAligned)
{
    const struct {
        std::vector<std::pair<int, int>> results; // slot, result
        int slot;
        const char* result;
        const char* occasion;
        const char* total;
    } cases[] = {
        {{{3, 7}}, 3, "          7", "  021201 08:23", "          7"},
        {{{6, 15}, {1, 14}}, 6, "        15", "  021201 08:23", "        29"},
        {{{6, 15}}, 5, "          0", "  ", "        15"},
    };
    for (const auto& c : cases) {
        Room room;
        auto& r = room.engine->diagnosis.current;
        for (const auto& [slot, value] : c.results) {
            room.engine->diagnosis.currentSlot = slot;
            room.engine->diagnosback(value);
        }
        room.engine->diagnosis.recordChanged = false;
        r.year[5] = 2001; // a date without a result is not shown
        auto p = room.open();
        EXPECT_EQ(p->cell(2, c.slot), c.result);
        EXPECT_EQ(p->cell(3, c.slot), c.occasion);
        EXPECT_EQ(p->cell(2, 21), c.total);
    }

    Room full;
    for (int s = 1; s <= 20; ++s)
        full.engine->diagnosis.current.result[static_cast<size_t>(s)] = 20;
    auto p = full.open();
    EXPECT_EQ(p->cell(2, 9), "        20");
    EXPECT_EQ(p->cell(2, 21), "       400") << "seven blanks from 100 on";
}

TEST(Tdiaprot, WaitingRowExplainsWhatComesFirst)
{
    const struct {
        int row;
        quint8 state;       // of the row
        quint8 predecessor; // state of the row before it
        bool byMouse;
        const char* second; // nullptr: no box
    } cases[] = {
        {3, 1, 3, false, "better before you do this test."},
        {7, 1, 0, false, "before you do this test ."},
        {16, 3, 2, true, "before you do this test ."},
        {11, 1, 1, true, "before you do this test ."},
        {5, 1, 0, true, nullptr}, // not a follower
        {4, 0, 2, true, nullptr}, // "Begin"
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        Room room;
        auto& r = room.engine->diagnosis.current;
        r.state[static_cast<size_t>(c.row)] = c.state;
        r.state[static_cast<size_t>(c.row - 1)] = c.predecessor;
        auto p = room.open();
        auto* g = grid(p.get());
        if (c.byMouse) {
            QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                              g->visualItemRect(g->item(c.row, 1)).center());
        } else {
            enterOn(p.get(), c.row);
        }
        EXPECT_EQ(room.engine->session.selectedProtocolRow, c.row);
        auto* box = child<QWidget>(p.get(), "Panel2");
        ASSERT_EQ(box->isVisible(), c.second != nullptr);
        if (!c.second)
            continue;
        const QString first = QStringLiteral("You have to do ") +
                              QString::fromUtf8(catalogue::diagnosisSlots()[c.row - 2].subject);
        EXPECT_EQ(child<QLabel>(p.get(), "Panel2Line1")->text(), first);
        EXPECT_EQ(child<QLabel>(p.get(), "Panel2Line2")->text(), c.second);
        // As wide as its longer line + 30, 20 pixels from the right, under the row.
        const int longer = std::max<int>(first.size(), static_cast<int>(strlen(c.second)));
        EXPECT_EQ(box->width(), longer * 10 + 30);
        EXPECT_EQ(box->geometry().right() + 1, 1024 - 20);
        EXPECT_EQ(box->y(), (c.row + 1) * g->height() / 22 + g->y());
        EXPECT_TRUE(room.inst.messages.entries().isEmpty()) << "nothing starts";
        g->setCurrentCell(1, 1);
        EXPECT_FALSE(box->isVisible()) << "selecting a cell hides the box";
    }
}

TEST(Tdiaprot, EverySlotStartsItsTestOrPracticeInItsForm)
{
    Room room;
    auto p = room.open();
    for (const catalogue::DiagnosisSlot& s : catalogue::diagnosisSlots()) {
        for (const bool practice : {false, true}) {
            SCOPED_TRACE(std::to_string(s.slot) + (practice ? " practice" : " test"));
            room.inst.messages.clear();
            room.engine->diagnosis.current.state[static_cast<size_t>(s.slot)] = practice ? 3 : 0;
            room.engine->session.mode = SessionMode::Practice;
            room.engine->session.diagnosisRoundMarker = 5;
            const QByteArray file = practice ? s.practiceFile : s.testFile;
            const QByteArray formClass = practice ? s.practiceForm : s.testForm;
            const bool built = programForms().contains(formClass);
            const bool present = file != "ENGDI13.DAT";
            bool opened = false;
            whenFormOpens(opened, [&](ExerciseForm* form) {
                EXPECT_EQ(QByteArray(form->metaObject()->className()), "vindra::" + formClass);
                EXPECT_EQ(room.engine->item.currentFileName, file);
                EXPECT_EQ(room.engine->session.mode,
                          practice ? SessionMode::Practise1 : SessionMode::DiagnosisTest);
                EXPECT_EQ(room.engine->diagnosis.currentSlot, s.slot);
                if (practice) {
                    EXPECT_EQ(room.engine->session.diagnosisRoundMarker, 0);
                }
                EXPECT_FALSE(p->protocolEnabled()) << "disabled while the exercise runs";
                EXPECT_TRUE(form->isEnabled());
            });
            enterOn(p.get(), s.slot);
            QApplication::processEvents(); // a form that did not open leaves its lambda queued
            EXPECT_EQ(opened, built && present);
            QStringList said;
            if (!built)
                said << QString::fromUtf8(Tdiaprot::kNotAvailable);
            else if (!present) // reported by the reader and again by the check
                said << QString::fromUtf8("Filen ENGDI13.DAT finns inte eller \u00e4r felaktig")
                     << QString::fromUtf8("Filen ENGDI13.DAT finns inte eller \u00e4r felaktig");
            EXPECT_EQ(room.inst.messages.texts(), said);
            EXPECT_TRUE(p->protocolEnabled());
        }
    }
    // Enter on the total row starts nothing.
    room.inst.messages.clear();
    bool opened = false;
    whenFormOpens(opened, [](ExerciseForm*) {});
    enterOn(p.get(), 21);
    QApplication::processEvents();
    EXPECT_FALSE(opened);
    EXPECT_TRUE(room.inst.messages.entries().isEmpty());
}

TEST(Tdiaprot, EveryWayOutSavesTheRecordAndReturnsToPractice)
{
    for (const bool byEsc : {false, true}) {
        SCOPED_TRACE(byEsc ? "Esc" : "Leave");
        Room room;
        auto p = room.open();
        if (byEsc)
            QTest::keyClick(grid(p.get()), Qt::Key_Escape);
        else
            child<QPushButton>(p.get(), "AvbrytButton")->click();
        EXPECT_FALSE(p->isVisible());
        EXPECT_EQ(room.engine->session.mode, SessionMode::Practice);
        EXPECT_TRUE(room.engine->diagnosis.diagnosisLeft);
        const auto stored = room.stored();
        ASSERT_TRUE(stored.has_value()) << "a new pupil is added to the register";
        EXPECT_EQ(stored->name, "Cleo");
    }
}

TEST(Tdiaprot, NewPasswordIsStoredWhenTheProtocolIsLeft)
{
    Room room;
    auto p = room.open();
    QTimer::singleShot(0, [] {
        auto* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        ASSERT_NE(edit, nullptr);
        for (int i = 0; i < 2; ++i) {
            edit->setText(QStringLiteral("Ugglan"));
            QTest::keyClick(edit, Qt::Key_Return);
        }
        if (dialog->isVisible())
            dialog->close();
    });
    child<QPushButton>(p.get(), "LosenButton")->click();
    EXPECT_EQ(room.engine->diagnosis.current.password, "Ugglan");
    child<QPushButton>(p.get(), "AvbrytButton")->click();
    ASSERT_TRUE(room.stored().has_value());
    EXPECT_EQ(room.stored()->password, "Ugglan");
}

TEST(Tdiaprot, HelpBoxShowsAndAClickInTheGridHidesIt)
{
    Room room;
    auto p = room.open();
    auto* help = child<QWidget>(p.get(), "Panel1");
    EXPECT_FALSE(help->isVisible());
    child<QPushButton>(p.get(), "HjalpButton")->click();
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(child<QLabel>(p.get(), "Panel1Line1")->text(),
              "Move to the wanted line. Then double-");
    EXPECT_EQ(child<QLabel>(p.get(), "Panel1Line2")->text(),
              "click or hit Enter to get the diagnosis.");
    EXPECT_EQ(help->width(), 37 * 10 + 2 * 12);
    EXPECT_EQ(help->x(), 12);
    auto* g = grid(p.get());
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualItemRect(g->item(5, 1)).center());
    EXPECT_FALSE(help->isVisible());
}

TEST(Tdiaprot, PrintOutCopiesTheGridIntoThePrintout)
{
    Room room;
    auto p = room.open();
    // Screen 1024 wide, unit 12, date column 160 pixels in the fixed measure's grid font:
    // 4 % for 3 units, 16 % for the date column.
    EXPECT_EQ(p->printColumns(), (std::array<int, 4>{4, 55, 70, 87}));
    child<QPushButton>(p.get(), "SkrivutButton")->click();
    ASSERT_EQ(room.printer.pages().size(), 1);
    for (int r = 0; r < Tdiaprot::kRows; ++r)
        for (int c = 0; c < Tdiaprot::kColumns; ++c)
            EXPECT_EQ(room.diagutform->cell(c, r), p->cell(c, r));
    const auto& texts = room.printer.pages().first().texts;
    EXPECT_EQ(texts.first().text, "Report of the diagnosises from \"Vindra\" for Cleo.");
    const auto wait = std::find_if(texts.begin(), texts.end(),
                                   [](const auto& t) { return t.text == "    Wait"; });
    ASSERT_NE(wait, texts.end());
    EXPECT_EQ(wait->at.x(), 150 + room.diagutform->ProcentTillPixel(87));
}

// A pupil logs in, passes the test of slot 6, fails it the next time and practises.
TEST(Tdiaprot, PupilTakesATestAndPractisesAfterAFailedOne)
{
    Room room;
    room.engine->session.mode = SessionMode::DiagnosisTest;
    TDiag diag(*room.engine, room.services);
    diag.show();
    child<QPushButton>(&diag, "NewUserButton")->click();
    auto* name = child<QLineEdit>(&diag, "NameEdit");
    name->setText(QStringLiteral("Alva"));

    bool inProtocol = false;
    QTimer::singleShot(0, [&] {
        auto* p = qobject_cast<Tdiaprot*>(QApplication::activeModalWidget());
        ASSERT_NE(p, nullptr);
        inProtocol = true;

        bool opened = false;
        whenFormOpens(opened, [](ExerciseForm* f) { answerRound(f, "-+++-+++-+++-+++-+++"); });
        enterOn(p, 6);
        EXPECT_TRUE(opened);
        for (int row : {6, 7})
            EXPECT_EQ(p->cell(4, row), "    Test") << row;
        EXPECT_EQ(p->cell(2, 6), "        15");
        EXPECT_EQ(p->cell(3, 6), "  021201 08:23");
        EXPECT_EQ(p->cell(2, 21), "        15");
        EXPECT_TRUE(p->protocolEnabled());
        QByteArray bytes = registerBytes(room);
        ASSERT_EQ(bytes.size(), rec::kSize) << "saved when the result came in";
        EXPECT_EQ(resultInFile(bytes, 6), 15);
        EXPECT_EQ(stateInFile(bytes, 6), 2);
        EXPECT_EQ(stateInFile(bytes, 7), 2);

        room.inst.clock.advanceSecs(3600);
        opened = false;
        whenFormOpens(opened, [](ExerciseForm* f) { answerRound(f, "+-+-+-+-+-+++++++---"); });
        enterOn(p, 6);
        EXPECT_EQ(p->cell(4, 6), "    Practise");
        EXPECT_EQ(p->cell(4, 7), "    Wait");
        EXPECT_EQ(p->cell(2, 6), "        12");
        EXPECT_EQ(p->cell(3, 6), "  021201 09:23");
        bytes = registerBytes(room);
        EXPECT_EQ(resultInFile(bytes, 6), 12);
        EXPECT_EQ(stateInFile(bytes, 6), 3);
        EXPECT_EQ(stateInFile(bytes, 7), 1);

        // "Practise" starts the practice file; two passed rounds make the slot "Test" again.
        opened = false;
        whenFormOpens(opened, [&](ExerciseForm* f) {
            EXPECT_EQ(room.engine->item.currentFileName, "ENOVN106.DAT");
            EXPECT_EQ(room.engine->session.mode, SessionMode::Practise1);
            answerRound(f, "++++++++------------");
            f->Button2Click();
            answerRound(f, "++++++++------------");
        });
        enterOn(p, 6);
        EXPECT_TRUE(opened);
        EXPECT_EQ(p->cell(4, 6), "    Test");
        EXPECT_EQ(stateInFile(registerBytes(room), 6), 2) << "saved when the practice ended";

        child<QPushButton>(p, "AvbrytButton")->click();
    });
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_TRUE(inProtocol);
    EXPECT_FALSE(diag.isVisible());
    EXPECT_EQ(room.engine->session.mode, SessionMode::Practice);
    const auto stored = room.stored();
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->name, "Alva");
    EXPECT_EQ(stored->result[6], 12);
    EXPECT_EQ(stored->state[6], 2);
}

// Whatever stops a save, the pupil is told why and may try again; the result stays marked
// unsaved, and once the trouble is gone it is saved under a busy cursor without a word.
TEST(Tdiaprot, AFailedSaveIsReportedAndTriedAgain)
{
    for (const test::SaveFailure& c : test::saveFailures()) {
        SCOPED_TRACE(c.what);
        Room room;
        const QString results = room.inst.root + "/results";
        auto p = room.open();
        p->diagnosisRegister().lockWaitMs = 100;
        std::shared_ptr<void> trouble;
        if (!c.cause(results, trouble))
            continue; // cannot be made here
        room.inst.messages.whileAsking = [](const QString&) {
            EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr)
                << "no busy cursor over a question";
        };
        room.inst.messages.queueAnswer(true); // "Försök igen" once, then "Avbryt"
        room.engine->diagnosis.currentSlot = 5;
        room.engine->diagnosback(17);
        const QString said = "Diagnosen kunde inte sparas.\n" + c.text.arg(results);
        EXPECT_EQ(room.inst.messages.retries(), QStringList({said, said}));
        EXPECT_TRUE(room.engine->diagnosis.recordChanged) << "still unsaved";
        EXPECT_EQ(p->cell(2, 5), "        17");

        trouble.reset();
        room.inst.messages.clear();
        bool busy = false;
        p->diagnosisRegister().beforeCommit = [&] {
            busy = QGuiApplication::overrideCursor() &&
                   QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
        };
        child<QPushButton>(p.get(), "AvbrytButton")->click();
        EXPECT_FALSE(p->isVisible());
        EXPECT_TRUE(busy);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(room.inst.messages.entries().isEmpty());
        ASSERT_TRUE(room.stored().has_value());
        EXPECT_EQ(room.stored()->result[5], 17);
    }
}

TEST(Tdiaprot, LeavingWithAnUnsavedResultAsksFirst)
{
    Room room;
    const QString results = room.inst.root + "/results";
    auto p = room.open();
    QDir(results).removeRecursively();
    room.engine->diagnosis.currentSlot = 5;
    room.engine->diagnosback(17); // "Avbryt" at the question

    // Leaving fails to save again; the pupil chooses to stay.
    room.inst.messages.clear();
    room.inst.messages.queueAnswer(false);
    room.inst.messages.queueAnswer(false);
    child<QPushButton>(p.get(), "AvbrytButton")->click();
    EXPECT_TRUE(p->isVisible());
    EXPECT_EQ(room.engine->session.mode, SessionMode::DiagnosisTest);
    EXPECT_EQ(room.inst.messages.retries().size(), 1);
    EXPECT_EQ(room.inst.messages.confirmations(),
              QStringList{"Diagnosen \u00e4r inte sparad och g\u00e5r f\u00f6rlorad om du "
                          "l\u00e4mnar nu. Vill du l\u00e4mna \u00e4nd\u00e5?"});

    // Esc leaves the same way; meanwhile the directory is back, and trying again saves.
    room.inst.messages.clear();
    room.inst.messages.whileAsking = [&](const QString&) { QDir().mkpath(results); };
    room.inst.messages.queueAnswer(true);
    QTest::keyClick(grid(p.get()), Qt::Key_Escape);
    EXPECT_FALSE(p->isVisible());
    EXPECT_EQ(room.engine->session.mode, SessionMode::Practice);
    EXPECT_TRUE(room.inst.messages.confirmations().isEmpty());
    ASSERT_TRUE(room.stored().has_value());
    EXPECT_EQ(room.stored()->result[5], 17);
}

// A pupil made by "New user" whose name someone else saved meanwhile (on another computer, or
// the teacher's tool) never overwrites that record and its password.
TEST(Tdiaprot, ANewPupilNeverOverwritesARecordSavedMeanwhile)
{
    Room room;
    room.engine->diagnosis.newRecord = true;
    DiagnosisRecord other = rec::cleared();
    other.name = "cleo";
    other.password = "hemligt";
    ASSERT_EQ(DiagnosisRegister(*room.engine).store(other, DiagnosisRegister::StoreMode::AddOnly),
              DiagnosisRegister::StoreResult::Saved);
    const QByteArray before = registerBytes(room);

    auto p = room.open();
    room.engine->diagnosis.currentSlot = 5;
    room.engine->diagnosback(17);
    const QString taken = "N\u00e5gon annan har hunnit spara en diagnos med namnet \"Cleo\". Ditt "
                          "resultat har inte sparats. Be din l\u00e4rare om hj\u00e4lp.";
    EXPECT_EQ(room.inst.messages.texts(), QStringList{taken});
    child<QPushButton>(p.get(), "AvbrytButton")->click(); // told again, asked, and leaves
    EXPECT_FALSE(p->isVisible());
    EXPECT_EQ(room.inst.messages.confirmations().size(), 1);
    EXPECT_EQ(registerBytes(room), before);
}
