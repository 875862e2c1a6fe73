#include "exercises/skrivin.h"
#include "framework/formregistry.h"
#include "framework/formtimer.h"
#include "framework/look.h"
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

const QByteArray kHeader = "$Grammatik\n$Blandat\n$\n$\xA7Skriv det ord som fattas.\n";

/// `n` items made by `line` from the item number.
template <typename F> QByteArray items(int n, F line)
{
    QByteArray out = kHeader;
    for (int i = 1; i <= n; ++i)
        out += line(QByteArray::number(i)) + '\n';
    return out;
}

class Skrivin : public ::testing::Test {
protected:
    void SetUp() override
    {
        FormTimer::setManual(true);
        inst.data("datfiler.eng", "ENG31021.DAT\nENG35043.DAT\nENG35101.DAT\nENG37021.DAT\n"
                                  "ENG39011.DAT\nENGDI14.DAT\nENOVN115.DAT\nREOM9001.LOV\n");
        // One gap; items 1, 4, 7 … have two help texts, items 2, 5, 8 … one.
        inst.data("ENG37021.DAT", items(12, [](const QByteArray& n) -> QByteArray {
                      const int i = n.toInt();
                      QByteArray l = "We met <at> the station " + n + ".";
                      if (i % 3 == 1)
                          l += "#tid och plats " + n + "#vid " + n;
                      else if (i % 3 == 2)
                          l += "#rum " + n;
                      return l;
                  }));
        // Two gaps; the alternative pair belongs to its gaps in order.
        inst.data("ENG39011.DAT", items(12, [](const QByteArray& n) -> QByteArray {
                      return "Item " + n + ": I <am> sure that they <are> home.#&'m/'re";
                  }));
        // Prompt and sentence; item 3 has no prompt and its help text in field 3.
        inst.data("ENG35043.DAT", items(12, [](const QByteArray& n) -> QByteArray {
                      if (n == "3")
                          return QByteArray("She <lives> in York 3.##bor");
                      return "Jag <bor> i Leeds " + n + ".#I <live> in Leeds " + n + ".";
                  }));
        // Odd items one gap, even items two gaps.
        inst.data("ENG35101.DAT", items(12, [](const QByteArray& n) -> QByteArray {
                      if (n.toInt() % 2)
                          return "Spelar du? " + n + "#<Do> you play " + n + "?";
                      return "Spelar hon inte? " + n + "#<Does> she <not> play " + n + "?";
                  }));
        inst.data("ENG31021.DAT", items(12, [](const QByteArray& n) -> QByteArray {
                      return "I like <> music " + n + ".";
                  }));
        inst.data("ENGDI14.DAT", items(25, [](const QByteArray& n) -> QByteArray {
                      return "They <were> at home " + n + ".";
                  }));
        inst.data("ENOVN115.DAT", items(25, [](const QByteArray& n) -> QByteArray {
                      return "Har du en katt? " + n + "#<Do> you <have> a cat " + n + "?";
                  }));
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
        form = createForm<TSkrivinf>(*engine, services);
        form->show();
    }
    template <typename T> T* child(const char* name) const
    {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    QByteArray answer(int gap) const { return form->shownItem().answers.value(gap - 1); }
    void type(const char* box, const QByteArray& text)
    {
        auto* edit = child<QLineEdit>(box);
        edit->setText(QString::fromLatin1(text));
        QTest::keyClick(edit, Qt::Key_Return);
    }
    /// Answers the item on screen, each gap right ('+') or wrong ('-'), and lets a
    /// right-answer display run out.
    void item(const char* gaps)
    {
        type("Edit1", gaps[0] == '+' ? answer(1) : QByteArray("nonsense"));
        if (gaps[1])
            type("Edit2", gaps[1] == '+' ? answer(2) : QByteArray("nonsense"));
        if (form->timer1()->interval() != 0)
            tick(30);
    }
    void tick(int n)
    {
        for (int i = 0; i < n; ++i)
            form->Timer1Timer();
    }
    void tick3(int n)
    {
        for (int i = 0; i < n; ++i)
            form->Timer3Timer();
    }
    int errors() const
    {
        return engine->cache[static_cast<size_t>(engine->item.cacheSlot)].errorCount;
    }
    /// Draws on (answering right) until the item line contains `text`.
    void until(const QByteArray& text)
    {
        for (int i = 0; i < 40 && !engine->item.fields[1].contains(text) &&
                        !engine->item.fields[2].contains(text);
             ++i) {
            item(form->gapCount() == 2 ? "++" : "+");
            if (engine->session.roundOver())
                form->Button2Click();
        }
        ASSERT_TRUE(engine->item.fields[1].contains(text) || engine->item.fields[2].contains(text));
    }

    test::Installation inst;
    FixedTextMeasure measure;
    FixedScreen screen{QSize(1024, 768)};
    Services services;
    std::unique_ptr<Engine> engine;
    std::unique_ptr<TSkrivinf> form;
};

} // namespace

TEST_F(Skrivin, OneGapRightMovesOnAtOnceWrongShowsTheAnswerInItsPlace)
{
    open("ENG37021.DAT");
    EXPECT_EQ(form->gapCount(), 1);
    auto* box = child<QLineEdit>("Edit1");
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->maxLength(), 2 + 10);
    EXPECT_TRUE(child<QPushButton>("lampknapp")->isVisible());

    const quint16 first = engine->item.currentItemNumber;
    type("Edit1", "at");
    EXPECT_EQ(engine->session.rightCount, 1);
    EXPECT_NE(engine->item.currentItemNumber, first) << "a right answer moves on at once";

    const quint16 second = engine->item.currentItemNumber;
    const QPoint boxPlace = box->pos();
    type("Edit1", "in");
    auto* shown = child<QLabel>("Label14");
    EXPECT_FALSE(box->isVisible());
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->text(), "at");
    EXPECT_EQ(shown->pos().x(), boxPlace.x()) << "the answer stands in the box's place";
    EXPECT_TRUE(shown->styleSheet().contains(look::kMaroon.name()));
    EXPECT_EQ(errors(), 1);
    tick(29);
    EXPECT_EQ(engine->item.currentItemNumber, second) << "the answer stays the display time";
    tick(1);
    EXPECT_NE(engine->item.currentItemNumber, second);
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->isEnabled());
}

TEST_F(Skrivin, ATwoGapItemIsOneItemRightOnlyWithBothGaps)
{
    open("ENG39011.DAT");
    ASSERT_EQ(form->gapCount(), 2);
    EXPECT_FALSE(child<QLineEdit>("Edit2")->isEnabled()) << "gap 2 waits for gap 1";

    // Gap 1 wrong, gap 2 right: one wrong item; answer 1 maroon, the typed answer 2 green.
    type("Edit1", "is");
    EXPECT_EQ(form->awaitedGap(), 2);
    EXPECT_EQ(errors(), 0) << "nothing is decided before the second gap";
    EXPECT_EQ(form->focusWidget(), child<QLineEdit>("Edit2"));
    type("Edit2", "are");
    EXPECT_EQ(child<QLabel>("Label14")->text(), "am");
    EXPECT_TRUE(child<QLabel>("Label14")->styleSheet().contains(look::kMaroon.name()));
    EXPECT_EQ(child<QLabel>("Label15")->text(), "are");
    EXPECT_TRUE(child<QLabel>("Label15")->styleSheet().contains(look::kGreen.name()));
    EXPECT_EQ(engine->session.rightCount, 0);
    EXPECT_EQ(errors(), 1);
    EXPECT_EQ(engine->session.itemCounter, 2);
    tick(30);

    // Both gaps wrong: still one error, one item.
    item("--");
    EXPECT_EQ(errors(), 2);
    EXPECT_EQ(engine->session.itemCounter, 3);
    item("++");
    EXPECT_EQ(engine->session.rightCount, 1);

    // The alternative pair serves its gaps in order, not swapped.
    type("Edit1", "'m");
    type("Edit2", "'re");
    EXPECT_EQ(engine->session.rightCount, 2);
    type("Edit1", "'re");
    type("Edit2", "'m");
    EXPECT_EQ(engine->session.rightCount, 2);
}

TEST_F(Skrivin, ACorrectionRoundKeepsAHalfRightItemUntilBothGapsAreRight)
{
    open("ENG39011.DAT");
    for (const char* gaps : {"-+", "+-", "++", "++", "++", "++", "++", "++", "++", "++"})
        item(gaps);
    EXPECT_EQ(errors(), 2);
    ASSERT_TRUE(child<QPushButton>("Button1")->isEnabled());
    child<QPushButton>("Button1")->click();
    EXPECT_TRUE(engine->session.correctionRound);
    EXPECT_EQ(engine->session.sessionLength, 2);
    EXPECT_EQ(form->focusWidget(), child<QLineEdit>("Edit1"));
    item("+-");
    EXPECT_EQ(errors(), 2) << "half right stays in the list";
    item("++");
    EXPECT_EQ(errors(), 1);
    EXPECT_TRUE(child<QWidget>("Panel1")->isVisible());
}

TEST_F(Skrivin, LastWrongAnswerReachesTheEndingOnce)
{
    open("ENG37021.DAT");
    for (int i = 0; i < 9; ++i)
        item("+");
    type("Edit1", "nonsense");
    EXPECT_EQ(form->timer1()->interval(), 0) << "only the end-of-round wait runs";
    tick(100); // a display tick never draws an 11th item
    EXPECT_EQ(engine->session.itemCounter, 11);
    tick3(30);
    EXPECT_TRUE(child<QWidget>("Panel1")->isVisible());
    EXPECT_EQ(engine->session.rightCount, 9);
}

TEST_F(Skrivin, HelpTextsComeOneAfterTheOther)
{
    open("ENG37021.DAT");
    auto* help = child<QPushButton>("bitbtn2");
    until("tid och plats");
    ASSERT_TRUE(help->isVisible());
    help->click();
    EXPECT_TRUE(child<QLabel>("Label16")->isVisible());
    EXPECT_FALSE(child<QLabel>("Label17")->isVisible());
    EXPECT_TRUE(help->isVisible());
    help->click();
    EXPECT_TRUE(child<QLabel>("Label17")->isVisible());
    EXPECT_FALSE(help->isVisible());
    EXPECT_EQ(form->focusWidget(), child<QLineEdit>("Edit1"));

    until("rum");
    ASSERT_TRUE(help->isVisible());
    help->click();
    EXPECT_FALSE(help->isEnabled()) << "one help text: the button is spent";

    // A prompt-and-sentence item without its prompt has its help text all the same.
    form.reset();
    open("ENG35043.DAT");
    until("York");
    EXPECT_TRUE(child<QPushButton>("bitbtn2")->isVisible());
    EXPECT_TRUE(child<QLabel>("Label3")->text().isEmpty()) << "no prompt";
    EXPECT_EQ(answer(1), "lives");
}

TEST_F(Skrivin, PromptStandsAboveWithItsMarkedPartGreen)
{
    open("ENG35043.DAT");
    until("Leeds");
    auto* prompt = child<QLabel>("Label3");
    EXPECT_TRUE(prompt->isVisible());
    EXPECT_TRUE(prompt->text().contains(look::kGreen.name()));
    EXPECT_TRUE(prompt->text().contains("bor"));
    EXPECT_FALSE(prompt->text().contains("&lt;")) << "the marks are not shown";
    EXPECT_EQ(answer(1), "live");
    EXPECT_TRUE(child<QPushButton>("regelknapp")->isVisible());
}

TEST_F(Skrivin, FirstGapOfDoItTrainingNeverChangesTheErrorList)
{
    open("ENG35101.DAT");
    until("Spelar du?");
    item("-");
    EXPECT_EQ(errors(), 0);
    until("Spelar hon");
    item("-+");
    EXPECT_EQ(errors(), 0) << "a wrong first gap does not enter it";
    until("Spelar hon");
    item("+-");
    EXPECT_EQ(errors(), 1) << "the second gap does";
}

TEST_F(Skrivin, AnEmptyGapTakesAnEmptyAnswer)
{
    open("ENG31021.DAT");
    EXPECT_FALSE(child<QPushButton>("lampknapp")->isVisible()) << "no lamp in this exercise";
    type("Edit1", "");
    EXPECT_EQ(engine->session.rightCount, 1);
    type("Edit1", "the");
    EXPECT_EQ(engine->session.rightCount, 1);
    EXPECT_EQ(errors(), 1);
}

TEST_F(Skrivin, LampFollowsTheGapThatHasTheInput)
{
    open("ENG39011.DAT");
    child<QPushButton>("lampknapp")->click();
    auto* lamp = child<QWidget>("LampShape");
    ASSERT_TRUE(lamp->isVisible());
    auto good = [&] { return lamp->accessibleDescription() == "right so far"; };
    child<QLineEdit>("Edit1")->setText("'");
    EXPECT_TRUE(good()) << "the beginning of the alternative of gap 1";
    child<QLineEdit>("Edit1")->setText("Item");
    EXPECT_FALSE(good()) << "the sentence itself is no answer";
    type("Edit1", "am");
    EXPECT_GT(lamp->x(), child<QLineEdit>("Edit2")->x()) << "the lamp moved to gap 2";
    child<QLineEdit>("Edit2")->setText("ar");
    EXPECT_TRUE(good());
    child<QLineEdit>("Edit2")->setText("am");
    EXPECT_FALSE(good());
}

TEST_F(Skrivin, ContinueAfterEscReturnsToTheBoxThatWaits)
{
    engine->diagnosis.current.name = "Alva";
    engine->diagnosis.currentSlot = 15;
    open("ENOVN115.DAT", SessionMode::Practise1);
    item("-+");
    type("Edit1", answer(1));
    QTest::keyClick(child<QLineEdit>("Edit2"), Qt::Key_Escape);
    EXPECT_TRUE(child<QWidget>("Panel1")->isVisible());
    EXPECT_TRUE(child<QPushButton>("Button1")->isEnabled()) << "a practice round corrects";
    child<QPushButton>("Button2")->click();
    auto* second = child<QLineEdit>("Edit2");
    EXPECT_TRUE(second->isVisible());
    EXPECT_TRUE(second->isEnabled());
    EXPECT_EQ(form->focusWidget(), second);
    type("Edit2", answer(2));
    EXPECT_EQ(engine->session.rightCount, 1);
}

TEST_F(Skrivin, DiagnosisTestRunsTwentyItemsWithoutCorrectionOrHelp)
{
    engine->diagnosis.current.name = "Alva";
    engine->diagnosis.currentSlot = 14;
    open("ENGDI14.DAT", SessionMode::DiagnosisTest);
    EXPECT_EQ(child<QLabel>("DiagLabel1")->text(), "Diagnosis: Test");
    EXPECT_FALSE(child<QPushButton>("regelknapp")->isVisible());
    EXPECT_FALSE(child<QPushButton>("lampknapp")->isVisible());
    item("-");
    QTest::keyClick(child<QLineEdit>("Edit1"), Qt::Key_Escape);
    EXPECT_TRUE(child<QWidget>("Panel1")->isVisible());
    EXPECT_FALSE(child<QPushButton>("Button1")->isEnabled()) << "no correction round in a test";
    child<QPushButton>("Button2")->click();
    for (int i = 0; i < 19; ++i)
        item("+");
    EXPECT_FALSE(form->isVisible()) << "the test closes after its 20th item";
    EXPECT_EQ(engine->diagnosis.current.result[14], 19);
}

TEST_F(Skrivin, WorksheetLinesBlankTheGapsOnly)
{
    inst.data("ENG35043.DAT", kHeader + "Vi bor <h\xE4r>.#We <live> here with the <children>.\n"
                                        "They <live> at home.\n");
    ASSERT_TRUE(engine->Kolla("ENG35043.DAT"));
    open("ENG35043.DAT", SessionMode::Worksheet);
    EXPECT_FALSE(child<QLineEdit>("Edit1")->isVisible());
    EXPECT_TRUE(child<QLabel>("Label14")->isVisible()) << "the answers show while choosing";
    engine->worksheet.chosenCount = 2;
    child<WorksheetPanel>("SkrivutHelaPanelen")->SkrivutKlartButtonClick();
    const auto& without = engine->worksheet.list(1);
    const auto& with = engine->worksheet.list(2);
    const QByteArray pupil = without.join('\n');
    EXPECT_FALSE(pupil.contains("children")) << pupil.constData();
    EXPECT_TRUE(pupil.contains("We _____ here with the _________.")) << pupil.constData();
    EXPECT_TRUE(pupil.contains("They _____ at home.")) << "a prompt field holding the sentence";
    EXPECT_TRUE(pupil.contains("Vi bor <h\xE4r>.")) << "the prompt goes to both lists";
    EXPECT_TRUE(with.join('\n').contains("We <live> here with the <children>."));
    EXPECT_TRUE(without.contains("      Translate.")) << "the instruction indented by six";
}

TEST_F(Skrivin, MalformedLinesNeverStopTheRound)
{
    // No gap, three gaps, an unclosed mark, an empty line of fields, a wide gap.
    inst.data("ENG37021.DAT", kHeader +
                                  "No gap here.\nA <b> c <d> e <f> g.\nAn <open mark\n"
                                  "#\n<" +
                                  QByteArray(300, 'w') + ">\n");
    ASSERT_TRUE(engine->Kolla("ENG37021.DAT"));
    open("ENG37021.DAT");
    for (int i = 0; i < 10; ++i) {
        ASSERT_LE(form->gapCount(), 2);
        ASSERT_TRUE(child<QLineEdit>("Edit1")->isVisible()) << engine->item.fields[1].constData();
        item(form->gapCount() == 2 ? "++" : "+");
    }
    if (form->timer3()->interval() != 0)
        tick3(30);
    EXPECT_TRUE(child<QWidget>("Panel1")->isVisible());
}
