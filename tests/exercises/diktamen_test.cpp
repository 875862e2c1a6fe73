#include "exercises/diktamen.h"
#include "framework/formregistry.h"
#include "framework/formtimer.h"
#include "framework/look.h"
#include "framework/worksheetpanel.h"
#include "platform/screen.h"
#include "platform/sound.h"
#include "platform/textmeasure.h"
#include "support/material.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace vindra;

namespace {

// Items "wordN##hjälp N"; item 2 has three help texts, which show no help button.
QByteArray dictation(int n)
{
    QByteArray out = "$Diktamen\n$Diktamen 1\n$\xA7Lyssna och skriv ordet.\n$%Write the words.\n";
    for (int i = 1; i <= n; ++i) {
        out += "word" + QByteArray::number(i);
        out += i == 2 ? QByteArray("##one#two#three")
                      : QByteArray("##hj\xE4lp ") + QByteArray::number(i);
        out += '\n';
    }
    return out;
}

class Diktam : public ::testing::Test {
protected:
    void SetUp() override
    {
        FormTimer::setManual(true);
        inst.data("datfiler.eng", "ENG51011.DAT\nENG52021.DAT\n");
        inst.data("ENG51011.DAT", dictation(12));
        inst.data("ENG52021.DAT", "$Alfabetet\n$Skriv bokstaven\ng\ne\nj\ni\na\nh\ny\nr\nw\nk\n");
        for (int i = 1; i <= 12; ++i) {
            const QString n = QString::number(i).rightJustified(3, QLatin1Char('0'));
            inst.write(QStringLiteral("material/LJUD/E5111/E5111") + n + QStringLiteral(".WAV"),
                       "RIFF");
            inst.write(QStringLiteral("material/LJUD/E5221/E5221") + n + QStringLiteral(".WAV"),
                       "RIFF");
        }
        engine = inst.start();
        ASSERT_TRUE(inst.started);
        engine->layoutUnit = 12;
        engine->setSoundPlayer(&player);
        services = Services{&inst.messages, &measure, &screen, &inst.clock, &player};
    }
    void TearDown() override
    {
        form.reset();
        FormTimer::setManual(false);
    }

    void open(const QByteArray& name, SessionMode mode = SessionMode::Practice)
    {
        form.reset();
        engine->session.mode = mode;
        engine->setCurrentFileName(name);
        ASSERT_TRUE(engine->Kolla(name));
        form = createForm<TDiktam>(*engine, services);
        form->show();
    }
    template <typename T> T* child(const char* name)
    {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    QLineEdit* edit() { return child<QLineEdit>("Edit1"); }
    void answer(bool right)
    {
        edit()->setText(right ? QString::fromLatin1(engine->item.fields[1])
                              : QStringLiteral("nonsense"));
        QTest::keyClick(edit(), Qt::Key_Return);
    }
    /// The automatic presentation: 2 ms ticks up to the display setting (3).
    void present()
    {
        for (int i = 0; i < 3; ++i)
            form->Timer5Timer();
    }
    void tick(int n, bool endWait = false)
    {
        for (int i = 0; i < n; ++i)
            endWait ? form->Timer3Timer() : form->Timer1Timer();
    }
    QString sound(int item, const char* prefix = "E5111") const
    {
        return QStringLiteral("%1/%1%2.WAV")
            .arg(QLatin1String(prefix))
            .arg(item, 3, 10, QLatin1Char('0'));
    }
    QString lastPlayed() const
    {
        return player.played().isEmpty() ? QString() : player.played().last();
    }

    test::Installation inst;
    FixedTextMeasure measure;
    FixedScreen screen{QSize(1024, 768)};
    RecordingSoundPlayer player;
    Services services;
    std::unique_ptr<Engine> engine;
    std::unique_ptr<TDiktam> form;
};

} // namespace

TEST_F(Diktam, ARoundWithAWrongAnswerAndReplays)
{
    open("ENG51011.DAT");
    EXPECT_EQ(child<QLabel>("Overs1Label")->text(), "Diktamen");
    for (const char* b :
         {"BaraHoraButton", "BaraseordetButton", "SeochHoraButton", "lampknapp", "UpprepaButton"})
        EXPECT_TRUE(child<QWidget>(b)->isVisible()) << b;
    EXPECT_FALSE(child<QWidget>("SeTidPanel")->isVisible()) << "only hear after program start";

    const int first = engine->item.currentItemNumber;
    form->Timer5Timer();
    form->Timer5Timer();
    EXPECT_TRUE(player.played().isEmpty()) << "the word comes after a few ticks";
    form->Timer5Timer();
    ASSERT_EQ(player.played().size(), 1);
    EXPECT_TRUE(lastPlayed().endsWith(sound(first))) << lastPlayed().toStdString();
    EXPECT_FALSE(form->timer5()->isRunning());
    EXPECT_FALSE(child<QLabel>("BlinkLabel")->isVisible()) << "nothing is flashed";

    QTest::keyClick(edit(), Qt::Key_F2);
    child<QPushButton>("UpprepaButton")->click();
    EXPECT_EQ(player.played().size(), 3) << "F2 and the repeat button play the word again";
    EXPECT_TRUE(edit()->isEnabled());

    answer(false);
    EXPECT_TRUE(child<QLabel>("Label5")->isVisible());
    EXPECT_EQ(child<QLabel>("Label5")->text(), QString::fromLatin1(engine->item.fields[1]));
    // While the right answer is shown nothing reopens the answer box or replays the word.
    child<QPushButton>("UpprepaButton")->click();
    child<QPushButton>("BaraHoraButton")->click();
    QTest::keyClick(form.get(), Qt::Key_F2);
    EXPECT_FALSE(edit()->isEnabled());
    EXPECT_EQ(player.played().size(), 3);
    EXPECT_EQ(engine->cache[1].errorCount, 1);

    tick(30);
    const int second = engine->item.currentItemNumber;
    EXPECT_NE(second, first);
    EXPECT_TRUE(edit()->isEnabled());
    present();
    EXPECT_TRUE(lastPlayed().endsWith(sound(second)));

    // Right answers go on at once; a wrong last answer is shown before the ending.
    for (int i = 0; i < 8; ++i)
        answer(true);
    answer(false);
    EXPECT_FALSE(child<QWidget>("Panel1")->isVisible());
    EXPECT_FALSE(child<QPushButton>("UpprepaButton")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("lampknapp")->isEnabled());
    EXPECT_GE(player.stops(), 1) << "the round's end stops the sound";
    tick(30, true);
    EXPECT_TRUE(child<QWidget>("Panel1")->isVisible());
    EXPECT_EQ(engine->session.rightCount, 8);
    edit()->setText(QString::fromLatin1(engine->item.fields[1]));
    form->Edit1KeyPress();
    EXPECT_EQ(engine->session.rightCount, 8) << "the ended round takes no answer";

    child<QPushButton>("Button2")->click();
    EXPECT_EQ(engine->session.itemCounter, 1);
    EXPECT_TRUE(form->timer5()->isRunning()) << "a new round presents its first word";
}

TEST_F(Diktam, AMissingRecordingIsReportedOnceAndTheItemCanBeAnswered)
{
    QDir(inst.root + QStringLiteral("/material/LJUD/E5111")).removeRecursively();
    open("ENG51011.DAT");
    const int item = engine->item.currentItemNumber;
    for (int i = 0; i < 20; ++i)
        form->Timer5Timer();
    ASSERT_EQ(inst.messages.texts().size(), 1);
    EXPECT_EQ(inst.messages.texts().first(),
              QString::fromUtf8("Ljudfilen  E5111%1.WAV  finns inte eller är felaktig.")
                  .arg(item, 3, 10, QLatin1Char('0')));
    EXPECT_TRUE(player.played().isEmpty());
    answer(true);
    EXPECT_EQ(engine->session.rightCount, 1);
    EXPECT_EQ(engine->session.itemCounter, 2);
}

TEST_F(Diktam, ACorrectionRoundPlaysTheItemAskedAgain)
{
    open("ENG51011.DAT");
    const int wrong = engine->item.currentItemNumber;
    answer(false);
    tick(30);
    for (int i = 0; i < 9; ++i)
        answer(true);
    ASSERT_TRUE(child<QWidget>("Panel1")->isVisible());
    child<QPushButton>("Button1")->click();
    ASSERT_TRUE(engine->session.correctionRound);
    present();
    EXPECT_TRUE(lastPlayed().endsWith(sound(wrong))) << lastPlayed().toStdString();
    EXPECT_EQ(child<QLabel>("Label5")->text(), QStringLiteral("word%1").arg(wrong));
}

TEST_F(Diktam, OnlySeeFlashesTheWordAndTheAlphabetStillSpeaks)
{
    open("ENG51011.DAT");
    child<QPushButton>("BaraseordetButton")->click();
    auto* panel = child<QLabel>("SeTidPanel");
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->text(), "1");
    auto* up = child<QToolButton>("TidSpinButtonUp");
    auto* down = child<QToolButton>("TidSpinButtonDown");
    down->click();
    EXPECT_EQ(panel->text(), "1") << "no shorter than 100 ms";
    for (int i = 0; i < 40; ++i)
        up->click();
    EXPECT_EQ(panel->text(), "30") << "no longer than 3000 ms";
    for (int i = 0; i < 25; ++i)
        down->click();
    EXPECT_EQ(form->exposureTime(), 500);

    answer(true);
    const int played = static_cast<int>(player.played().size());
    auto* blink = child<QLabel>("BlinkLabel");
    EXPECT_TRUE(blink->isVisible());
    EXPECT_EQ(blink->text(), QString::fromLatin1(engine->item.fields[1]));
    EXPECT_FALSE(edit()->isEnabled()) << "no typing while the word is shown";
    EXPECT_EQ(form->blinkTimer()->interval(), 500);
    present();
    EXPECT_EQ(player.played().size(), played) << "only see plays nothing";
    form->BlinkTimerTimer();
    EXPECT_FALSE(blink->isVisible());
    EXPECT_TRUE(edit()->isEnabled());

    // The alphabet exercises have no presentation buttons and always speak.
    open("ENG52021.DAT");
    for (const char* b :
         {"BaraHoraButton", "BaraseordetButton", "SeochHoraButton", "lampknapp", "SeTidPanel"})
        EXPECT_FALSE(child<QWidget>(b)->isVisible()) << b;
    present();
    EXPECT_TRUE(lastPlayed().endsWith(sound(engine->item.currentItemNumber, "E5221")));
    EXPECT_FALSE(child<QLabel>("BlinkLabel")->isVisible());
    EXPECT_EQ(engine->session.dictationMode, TDiktam::OnlySee) << "the dictations keep the choice";
}

TEST_F(Diktam, HelpTextAndLamp)
{
    open("ENG51011.DAT");
    auto* help = child<QPushButton>("BitBtn2");
    // Answer until an item with one help text is on screen (item 2 has three).
    for (int i = 0; i < 3 && engine->item.currentItemNumber == 2; ++i)
        answer(true);
    EXPECT_TRUE(help->isVisible());
    help->click();
    EXPECT_FALSE(help->isVisible());
    EXPECT_EQ(child<QLabel>("Label6")->text(),
              QString::fromUtf8("hjälp %1").arg(engine->item.currentItemNumber));
    EXPECT_TRUE(child<QLabel>("Label6")->isVisible());
    while (engine->item.currentItemNumber != 2 && engine->session.itemCounter < 10)
        answer(true);
    if (engine->item.currentItemNumber == 2) {
        EXPECT_FALSE(help->isVisible()) << "three help texts show no button";
    }

    child<QPushButton>("lampknapp")->click();
    auto* lamp = child<Lamp>("LampShape");
    EXPECT_TRUE(lamp->isVisible());
    QTest::keyClicks(edit(), QStringLiteral("wo"));
    EXPECT_EQ(lamp->fill(), look::kLime);
    QTest::keyClicks(edit(), QStringLiteral("x"));
    EXPECT_EQ(lamp->fill(), look::kRed);
}

TEST_F(Diktam, EscPausesAndStopsTheSound)
{
    open("ENG51011.DAT");
    present();
    QTest::keyClick(edit(), Qt::Key_Escape);
    EXPECT_TRUE(child<QWidget>("Panel1")->isVisible());
    EXPECT_EQ(player.stops(), 1);
    child<QPushButton>("UpprepaButton")->click();
    child<QPushButton>("SeochHoraButton")->click();
    EXPECT_FALSE(edit()->isEnabled()) << "the pause holds until Continue";
    EXPECT_EQ(player.played().size(), 1);
    child<QPushButton>("Button2")->click();
    EXPECT_TRUE(edit()->isEnabled());
    EXPECT_EQ(engine->session.itemCounter, 1);
}

TEST_F(Diktam, WorksheetModeMakesADictationSheet)
{
    open("ENG51011.DAT", SessionMode::Worksheet);
    EXPECT_FALSE(edit()->isVisible());
    EXPECT_FALSE(child<QWidget>("BaraHoraButton")->isVisible());
    EXPECT_FALSE(form->timer5()->isRunning()) << "nothing is said while items are chosen";
    EXPECT_TRUE(child<QLabel>("Label5")->isVisible());
    const QByteArray word = engine->item.fields[1];
    child<WorksheetPanel>("SkrivutHelaPanelen")->SkrivutSkickaButtonClick();
    const auto& without = engine->worksheet.list(1);
    const auto& with = engine->worksheet.list(2);
    ASSERT_EQ(without.size(), 3);
    EXPECT_EQ(without[0], "1.  Diktamen Diktamen 1 ");
    EXPECT_EQ(without[1], "      Write the words.");
    EXPECT_EQ(without[2], "   1. " + QByteArray(40, '_'));
    EXPECT_EQ(with[2], "   1. " + word);
    EXPECT_TRUE(player.played().isEmpty());
}
