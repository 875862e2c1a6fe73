#include "framework/skrivut.h"
#include "framework/worksheetpanel.h"
#include "platform/printer.h"
#include "platform/screen.h"
#include "support/material.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace vindra;

namespace {

/// A form with the worksheet panel: item n asks "qn" with the answer "an" (item 2 also
/// accepts "&b2"); the exercise has five items.
struct FakeForm {
    FakeForm()
    {
        inst.data("ENG31051.DAT", "$Verb\nhus#house\n");
        engine = inst.start();
        engine->item.headerLines = {{"", "Verb", "Test", "1"}};
        engine->item.worksheetInstruction = "Translate.";
        services.screen = &screen;
        services.printer = &printer;
        utskrift = std::make_unique<TUtskrift>(*engine, services);
        form.resize(1024, 768);
        panel = new WorksheetPanel(*engine, utskrift.get(), &form);
        panel->place(QRect(0, 700, 1024, 60));
        panel->setHooks({
            [this] { nextItem(); },
            [this](const QByteArray& prefix, WorksheetSend) {
                engine->worksheet.addWrittenItem(prefix, engine->item.fields[1],
                                                 utskrift->UtSkriftSvar(engine->item.fields[2]));
            },
            [] { return 5; },
            [this] { closed = true; },
            {},
        });
        nextItem();
        form.show();
        panel->openForWorksheet();
    }

    void nextItem()
    {
        ++shown;
        const QByteArray n = QByteArray::number(shown);
        engine->str_postarray("q" + n + "#a" + n + (shown == 2 ? "#&b2" : ""));
    }

    QPushButton* button(const char* name) const
    {
        return panel->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    void click(const char* name)
    {
        QPushButton* b = button(name);
        ASSERT_NE(b, nullptr) << name;
        ASSERT_TRUE(b->isVisible() && b->isEnabled()) << name;
        b->click();
    }
    int count() const
    {
        return panel->findChild<QLabel*>(QStringLiteral("SkrivutAntalVarde"))->text().toInt();
    }

    test::Installation inst;
    std::unique_ptr<Engine> engine;
    FixedScreen screen;
    RecordingPrinter printer;
    Services services;
    std::unique_ptr<TUtskrift> utskrift;
    QWidget form;
    WorksheetPanel* panel = nullptr;
    int shown = 0;
    bool closed = false;
};

const char* const kOutputButtons[] = {"SkrivutSeValButton", "SkrivutSkrivUtButton",
                                      "SkrivutValSeValButton", "SkrivutValSkrivUtButton"};

} // namespace

TEST(WorksheetPanel, BarsCaptionsAndHints)
{
    FakeForm f;
    EXPECT_EQ(f.panel->objectName(), "SkrivutHelaPanelen");
    EXPECT_EQ(f.panel->frontBar(), f.panel->SkrivutPanel1);
    EXPECT_TRUE(f.panel->SkrivutAntalPanel->isHidden());

    const struct {
        QFrame* bar;
        QStringList captions;
        QStringList hints;
    } bars[] = {
        {f.panel->SkrivutPanel1,
         {"Välja &antal", "Välja &ut", "Se ditt &val", "&Skriv ut", "&Rensa", "Till &menyn"},
         {"Datorn väljer uppgifter", "Du själv väljer uppgifter", "Förhandsgranskning",
          "Du får välja utskrift med eller utan svar här. ",
          "Tar bort allt som valts till utskrift. ", "Utskriften kan utökas med andra förhör."}},
        {f.panel->SkrivutValPanel,
         {"&Nästa uppgift", "Skickas &till utskrift", "Se ditt &val", "&Skriv ut", "&Avbryt"},
         {"", "", "", "", ""}},
        {f.panel->SkrivutSvarPanel,
         {"Skriv ut &utan svaren", "Skriv ut &med svaren", "&Avbryt"},
         {"", "", ""}},
        {f.panel->SkrivutAntalPanel, {"&Klart", "&Avbryt"}, {"", ""}},
        {f.panel->SkrivutListValPanel,
         {"Se ditt val &utan svar", "Se ditt val &med svar", "&Avbryt"},
         {"", "", ""}},
    };
    for (const auto& b : bars) {
        SCOPED_TRACE(b.bar->objectName().toStdString());
        QStringList captions, hints;
        for (auto* button : b.bar->findChildren<QPushButton*>()) {
            captions << button->text();
            hints << button->toolTip();
        }
        EXPECT_EQ(captions, b.captions);
        EXPECT_EQ(hints, b.hints);
    }
    EXPECT_EQ(f.panel->findChild<QLabel*>("SkrivutAntalLabel")->text(), "Antal :");

    // Nothing collected yet: nothing to view, print or clear.
    for (const char* name : kOutputButtons)
        EXPECT_FALSE(f.button(name)->isEnabled()) << name;
    EXPECT_FALSE(f.button("SkrivutRensaButton")->isEnabled());
}

TEST(WorksheetPanel, SendingItemsFillsBothLists)
{
    FakeForm f;
    f.click("SkrivutValjUtButton");
    EXPECT_EQ(f.panel->frontBar(), f.panel->SkrivutValPanel);
    f.click("SkrivutSkickaButton");
    f.click("SkrivutSkickaButton"); // item 2 has an alternative
    f.click("SkrivutNastaButton");  // item 3 skipped
    f.click("SkrivutSkickaButton");

    const QByteArray title = "1.  Verb Test 1";
    EXPECT_EQ(f.engine->worksheet.withoutAnswers,
              (QList<QByteArray>{title, "      Translate.", "   1. q1", worksheet::kWritingLine,
                                 "   2. q2", worksheet::kWritingLine, "   3. q4",
                                 worksheet::kWritingLine}));
    EXPECT_EQ(f.engine->worksheet.withAnswers,
              (QList<QByteArray>{title, "      Translate.", "   1. q1", "       a1", "   2. q2",
                                 "       a2 eller b2.", "   3. q4", "       a4"}));
    EXPECT_EQ(f.shown, 5) << "each send and each skip shows the next item";
    for (const char* name : kOutputButtons)
        EXPECT_TRUE(f.button(name)->isEnabled()) << name;
    EXPECT_TRUE(f.button("SkrivutRensaButton")->isEnabled());

    // The print-queue window follows while it is shown.
    f.click("SkrivutValSeValButton");
    f.click("SkrivutSeMedButton");
    EXPECT_TRUE(f.utskrift->listBox(2)->isVisible());
    EXPECT_EQ(f.utskrift->listBox(2)->item(5)->text(), "       a2 eller b2.");
}

TEST(WorksheetPanel, CountPanel)
{
    FakeForm f;
    f.click("SkrivutAntalButton");
    EXPECT_EQ(f.panel->frontBar(), f.panel->SkrivutAntalPanel);
    EXPECT_EQ(f.count(), 1);

    auto* up = f.panel->findChild<QToolButton*>("SkrivutAntalUpp");
    auto* down = f.panel->findChild<QToolButton*>("SkrivutAntalNed");
    for (int i = 0; i < 7; ++i)
        up->click();
    EXPECT_EQ(f.count(), 5) << "never above the exercise's item count";
    QTest::keyClick(&f.form, Qt::Key_Down);
    QTest::keyClick(f.button("SkrivutKlartButton"), Qt::Key_Down);
    EXPECT_EQ(f.count(), 3) << "Up and Down reach the count wherever the focus is";
    QTest::keyClick(&f.form, Qt::Key_Up);
    EXPECT_EQ(f.count(), 4);
    for (int i = 0; i < 6; ++i)
        down->click();
    EXPECT_EQ(f.count(), 0) << "never below 0";

    f.click("SkrivutAntalAvbrytButton");
    EXPECT_EQ(f.panel->frontBar(), f.panel->SkrivutPanel1);
    QTest::keyClick(&f.form, Qt::Key_Up);
    EXPECT_EQ(f.engine->worksheet.chosenCount, 0) << "the keys count only in the count panel";
}

TEST(WorksheetPanel, KlartAddsTheChosenCount)
{
    const struct {
        int count;
        qsizetype lines;
        int nextShown;
    } cases[] = {
        {3, 2 + 3 * 2, 4}, // items 1..3 added, item 4 on screen
        {0, 2, 1},         // only the block title and its instruction
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        FakeForm f;
        f.click("SkrivutAntalButton");
        f.engine->worksheet.chosenCount = c.count;
        f.click("SkrivutKlartButton");
        EXPECT_EQ(f.engine->worksheet.lineCount(), c.lines);
        EXPECT_EQ(f.engine->worksheet.withoutAnswers.first(), "1.  Verb Test 1");
        EXPECT_EQ(f.shown, c.nextShown);
        EXPECT_EQ(f.panel->frontBar(), f.panel->SkrivutPanel1);
        EXPECT_TRUE(f.button("SkrivutSkrivUtButton")->isEnabled());
    }
}

TEST(WorksheetPanel, BarNavigation)
{
    // Each row: the clicks, then the bar in front.
    const struct {
        QList<const char*> clicks;
        const char* front;
    } cases[] = {
        {{"SkrivutSeValButton", "SkrivutListAvbrytButton"}, "SkrivutPanel1"},
        {{"SkrivutValjUtButton", "SkrivutValSeValButton", "SkrivutListAvbrytButton"},
         "SkrivutValPanel"},
        {{"SkrivutSkrivUtButton", "SkrivutSvarAvbrytButton"}, "SkrivutPanel1"},
        {{"SkrivutValjUtButton", "SkrivutValSkrivUtButton", "SkrivutSvarAvbrytButton"},
         "SkrivutValPanel"},
        {{"SkrivutValjUtButton", "SkrivutValAvbrytButton"}, "SkrivutPanel1"},
        // The print bar's cancel returns to the bar "&Skriv ut" was pressed on.
        {{"SkrivutValjUtButton", "SkrivutValAvbrytButton", "SkrivutSkrivUtButton",
          "SkrivutSvarAvbrytButton"},
         "SkrivutPanel1"},
        {{"SkrivutAntalButton", "SkrivutAntalAvbrytButton"}, "SkrivutPanel1"},
    };
    for (const auto& c : cases) {
        FakeForm f;
        f.engine->worksheet.addToBoth("1.  x"); // something to view and print
        f.panel->openForWorksheet();
        std::string trace;
        for (const char* name : c.clicks) {
            trace += std::string(name) + " ";
            SCOPED_TRACE(trace);
            f.click(name);
        }
        SCOPED_TRACE(trace);
        ASSERT_NE(f.panel->frontBar(), nullptr);
        EXPECT_EQ(f.panel->frontBar()->objectName(), c.front);
    }
}

TEST(WorksheetPanel, PrintingWithAndWithoutAnswers)
{
    FakeForm f;
    f.click("SkrivutValjUtButton");
    f.click("SkrivutSkickaButton");
    f.click("SkrivutValSkrivUtButton");
    f.click("SkrivutMedSvarButton");
    ASSERT_EQ(f.printer.pages().size(), 1);
    EXPECT_EQ(f.printer.pages()[0].texts[1].text,
              QString::fromUtf8("Arbetsblad från Vindra. Facit."));
    EXPECT_EQ(f.printer.pages()[0].texts.last().text, "       a1");
    EXPECT_TRUE(f.button("SkrivutMedSvarButton")->isEnabled()) << "enabled again after printing";

    f.click("SkrivutUtanSvarButton");
    ASSERT_EQ(f.printer.pages().size(), 2);
    EXPECT_EQ(f.printer.pages()[1].texts[1].text, QString::fromUtf8("Arbetsblad från Vindra."));
    EXPECT_EQ(f.printer.pages()[1].texts.last().text, QString::fromLatin1(worksheet::kWritingLine));

    f.panel->SkrivutAv(true);
    for (const char* name :
         {"SkrivutUtanSvarButton", "SkrivutMedSvarButton", "SkrivutSvarAvbrytButton"})
        EXPECT_FALSE(f.button(name)->isEnabled()) << name;
}

TEST(WorksheetPanel, ClearingRestartsTheNumbering)
{
    FakeForm f;
    f.click("SkrivutValjUtButton");
    f.click("SkrivutSkickaButton");
    f.click("SkrivutSkickaButton");
    f.click("SkrivutValAvbrytButton");
    f.click("SkrivutRensaButton");
    EXPECT_TRUE(f.engine->worksheet.isEmpty());
    EXPECT_EQ(f.utskrift->listBox(1)->count(), 0);
    EXPECT_FALSE(f.button("SkrivutSeValButton")->isEnabled());
    EXPECT_FALSE(f.button("SkrivutSkrivUtButton")->isEnabled());

    f.click("SkrivutValjUtButton");
    f.click("SkrivutSkickaButton");
    EXPECT_EQ(f.engine->worksheet.withoutAnswers.mid(0, 3),
              (QList<QByteArray>{"1.  Verb Test 1", "      Translate.", "   1. q3"}));
}

TEST(WorksheetPanel, TillMenynKeepsTheWorksheetForTheNextExercise)
{
    FakeForm f;
    f.click("SkrivutValjUtButton");
    f.click("SkrivutSkickaButton");
    f.click("SkrivutValSeValButton");
    f.click("SkrivutSeUtanButton");
    ASSERT_TRUE(f.utskrift->isVisible());
    f.click("SkrivutListAvbrytButton");
    f.click("SkrivutValAvbrytButton");
    f.click("SkrivutMenynButton");
    EXPECT_TRUE(f.closed);
    EXPECT_FALSE(f.utskrift->isVisible());
    EXPECT_FALSE(f.engine->worksheet.newBlock);
    EXPECT_EQ(f.engine->worksheet.lineCount(), 4);

    // The next exercise opens block 2 and numbers on.
    FakeForm* same = &f;
    same->engine->item.headerLines = {{"", "Substantiv", "", ""}};
    same->engine->item.worksheetInstruction.clear();
    same->panel->openForWorksheet();
    EXPECT_TRUE(same->button("SkrivutRensaButton")->isEnabled());
    same->click("SkrivutValjUtButton");
    same->click("SkrivutSkickaButton");
    EXPECT_EQ(same->engine->worksheet.withoutAnswers.mid(4, 2),
              (QList<QByteArray>{"2.  Substantiv  ", "   2. q2"}));
}
