#include "engine/cp1252.h"
#include "engine/engine.h"
#include "engine/highscore.h"
#include "engine/wordlist.h"
#include "framework/formregistry.h"
#include "framework/formtimer.h"
#include "games/rekordu.h"
#include "platform/screen.h"
#include "platform/textmeasure.h"
#include "support/material.h"
#include "support/modal.h"
#include "words/dinaord.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

using namespace vindra;

namespace {

// ---- The lists' rules, without a window --------------------------------------------------

TEST(WordListRules, NamesScoresAndFiles)
{
    const struct {
        const char* shortName;
        const char* longName;
        const char* panel;
    } names[] = {
        {"GLOSOR_3", "Rather difficult words", "Rather difficult words"},
        {"glosor_3", "Rather difficult words", "Rather difficult words"},
        {"TIERE", "TIERE", "TIERE"},
        {"2ARD4U_5", "2ARD4U 5", "Too hard for you 5"},
        {"Chemist", "At the chemist's", "At the chemist's"},
    };
    for (const auto& n : names) {
        EXPECT_EQ(wordlist::longName(n.shortName), QByteArray(n.longName)) << n.shortName;
        EXPECT_EQ(wordlist::panelText(wordlist::longName(n.shortName)), QByteArray(n.panel));
    }

    // kitchen, 7 letters: 3.00 s, the same with the lamp, and a minute.
    EXPECT_DOUBLE_EQ(wordlist::answerScore(7, 300, false), 101);
    EXPECT_DOUBLE_EQ(wordlist::answerScore(7, 300, true), 50.5);
    EXPECT_DOUBLE_EQ(wordlist::answerScore(7, 6000, false), -13);

    // One short name in both kinds: separate tables and separate high-score lists.
    using wordlist::Kind;
    EXPECT_NE(wordlist::keyOf(Kind::General, "FOOD.re1"),
              wordlist::keyOf(Kind::Special, "FOOD.re2"));
    EXPECT_EQ(wordlist::keyOf(Kind::General, "food.re1"),
              wordlist::keyOf(Kind::General, "FOOD.RE1"));
    EXPECT_EQ(wordlist::scoreFileName(Kind::General, "food.re1"), QByteArray("FOOD.ENR"));
    EXPECT_EQ(wordlist::scoreFileName(Kind::Special, "FOOD.re2"), QByteArray("FOOD.EN2"));
}

TEST(WordListRules, ListingTakesBothFoldersSortedOnce)
{
    test::Installation inst;
    inst.write(QStringLiteral("hd/DATA/war.re1"), "a#b\n");
    inst.write(QStringLiteral("hd/DATA/MINE.re1"), "a#b\n");
    inst.write(QStringLiteral("hd/DATA/OTHER.re2"), "a#b\n");
    inst.data(QStringLiteral("WAR.re1"), "a#b\n");
    inst.data(QStringLiteral("A_WORDS.re1"), "a#b\n");
    QDir(inst.root).mkpath(QStringLiteral("material/DATA/FOLDER.re1"));
    const QList<QByteArray> general =
        wordlist::listFiles(inst.root + QStringLiteral("/hd/DATA"),
                            inst.root + QStringLiteral("/material/DATA"), wordlist::Kind::General);
    EXPECT_EQ(general, (QList<QByteArray>{"A_WORDS.re1", "MINE.re1", "war.re1"}));
    EXPECT_EQ(wordlist::listFiles(QStringLiteral("/nonexistent"),
                                  inst.root + QStringLiteral("/hd/DATA"), wordlist::Kind::Special),
              (QList<QByteArray>{"OTHER.re2"}));
}

TEST(WordListRules, ReadingCountsItemsAndHeadersOfTheFirstFiveLines)
{
    const wordlist::Contents c = wordlist::read("$Vocabulary\r\n; note\r\n$\xA7Translate.\r\n\r\n"
                                                "hund#dog\r\nkatt#cat\r\n$late header\r\n;x\r\n"
                                                "\r\nh\xE4st#horse");
    EXPECT_EQ(c.itemCount, 3);
    EXPECT_EQ(c.headers.header[1], QByteArray("Vocabulary"));
    EXPECT_EQ(c.headers.instruction, QByteArray("Translate."));
    EXPECT_TRUE(c.headers.header[2].isEmpty()) << "a $ line beyond the fifth is no header";
    EXPECT_EQ(wordlist::itemLine("$x\nhund#dog\n;c\nkatt#cat\n", 2), QByteArray("katt#cat"));
    EXPECT_TRUE(wordlist::itemLine("hund#dog\n", 2).isEmpty());
}

TEST(WordListRules, DrawsEachWordOncePerPassAndKeepsErrorsByList)
{
    std::array<int, 1001> permutation{};
    for (int i = 1; i <= 1000; ++i)
        permutation[static_cast<size_t>(i)] = 1001 - i; // 1000, 999, …, 1
    WordLists lists;
    lists.state("re1:FOUR").itemCount = 4;
    QList<int> drawn;
    for (int i = 0; i < 10; ++i)
        drawn << lists.draw("re1:FOUR", permutation);
    EXPECT_EQ(drawn, (QList<int>{4, 3, 2, 1, 4, 3, 2, 1, 4, 3}));
    EXPECT_EQ(lists.draw("re1:UNREAD", permutation), 0);

    // 201 errors: the oldest is pushed out and its list's count goes down.
    lists.recordError("re1:A", 5);
    for (int i = 0; i < WordLists::kMaxErrors; ++i)
        lists.recordError("re2:A", i + 1);
    EXPECT_EQ(lists.errors.size(), WordLists::kMaxErrors);
    EXPECT_EQ(lists.errorCount("re1:A"), 0);
    EXPECT_EQ(lists.errorCount("re2:A"), WordLists::kMaxErrors);
    EXPECT_EQ(lists.oldestError("re2:A"), 1);
    lists.moveOldestToBack("re2:A");
    EXPECT_EQ(lists.oldestError("re2:A"), 2);
    lists.removeOldest("re2:A");
    EXPECT_EQ(lists.oldestError("re2:A"), 3);
    EXPECT_EQ(lists.errorCount("re2:A"), WordLists::kMaxErrors - 1);
}

// ---- The form ----------------------------------------------------------------------------

class DinaOrd : public ::testing::Test {
protected:
    void SetUp() override
    {
        FormTimer::setManual(true);
        inst.data(QStringLiteral("datfiler.eng"), "ENG31051.DAT\n");
        inst.data(QStringLiteral("ENG31051.DAT"), "$\xA7"
                                                  "Choose with the mouse.\na#b\n");
        QByteArray words = "$\xA7\xD6vers\xE4tt till engelska.\n; twelve words\n";
        for (const char* pair : {"hund#dog", "katt#cat", "h\xE4st#horse", "ko#cow", "gris#pig",
                                 "f\xE5gel#bird", "fisk#fish", "mus#mouse", "r\xE4v#fox",
                                 "varg#wolf", "bj\xF6rn#bear", "\xE4lg#elk#&moose"})
            words += QByteArray(pair) + '\n';
        inst.data(QStringLiteral("FOOD.re1"), words);
        inst.data(QStringLiteral("FOOD.re2"), "k\xF6k#kitchen\nugn#oven\nsked#spoon\n");
        inst.data(QStringLiteral("MOTSATS.re1"), "$\xA7Skriv motsatsen.\nbig#small\nhot#cold\n");
        inst.data(QStringLiteral("EMPTY.re1"), "$\xA7Nothing here.\n; only a comment\n");
        engine = inst.start();
        ASSERT_TRUE(inst.started);
        engine->layoutUnit = 12;
        services = Services{&inst.messages, &measure, &screen, &inst.clock};
    }
    void TearDown() override { FormTimer::setManual(false); }

    std::unique_ptr<TDinaOrd> open(quint16 code, SessionMode mode = SessionMode::Practice)
    {
        engine->session.mode = mode;
        engine->item.exerciseCode = code;
        auto w = createForm<TDinaOrd>(*engine, services);
        w->show();
        return w;
    }
    template <class T = QWidget> T* child(QWidget& w, const char* name)
    {
        return w.findChild<T*>(QString::fromLatin1(name));
    }
    QStringList picker(TDinaOrd& w)
    {
        QStringList names;
        auto* list = child<QListWidget>(w, "ListBox1");
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }
    /// Picks the list shown as `longName` and types the pupil's name.
    void choose(TDinaOrd& w, const QString& longName, const QString& name = QStringLiteral("Anna"))
    {
        auto* list = child<QListWidget>(w, "ListBox1");
        list->setCurrentRow(static_cast<int>(picker(w).indexOf(longName)));
        QTest::keyClick(list, Qt::Key_Return);
        if (w.screenShown() != TDinaOrd::Screen::NameBox)
            return;
        auto* edit = child<QLineEdit>(w, "Edit2");
        edit->setText(name);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    QString right() const { return cp1252::toUnicode(engine->item.fields[2]); }
    void answer(TDinaOrd& w, const QString& text, qint64 afterMs = 3000)
    {
        inst.clock.set(inst.clock.now().addMSecs(afterMs));
        auto* edit = child<QLineEdit>(w, "Edit1");
        edit->setText(text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    void tickOut(TDinaOrd& w)
    {
        for (int i = 0; i < 40; ++i) {
            w.Timer1Timer();
            w.Timer3Timer();
        }
    }
    QString text(TDinaOrd& w, const char* label) { return child<QLabel>(w, label)->text(); }

    test::Installation inst;
    std::unique_ptr<Engine> engine;
    FixedTextMeasure measure;
    FixedScreen screen{QSize(1024, 768)};
    Services services;
};

TEST_F(DinaOrd, PickerNameBoxAndKeys)
{
    auto w = open(wordlist::kGeneralCode);
    EXPECT_EQ(picker(*w), (QStringList{QStringLiteral("EMPTY"), QStringLiteral("Our food"),
                                       QStringLiteral("Find the opposite")}));
    auto* list = child<QListWidget>(*w, "ListBox1");
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_FALSE(child(*w, "InstruktionsLabel")->isVisible())
        << "nothing of the exercise opened before is shown";
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(list->currentRow(), 0);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentRow(), 2);

    // A list without an item line: its message, and the pupil stays in the picker.
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_EQ(inst.messages.texts().size(), 1);
    EXPECT_TRUE(
        inst.messages.texts()[0].endsWith(QStringLiteral("EMPTY.re1 finns inte eller är felaktig")))
        << qPrintable(inst.messages.texts()[0]);
    EXPECT_EQ(w->screenShown(), TDinaOrd::Screen::Picker);
    EXPECT_TRUE(list->isVisible());

    // The name box: an empty name is refused, Esc goes back to the picker.
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_EQ(w->screenShown(), TDinaOrd::Screen::NameBox);
    EXPECT_EQ(text(*w, "FilPanel"), QStringLiteral("Our food"));
    auto* name = child<QLineEdit>(*w, "Edit2");
    name->setText(QStringLiteral("   "));
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(w->screenShown(), TDinaOrd::Screen::NameBox);
    QTest::keyClick(name, Qt::Key_Escape);
    EXPECT_EQ(w->screenShown(), TDinaOrd::Screen::Picker);
    EXPECT_TRUE(w->isVisible());
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible()) << "Esc in the picker closes the form";
}

TEST_F(DinaOrd, RoundScoresAndGoesToTheHighScoreList)
{
    auto w = open(wordlist::kGeneralCode);
    choose(*w, QStringLiteral("Our food"), QStringLiteral("A very long name of a pupil"));
    ASSERT_EQ(w->screenShown(), TDinaOrd::Screen::Session);
    EXPECT_EQ(engine->playerNames[0], QByteArray("A very long name of"));
    EXPECT_EQ(engine->item.exerciseCode, wordlist::kListCode);
    EXPECT_EQ(text(*w, "InstruktionsLabel"), QStringLiteral("Översätt till engelska."));
    EXPECT_TRUE(child(*w, "InstruktionsLabel")->isVisible());
    EXPECT_EQ(text(*w, "FragaNummer"), QStringLiteral("1/10"));
    EXPECT_FALSE(child(*w, "SvarsLabel")->isVisible());

    // Right after 3 s: 100 + letters − 6.
    const int letters = static_cast<int>(engine->item.fields[2].size());
    answer(*w, right());
    EXPECT_DOUBLE_EQ(w->score(), 94 + letters);
    EXPECT_EQ(text(*w, "FragaNummer"), QStringLiteral("2/10"));
    EXPECT_EQ(text(*w, "PoangNummer"), QString::number(94 + letters));

    // Wrong: the right answer is shown; then the lamp halves the next word's points.
    answer(*w, QStringLiteral("xyz"));
    EXPECT_TRUE(child(*w, "SvarsLabel")->isVisible());
    EXPECT_EQ(text(*w, "SvarsLabel"), right());
    tickOut(*w);
    EXPECT_EQ(text(*w, "FragaNummer"), QStringLiteral("3/10"));
    const double before = w->score();
    QTest::mouseClick(child<QPushButton>(*w, "lampknapp"), Qt::LeftButton);
    EXPECT_TRUE(child(*w, "LampShape")->isVisible());
    const auto length = engine->item.fields[2].size();
    answer(*w, right(), 1000);
    EXPECT_DOUBLE_EQ(w->score(), before + static_cast<double>(length + 98) / 2);
    QTest::mouseClick(child(*w, "LampShape"), Qt::LeftButton);
    EXPECT_FALSE(child(*w, "LampShape")->isVisible());

    // Very slow answers take the score below nothing; the high-score entry gets 0.
    auto* table = child<QPushButton>(*w, "Button3");
    while (!engine->session.roundOver()) {
        EXPECT_FALSE(table->isEnabled());
        answer(*w, right(), 200000);
    }
    EXPECT_LT(w->score(), 0);
    EXPECT_TRUE(child(*w, "Panel1")->isVisible());
    EXPECT_TRUE(table->isEnabled());
    EXPECT_TRUE(child<QPushButton>(*w, "Button1")->isEnabled()) << "one word was wrong";
    test::NextModal list([](QWidget* rekord) { static_cast<TRekord*>(rekord)->Button1Click(); });
    table->click();
    EXPECT_TRUE(list.opened());
    EXPECT_FALSE(table->isEnabled());
    EXPECT_EQ(engine->highScore.entry.score, 0);
    EXPECT_EQ(engine->highScore.listTitle, QByteArray("Our food"));
    const auto saved = highscore::load(inst.root + QStringLiteral("/scores/FOOD.ENR"));
    ASSERT_TRUE(saved && saved->exists);
    ASSERT_EQ(saved->records.size(), 1);
    EXPECT_EQ(saved->records[0].name, QByteArray("A very long name of"));

    // A new round starts at 0 with the table button off.
    child<QPushButton>(*w, "Button2")->click();
    EXPECT_EQ(w->score(), 0);
    EXPECT_EQ(text(*w, "FragaNummer"), QStringLiteral("1/10"));
    EXPECT_FALSE(table->isEnabled());
}

TEST_F(DinaOrd, CorrectionRoundOverTheListsErrors)
{
    auto w = open(wordlist::kGeneralCode);
    choose(*w, QStringLiteral("Our food"));
    std::set<QByteArray> wrong;
    for (int i = 0; i < 10; ++i) {
        const bool miss = i % 3 == 0; // words 1, 4, 7, 10
        if (miss)
            wrong.insert(engine->item.fields[1]);
        answer(*w, miss ? QStringLiteral("?") : right());
        tickOut(*w);
    }
    ASSERT_TRUE(engine->session.roundOver());
    EXPECT_EQ(w->list().errorCount(), 4);
    auto* correct = child<QPushButton>(*w, "Button1");
    ASSERT_TRUE(correct->isEnabled());
    correct->click();
    EXPECT_TRUE(child(*w, "FelPanel")->isVisible());
    EXPECT_FALSE(child(*w, "DiagPanel1")->isVisible());
    EXPECT_EQ(text(*w, "FelAntal"), QStringLiteral("4"));
    EXPECT_EQ(engine->session.sessionLength, 4);
    // The words come back; one wrong again goes to the back.
    std::set<QByteArray> asked{engine->item.fields[1]};
    answer(*w, QStringLiteral("?"));
    EXPECT_EQ(text(*w, "FelAntal"), QStringLiteral("4"));
    tickOut(*w);
    for (int i = 0; i < 3; ++i) {
        asked.insert(engine->item.fields[1]);
        answer(*w, right());
        EXPECT_EQ(text(*w, "FelAntal"), QString::number(3 - i));
    }
    EXPECT_EQ(asked, wrong);
    EXPECT_TRUE(engine->session.roundOver());
    EXPECT_EQ(w->score(), 0);
    EXPECT_FALSE(child<QPushButton>(*w, "Button3")->isEnabled())
        << "a correction round has no score to enter";
    EXPECT_TRUE(correct->isEnabled()) << "one error is left";
}

TEST_F(DinaOrd, GeneralAndSpecialListsKeepTheirOwnState)
{
    {
        auto general = open(wordlist::kGeneralCode);
        choose(*general, QStringLiteral("Our food"));
        answer(*general, QStringLiteral("?"));
        tickOut(*general);
        EXPECT_EQ(general->list().errorCount(), 1);
        QTest::keyClick(child(*general, "Edit1"), Qt::Key_Escape);
        child<QPushButton>(*general, "Button4")->click();
        EXPECT_FALSE(general->isVisible());
    }
    auto special = open(wordlist::kSpecialCode);
    EXPECT_EQ(picker(*special), QStringList{QStringLiteral("Our food")});
    choose(*special, QStringLiteral("Our food"));
    EXPECT_EQ(special->list().itemCount(), 3);
    EXPECT_EQ(special->list().errorCount(), 0) << "the general list's error is its own";
    EXPECT_EQ(text(*special, "FragaNummer"), QStringLiteral("1/10"));
    // The pause offers no correction round for this list.
    QTest::keyClick(child(*special, "Edit1"), Qt::Key_Escape);
    EXPECT_TRUE(child(*special, "Panel1")->isVisible());
    EXPECT_FALSE(child<QPushButton>(*special, "Button1")->isEnabled());
    EXPECT_EQ(engine->wordLists.errorCount(wordlist::keyOf(wordlist::Kind::General, "FOOD.re1")),
              1);
    // The name typed last is offered again.
    EXPECT_EQ(engine->playerNames[0], QByteArray("Anna"));
}

TEST_F(DinaOrd, AnyNumberOfListsEachWithItsOwnErrors)
{
    // Far more lists than the picker's places of old: the last ones open and keep their own
    // counts.
    for (int i = 1; i <= 220; ++i)
        inst.data(QStringLiteral("L%1.re1").arg(i, 3, 10, QLatin1Char('0')),
                  "ett#one\ntv\xE5#two\n");
    auto w = open(wordlist::kGeneralCode);
    ASSERT_EQ(picker(*w).size(), 223);
    choose(*w, QStringLiteral("L220"));
    ASSERT_EQ(w->screenShown(), TDinaOrd::Screen::Session);
    EXPECT_EQ(w->list().itemCount(), 2);
    answer(*w, QStringLiteral("?"));
    EXPECT_EQ(engine->wordLists.errorCount(w->list().key()), 1);
    EXPECT_EQ(engine->wordLists.errorCount(wordlist::keyOf(wordlist::Kind::General, "L001.re1")),
              0);
}

TEST_F(DinaOrd, OppositesHideTheInstruction)
{
    auto w = open(wordlist::kGeneralCode);
    choose(*w, QStringLiteral("Find the opposite"));
    ASSERT_EQ(w->screenShown(), TDinaOrd::Screen::Session);
    EXPECT_FALSE(child(*w, "InstruktionsLabel")->isVisible());
    EXPECT_TRUE(child(*w, "FrageLabel2")->isVisible());
}

TEST_F(DinaOrd, WorksheetNumbersTheWordsUnderTheListsTitle)
{
    auto w = open(wordlist::kGeneralCode, SessionMode::Worksheet);
    choose(*w, QStringLiteral("Our food"));
    EXPECT_FALSE(child(*w, "Edit1")->isVisible());
    EXPECT_TRUE(child(*w, "SvarsLabel")->isVisible());
    EXPECT_EQ(text(*w, "SvarsLabel"), right());
    child<QPushButton>(*w, "SkrivutAntalButton")->click();
    for (int i = 0; i < 14; ++i)
        QTest::keyClick(w.get(), Qt::Key_Up);
    EXPECT_EQ(engine->worksheet.chosenCount, 12) << "at most the list's words";
    child<QPushButton>(*w, "SkrivutKlartButton")->click();

    const Worksheet& sheet = engine->worksheet;
    ASSERT_GE(sheet.withoutAnswers.size(), 2 + 12 * 2);
    EXPECT_EQ(sheet.withoutAnswers[0], QByteArray("1.  Ordf\xF6rr\xE5"
                                                  "det ---Our food"));
    EXPECT_EQ(sheet.withAnswers[0], QByteArray("1.  Ordf\xF6rr\xE5"
                                               "det ---Our food. Facit."));
    EXPECT_EQ(sheet.withoutAnswers[1], QByteArray("     \xD6vers\xE4tt f\xF6ljande ord:"));
    std::set<QByteArray> answers;
    for (int n = 1; n <= 12; ++n) {
        const QByteArray item = sheet.withoutAnswers[2 * n];
        const QByteArray prefix = (n < 10 ? "   " : " ") + QByteArray::number(n) + ". ";
        EXPECT_TRUE(item.startsWith(prefix)) << item.constData();
        EXPECT_EQ(sheet.withAnswers[2 * n], item);
        EXPECT_EQ(sheet.withoutAnswers[2 * n + 1], QByteArray(7, ' ') + QByteArray(36, '_'));
        answers.insert(sheet.withAnswers[2 * n + 1].trimmed());
    }
    EXPECT_EQ(answers.size(), 12u) << "every word once";
    EXPECT_TRUE(answers.count("elk eller moose."));

    // One word sent by itself gets the longer writing line.
    child<QPushButton>(*w, "SkrivutValjUtButton")->click();
    child<QPushButton>(*w, "SkrivutSkickaButton")->click();
    EXPECT_EQ(sheet.withoutAnswers.last(), QByteArray(7, ' ') + QByteArray(37, '_'));
    EXPECT_TRUE(sheet.withoutAnswers[sheet.withoutAnswers.size() - 2].startsWith(" 13. "));
}

} // namespace
