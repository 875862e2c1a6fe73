#include "exercises/skriva2.h"
#include "framework/aster.h"
#include "framework/formregistry.h"
#include "framework/formtimer.h"
#include "framework/worksheetpanel.h"
#include "platform/screen.h"
#include "platform/textmeasure.h"
#include "support/material.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace vindra;

namespace {

// Items "wN#wNer#wNest#gloss N"; item 2 also accepts the pair "more w2/most w2".
QByteArray items(int n, bool withHelp = false)
{
    QByteArray out = "$Komparation\n$\n$\n$\xA7Skriv komparativ och superlativ.\n";
    for (int i = 1; i <= n; ++i) {
        const QByteArray w = "w" + QByteArray::number(i);
        out += w + "#" + w + "er#" + w + "est#" + (withHelp ? "hj\xE4lp " : "ord ") +
               QByteArray::number(i);
        if (i == 2)
            out += "#&more " + w + "/most " + w;
        out += '\n';
    }
    return out;
}

class Skriva2 : public ::testing::Test {
protected:
    void SetUp() override
    {
        FormTimer::setManual(true);
        inst.data("datfiler.eng", "ENG32012.DAT\nENG35031.DAT\nENGDI08.DAT\nENOVN108.DAT\n"
                                  "REOM9001.LOV\n");
        inst.data("ENG32012.DAT", items(12));
        inst.data("ENG35031.DAT", items(12, true));
        inst.data("ENGDI08.DAT", items(25));
        inst.data("ENOVN108.DAT", items(25));
        inst.data("REOM9001.LOV", "Alla r\xE4tt!\n");
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
        form = createForm<Tskriv2>(*engine, services);
        form->show();
    }
    template <typename T> T* child(const char* name) const
    {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    QByteArray field(int n) const { return engine->item.fields[static_cast<size_t>(n)]; }
    void type(const char* box, const QByteArray& text)
    {
        auto* edit = child<QLineEdit>(box);
        edit->setText(QString::fromLatin1(text));
        QTest::keyClick(edit, Qt::Key_Return);
    }
    /// Answers one item: each of `first` and `second` right ('+') or wrong ('-').
    void item(char first, char second)
    {
        type("Edit1", first == '+' ? field(2) : QByteArray("nonsense"));
        type("Edit2", second == '+' ? field(3) : QByteArray("nonsense"));
    }
    void tick(int n)
    {
        for (int i = 0; i < n; ++i)
            form->Timer1Timer();
    }

    test::Installation inst;
    FixedTextMeasure measure;
    FixedScreen screen{QSize(1024, 768)};
    Services services;
    std::unique_ptr<Engine> engine;
    std::unique_ptr<Tskriv2> form;
};

} // namespace

TEST_F(Skriva2, AnItemIsRightOnlyWithBothAnswersRight)
{
    open("ENG32012.DAT");
    EXPECT_FALSE(form->layoutA());
    EXPECT_EQ(child<QPushButton>("Button2")->text(), "&Continue");
    EXPECT_FALSE(child<QLabel>("InstruktionsLabel")->isVisible()) << "layout B has no instruction";
    EXPECT_EQ(child<QLabel>("SvenskaLabel")->text(), QString::fromLatin1(field(4)));
    EXPECT_TRUE(child<QLabel>("SvenskaLabel")->isVisible());
    EXPECT_FALSE(child<QLineEdit>("Edit2")->isVisible());

    item('+', '+');
    EXPECT_EQ(engine->session.rightCount, 1);

    // A wrong first answer and a right second: the item is wrong, and the right first
    // answer stays under the first box.
    type("Edit1", "nonsense");
    EXPECT_TRUE(child<QLabel>("SvarsLabel1")->isVisible());
    EXPECT_EQ(form->focusWidget(), child<QLineEdit>("Edit2"));
    type("Edit2", field(3));
    EXPECT_EQ(engine->session.rightCount, 1);
    EXPECT_EQ(engine->cache[static_cast<size_t>(engine->item.cacheSlot)].errorCount, 1);
    EXPECT_FALSE(child<QPushButton>("BitBtn2")->isVisible()) << "layout B never shows Help";
    tick(30);
    EXPECT_EQ(engine->session.itemCounter, 3);
    EXPECT_TRUE(child<QLineEdit>("Edit1")->isEnabled());
    EXPECT_EQ(engine->settings.TIMESHOWINGCORRECTANSWER, 3);

    // A pause keeps the right count, and Continue goes back to the box that waits.
    engine->settings.TIMESHOWINGCORRECTANSWER = 5;
    type("Edit1", field(2));
    QTest::keyClick(child<QLineEdit>("Edit2"), Qt::Key_Escape);
    EXPECT_TRUE(child<QWidget>("Panel1")->isVisible());
    child<QPushButton>("Button2")->click();
    EXPECT_EQ(engine->session.rightCount, 1);
    EXPECT_TRUE(child<QLineEdit>("Edit2")->isEnabled());
    EXPECT_EQ(form->focusWidget(), child<QLineEdit>("Edit2"));
    type("Edit2", field(3));
    EXPECT_EQ(engine->session.rightCount, 2);
    EXPECT_EQ(engine->settings.TIMESHOWINGCORRECTANSWER, 5) << "the pupil's setting stays";
}

TEST_F(Skriva2, AlternativesBelongToTheirAnswer)
{
    open("ENG32012.DAT");
    // Draw until item 2 (the one with the "more/most" pair) is on screen.
    for (int i = 0; i < 12 && field(1) != "w2"; ++i) {
        item('+', '+');
        if (engine->session.roundOver())
            form->Button2Click();
    }
    ASSERT_EQ(field(1), "w2");
    const int before = engine->session.rightCount;
    type("Edit1", "most w2");
    type("Edit2", "more w2");
    EXPECT_EQ(engine->session.rightCount, before) << "a swapped pair is wrong";
    tick(30);
    // The same pair in its order is right.
    for (int i = 0; i < 24 && field(1) != "w2"; ++i) {
        item('+', '+');
        if (engine->session.roundOver())
            form->Button2Click();
    }
    ASSERT_EQ(field(1), "w2");
    const int right = engine->session.rightCount;
    type("Edit1", "more w2");
    type("Edit2", "most w2");
    EXPECT_EQ(engine->session.rightCount, right + 1);
}

TEST_F(Skriva2, RightAnswersStayTheWholeTimeAfterASlowSecondAnswer)
{
    open("ENG32012.DAT");
    type("Edit1", "nonsense");
    tick(100); // the pupil thinks long about the second answer
    EXPECT_TRUE(child<QLineEdit>("Edit2")->isEnabled());
    EXPECT_EQ(form->timer1()->interval(), 0)
        << "the wait stopped once the second box had the input";
    const quint16 item = engine->item.currentItemNumber;
    type("Edit2", "nonsense");
    EXPECT_TRUE(child<QLabel>("SvarsLabel2")->isVisible());
    tick(29);
    EXPECT_EQ(engine->item.currentItemNumber, item);
    tick(1);
    EXPECT_NE(engine->item.currentItemNumber, item);
}

TEST_F(Skriva2, EscInTheSecondBoxOfATestShowsTheBarWithoutCorrection)
{
    engine->diagnosis.current.name = "Alva";
    engine->diagnosis.currentSlot = 8;
    open("ENGDI08.DAT", SessionMode::DiagnosisTest);
    EXPECT_EQ(child<QLabel>("DiagLabel1")->text(), "Diagnosis: Test");
    item('-', '-');
    tick(30);
    type("Edit1", field(2));
    QTest::keyClick(child<QLineEdit>("Edit2"), Qt::Key_Escape);
    EXPECT_TRUE(child<QWidget>("Panel1")->isVisible())
        << "the pupil is never left without a control";
    EXPECT_FALSE(child<QPushButton>("Button1")->isEnabled()) << "no correction round in a test";
    child<QPushButton>("Button2")->click();
    type("Edit2", field(3));
    for (int i = 0; i < 18; ++i)
        item('+', '+');
    EXPECT_FALSE(form->isVisible()) << "the test closes after its 20th item";
    EXPECT_EQ(engine->diagnosis.current.result[8], 19);
}

TEST_F(Skriva2, LayoutAHasSwedishCaptionsHelpAndTheLamp)
{
    open("ENG35031.DAT");
    EXPECT_TRUE(form->layoutA());
    EXPECT_EQ(child<QPushButton>("Button2")->text(), QString::fromUtf8("&Fortsätta"));
    auto* help = child<QPushButton>("BitBtn2");
    EXPECT_TRUE(help->isVisible());
    help->click();
    EXPECT_EQ(child<QLabel>("HjalpLabel")->text(), QString::fromLatin1(field(4)));
    EXPECT_TRUE(child<QLabel>("HjalpLabel")->isVisible());

    auto* lampButton = child<QPushButton>("Lampknapp");
    EXPECT_TRUE(lampButton->isVisible());
    lampButton->click();
    auto* lamp1 = child<Lamp>("LampShape1");
    EXPECT_TRUE(lamp1->isVisible());
    child<QLineEdit>("Edit1")->setText(QStringLiteral("x"));
    EXPECT_EQ(lamp1->fill(), QColor(255, 0, 0));
    child<QLineEdit>("Edit1")->setText(QString::fromLatin1(field(2).left(1)));
    EXPECT_EQ(lamp1->fill(), QColor(0, 255, 0));
    type("Edit1", field(2));
    EXPECT_TRUE(child<Lamp>("LampShape2")->isVisible()) << "the second lamp after the first answer";
}

TEST_F(Skriva2, WorksheetLinesCarryBothAnswersAndTheGloss)
{
    open("ENG32012.DAT", SessionMode::Worksheet);
    EXPECT_TRUE(child<QLabel>("SvarsLabel1")->isVisible());
    EXPECT_TRUE(child<QLabel>("SvarsLabel2")->isVisible());
    EXPECT_FALSE(child<QLabel>("SvenskaLabel")->isVisible());
    const QByteArray question = field(1), first = field(2), second = field(3), gloss = field(4);
    child<WorksheetPanel>("SkrivutHelaPanelen")->SkrivutSkickaButtonClick();
    const auto& without = engine->worksheet.list(1);
    const auto& with = engine->worksheet.list(2);
    ASSERT_EQ(without.size(), 3) << "title, item, writing line (no instruction in layout B)";
    EXPECT_TRUE(without[0].startsWith("1.  Komparation"));
    EXPECT_EQ(without[1], "   1. " + question);
    EXPECT_TRUE(without[2].startsWith("       ____"));
    EXPECT_EQ(with[2], "       " + first + ", " + second + " (" + gloss + ")");
}
