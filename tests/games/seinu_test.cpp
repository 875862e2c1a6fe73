#include "engine/engine.h"
#include "engine/highscore.h"
#include "framework/formregistry.h"
#include "framework/formtimer.h"
#include "games/rekordu.h"
#include "games/seinu.h"
#include "platform/screen.h"
#include "platform/textmeasure.h"
#include "support/material.h"
#include "support/modal.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace vindra;

namespace {

class BeGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        FormTimer::setManual(true);
        inst.data("datfiler.eng", "ENG35091.DAT\nENG35094.DAT\n");
        inst.data("ENG35091.DAT", "$Be-spelet\nI <am> from Sweden.\nShe <is> my sister.\n"
                                  "We <are> friends.\n");
        inst.data("ENG35094.DAT", "$Be-spelet\n<Were> you at home?\nIt <was> cold.\n");
        engine = inst.start();
        ASSERT_TRUE(inst.started);
        engine->layoutUnit = 12;
        services = Services{&inst.messages, &measure, &screen, &inst.clock};
    }
    void TearDown() override { FormTimer::setManual(false); }

    std::unique_ptr<TSEIN> open(const QByteArray& file = "ENG35091.DAT")
    {
        engine->setCurrentFileName(file);
        EXPECT_TRUE(engine->Kolla(file));
        auto w = createForm<TSEIN>(*engine, services);
        w->show();
        return w;
    }

    /// Chooses the players and types their names, then starts the race.
    void start(TSEIN& w, const QStringList& names)
    {
        w.findChild<QPushButton*>(QStringLiteral("Button%1").arg(names.size() + 2))->click();
        for (int i = 0; i < names.size(); ++i) {
            auto* edit = w.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(i + 1));
            ASSERT_TRUE(edit->isVisible());
            edit->setText(names[i]);
            QTest::keyClick(edit, Qt::Key_Return);
        }
        auto* startButton = w.findChild<QPushButton*>(QStringLiteral("Button6"));
        ASSERT_TRUE(startButton->isVisible());
        startButton->click();
    }

    int buttonOf(TSEIN& w, const QByteArray& word)
    {
        for (int i = 0; i < 8; ++i)
            if (w.buttonWord(i) == QString::fromLatin1(word))
                return i;
        return -1;
    }
    int rightButton(TSEIN& w) { return buttonOf(w, w.rightAnswer()); }
    int wrongButton(TSEIN& w)
    {
        for (int i = 0; i < w.words().size(); ++i)
            if (i != rightButton(w))
                return i;
        return -1;
    }
    void click(TSEIN& w, int button, Qt::MouseButton mouse = Qt::LeftButton)
    {
        QTest::mouseClick(w.findChild<QLabel*>(QStringLiteral("Panel%1").arg(button + 2)), mouse);
    }
    void wait(qint64 ms) { inst.clock.set(inst.clock.now().addMSecs(ms)); }
    void tickOut(TSEIN& w)
    {
        for (int i = 0; i < 3 && w.Timer1->isRunning(); ++i)
            w.Timer1Timer();
    }

    test::Installation inst;
    std::unique_ptr<Engine> engine;
    FixedTextMeasure measure;
    FixedScreen screen{QSize(1024, 768)};
    Services services;
};

} // namespace

TEST(BeGameRules, GainAndTimes)
{
    const struct {
        qint64 hundredths;
        int gain;
    } gains[] = {{340, 47}, {250, 48}, {350, 46}, {6200, 0}, {0, 50}, {5049, 0}};
    for (const auto& g : gains)
        EXPECT_EQ(TSEIN::gain(g.hundredths), g.gain) << g.hundredths;
    EXPECT_EQ(TSEIN::tenthsOf(12346), 1235);
    EXPECT_EQ(TSEIN::tenthsOf(12345), 1234);
    EXPECT_EQ(TSEIN::secondsText(4567), QStringLiteral("45,67 seconds"));
    EXPECT_EQ(TSEIN::secondsText(7), QStringLiteral("0,07 seconds"));
}

TEST_F(BeGame, OnePlayerRaceToTheHighScoreList)
{
    auto w = open();
    EXPECT_EQ(w->words(), (QList<QByteArray>{"am", "is", "are"}));
    start(*w, {QStringLiteral("Anna")});
    EXPECT_EQ(engine->playerNames[0], QByteArray("Anna"));

    // A right answer after 3.4 s moves the car 47 steps of two pixels.
    const int startLeft = w->carLeft(1);
    wait(3400);
    click(*w, rightButton(*w));
    EXPECT_EQ(w->distance(1), 47);
    EXPECT_EQ(w->totalTime(1), 340);
    EXPECT_EQ(w->carLeft(1), 10 * 12 + 94);
    EXPECT_GT(w->carLeft(1), startLeft);
    tickOut(*w);
    EXPECT_TRUE(w->answerDue());

    // A wrong answer costs its time and moves nothing; while the right answer is shown no
    // click counts, not even on the yellow button.
    wait(1000);
    click(*w, wrongButton(*w));
    EXPECT_EQ(w->distance(1), 47);
    EXPECT_EQ(w->totalTime(1), 440);
    click(*w, rightButton(*w));
    EXPECT_EQ(w->distance(1), 47);
    tickOut(*w);

    // With a stopped clock every answer gains the full 50 until the car is at the goal.
    for (int i = 0; i < 40 && w->winner() == 0; ++i) {
        ASSERT_TRUE(w->answerDue());
        click(*w, rightButton(*w));
        tickOut(*w);
    }
    ASSERT_EQ(w->winner(), 1);
    EXPECT_GE(w->carLeft(1), w->goalPosition());
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("ResultLabel"))->text(),
              QStringLiteral("Congratulations Anna. You did it!"));
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("TimePanel1"))->text(),
              QStringLiteral("4,40 seconds"));
    // The race never touches the pupil's display time of the other exercises.
    EXPECT_EQ(engine->settings.TIMESHOWINGCORRECTANSWER, 3);

    test::NextModal list([](QWidget* rekord) { static_cast<TRekord*>(rekord)->Button1Click(); });
    w->findChild<QPushButton*>(QStringLiteral("SlutButton"))->click();
    EXPECT_TRUE(list.opened());
    QFile f(inst.root + "/scores/ENG35091.ENR");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<highscore::Entry> saved = highscore::decode(f.readAll());
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(saved[0].name, QByteArray("Anna"));
    EXPECT_EQ(saved[0].score, 44);
    // Back to the player count.
    EXPECT_TRUE(w->findChild<QWidget*>(QStringLiteral("CountPanel"))->isVisible());
}

TEST_F(BeGame, TwoPlayersTakeTurnsAndTheLongerDistanceWins)
{
    auto w = open();
    start(*w, {QStringLiteral("Anna"), QStringLiteral("Bo")});
    EXPECT_EQ(w->currentPlayer(), 1);
    // Player 1 answers a second late once, then both answer at once.
    wait(1000);
    click(*w, rightButton(*w));
    tickOut(*w);
    EXPECT_EQ(w->distance(1), 49);
    EXPECT_EQ(w->currentPlayer(), 2);
    for (int i = 0; i < 40 && w->winner() == 0; ++i) {
        click(*w, rightButton(*w));
        tickOut(*w);
        if (w->currentPlayer() == 2 && w->carLeft(1) >= w->goalPosition())
            break;
    }
    // Player 1 is at the goal, but the race goes on until player 2 has had the turn.
    ASSERT_GE(w->carLeft(1), w->goalPosition());
    EXPECT_EQ(w->winner(), 0);
    EXPECT_EQ(w->currentPlayer(), 2);
    // Player 2 then goes further than player 1 and wins.
    click(*w, rightButton(*w));
    EXPECT_GT(w->distance(2), w->distance(1));
    EXPECT_EQ(w->winner(), 2);
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("ResultLabel"))->text(),
              QStringLiteral("Congratulations Bo. You won!"));
}

TEST_F(BeGame, RightClickPassesTheTurn)
{
    auto w = open();
    start(*w, {QStringLiteral("Anna"), QStringLiteral("Bo")});
    const QByteArray sentence = w->rightAnswer();
    wait(2000);
    click(*w, rightButton(*w), Qt::RightButton);
    EXPECT_EQ(w->currentPlayer(), 2);
    EXPECT_EQ(w->rightAnswer(), sentence);
    EXPECT_EQ(w->distance(1), 0);
    EXPECT_EQ(w->totalTime(1), 0);
    // The sentence's stopwatch kept running: player 2's answer is timed from its start.
    wait(1400);
    click(*w, rightButton(*w));
    EXPECT_EQ(w->totalTime(2), 340);
    EXPECT_EQ(w->distance(2), 47);
}

TEST_F(BeGame, EqualDistancesAtTheGoalGoToTheLaterPlayer)
{
    auto w = open();
    start(*w, {QStringLiteral("Anna"), QStringLiteral("Bo")});
    for (int i = 0; i < 80 && w->winner() == 0; ++i) {
        click(*w, rightButton(*w));
        tickOut(*w);
    }
    EXPECT_EQ(w->distance(1), w->distance(2));
    EXPECT_EQ(w->winner(), 2);
}

TEST_F(BeGame, WordRowFollowsTheAnswersCapital)
{
    auto w = open("ENG35094.DAT");
    start(*w, {QStringLiteral("Anna")});
    for (int i = 0; i < 6; ++i) {
        const bool capital = w->rightAnswer() == "Were";
        EXPECT_EQ(w->buttonWord(0), capital ? QStringLiteral("Were") : QStringLiteral("were"));
        EXPECT_EQ(w->buttonWord(1), capital ? QStringLiteral("Was") : QStringLiteral("was"));
        if (capital) {
            // The small word is not the answer where the sentence asks for the capital one.
            EXPECT_NE(engine->svarstest("Were", "were", 1), Engine::kAnswerRight);
        }
        click(*w, rightButton(*w));
        tickOut(*w);
        if (w->winner())
            break;
    }
}

TEST_F(BeGame, PauseAndKeys)
{
    auto w = open();
    // Any key on the player-count screen opens the name screen; "2" chooses two players.
    QTest::keyClick(w.get(), Qt::Key_2);
    EXPECT_EQ(w->players(), 2);
    EXPECT_TRUE(w->findChild<QLineEdit*>(QStringLiteral("Edit2"))->isVisible());
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("NameHeading"))->text(),
              QStringLiteral("Skriv in era namn"));
    // Enter in an empty name field does nothing.
    auto* edit1 = w->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    edit1->clear();
    QTest::keyClick(edit1, Qt::Key_Return);
    EXPECT_FALSE(w->findChild<QPushButton*>(QStringLiteral("Button6"))->isVisible());
    // Esc shows the pause panel; Esc again closes the window.
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_TRUE(w->findChild<QWidget*>(QStringLiteral("PausePanel"))->isVisible());
    w->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    EXPECT_FALSE(w->findChild<QWidget*>(QStringLiteral("PausePanel"))->isVisible());
    QTest::keyClick(w.get(), Qt::Key_Escape);
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
}

// Level files that are not what they should be (no gap, an empty line, a gap at the end)
// never crash the game.
TEST_F(BeGame, MalformedLinesDoNotCrash)
{
    inst.data("ENG35091.DAT", "$x\nno gap at all\n<\n>\n<am\nam>\n#<is>#\n<><>\nIt <is>\n");
    engine = inst.start();
    engine->layoutUnit = 12;
    auto w = open();
    start(*w, {QStringLiteral("Anna")});
    for (int i = 0; i < 30 && w->winner() == 0; ++i) {
        const int b = rightButton(*w);
        click(*w, b >= 0 ? b : 0);
        tickOut(*w);
    }
    SUCCEED();
}
