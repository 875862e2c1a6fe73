// The reading and writing games driven offscreen: reveal the story, reading speed, the three
// story games, the horoscope and top nine.
#include "exercises/avsloja.h"
#include "exercises/berettau.h"
#include "exercises/horo.h"
#include "exercises/pranku.h"
#include "exercises/speedu.h"
#include "exercises/storyu.h"
#include "exercises/top9u.h"
#include "framework/formregistry.h"
#include "framework/formtimer.h"
#include "platform/printer.h"
#include "platform/screen.h"
#include "platform/textmeasure.h"
#include "support/material.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace vindra;

namespace {

QByteArray horoscopeFile()
{
    QByteArray out;
    for (int n = 1; n <= 356; ++n) {
        QByteArray line = "Sentence " + QByteArray::number(n) + ".";
        for (const storytext::Sign& s : storytext::signs())
            if (n > s.last && n <= s.last + 3)
                line = "$Closing " + QByteArray::number(n);
            else if (n == s.last + 4)
                line.clear();
        out += line + "\n";
    }
    return out;
}

class StoryGames : public ::testing::Test {
protected:
    void SetUp() override
    {
        FormTimer::setManual(true);
        inst.data("ENG61011.DAT", "The cat saw the cat.\n#\n<Ann> Hi, Bob - hi!\n#\n");
        inst.data("ENG61021.DAT", "One two  three\nfour five\n#\n\n#\n");
        inst.data("ENG41041.DAT", "a1\na2\na3\n#\nb1\nb2\nb3\n#\nc1\nc2\nc3\n#\n");
        inst.data("ENG41021.DAT", sections(20));
        inst.data("ENG41011.DAT",
                  "$Silly\nThe #1 #2 ate #3.\nA #1 end.\n#\n$Plain\nNo gaps here.\n#\n");
        inst.data("ENG61031.DAT", horoscopeFile());
        inst.data("ENG61032.ORD", "brave#modig\ntrust#lita p\xE5\n");
        engine = inst.start();
        ASSERT_TRUE(inst.started);
        engine->layoutUnit = 12;
        services = Services{&inst.messages, &measure, &screen, &inst.clock, nullptr, &printer};
    }
    void TearDown() override { FormTimer::setManual(false); }

    static QByteArray sections(int n)
    {
        QByteArray out;
        for (const char* part : {"First", "middle", "end"}) {
            for (int i = 1; i <= n; ++i)
                out += part + QByteArray::number(i) + "\n";
            out += "#\n";
        }
        return out;
    }

    template <class Form> std::unique_ptr<Form> open(const QByteArray& file)
    {
        engine->setCurrentFileName(file);
        auto form = createForm<Form>(*engine, services);
        form->show();
        QApplication::processEvents();
        return form;
    }
    template <typename T> static T* child(QWidget* form, const char* name)
    {
        T* w = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static void type(QLineEdit* box, const QString& text)
    {
        box->setText(text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    test::Installation inst;
    std::unique_ptr<Engine> engine;
    FixedTextMeasure measure;
    FixedScreen screen;
    RecordingPrinter printer;
    Services services;
};

TEST_F(StoryGames, RevealByGuessingToTheCongratulation)
{
    auto form = open<Tavsloj>("ENG61011.DAT");
    auto* list = child<QListWidget>(form.get(), "ListBox2");
    ASSERT_EQ(list->count(), 2);
    child<QRadioButton>(form.get(), "RadioButton2")->setChecked(true);
    form->ListBox2DblClick();
    ASSERT_TRUE(form->playing());
    auto* slot = child<QLabel>(form.get(), "Label2");
    EXPECT_EQ(slot->text(), QStringLiteral("***"));
    auto* guess = child<QLineEdit>(form.get(), "Edit1");
    type(guess, QStringLiteral("CAT")); // letter case counts
    EXPECT_EQ(child<QLabel>(form.get(), "Panel8")->text(), QStringLiteral("1"));
    EXPECT_EQ(child<QLabel>(form.get(), "Panel5")->text(), QStringLiteral("0 %"));
    type(guess, QStringLiteral("cat")); // "cat" and "cat." alike
    EXPECT_EQ(slot->text(), QStringLiteral("cat"));
    EXPECT_EQ(child<QLabel>(form.get(), "Label5")->text(), QStringLiteral("cat."));
    EXPECT_EQ(child<QLabel>(form.get(), "Panel5")->text(), QStringLiteral("67 %"));
    EXPECT_EQ(child<QLabel>(form.get(), "Panel6")->text(), QStringLiteral("40 %"));

    // Showing the story hides nothing from the counters and takes no guesses.
    auto* show = child<QPushButton>(form.get(), "Button1");
    show->click();
    EXPECT_EQ(child<QLabel>(form.get(), "Label1")->text(), QStringLiteral("The"));
    EXPECT_FALSE(guess->isEnabled());
    show->click();
    EXPECT_EQ(child<QLabel>(form.get(), "Label1")->text(), QStringLiteral("***"));
    EXPECT_EQ(show->text(), QStringLiteral("&Show the story"));

    for (const char* w : {"The", "saw", "the"})
        type(guess, QString::fromLatin1(w));
    EXPECT_EQ(inst.messages.texts(), QStringList{QStringLiteral("Congratulations! You made it!")});
    EXPECT_FALSE(form->playing());
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(child<QLabel>(form.get(), "Panel8")->text(), QStringLiteral("0"));
}

TEST_F(StoryGames, RevealByDroppingWordsAndNamesAndDashesShown)
{
    auto form = open<Tavsloj>("ENG61011.DAT");
    child<QListWidget>(form.get(), "ListBox2")->setCurrentRow(1);
    form->ListBox2DblClick();
    EXPECT_EQ(child<QLabel>(form.get(), "namn1")->text(), QStringLiteral("Ann"));
    EXPECT_EQ(child<QLabel>(form.get(), "Label3")->text(), QStringLiteral("-"));
    auto* words = child<QListWidget>(form.get(), "ListBox1");
    ASSERT_EQ(words->count(), 3); // Bob, hi, Hi
    const int hi = static_cast<int>(form->game().story().wordList.indexOf("hi"));
    form->utruta(0, hi); // "hi" on "Hi,": wrong, the entry stays
    EXPECT_EQ(words->count(), 3);
    EXPECT_EQ(child<QLabel>(form.get(), "Label1")->text(), QStringLiteral("**,"));
    form->utruta(3, hi);
    EXPECT_EQ(child<QLabel>(form.get(), "Label4")->text(), QStringLiteral("hi!"));
    EXPECT_EQ(words->count(), 2);
    // Esc goes back to the choice, and closes the window there.
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->playing());
    EXPECT_TRUE(form->isVisible());
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(StoryGames, ReadingSpeedIsTimedFromTheClock)
{
    auto form = open<TSpeed>("ENG61021.DAT");
    auto* start = child<QPushButton>(form.get(), "Button1");
    EXPECT_FALSE(start->isEnabled());
    EXPECT_EQ(child<QLabel>(form.get(), "Label11")->text(), QStringLiteral("120 ord / min"));
    form->ListBox1DblClick();
    EXPECT_EQ(child<QLabel>(form.get(), "Label8")->text(), QStringLiteral("5 ord"));
    EXPECT_EQ(child<QLabel>(form.get(), "Label10")->text(),
              QStringLiteral("3.8 bokstäver per ord"));
    start->click();
    EXPECT_EQ(form->eraseTimer()->interval(), 500);
    child<QScrollBar>(form.get(), "ScrollBar1")->setValue(900);
    EXPECT_EQ(form->eraseTimer()->interval(), 100);
    EXPECT_EQ(child<QLabel>(form.get(), "Label11")->text(), QStringLiteral("600 ord / min"));
    for (int word = 0; word < 5; ++word)
        form->Timer1Timer();
    EXPECT_TRUE(form->eraser().done());
    EXPECT_TRUE(inst.messages.texts().isEmpty());
    inst.clock.advanceSecs(2);
    form->Timer1Timer();
    EXPECT_EQ(inst.messages.texts(),
              QStringList{QStringLiteral("Övningen är nu avslutad. Den tog 2 sekunder och din "
                                         "läshastighet var 150 ord per minut.")});
    EXPECT_EQ(form->eraseTimer()->interval(), 0);
    EXPECT_FALSE(start->isEnabled());

    // A run within the same second and a text without words divide by nothing.
    inst.messages.clear();
    auto* list = child<QListWidget>(form.get(), "ListBox1");
    list->setCurrentRow(1);
    form->ListBox1DblClick();
    EXPECT_EQ(child<QLabel>(form.get(), "Label10")->text(),
              QStringLiteral("0.0 bokstäver per ord"));
    start->click();
    form->Timer1Timer();
    EXPECT_EQ(inst.messages.texts(),
              QStringList{QStringLiteral("Övningen är nu avslutad. Den tog 0 sekunder och din "
                                         "läshastighet var   0 ord per minut.")});
}

TEST_F(StoryGames, TellAStoryFromAStarterAndPrintItOverPages)
{
    auto form = open<Tberaetta>("ENG41041.DAT");
    auto* count = child<QLabel>(form.get(), "Label8");
    EXPECT_EQ(count->text(), QStringLiteral("1 of 3"));
    form->SpeedButton2Click(); // stays at 1
    EXPECT_EQ(count->text(), QStringLiteral("1 of 3"));
    QTest::keyClick(form.get(), Qt::Key_PageDown);
    QTest::keyClick(form.get(), Qt::Key_PageDown);
    QTest::keyClick(form.get(), Qt::Key_PageDown); // stays at the last
    EXPECT_EQ(count->text(), QStringLiteral("3 of 3"));
    EXPECT_EQ(child<QLabel>(form.get(), "Label1")->text(), QStringLiteral("c1"));
    QTest::keyClick(form.get(), Qt::Key_PageUp);
    EXPECT_EQ(child<QLabel>(form.get(), "Label3")->text(), QStringLiteral("b3"));

    form->BitBtn1Click();
    auto* input = child<QLineEdit>(form.get(), "Edit1");
    ASSERT_TRUE(input->isVisible());
    // A line too long for the writing area keeps all of its overflow in the input.
    const QString longLine = QStringLiteral("word ").repeated(600).trimmed();
    type(input, longLine);
    const QString first = child<QLabel>(form.get(), "Label3")->text();
    EXPECT_FALSE(first.isEmpty());
    EXPECT_LT(first.size(), longLine.size());
    EXPECT_EQ(QString(first + QLatin1Char(' ') + input->text()).simplified(), longLine);
    while (!input->text().isEmpty())
        type(input, input->text());
    type(input, QString());
    EXPECT_TRUE(child<QWidget>(form.get(), "Panel6")->isVisible());
    const QStringList story = form->story();
    EXPECT_EQ(story.mid(0, 3), (QStringList{"b1", "b2", "b3"}));
    EXPECT_EQ(story.mid(3).join(QLatin1Char(' ')).simplified(), longLine);

    form->BitBtn2Click();
    ASSERT_GE(printer.pages().size(), 2); // a long story goes on over further pages
    int printed = 0;
    for (const auto& page : printer.pages())
        for (const auto& t : page.texts) {
            EXPECT_LE(t.at.y() + 4 * t.font.points, printer.pageSize().height());
            ++printed;
        }
    EXPECT_EQ(printed, story.size() + 1);
    EXPECT_EQ(printer.pages().first().texts.first().text, QStringLiteral("Tell a story"));

    form->Button2Click();
    EXPECT_TRUE(form->story().isEmpty());
    EXPECT_TRUE(child<QPushButton>(form.get(), "BitBtn1")->isEnabled());
}

TEST_F(StoryGames, StoryginShowsTwentyPhotosAndLeavesTheErrorsAlone)
{
    engine->errors.append({3, 1});
    const auto permutation = engine->permutation;
    auto form = open<TStorygin>("ENG41021.DAT");
    form->Button1Click();
    auto* photo = child<QLabel>(form.get(), "Memo2");
    auto* strip = child<QLabel>(form.get(), "Label5");
    EXPECT_TRUE(photo->text().startsWith(QStringLiteral("First")));
    EXPECT_TRUE(photo->text().endsWith(QLatin1Char('.')));
    for (int shown = 1; shown < 20; ++shown) {
        if (shown == 10) {
            EXPECT_EQ(strip->text(), QStringLiteral("You have seen 10 photos."));
        }
        form->Button2Click();
    }
    EXPECT_TRUE(strip->text().isEmpty());
    EXPECT_TRUE(form->isVisible());
    form->Button2Click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(engine->errors.size(), 1);
    EXPECT_EQ(engine->permutation, permutation);
}

TEST_F(StoryGames, StoryginWithAnEmptySectionClosesWithTheFileMessage)
{
    inst.data("ENG41021.DAT", "First\n#\n#\nend\n#\n");
    auto form = open<TStorygin>("ENG41021.DAT");
    form->Button1Click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(inst.messages.texts(),
              QStringList{QStringLiteral("Filen ENG41021.DAT finns inte eller är felaktig")});
}

TEST_F(StoryGames, PrankPutsEveryWordInItsKindOfGap)
{
    const auto permutation = engine->permutation;
    auto form = open<TPrank>("ENG41011.DAT");
    form->ListBox1Click();
    auto* prompt = child<QLabel>(form.get(), "Label3");
    auto* input = child<QLineEdit>(form.get(), "Edit1");
    EXPECT_EQ(prompt->text(), QStringLiteral("Type 2 adjectives."));
    type(input, QString()); // an empty word fills no gap
    EXPECT_TRUE(child<QLabel>(form.get(), "ord1")->text().isEmpty());
    type(input, QStringLiteral("purple"));
    EXPECT_EQ(child<QLabel>(form.get(), "ord1")->text(), QStringLiteral("purple"));
    type(input, QStringLiteral("noisy"));
    EXPECT_EQ(prompt->text(), QStringLiteral("Type 1 substantives in singular."));
    type(input, QStringLiteral("teapot"));
    EXPECT_EQ(prompt->text(), QStringLiteral("Type 1 substantives in plural."));
    type(input, QStringLiteral("socks"));
    const QString story = form->result().join(QLatin1Char(' '));
    EXPECT_TRUE(story.startsWith(QStringLiteral("Silly ")));
    EXPECT_TRUE(story.contains(QStringLiteral(" teapot ate socks.")));
    EXPECT_TRUE(story.contains(QStringLiteral("The purple teapot")) ||
                story.contains(QStringLiteral("The noisy teapot")));
    EXPECT_FALSE(story.contains(QLatin1Char('#')));
    EXPECT_EQ(engine->permutation, permutation);

    form->BitBtn1Click();
    ASSERT_EQ(printer.pages().size(), 1);
    const auto& texts = printer.pages().first().texts;
    EXPECT_EQ(texts.first().text, QStringLiteral("Silly"));
    EXPECT_EQ(texts.first().at, QPoint(200, 80));
    EXPECT_EQ(texts.at(1).at.y(), 80 + 48 + 40);

    // A story without gaps still takes one Enter for each kind.
    form->Button2Click();
    child<QListWidget>(form.get(), "ListBox1")->setCurrentRow(1);
    form->ListBox1Click();
    EXPECT_EQ(prompt->text(), QStringLiteral("Type 0 adjectives."));
    for (int kind = 0; kind < 3; ++kind)
        type(input, QString());
    EXPECT_EQ(form->result(), (QStringList{"Plain", "No gaps here."}));
}

TEST_F(StoryGames, PrankWithoutItsFileCloses)
{
    auto form = open<TPrank>("ENG41099.DAT");
    QApplication::processEvents();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(inst.messages.texts().size(), 1);
}

TEST_F(StoryGames, HoroscopeOfPiscesWithWordListAndPrint)
{
    auto form = open<Thoroskop>("ENG61031.DAT");
    EXPECT_EQ(form->selectedSign(), 0);
    form->Image1MouseDown(50, 300);
    EXPECT_EQ(form->selectedSign(), 2); // GEMINI
    form->Image1MouseDown(600, 50);
    EXPECT_EQ(form->selectedSign(), 11);
    auto* list = child<QListWidget>(form.get(), "ListBox3");
    EXPECT_TRUE(list->item(11)->text().startsWith(QStringLiteral("PISCES ")));
    EXPECT_TRUE(list->item(11)->text().endsWith(QStringLiteral("FEB 20 -  MAR 20")));
    QTest::keyClick(list, Qt::Key_Return);
    const QStringList text = form->shownText();
    ASSERT_EQ(text.size(), 11);
    EXPECT_EQ(text.first(), QStringLiteral("   PISCES"));
    int last = 328;
    for (int i = 1; i <= 7; ++i) {
        const int n = text[i].mid(9).chopped(1).toInt();
        EXPECT_GT(n, last);
        EXPECT_LE(n, 353);
        last = n;
    }
    EXPECT_EQ(text.mid(8), (QStringList{"Closing 354", "Closing 355", "Closing 356"}));
    EXPECT_FALSE(list->isVisible());
    EXPECT_FALSE(child<QWidget>(form.get(), "Image1")->isEnabled());

    form->Button3Click();
    EXPECT_EQ(form->wordListText().size(), 2);
    EXPECT_TRUE(form->wordListText().at(1).endsWith(QStringLiteral("lita på")));
    form->Button2Click();

    form->BitBtn1Click();
    ASSERT_EQ(printer.pages().size(), 1);
    const auto& texts = printer.pages().first().texts;
    EXPECT_EQ(texts.first().text, QStringLiteral("Vindra - Horoskopet"));
    EXPECT_EQ(texts.first().at, QPoint(200, 200));
    EXPECT_EQ(texts.at(2).at.y() - texts.at(1).at.y(), 70);

    // Esc on the text's buttons goes back to the signs, as "&Leave" does.
    QTest::keyClick(child<QPushButton>(form.get(), "Button1"), Qt::Key_Escape);
    EXPECT_TRUE(list->isVisible());
    EXPECT_TRUE(list->isEnabled());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(StoryGames, HoroscopeWithoutItsFileShowsTheMessage)
{
    auto form = open<Thoroskop>("ENG61099.DAT");
    form->Horoscoptext();
    EXPECT_EQ(inst.messages.texts().size(), 1);
    EXPECT_TRUE(inst.messages.texts().first().endsWith(
        QStringLiteral("ENG61099.DAT finns inte eller är felaktig")));
    EXPECT_TRUE(form->shownText().isEmpty());
}

TEST_F(StoryGames, TopNineFindsTheFavouriteWithoutTouchingTheItemOrder)
{
    const auto permutation = engine->permutation;
    auto form = open<Ttop9>("");
    auto* name = child<QLineEdit>(form.get(), "Edit1");
    type(name, QString()); // a name is needed
    EXPECT_TRUE(child<QWidget>(form.get(), "Panel1")->isVisible());
    type(name, QStringLiteral("Maja"));
    QTest::keyClick(child<QPushButton>(form.get(), "Button2"), Qt::Key_X);
    EXPECT_TRUE(child<QWidget>(form.get(), "Panel2")->isVisible());
    QTest::keyClick(child<QPushButton>(form.get(), "Button2"), Qt::Key_G);
    EXPECT_EQ(form->word(), QStringLiteral("boys"));
    EXPECT_EQ(child<QLabel>(form.get(), "Panel3Line2")->text(),
              QStringLiteral("boys you like best."));
    form->Button4Click();
    EXPECT_EQ(child<QLabel>(form.get(), "Heading")->text(),
              QStringLiteral("My nine favorite boys are"));
    auto* row = child<QLineEdit>(form.get(), "Edit2");
    const QStringList names{"Ali", "Ben", "Carl", "Dan", "Eric", "Finn", "Gus", "Hugo", "Ivan"};
    for (const QString& n : names)
        type(row, n);
    ASSERT_TRUE(child<QWidget>(form.get(), "Panel5")->isVisible());
    auto groupOf = [&](const QString& wanted) {
        for (int i = 1; i <= 9; ++i)
            if (child<QLabel>(form.get(),
                              QStringLiteral("GroupName%1").arg(i).toLatin1().constData())
                    ->text() == wanted)
                return Qt::Key_1 + (i - 1) / 3;
        return 0;
    };
    auto* groups = child<QPushButton>(form.get(), "Button6");
    QTest::keyClick(groups, static_cast<Qt::Key>(groupOf(QStringLiteral("Finn"))));
    QTest::keyClick(groups, static_cast<Qt::Key>(groupOf(QStringLiteral("Finn"))));
    EXPECT_EQ(form->favourite(), QStringLiteral("Finn"));
    EXPECT_EQ(child<QLabel>(form.get(), "Label20")->text(), QStringLiteral("Maja"));
    EXPECT_EQ(engine->permutation, permutation);
    QTest::keyClick(child<QPushButton>(form.get(), "Button7"), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
}

} // namespace

namespace {

// Not a test: run by hand (--gtest_also_run_disabled_tests) to photograph the games in play
// on the built material, into /tmp/storygames-*.png.
TEST_F(StoryGames, DISABLED_Photographs)
{
    const QString data = QStringLiteral(VINDRA_BUILT_BIN "/../material/DATA/");
    for (const char* name : {"ENG61011.DAT", "ENG61021.DAT", "ENG41041.DAT", "ENG41021.DAT",
                             "ENG41011.DAT", "ENG61031.DAT", "ENG61032.ORD"}) {
        QFile f(data + QLatin1String(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
        inst.data(QString::fromLatin1(name), f.readAll());
    }
    for (const QSize size : {QSize(1024, 768), QSize(1920, 1080)}) {
        screen.setSize(size);
        engine->screenScale = size.width() * 100 / 1024;
        const QString tag = QStringLiteral("_%1x%2.png").arg(size.width()).arg(size.height());
        auto save = [&](QWidget* w, const char* what) {
            QApplication::processEvents();
            w->grab().save(QStringLiteral("/tmp/storygames-") + QLatin1String(what) + tag);
        };
        {
            auto form = open<Tavsloj>("ENG61011.DAT");
            child<QListWidget>(form.get(), "ListBox2")->setCurrentRow(1);
            form->ListBox2DblClick();
            form->utruta(0, 0);
            form->utruta(1, static_cast<int>(form->game().story().wordList.indexOf("Mum,")));
            save(form.get(), "reveal");
        }
        {
            auto form = open<TSpeed>("ENG61021.DAT");
            child<QListWidget>(form.get(), "ListBox1")->setCurrentRow(4);
            form->ListBox1DblClick();
            form->Button1Click();
            for (int i = 0; i < 12; ++i)
                form->Timer1Timer();
            save(form.get(), "speed");
        }
        {
            auto form = open<Tberaetta>("ENG41041.DAT");
            form->BitBtn1Click();
            type(child<QLineEdit>(form.get(), "Edit1"),
                 QStringLiteral("It was my little brother with a torch."));
            save(form.get(), "tell");
            type(child<QLineEdit>(form.get(), "Edit1"), QString());
            save(form.get(), "tell-end");
        }
        {
            auto form = open<TStorygin>("ENG41021.DAT");
            form->Button1Click();
            save(form.get(), "storygin");
        }
        {
            auto form = open<TPrank>("ENG41011.DAT");
            form->ListBox1Click();
            auto* input = child<QLineEdit>(form.get(), "Edit1");
            type(input, QStringLiteral("purple"));
            type(input, QStringLiteral("hairy"));
            save(form.get(), "prank-words");
            for (const char* w : {"sticky", "enormous", "sleepy", "teapot", "banana", "sofa",
                                  "penguin", "trumpet", "socks", "carrots", "bicycles", "cushions"})
                type(input, QString::fromLatin1(w));
            save(form.get(), "prank");
        }
        {
            auto form = open<Thoroskop>("ENG61031.DAT");
            form->Image1MouseDown(300, 400);
            form->Horoscoptext();
            save(form.get(), "horoscope");
            form->Button3Click();
            save(form.get(), "horoscope-words");
        }
        {
            auto form = open<Ttop9>("");
            save(form.get(), "top9-name");
            type(child<QLineEdit>(form.get(), "Edit1"), QStringLiteral("Maja"));
            QTest::keyClick(child<QPushButton>(form.get(), "Button2"), Qt::Key_G);
            form->Button4Click();
            for (const char* n : {"Ali", "Ben", "Carl", "Dan"})
                type(child<QLineEdit>(form.get(), "Edit2"), QString::fromLatin1(n));
            save(form.get(), "top9-names");
            for (const char* n : {"Eric", "Finn", "Gus", "Hugo", "Ivan"})
                type(child<QLineEdit>(form.get(), "Edit2"), QString::fromLatin1(n));
            save(form.get(), "top9-groups");
            QTest::keyClick(child<QPushButton>(form.get(), "Button6"), Qt::Key_1);
            QTest::keyClick(child<QPushButton>(form.get(), "Button6"), Qt::Key_2);
            save(form.get(), "top9-result");
        }
    }
}

} // namespace
