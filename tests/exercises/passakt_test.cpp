#include "exercises/passakt.h"
#include "framework/formregistry.h"
#include "framework/formtimer.h"
#include "framework/worksheetpanel.h"
#include "platform/screen.h"
#include "platform/sound.h"
#include "platform/textmeasure.h"
#include "support/material.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace vindra;

namespace {

const QByteArray kHeader = "$Dina ord\n$Rimord\n$\n$\xA7Rimmar orden?\n";

/// `n` items made by `line` from the item number.
template <typename F> QByteArray items(int n, F line)
{
    QByteArray out = kHeader;
    for (int i = 1; i <= n; ++i)
        out += line(i) + '\n';
    return out;
}

class PassAkt : public ::testing::Test {
protected:
    void SetUp() override
    {
        FormTimer::setManual(true);
        inst.data("datfiler.eng", "ENG24011.DAT\nENG35044.DAT\nENG36011.DAT\nENG32011.DAT\n"
                                  "ENG35111.DAT\nENGDI19.DAT\nREOM9001.LOV\n");
        // Rhyme pairs: odd items rhyme, even ones do not.
        inst.data("ENG24011.DAT", items(12, [](int i) -> QByteArray {
                      return "pair " + QByteArray::number(i) + (i % 2 ? "#YES#NO" : "#NO#YES");
                  }));
        for (int i = 1; i <= 12; ++i)
            inst.write(
                QStringLiteral("material/LJUD/E2411/E2411%1.WAV").arg(i, 3, 10, QLatin1Char('0')),
                "RIFF");
        // Tense digit in field 2; the choices keep their order.
        inst.data("ENG35044.DAT", items(12, [](int i) -> QByteArray {
                      return "Item " + QByteArray::number(i) + " we <had gone>.#" +
                             QByteArray::number(i % 5 + 1) +
                             "Presens#Imperfekt#Perfekt#Pluskvamperfekt#Futurum";
                  }));
        // Unsorted choices with a duplicate, and a translation.
        inst.data("ENG36011.DAT", items(12, [](int i) -> QByteArray {
                      return "She runs <Quickly> " + QByteArray::number(i) +
                             ".#verb#noun#adjective#verb#!hon springer";
                  }));
        inst.data("ENG32011.DAT", items(12, [](int i) -> QByteArray {
                      return "big " + QByteArray::number(i) + "#1#2#3";
                  }));
        inst.data("ENG35111.DAT", items(12, [](int i) -> QByteArray {
                      return "It was built " + QByteArray::number(i) + ".#PASS#AKT";
                  }));
        inst.data("ENGDI19.DAT", items(25, [](int i) -> QByteArray {
                      return "He sings <well> " + QByteArray::number(i) + ".#adverb#adjektiv";
                  }));
        inst.data("REOM9001.LOV", "Alla r\xE4tt!\n");
        engine = inst.start();
        ASSERT_TRUE(inst.started);
        engine->layoutUnit = 12;
        engine->setSoundPlayer(&player);
        services = Services{&inst.messages, &measure, &screen, &inst.clock, &player};
    }
    void TearDown() override
    {
        engine->setSoundPlayer(nullptr);
        FormTimer::setManual(false);
    }

    void open(const QByteArray& name, SessionMode mode = SessionMode::Practice)
    {
        engine->session.mode = mode;
        engine->setCurrentFileName(name);
        ASSERT_TRUE(engine->Kolla(name));
        form = createForm<TPassAkt>(*engine, services);
        form->show();
    }
    template <typename T> T* child(const char* name) const
    {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    QStringList captions() const
    {
        QStringList out;
        for (ChoiceButton* b : form->shownChoices())
            out << b->text();
        return out;
    }
    /// The number of the button showing the right answer, or of one that does not.
    int button(bool right) const
    {
        const QList<ChoiceButton*> shown = form->shownChoices();
        for (ChoiceButton* b : shown) {
            const bool isRight = engine->svarstest(form->shownRight(), b->text().toLatin1(), 1) ==
                                 Engine::kAnswerRight;
            if (isRight == right)
                return b->number();
        }
        return 0;
    }
    void tick(int n)
    {
        for (int i = 0; i < n; ++i)
            form->Timer1Timer();
    }
    /// Answers by keyboard: '+' right, '-' wrong (the display then runs out).
    void round(const std::string& pattern)
    {
        for (size_t i = 0; i < pattern.size(); ++i) {
            const int k = button(pattern[i] == '+');
            ASSERT_GT(k, 0);
            QTest::keyClick(form.get(), char('0' + k));
            if (pattern[i] == '-') {
                for (int t = 0; t < 30; ++t)
                    i + 1 == pattern.size() ? form->Timer3Timer() : form->Timer1Timer();
            }
        }
    }

    test::Installation inst;
    FixedTextMeasure measure;
    FixedScreen screen{QSize(1024, 768)};
    RecordingSoundPlayer player;
    Services services;
    std::unique_ptr<Engine> engine;
    std::unique_ptr<TPassAkt> form;
};

} // namespace

TEST_F(PassAkt, WrongChoiceLightsTheRightButtonExplainsAndSpeaksTheItem)
{
    open("ENG24011.DAT");
    EXPECT_EQ(captions(), QStringList({"NO", "YES"}));
    const quint16 item = engine->item.currentItemNumber;
    const int right = button(true);
    form->shownChoices()[button(false) - 1]->click();

    for (ChoiceButton* b : form->shownChoices())
        EXPECT_EQ(b->hot(), b->number() == right) << b->text().toStdString();
    const QByteArray pair = engine->item.fields[1];
    EXPECT_EQ(child<QLabel>("Label7")->text(),
              QString::fromLatin1(pair + (item % 2 ? " rhyme" : " do not rhyme")));
    EXPECT_TRUE(child<QLabel>("Label7")->isVisible());
    const QString wav = QStringLiteral("E2411/E2411%1.WAV").arg(item, 3, 10, QLatin1Char('0'));
    ASSERT_EQ(player.played().size(), 1);
    EXPECT_TRUE(player.played().first().endsWith(wav)) << player.played().first().toStdString();
    QTest::keyClick(form.get(), Qt::Key_F2);
    EXPECT_EQ(player.played().size(), 2) << "F2 says it again";

    // While the right answer shows, neither a click nor a figure answers again.
    form->shownChoices()[right - 1]->click();
    QTest::keyClick(form.get(), char('0' + right));
    EXPECT_EQ(engine->session.rightCount, 0);
    EXPECT_EQ(engine->session.itemCounter, 2);
    tick(30);
    EXPECT_NE(engine->item.currentItemNumber, item);
    EXPECT_FALSE(child<QLabel>("Label7")->isVisible());

    engine->settings.SOUNDS = 2;
    form->shownChoices()[button(false) - 1]->click();
    EXPECT_EQ(player.played().size(), 2) << "no spoken words with these settings";
}

TEST_F(PassAkt, KeyboardOnlyRoundWithSortedButtons)
{
    open("ENG36011.DAT");
    EXPECT_EQ(captions(), QStringList({"adjective", "noun", "verb", "verb"}));
    EXPECT_EQ(child<QLabel>("Oversattlabel")->text(), "hon springer");
    QTest::keyClick(form.get(), '7');
    QTest::keyClick(form.get(), '8');
    EXPECT_EQ(engine->session.itemCounter, 1) << "figures without a button do nothing";

    QTest::keyClick(form.get(), '1');
    EXPECT_EQ(child<QLabel>("Label7")->text(), QString::fromLatin1("quickly \xE4r verb"));
    tick(30);
    round("++-++++++");
    EXPECT_TRUE(child<QWidget>("Panel9")->isVisible());
    EXPECT_EQ(engine->session.rightCount, 8);
    EXPECT_TRUE(player.played().isEmpty()) << "only the rhyme and -ed exercises speak";
}

TEST_F(PassAkt, CorrectionRoundSpeaksTheErrorAskedAgain)
{
    open("ENG24011.DAT");
    round("-+-+++++++");
    form->Button1Click();
    ASSERT_TRUE(engine->session.correctionRound);
    const int asked = engine->item.reAskedItemNumber;
    form->shownChoices()[button(false) - 1]->click();
    ASSERT_FALSE(player.played().isEmpty());
    EXPECT_TRUE(player.played().last().endsWith(
        QStringLiteral("E2411%1.WAV").arg(asked, 3, 10, QLatin1Char('0'))))
        << player.played().last().toStdString();
}

TEST_F(PassAkt, TenseExerciseKeepsItsOrderAndLightsTheTenseName)
{
    open("ENG35044.DAT");
    EXPECT_EQ(captions(),
              QStringList({"Presens", "Imperfekt", "Perfekt", "Pluskvamperfekt", "Futurum"}));
    EXPECT_EQ(child<QLabel>("Label5")->text(), "had gone") << "the marked part is highlighted";
    EXPECT_EQ(child<QPushButton>("Button2")->text(), QString::fromUtf8("&Fortsätta"));
    const QByteArray tense = form->shownRight();
    form->shownChoices()[button(false) - 1]->click();
    for (ChoiceButton* b : form->shownChoices())
        EXPECT_EQ(b->hot(), b->text().toLatin1() == tense);
    EXPECT_EQ(child<QLabel>("Label7")->text(),
              QString::fromLatin1("had gone \xE4r " + tense.toLower()));
    EXPECT_FALSE(child<QPushButton>("bitbtn2")->isEnabled()) << "no rules while the answer shows";
}

TEST_F(PassAkt, PausesNeitherRepairAWrongAnswerNorThrowAwayAFinishedRound)
{
    open("ENG32011.DAT");
    form->shownChoices()[button(false) - 1]->click();
    // Esc during the right-answer display does nothing; a right click neither.
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(child<QWidget>("Panel9")->isVisible());
    tick(30);

    // A pause while an answer is due, then Continue: the same item, the count kept.
    round("++");
    QTest::keyClick(form.get(), Qt::Key_Escape);
    ASSERT_TRUE(child<QWidget>("Panel9")->isVisible());
    QTest::keyClick(form.get(), char('0' + button(true)));
    EXPECT_EQ(engine->session.rightCount, 2) << "the buttons are off during a pause";
    child<QPushButton>("Button2")->click();
    EXPECT_EQ(engine->session.rightCount, 2);
    EXPECT_EQ(engine->session.itemCounter, 4);

    // The last answer wrong: Esc during the end-of-round wait cannot start a new round.
    round("++++++");
    QTest::keyClick(form.get(), char('0' + button(false)));
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(child<QWidget>("Panel9")->isVisible());
    for (int t = 0; t < 30; ++t)
        form->Timer3Timer();
    EXPECT_TRUE(child<QWidget>("BildPanelen")->isVisible()) << "the round reached its ending";
    EXPECT_EQ(engine->session.rightCount, 8);
}

TEST_F(PassAkt, WorksheetModeCollectsItemsWithTheCategoryWrittenOut)
{
    open("ENG35111.DAT", SessionMode::Worksheet);
    ASSERT_FALSE(form->shownChoices().isEmpty());
    EXPECT_FALSE(form->shownChoices().first()->isEnabled());
    const int counter = engine->session.itemCounter;
    QTest::keyClick(form.get(), '1');
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_EQ(engine->session.itemCounter, counter);
    EXPECT_FALSE(child<QWidget>("Panel9")->isVisible()) << "no pause in worksheet mode";

    engine->worksheet.chosenCount = 1;
    child<WorksheetPanel>("SkrivutHelaPanelen")->SkrivutKlartButtonClick();
    const QByteArray without = engine->worksheet.list(1).join('\n');
    const QByteArray with = engine->worksheet.list(2).join('\n');
    EXPECT_TRUE(without.contains("\n       ____________________________")) << without.constData();
    EXPECT_TRUE(with.contains("\n       Passiv")) << with.constData();
    EXPECT_FALSE(with.contains("PASS")) << "the abbreviation is written out";
}

TEST_F(PassAkt, DiagnosisTestReportsTwentyAnswers)
{
    engine->diagnosis.current.name = "Alva";
    engine->diagnosis.currentSlot = 19;
    open("ENGDI19.DAT", SessionMode::DiagnosisTest);
    EXPECT_EQ(child<QLabel>("DiagLabel1")->text(), "Diagnosis: Test");
    round("++++-+++++-+++++-+++");
    EXPECT_FALSE(form->isVisible()) << "the test closes after its 20th item";
    EXPECT_EQ(engine->diagnosis.current.result[19], 17);
}

TEST_F(PassAkt, MalformedLinesNeverStopTheRound)
{
    // Nine choices, a tense line without its digit, a "£" field, a mark left open, a choice
    // far longer than a button.
    inst.data("ENG35044.DAT", kHeader +
                                  "a#1#2#3#4#5#6#7#8#9\n"
                                  "We <go>.#Presens#Imperfekt\n"
                                  "x#right#\xA3wrong\n"
                                  "An <open mark#9x#y\n"
                                  "w#" +
                                  QByteArray(300, 'w') + "#v\n");
    ASSERT_TRUE(engine->Kolla("ENG35044.DAT"));
    open("ENG35044.DAT");
    for (int i = 0; i < 10; ++i) {
        ASSERT_LE(form->shownChoices().size(), category::kMaxChoices);
        const int k = button(true);
        ASSERT_GT(k, 0) << "the right answer always has a button: "
                        << engine->item.fields[1].constData();
        QTest::keyClick(form.get(), char('0' + k));
    }
    EXPECT_EQ(engine->session.rightCount, 10);
    EXPECT_TRUE(child<QWidget>("Panel9")->isVisible());
}
