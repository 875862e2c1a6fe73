#include "framework/chrome.h"
#include "framework/formregistry.h"
#include "games/falsku.h"
#include "platform/screen.h"
#include "platform/textmeasure.h"
#include "support/material.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace vindra;

namespace {

// Five items, so that every draw of five shows each of them once: three translations are
// right (one marked in capitals), two are false friends.
const QByteArray kFalse = "$Dina ord\n$\xA7Hur m\xE5nga \xE4r r\xE4tt?\n"
                          "card = kort#sant#kort\n"
                          "map = karta#SANT#karta\n"
                          "roof = tak#Sant#tak\n"
                          "chef = chef#falskt#kock\n"
                          "gift = gift#falskt#present\n";
// Every noun's s is said [z]: each five counts 5.
const QByteArray kDuel = "$\xA7Hur m\xE5nga [z]?\ndogs#z\nboys#z\ntrees#Z\ncars#z\npens#z\n";

class Falska : public ::testing::Test {
protected:
    void SetUp() override
    {
        inst.data("datfiler.eng", "ENG25001.DAT\nENG31081.DAT\n");
        inst.data("ENG25001.DAT", kFalse);
        inst.data("ENG31081.DAT", kDuel);
        engine = inst.start();
        ASSERT_TRUE(inst.started);
        engine->layoutUnit = 12;
        services = Services{&inst.messages, &measure, &screen, &inst.clock};
    }

    void open(const QByteArray& name)
    {
        engine->setCurrentFileName(name);
        ASSERT_TRUE(engine->Kolla(name));
        form = createForm<TFalska>(*engine, services);
        form->show();
    }
    template <typename T = QWidget> T* child(const QString& name)
    {
        return form->findChild<T*>(name);
    }
    void enterName(const QString& name)
    {
        auto* edit = child<QLineEdit>(QStringLiteral("Edit1"));
        edit->setText(name);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(form.get(), static_cast<Qt::Key>(k), mods);
    }
    void answer(int n) { key(Qt::Key_0 + n); }
    int lit(int first, int last)
    {
        int n = 0;
        for (int t = first; t <= last; ++t)
            n += child(QStringLiteral("Shape%1").arg(t))->property("lit").toBool() ? 1 : 0;
        return n;
    }
    bool numbersEnabled() { return child(QStringLiteral("SpeedButton1"))->isEnabled(); }
    bool visible(const QString& name) { return child(name)->isVisible(); }
    QString text(const QString& name) { return child<QLabel>(name)->text(); }

    test::Installation inst;
    FixedTextMeasure measure;
    FixedScreen screen{QSize(1024, 768)};
    Services services;
    std::unique_ptr<Engine> engine;
    std::unique_ptr<TFalska> form;
};

TEST_F(Falska, RightNumberLightsThePupilsRowAndBringsFiveNewRows)
{
    open("ENG25001.DAT");
    EXPECT_FALSE(visible(QStringLiteral("Panel1"))) << "the track waits for the name";
    enterName(QStringLiteral("Alva"));
    EXPECT_EQ(engine->playerNames[0], "Alva");
    EXPECT_EQ(text(QStringLiteral("Label2")), QStringLiteral("Alva"));
    EXPECT_EQ(text(QStringLiteral("InstruktionsLabel2")),
              QStringLiteral("How many correct translations ?"));
    EXPECT_EQ(child<HeaderBox>(QStringLiteral("OverskriftYtterShape"))->Overs1Label->text(),
              QStringLiteral("False Friends"));
    // Field 2 counts in any letter case: three of the five are right.
    ASSERT_EQ(form->rightNumber(), 3);
    answer(3);
    EXPECT_EQ(form->pupilScore(), 3);
    EXPECT_EQ(lit(1, 20), 3);
    EXPECT_EQ(lit(21, 40), 0);
    EXPECT_TRUE(numbersEnabled()) << "five new rows wait at once";
    EXPECT_FALSE(visible(QStringLiteral("NextPanel")));
    for (int row = 1; row <= 5; ++row)
        EXPECT_FALSE(visible(QStringLiteral("RSvar%1").arg(row)));
}

TEST_F(Falska, WrongNumberMarksTheRightOneAndRevealsTheFalseFriends)
{
    open("ENG25001.DAT");
    enterName(QStringLiteral("Alva"));
    child<QPushButton>(QStringLiteral("SpeedButton3"))->click(); // "2"
    EXPECT_EQ(form->computerScore(), 3);
    EXPECT_EQ(lit(21, 40), 3);
    EXPECT_EQ(lit(1, 20), 0);
    auto* marker = child<QLabel>(QStringLiteral("SpeedPanel1"));
    EXPECT_TRUE(marker->isVisible());
    EXPECT_EQ(marker->text(), QStringLiteral("3"));
    EXPECT_EQ(marker->x(), child(QStringLiteral("SpeedButton4"))->x());
    EXPECT_TRUE(visible(QStringLiteral("NextPanel")));
    EXPECT_FALSE(numbersEnabled());

    // The false friends read "chef = kock" with the right word in red; the right ones stay.
    static const char* const words[] = {"sv1", "Sv2", "Sv3", "Sv4", "Sv5"};
    static const char* const reds[] = {"ord1", "Ord2", "Ord3", "Ord4", "Ord5"};
    QStringList revealed;
    for (int r = 0; r < 5; ++r) {
        const QString red = QLatin1String(reds[r]);
        if (form->rowCounts(r)) {
            EXPECT_TRUE(visible(QLatin1String(words[r])));
            EXPECT_FALSE(visible(QStringLiteral("RSvar%1").arg(r + 1)));
            continue;
        }
        EXPECT_FALSE(visible(QLatin1String(words[r])));
        EXPECT_TRUE(visible(red));
        revealed << text(QStringLiteral("RSvar%1").arg(r + 1)) + text(red);
        EXPECT_GE(child(red)->x(), child(QStringLiteral("RSvar%1").arg(r + 1))->geometry().right());
    }
    revealed.sort();
    EXPECT_EQ(revealed,
              (QStringList{QStringLiteral("chef = kock"), QStringLiteral("gift = present")}));

    // A further number, by key or button, does not answer the revealed five again.
    answer(3);
    child<QPushButton>(QStringLiteral("SpeedButton4"))->click();
    EXPECT_EQ(form->pupilScore(), 0);
    EXPECT_EQ(form->computerScore(), 3);

    key(Qt::Key_N);
    EXPECT_TRUE(numbersEnabled());
    EXPECT_FALSE(visible(QStringLiteral("SpeedPanel1")));
    EXPECT_FALSE(visible(QStringLiteral("NextPanel")));
}

TEST_F(Falska, ContinueAfterAPauseEnablesTheNumbersOnlyWhileAnAnswerIsDue)
{
    open("ENG25001.DAT");
    enterName(QStringLiteral("Alva"));
    key(Qt::Key_Escape);
    EXPECT_TRUE(visible(QStringLiteral("Escapepanel")));
    EXPECT_FALSE(numbersEnabled());
    EXPECT_FALSE(visible(QStringLiteral("BitBtn1")));
    child<QPushButton>(QStringLiteral("Button3"))->click();
    EXPECT_FALSE(visible(QStringLiteral("Escapepanel")));
    EXPECT_TRUE(numbersEnabled()) << "the five on screen still wait for their number";

    answer(0); // wrong: revealed
    key(Qt::Key_Escape);
    child<QPushButton>(QStringLiteral("Button3"))->click();
    EXPECT_FALSE(numbersEnabled()) << "the revealed five, with its number marked, is done";
    answer(3);
    EXPECT_EQ(form->pupilScore(), 0);
    key(Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(numbersEnabled());

    // Esc while the bar is shown leaves.
    key(Qt::Key_Escape);
    key(Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Falska, APupilWinsAtTwentyAndContinueStartsANewGame)
{
    open("ENG25001.DAT");
    enterName(QStringLiteral("Alva"));
    // 3 a time: the seventh right answer passes 20; the row shows 20 and the game ends.
    for (int i = 0; i < 7; ++i) {
        ASSERT_FALSE(form->gameOver()) << i;
        answer(3);
    }
    EXPECT_EQ(form->pupilScore(), 21);
    EXPECT_EQ(lit(1, 20), 20);
    EXPECT_TRUE(form->gameOver());
    EXPECT_TRUE(form->pupilWon());
    EXPECT_TRUE(visible(QStringLiteral("BildPanelen")));
    EXPECT_TRUE(visible(QStringLiteral("LovordPanel")));
    EXPECT_EQ(text(QStringLiteral("LovordLabel1")), QStringLiteral("Congratulations Alva !"));
    EXPECT_TRUE(text(QStringLiteral("Image1")).contains(QStringLiteral("20")));
    EXPECT_TRUE(visible(QStringLiteral("Escapepanel")));
    EXPECT_FALSE(numbersEnabled());
    answer(3);
    EXPECT_EQ(form->pupilScore(), 21) << "no answer after the end";

    child<QPushButton>(QStringLiteral("Button3"))->click();
    EXPECT_FALSE(form->gameOver());
    EXPECT_EQ(form->pupilScore(), 0);
    EXPECT_EQ(lit(1, 40), 0);
    EXPECT_FALSE(visible(QStringLiteral("BildPanelen")));
    EXPECT_FALSE(visible(QStringLiteral("LovordPanel")));
    EXPECT_TRUE(numbersEnabled());
}

TEST_F(Falska, DuelRevealsTheFinalSAndTheComputerCanWin)
{
    open("ENG31081.DAT");
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("Edit1"))->maxLength(), 12);
    enterName(QStringLiteral("Bo"));
    EXPECT_EQ(text(QStringLiteral("InstruktionsLabel2")),
              QStringLiteral("How many -s are pronounced [z] ?"));
    ASSERT_EQ(form->rightNumber(), 5);
    answer(4);
    // Every noun shows without its s, and the s in red after it.
    for (int r = 1; r <= 5; ++r) {
        const QString reveal = text(QStringLiteral("RSvar%1").arg(r));
        EXPECT_FALSE(reveal.endsWith(QLatin1Char('s'))) << reveal.toStdString();
        EXPECT_TRUE(visible(QStringLiteral("RSvar%1").arg(r)));
    }
    EXPECT_EQ(text(QStringLiteral("ord1")), QStringLiteral("s"));
    for (int i = 0; i < 3; ++i) {
        key(Qt::Key_N);
        answer(0);
    }
    EXPECT_EQ(form->computerScore(), 20);
    EXPECT_TRUE(form->gameOver());
    EXPECT_FALSE(form->pupilWon());
    EXPECT_EQ(text(QStringLiteral("LovordLabel1")),
              QStringLiteral("Sorry, Bo. You lost against the computer."));
    EXPECT_FALSE(visible(QStringLiteral("NextPanel")));
}

TEST_F(Falska, EmptyNamesAreRemindedAndTheNameIsOfferedAgain)
{
    open("ENG25001.DAT");
    const QStringList expected = {
        QStringLiteral("Ditt namn tack!"), QStringLiteral("Ditt namn tack!!"),
        QStringLiteral("Ditt namn tack!!!"), QStringLiteral("Avbryt med Escape.")};
    for (const QString& e : expected) {
        enterName(QStringLiteral("  "));
        EXPECT_EQ(text(QStringLiteral("Label3")), e);
    }
    EXPECT_TRUE(visible(QStringLiteral("Panel3")));
    QTest::keyClick(child(QStringLiteral("Edit1")), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());

    engine->playerNames[0] = "Cleo";
    open("ENG31081.DAT");
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("Edit1"))->text(), QStringLiteral("Cleo"));
}

TEST_F(Falska, MalformedLinesDoNotBreakTheGame)
{
    inst.data("ENG25001.DAT", "no fields at all\n=#\n#sant\nx = y#sant#z#q#r#s#t#u#v#w#extra\n"
                              "\xE5 = \xE4#falskt\n");
    engine = inst.start();
    engine->layoutUnit = 12;
    open("ENG25001.DAT");
    enterName(QStringLiteral("Alva"));
    EXPECT_EQ(form->rightNumber(), 2);
    answer(1);
    EXPECT_EQ(form->computerScore(), 2);
    key(Qt::Key_N);
    answer(2);
    EXPECT_EQ(form->pupilScore(), 2);
}

} // namespace
