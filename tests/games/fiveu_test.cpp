#include "engine/engine.h"
#include "engine/highscore.h"
#include "framework/formregistry.h"
#include "framework/formtimer.h"
#include "games/fiveu.h"
#include "games/rekordu.h"
#include "platform/screen.h"
#include "platform/textmeasure.h"
#include "support/material.h"
#include "support/modal.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace vindra;

namespace {

class Five : public ::testing::Test {
protected:
    void SetUp() override
    {
        FormTimer::setManual(true);
        inst.data("datfiler.eng", "ENG41031.DAT\n");
        inst.data("ENG41031.DAT", "$Femman\nPast tense of <go>#went#goed#gone#!g\xE5\n");
        inst.data("eng41032.dat", "$Femman\nHe <___> every day.#walks#walk#Walks#walked\n"
                                  "Pick the long one#" +
                                      QByteArray(35, 'x') + "#short\n");
        inst.data("eng41033.dat", "$Femman\nsimma#swim#&to swim\nsjunga#sing\nsova#sleep\n");
        engine = inst.start();
        ASSERT_TRUE(inst.started);
        engine->layoutUnit = 12;
        services = Services{&inst.messages, &measure, &screen, &inst.clock};
        engine->setCurrentFileName("ENG41031.DAT");
        ASSERT_TRUE(engine->Kolla("ENG41031.DAT"));
        w = createForm<Tfive>(*engine, services);
        w->show();
    }
    void TearDown() override
    {
        w.reset();
        FormTimer::setManual(false);
    }

    void startRound(const QString& name = QStringLiteral("Anna"))
    {
        auto* edit = w->findChild<QLineEdit*>(QStringLiteral("Edit2"));
        edit->setText(name);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    /// Asks a question of `kind` now.
    void ask(int kind)
    {
        w->setFileKind(kind);
        w->NyPost();
    }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            w->Timer3Timer();
    }
    QLabel* box(int i) { return w->findChild<QLabel*>(QStringLiteral("Panel%1").arg(i + 2)); }
    QLineEdit* answerBox() { return w->findChild<QLineEdit*>(QStringLiteral("Edit1")); }
    QString text(const char* name) { return w->findChild<QLabel*>(QLatin1String(name))->text(); }
    void answerRight()
    {
        if (w->fileKind() == 3) {
            answerBox()->setText(QString::fromLatin1(w->rightAnswer()));
            QTest::keyClick(answerBox(), Qt::Key_Return);
        } else {
            QTest::mouseClick(box(w->boxOf(w->rightAnswer())), Qt::LeftButton);
        }
    }

    test::Installation inst;
    std::unique_ptr<Engine> engine;
    FixedTextMeasure measure;
    FixedScreen screen{QSize(1024, 768)};
    Services services;
    std::unique_ptr<Tfive> w;
};

} // namespace

TEST_F(Five, ARoundOfFiveTimedAnswersIntoThePrizeList)
{
    // Waiting for a name: Enter on an empty box does nothing.
    QTest::keyClick(w->findChild<QLineEdit*>(QStringLiteral("Edit2")), Qt::Key_Return);
    EXPECT_FALSE(w->answerDue());
    startRound();
    EXPECT_EQ(engine->playerNames[0], QByteArray("Anna"));
    const int times[] = {34, 20, 51, 10, 40};
    const char* const panels[] = {"tid1", "tid2", "tid3", "tid4", "tid5"};
    const char* const shown[] = {"3.4", "2.0", "5.1", "1.0", "4.0"};
    for (int i = 0; i < 5; ++i) {
        ask(i % 3 + 1);
        ticks(times[i]);
        answerRight();
        EXPECT_EQ(text(panels[i]), QLatin1String(shown[i]));
        EXPECT_EQ(w->rightCount(), i + 1);
    }
    EXPECT_EQ(text("ttid"), QStringLiteral("15.5"));
    EXPECT_EQ(w->totalTenths(), 155);
    EXPECT_FALSE(w->answerDue());
    auto* prize = w->findChild<QPushButton*>(QStringLiteral("Button1"));
    ASSERT_TRUE(prize->isEnabled());

    QString listed;
    test::NextModal list([&](QWidget* rekord) {
        auto* r = static_cast<TRekord*>(rekord);
        listed = r->StringGrid1->item(r->entryRow(), 3)->text().trimmed();
        r->Button1Click();
    });
    prize->click();
    EXPECT_TRUE(list.opened());
    EXPECT_EQ(listed, QStringLiteral("15,5"));
    QFile f(inst.root + "/scores/ENG41031.ENR");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const auto saved = highscore::decode(f.readAll());
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(saved[0].score, 155);
    // One round goes into the list once.
    EXPECT_FALSE(prize->isEnabled());

    // "&Continue" starts a new round whose first question is timed from the moment it shows.
    ticks(7);
    w->findChild<QPushButton*>(QStringLiteral("Button2"))->click();
    EXPECT_EQ(w->rightCount(), 0);
    EXPECT_EQ(w->stopwatch(), 0);
    EXPECT_TRUE(text("tid1").isEmpty());
    EXPECT_TRUE(w->answerDue());
}

TEST_F(Five, AWrongAnswerCostsTheDisplayTimeAndNothingCanBeAnsweredMeanwhile)
{
    startRound();
    ask(1);
    ticks(10);
    QTest::mouseClick(box(w->boxOf("goed")), Qt::LeftButton);
    EXPECT_FALSE(w->answerDue());
    EXPECT_EQ(text("Label7"), QStringLiteral("went"));
    // The box the display shows yellow does not count now.
    QTest::mouseClick(box(w->boxOf("went")), Qt::LeftButton);
    EXPECT_EQ(w->rightCount(), 0);
    // 3 s of display, with the stopwatch running on.
    for (int i = 0; i < 30; ++i) {
        w->Timer3Timer();
        w->Timer1Timer();
    }
    EXPECT_TRUE(w->answerDue());
    EXPECT_EQ(w->fileKind(), 1);
    answerRight();
    EXPECT_EQ(text("tid1"), QStringLiteral("4.0"));

    // A typed question: an empty answer is wrong, and the answer shown cannot be typed.
    ask(3);
    QTest::keyClick(answerBox(), Qt::Key_Return);
    EXPECT_FALSE(w->answerDue());
    EXPECT_FALSE(answerBox()->isEnabled());
    answerBox()->setText(QString::fromLatin1(w->rightAnswer()));
    QTest::keyClick(answerBox(), Qt::Key_Return);
    EXPECT_EQ(w->rightCount(), 1);
    // Space ends the display at the next tick; a typed verb is right in any letter case.
    QTest::keyRelease(w.get(), Qt::Key_Space);
    w->Timer1Timer();
    ASSERT_TRUE(w->answerDue());
    ASSERT_EQ(w->fileKind(), 3);
    answerBox()->setText(QString::fromLatin1(w->rightAnswer()).toUpper());
    QTest::keyClick(answerBox(), Qt::Key_Return);
    EXPECT_EQ(w->rightCount(), 2);
}

TEST_F(Five, ChoicesTranslationAndLongAnswers)
{
    startRound();
    ask(2);
    while (w->rightAnswer() != "walks")
        ask(2);
    // Sorted by character code, capitals first; the translation line belongs to its question.
    EXPECT_EQ(w->choices(), (QList<QByteArray>{"Walks", "walk", "walked", "walks"}));
    EXPECT_FALSE(w->findChild<QLabel*>(QStringLiteral("Oversattlabel"))->isVisible());
    // The digit keys click the boxes: "1" is "Walks", which is not "walks".
    QTest::keyClick(w.get(), Qt::Key_1);
    EXPECT_FALSE(w->answerDue());
    EXPECT_EQ(w->rightCount(), 0);
    ask(1);
    EXPECT_TRUE(w->findChild<QLabel*>(QStringLiteral("Oversattlabel"))->isVisible());
    EXPECT_EQ(text("Oversattlabel"), QStringLiteral("gå"));

    // A right answer of 35 characters is offered whole and can be clicked right.
    do
        ask(2);
    while (w->rightAnswer() == "walks");
    EXPECT_TRUE(w->choices().contains(QByteArray(35, 'x')));
    answerRight();
    EXPECT_EQ(w->rightCount(), 1);
}

TEST_F(Five, EachFileIsDrawnOverItsOwnItems)
{
    startRound();
    QSet<QByteArray> typed;
    for (int i = 0; i < 3; ++i) {
        ask(3);
        typed.insert(w->rightAnswer());
    }
    EXPECT_EQ(typed, (QSet<QByteArray>{"swim", "sing", "sleep"}));
}

TEST_F(Five, PauseKeepsTheRoundAndItsStopwatch)
{
    startRound();
    ask(1);
    ticks(5);
    answerRight();
    ask(1);
    ticks(8);
    QTest::keyRelease(w.get(), Qt::Key_Escape);
    auto* bar = w->findChild<QWidget*>(QStringLiteral("Panel9"));
    EXPECT_TRUE(bar->isVisible());
    // No answer while paused.
    QTest::mouseClick(box(w->boxOf("went")), Qt::LeftButton);
    EXPECT_EQ(w->rightCount(), 1);
    ticks(2);
    w->findChild<QPushButton*>(QStringLiteral("Button2"))->click();
    EXPECT_FALSE(bar->isVisible());
    // The lit circle and its time stay, and the pause counted on the stopwatch.
    EXPECT_EQ(text("tid1"), QStringLiteral("0.5"));
    EXPECT_EQ(w->stopwatch(), 10);
    answerRight();
    EXPECT_EQ(w->rightCount(), 2);
    EXPECT_EQ(text("tid2"), QStringLiteral("1.0"));
    // Esc while the bar is shown leaves.
    QTest::keyRelease(w.get(), Qt::Key_Escape);
    QTest::keyRelease(w.get(), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
}

// Lines of the wrong shape (no choices, more than seven, marks without an end) never crash.
TEST_F(Five, MalformedLinesDoNotCrash)
{
    inst.data("ENG41031.DAT", "$x\n#\nonly a question\n<open#a#b\n"
                              "q#1#2#3#4#5#6#7#8#9\n!#!\n");
    inst.data("eng41032.dat", "#\n\xA3#\n");
    inst.data("eng41033.dat", "lone\n");
    startRound();
    for (int i = 0; i < 20; ++i) {
        ask(i % 3 + 1);
        EXPECT_LE(w->choices().size(), Tfive::kMaxChoices);
        if (w->fileKind() != 3 && !w->choices().isEmpty())
            QTest::mouseClick(box(0), Qt::LeftButton);
    }
    SUCCEED();
}
