#include "engine/catalogue.h"
#include "exercises/skriva.h"
#include "framework/aster.h"
#include "framework/formregistry.h"
#include "framework/formtimer.h"
#include "framework/worksheetpanel.h"
#include "platform/screen.h"
#include "platform/textmeasure.h"
#include "support/material.h"
#include "support/modal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace vindra;

namespace {

// Items "question N#answer N"; item 3 also accepts "three".
QByteArray items(int n)
{
    QByteArray out = "$Grammatik\n$Substantiv\n$Plural\n$\xA7Skriv pluralformen.\n";
    for (int i = 1; i <= n; ++i) {
        out += "q" + QByteArray::number(i) + "#a" + QByteArray::number(i);
        if (i == 3)
            out += "#&three";
        out += '\n';
    }
    return out;
}

class Skriva : public ::testing::Test {
protected:
    void SetUp() override
    {
        FormTimer::setManual(true);
        inst.data("datfiler.eng",
                  "ENG31051.DAT\nENG35102.DAT\nENG35051.DAT\nENGDI16.DAT\nENOVN106.DAT\n"
                  "ENGDI06.DAT\nREOM9001.LOV\nREOM9002.LOV\nREOM9013.LOV\n");
        inst.data("ENG31051.DAT", items(12));
        inst.data("ENG35102.DAT", "$Do it\nlikes tea#Do you like tea?\n");
        inst.data("ENG35051.DAT", "$Tampen\ngive up#ge upp\n");
        inst.data("ENGDI16.DAT", items(25));
        inst.data("ENOVN106.DAT", items(25));
        inst.data("ENGDI06.DAT", items(25));
        inst.data("REOM9001.LOV", "Alla r\xE4tt!#Bra gjort.\n");
        inst.data("REOM9002.LOV", "N\xE4stan alla r\xE4tt!\n");
        inst.data("REOM9013.LOV", "Bra k\xE4mpat!\n");
        engine = inst.start();
        ASSERT_TRUE(inst.started);
        engine->layoutUnit = 12;
        services = Services{&inst.messages, &measure, &screen, &inst.clock};
    }
    void TearDown() override { FormTimer::setManual(false); }

    void open(const QByteArray& name, SessionMode mode = SessionMode::Practice)
    {
        engine->session.mode = mode;
        engine->setCurrentFileName(name);
        ASSERT_TRUE(engine->Kolla(name));
        form = createForm<TSKRIV>(*engine, services);
        form->show();
    }
    template <typename T> T* child(const char* name)
    {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    QByteArray rightAnswer() const
    {
        return engine->item
            .fields[static_cast<size_t>(catalogue::answerField(engine->item.exerciseCode))];
    }
    /// Types an answer (right or deliberately wrong) and presses Enter.
    void answer(bool right)
    {
        auto* edit = child<QLineEdit>("Edit1");
        edit->setText(right ? QString::fromLatin1(rightAnswer()) : QStringLiteral("nonsense"));
        QTest::keyClick(edit, Qt::Key_Return);
    }
    void tick(int n, bool endWait = false)
    {
        for (int i = 0; i < n; ++i) {
            if (endWait)
                form->Timer3Timer();
            else
                form->Timer1Timer();
        }
    }
    /// Answers a whole round: `pattern` holds one character per item, '+' right, '-' wrong.
    void round(const std::string& pattern)
    {
        for (size_t i = 0; i < pattern.size(); ++i) {
            const bool right = pattern[i] == '+';
            answer(right);
            if (!right)
                tick(30, i + 1 == pattern.size());
        }
    }

    test::Installation inst;
    FixedTextMeasure measure;
    FixedScreen screen{QSize(1024, 768)};
    Services services;
    std::unique_ptr<Engine> engine;
    std::unique_ptr<TSKRIV> form;
};

} // namespace

TEST_F(Skriva, PracticeRoundPraisesEightRightButNotSeven)
{
    struct Case {
        std::string pattern;
        bool praised;
    };
    for (const Case& c : {Case{"++-+++-+++", true}, Case{"+-+-++-+++", false}}) {
        SCOPED_TRACE(c.pattern);
        open("ENG31051.DAT");
        EXPECT_EQ(child<QLabel>("Overs1Label")->text(), "Grammatik");
        EXPECT_EQ(child<QLabel>("InstruktionsLabel")->text(),
                  QString::fromUtf8("Skriv pluralformen."));
        auto* aster = child<TAster>("Aster1");
        EXPECT_EQ(aster->MaxAntalRutor(), 10);
        round(c.pattern);
        EXPECT_TRUE(child<QWidget>("Panel1")->isVisible()) << "the button bar ends the round";
        EXPECT_TRUE(child<QWidget>("BildPanelen")->isVisible());
        EXPECT_EQ(child<QWidget>("LovordPanel")->isVisible(), c.praised);
        EXPECT_TRUE(child<QPushButton>("Button1")->isEnabled()) << "there are errors to correct";
        form->Button3Click();
    }
}

TEST_F(Skriva, RightAnswerStaysForTheSetTimeUnlessSpaceIsPressed)
{
    open("ENG31051.DAT");
    const quint16 first = engine->item.currentItemNumber;
    answer(false);
    EXPECT_TRUE(child<QLabel>("Label5")->isVisible());
    EXPECT_FALSE(child<QLineEdit>("Edit1")->isEnabled());
    tick(29);
    EXPECT_EQ(engine->item.currentItemNumber, first);
    tick(1);
    EXPECT_NE(engine->item.currentItemNumber, first);
    EXPECT_TRUE(child<QLineEdit>("Edit1")->isEnabled());

    const quint16 second = engine->item.currentItemNumber;
    answer(false);
    QTest::keyClick(form.get(), Qt::Key_Space);
    tick(1);
    EXPECT_NE(engine->item.currentItemNumber, second) << "Space ends the wait at the next tick";
}

TEST_F(Skriva, CorrectionRoundAsksTheErrorsAgain)
{
    open("ENG31051.DAT");
    round("-+-+++-+++");
    EXPECT_EQ(engine->cache[1].errorCount, 3);
    form->Button1Click();
    EXPECT_TRUE(engine->session.correctionRound);
    EXPECT_EQ(engine->session.sessionLength, 3);
    EXPECT_EQ(child<TAster>("Aster1")->MaxAntalRutor(), 3);
    round("+-+");
    EXPECT_EQ(engine->cache[1].errorCount, 1) << "errors answered right leave the list";
    EXPECT_FALSE(child<QWidget>("LovordPanel")->isVisible()) << "no praise in a correction round";
}

TEST_F(Skriva, EscPausesAndContinueGoesOnOrStartsANewRound)
{
    open("ENG31051.DAT");
    round("++");
    const quint16 onScreen = engine->item.currentItemNumber;
    QTest::keyClick(child<QLineEdit>("Edit1"), Qt::Key_Escape);
    EXPECT_TRUE(child<QWidget>("Panel1")->isVisible());
    child<QPushButton>("Button2")->click();
    EXPECT_EQ(engine->item.currentItemNumber, onScreen) << "the same item goes on";
    EXPECT_EQ(engine->session.rightCount, 0) << "the right count starts again";
    EXPECT_EQ(engine->session.itemCounter, 3);

    round("+++++++");
    EXPECT_EQ(engine->session.itemCounter, 10);
    QTest::keyClick(child<QLineEdit>("Edit1"), Qt::Key_Escape);
    child<QPushButton>("Button2")->click();
    EXPECT_EQ(engine->session.itemCounter, 1) << "Esc on the last item, then continue: new round";
}

TEST_F(Skriva, DiagnosisTestReportsItsResult)
{
    engine->diagnosis.current.name = "Alva";
    engine->diagnosis.currentSlot = 16;
    open("ENGDI16.DAT", SessionMode::DiagnosisTest);
    EXPECT_EQ(child<QLabel>("DiagLabel1")->text(), "Diagnosis: Test");
    EXPECT_FALSE(child<TAster>("Aster1")->Visa());
    // Code 16 shows field 2 and expects field 1.
    EXPECT_EQ(child<QLabel>("FrageLabel2")->text(), QString::fromLatin1(engine->item.fields[2]));
    round("+++++-++++-++++-++++");
    EXPECT_FALSE(form->isVisible()) << "the test closes after its 20th item";
    EXPECT_EQ(engine->diagnosis.current.result[16], 17);
}

TEST_F(Skriva, PractiseOneThenTwoThenTheSlotIsReadyForTheTest)
{
    engine->diagnosis.current.name = "Alva";
    engine->diagnosis.currentSlot = 6;
    engine->diagnosis.current.state[6] = 3;
    open("ENOVN106.DAT", SessionMode::Practise1);
    EXPECT_EQ(child<QLabel>("DiagLabel1")->text(), "Practise 1");
    round("+++++++--------+----");
    EXPECT_EQ(engine->session.mode, SessionMode::Practise2) << "8 right pass Practise 1";
    form->Button2Click();
    EXPECT_EQ(child<QLabel>("DiagLabel1")->text(), "Practise 2");
    round("-------+++++++-----+");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(engine->session.mode, SessionMode::DiagnosisTest);
    EXPECT_EQ(engine->diagnosis.current.state[6], 2);
}

TEST_F(Skriva, RulesButtonAndPrefixStayAfterViewingTheRules)
{
    inst.write("material/REGLER/R35101.htm", "<html><body>Do</body></html>");
    open("ENG35102.DAT");
    EXPECT_EQ(child<QLabel>("FrageLabel2")->text(), "Ask me if I likes tea");
    auto* rules = child<QPushButton>("BitBtn2");
    EXPECT_TRUE(rules->isVisible());
    test::NextModal viewer;
    rules->click();
    EXPECT_EQ(viewer.className(), "vindra::TRegelform");
    EXPECT_EQ(engine->item.exerciseCode, 35102);
    EXPECT_TRUE(inst.messages.entries().isEmpty());
    answer(true);
    EXPECT_TRUE(rules->isVisible());
    EXPECT_EQ(child<QLabel>("FrageLabel2")->text(), "Ask me if I likes tea");
}

TEST_F(Skriva, WorksheetModeCollectsItemsByHandAndByCount)
{
    open("ENG31051.DAT", SessionMode::Worksheet);
    EXPECT_FALSE(child<QLineEdit>("Edit1")->isVisible());
    EXPECT_TRUE(child<QWidget>("SkrivutOverskriftPanel")->isVisible());
    EXPECT_TRUE(child<QLabel>("Label5")->isVisible()) << "the answer shows while choosing";
    const QByteArray first = engine->item.fields[1];
    const QByteArray firstAnswer = engine->item.fields[2];
    auto* panel = child<WorksheetPanel>("SkrivutHelaPanelen");
    ASSERT_TRUE(panel->isVisible());
    panel->SkrivutSkickaButtonClick();
    const auto& without = engine->worksheet.list(1);
    const auto& with = engine->worksheet.list(2);
    ASSERT_EQ(without.size(), 4);
    EXPECT_EQ(without[0], "1.  Grammatik Substantiv Plural");
    EXPECT_EQ(without[1], "      Translate.") << "an empty worksheet instruction";
    EXPECT_EQ(without[2], "   1. " + first);
    EXPECT_TRUE(without[3].startsWith("       ____"));
    EXPECT_EQ(with[3], "       " + firstAnswer + (first == "q3" ? " eller three." : ""));
    EXPECT_NE(engine->item.fields[1], first) << "the next item is on screen";

    engine->worksheet.chosenCount = 3;
    panel->SkrivutKlartButtonClick();
    EXPECT_EQ(engine->worksheet.list(1).size(), 4 + 3 * 2);
    EXPECT_TRUE(engine->worksheet.list(1).last().startsWith("       ____"));
    EXPECT_TRUE(engine->worksheet.list(1)[8].startsWith("   4. "));
}

TEST_F(Skriva, SettingsAtTheEndOfARoundAsksNothingMore)
{
    open("ENG31051.DAT");
    round("+++++++++-");
    tick(30, true);
    ASSERT_TRUE(child<QWidget>("Panel1")->isVisible());
    const int right = engine->session.rightCount;
    const int errors = engine->cache[1].errorCount;
    test::NextModal settings;
    child<QPushButton>("Button4")->click();
    EXPECT_EQ(settings.className(), "vindra::TStallin");
    EXPECT_FALSE(child<QLineEdit>("Edit1")->isEnabled()) << "the ended round takes no answer";
    form->Edit1KeyPress();
    EXPECT_EQ(engine->session.rightCount, right);
    EXPECT_EQ(engine->cache[1].errorCount, errors) << "no extra error, no second ending";
}

TEST_F(Skriva, ALampFromACorrectionRoundGoesOutWithIt)
{
    engine->diagnosis.current.name = "Alva";
    engine->diagnosis.currentSlot = 6;
    engine->diagnosis.current.state[6] = 3;
    open("ENOVN106.DAT", SessionMode::Practise1);
    round("-------------------+");
    form->Button1Click();
    ASSERT_EQ(engine->session.mode, SessionMode::DiagnosisCorrection);
    auto* lampButton = child<QPushButton>("lampknapp");
    ASSERT_TRUE(lampButton->isVisible());
    lampButton->click();
    EXPECT_TRUE(child<QWidget>("LampShape")->isVisible());
    round(std::string(static_cast<size_t>(engine->session.sessionLength), '+'));
    form->Button2Click();
    EXPECT_EQ(engine->session.mode, SessionMode::Practise1);
    EXPECT_FALSE(child<QWidget>("LampShape")->isVisible());
    round("++++++++++++++++++++");
    EXPECT_EQ(engine->session.mode, SessionMode::Practise2) << "the new round's answers count";
}

TEST_F(Skriva, TampensHelpOpensItsPage)
{
    inst.write("material/REGLER/R35051.htm", "<html><body>Partikelverb</body></html>");
    open("ENG35051.DAT");
    auto* help = child<QPushButton>("BitBtn2");
    EXPECT_EQ(help->text(), "&Help");
    EXPECT_TRUE(help->isVisible());
    test::NextModal viewer;
    help->click();
    EXPECT_EQ(viewer.className(), "vindra::TRegelform");
    EXPECT_TRUE(inst.messages.entries().isEmpty()) << "the page exists";
    EXPECT_EQ(engine->rulePageName, "R35051.htm");
}

TEST_F(Skriva, DiagnosisCaptionsFitTheirBoxes)
{
    engine->diagnosis.current.name = "Alva";
    engine->diagnosis.currentSlot = 6;
    for (const QSize size : {QSize(640, 480), QSize(800, 600), QSize(1024, 768)}) {
        SCOPED_TRACE(size.width());
        screen.setSize(size);
        open("ENGDI06.DAT", SessionMode::DiagnosisTest);
        for (const char* name : {"DiagLabel1", "DiagLabel2", "DiagLabel3", "DiagLabel4"}) {
            auto* label = child<QLabel>(name);
            const QFontMetrics fm(label->font());
            EXPECT_LE(fm.horizontalAdvance(label->text()), label->width()) << name;
            EXPECT_LE(fm.height(), label->height()) << name;
        }
        const QRect question = child<QLabel>("DiagLabel2")->geometry();
        const QRect number = child<QLabel>("DiagLabel3")->geometry();
        EXPECT_FALSE(question.intersects(number)) << "\"Question\" and \"1/20\" do not overlap";
        form.reset();
    }
}
