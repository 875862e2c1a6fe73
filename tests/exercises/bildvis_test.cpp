#include "engine/catalogue.h"
#include "exercises/bildenu.h"
#include "exercises/bildvisu.h"
#include "framework/formregistry.h"
#include "framework/formtimer.h"
#include "platform/screen.h"
#include "platform/sound.h"
#include "platform/textmeasure.h"
#include "support/material.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace vindra;

namespace {

/// `n` quiz items: "name i # wrong i # [other i] # svensk i"; items divisible by 4 have two
/// alternatives only.
QByteArray quizItems(int n)
{
    QByteArray out = "$Djur\n$F\xE5glar\n$\n$\xA7V\xE4lj det engelska namnet.\n";
    for (int i = 1; i <= n; ++i) {
        const QByteArray k = QByteArray::number(i);
        out += "name " + k + "#wrong " + k + "#" + (i % 4 ? "other " + k : QByteArray()) +
               "#svensk " + k + "\n";
    }
    return out;
}

QByteArray bodyItems(int n)
{
    QByteArray out = "$Lite biologi\n$Kroppen\n$\n$\xA7Skriv svaret p\xE5 engelska.\n";
    for (int i = 1; i <= n; ++i)
        out += "What is part " + QByteArray::number(i) + "?#part " + QByteArray::number(i) + "\n";
    return out;
}

class Pictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        FormTimer::setManual(true);
        inst.data("datfiler.eng", "ENG21410.DAT\nENG21510.DAT\nENG21520.DAT\nENG21530.DAT\n"
                                  "ENG21301.DAT\nENG21302.DAT\nREOM9001.LOV\n");
        inst.data("ENG21410.DAT", quizItems(12));
        inst.data("ENG21510.DAT", quizItems(32));
        inst.data("ENG21520.DAT", quizItems(7));
        inst.data("ENG21301.DAT", bodyItems(7));
        // A long question that needs three lines.
        inst.data("ENG21302.DAT",
                  "$Huvudet\nWhich part of the head, above the eyes and between the ears, is "
                  "covered by hair?#the scalp\n");
        inst.data("REOM9001.LOV", "Bra!\n");
        // Each item's picture is filled with a red of its own number; items 5 to 7 have none
        // (a round of 10 from 12 asks at least one of them).
        for (int i = 1; i <= 12; ++i) {
            if (i < 5 || i > 7)
                picture(QStringLiteral("VAXTER/E2141%1.BMP").arg(i, 2, 10, QLatin1Char('0')), i);
        }
        for (int i = 1; i <= 32; ++i)
            picture(QStringLiteral("DJUR/E2151%1.BMP").arg(i, 2, 10, QLatin1Char('0')), i);
        for (int i = 1; i <= 7; ++i)
            picture(QStringLiteral("DJUR/E2152%1.BMP").arg(i, 2, 10, QLatin1Char('0')), i);
        // Every song but the eagle owl's (item 1).
        for (const catalogue::BirdSong& s : catalogue::birdSongs()) {
            if (s.item != 1)
                inst.write(QStringLiteral("material/LJUD/BIRDS/") + QLatin1String(s.file), "RIFF");
        }
        picture(QStringLiteral("KROPP/KROPPEN.BMP"), 1, QSize(36, 48));
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

    void picture(const QString& name, int item, QSize size = QSize(28, 21))
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(qRgb(item * 7, 0, 0));
        const QString path = inst.root + QStringLiteral("/material/BILD/") + name;
        QDir().mkpath(QFileInfo(path).path());
        ASSERT_TRUE(image.save(path, "BMP"));
    }

    template <typename Form> std::unique_ptr<Form> open(const QByteArray& name)
    {
        engine->session.mode = SessionMode::Practice;
        engine->setCurrentFileName(name);
        EXPECT_TRUE(engine->Kolla(name));
        auto form = createForm<Form>(*engine, services);
        form->show();
        return form;
    }
    template <typename T> T* child(QWidget* form, const char* name) const
    {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    /// The item whose picture is on show (its red), 0 when the picture is hidden.
    int shownPicture(QWidget* form) const
    {
        auto* image = child<QLabel>(form, "Image2");
        if (!image->isVisible() || image->pixmap().isNull())
            return 0;
        const QImage i = image->pixmap().toImage();
        return qRed(i.pixel(i.width() / 2, i.height() / 2)) / 7;
    }
    void answer(TBildvis& form, bool right)
    {
        int row = form.rightRow();
        if (!right)
            row = row == 1 ? 2 : 1;
        QTest::keyClick(&form, char('0' + row));
        if (!right)
            for (int t = 0; t < 30; ++t)
                engine->session.roundOver() ? form.Timer3Timer() : form.Timer1Timer();
    }

    test::Installation inst;
    FixedTextMeasure measure;
    FixedScreen screen{QSize(1024, 768)};
    RecordingSoundPlayer player;
    Services services;
    std::unique_ptr<Engine> engine;
};

} // namespace

TEST(PictureCatalogue, PictureAndSongNames)
{
    EXPECT_EQ(catalogue::quizPictureFile(21410, 7), "VAXTER\\E214107.BMP");
    EXPECT_EQ(catalogue::quizPictureFile(21550, 12), "DJUR\\E215512.BMP");
    EXPECT_EQ(catalogue::quizPictureFile(21410, 99), "VAXTER\\E214199.BMP");
    EXPECT_TRUE(catalogue::quizPictureFile(21410, 100).isEmpty()) << "no picture from 100 on";
    EXPECT_TRUE(catalogue::quizPictureFile(21410, 123).isEmpty());
    EXPECT_TRUE(catalogue::quizPictureFile(21301, 1).isEmpty());
    EXPECT_EQ(catalogue::bodyPictureFile(21303), "KROPP\\HALS.BMP");
    EXPECT_EQ(catalogue::bodyPictureFile(21307), "KROPP\\SKELETT.BMP");
    EXPECT_TRUE(catalogue::bodyPictureFile(21308).isEmpty());
    EXPECT_EQ(catalogue::birdSongFile(21510, 22), "RODHAKE.WAV");
    EXPECT_TRUE(catalogue::birdSongFile(21510, 2).isEmpty());
    EXPECT_TRUE(catalogue::birdSongFile(21520, 22).isEmpty()) << "only the birds sing";
}

TEST_F(Pictures, QuizRoundShowsEachItemsPictureAndSwedishName)
{
    auto form = open<TBildvis>("ENG21410.DAT");
    EXPECT_EQ(engine->session.sessionLength, 10);
    EXPECT_FALSE(child<QPushButton>(form.get(), "HoraLjudetButton")->isVisible());
    for (int i = 0; i < 10; ++i) {
        const int item = engine->item.currentItemNumber;
        EXPECT_EQ(child<QLabel>(form.get(), "SvensktOrd")->text(),
                  QStringLiteral("svensk %1").arg(item));
        EXPECT_EQ(shownPicture(form.get()), item >= 5 && item <= 7 ? 0 : item) << item;
        EXPECT_EQ(child<QWidget>(form.get(), "AlternativPanel3")->isVisible(), item % 4 != 0);
        if (item % 4 == 0) {
            QTest::keyClick(form.get(), '3');
            EXPECT_EQ(engine->session.itemCounter, i + 1) << "no third row, no key 3";
        }
        answer(*form, true);
    }
    EXPECT_TRUE(inst.messages.entries().isEmpty()) << "a missing picture is only hidden";
    EXPECT_EQ(engine->session.rightCount, 10);
    EXPECT_TRUE(child<QWidget>(form.get(), "Panel1")->isVisible());
    EXPECT_EQ(shownPicture(form.get()), 0) << "the picture goes with the round";
}

TEST_F(Pictures, WrongAnswerShowsTheNameAndTheCorrectionRoundAsksItAgain)
{
    auto form = open<TBildvis>("ENG21520.DAT");
    EXPECT_EQ(engine->session.sessionLength, 7) << "a file of 7 gives rounds of 7";
    const int wrongItem = engine->item.currentItemNumber;
    QTest::keyClick(form.get(), char('0' + (form->rightRow() == 1 ? 2 : 1)));
    auto* right = child<QLabel>(form.get(), "RattSvarLabel");
    EXPECT_TRUE(right->isVisible());
    EXPECT_EQ(right->text(), QStringLiteral("name %1").arg(wrongItem));
    // While the right answer shows, the right figure does not count.
    QTest::keyClick(form.get(), char('0' + form->rightRow()));
    EXPECT_EQ(engine->session.rightCount, 0);
    for (int t = 0; t < 30; ++t)
        form->Timer1Timer();
    for (int i = 1; i < 7; ++i)
        answer(*form, true);
    ASSERT_TRUE(engine->session.roundOver());
    EXPECT_TRUE(child<QPushButton>(form.get(), "Button1")->isEnabled());

    form->Button1Click();
    ASSERT_TRUE(engine->session.correctionRound);
    EXPECT_EQ(form->shownItemNumber(), wrongItem);
    EXPECT_EQ(shownPicture(form.get()), wrongItem) << "the re-asked item's picture";
    EXPECT_EQ(child<QLabel>(form.get(), "SvensktOrd")->text(),
              QStringLiteral("svensk %1").arg(wrongItem));

    // A pause in the correction round and "Continue" go on with the same correction round.
    QTest::keyClick(form.get(), Qt::Key_Escape);
    ASSERT_TRUE(child<QWidget>(form.get(), "Panel1")->isVisible());
    form->Button2Click();
    EXPECT_TRUE(engine->session.correctionRound);
    answer(*form, true);
    EXPECT_EQ(engine->session.rightCount, 1);
    EXPECT_FALSE(child<QPushButton>(form.get(), "Button1")->isEnabled()) << "error corrected";
}

TEST_F(Pictures, BirdSongsPlayForTheirItemsOnly)
{
    auto form = open<TBildvis>("ENG21510.DAT");
    auto* hear = child<QPushButton>(form.get(), "HoraLjudetButton");
    // Through a whole round, the button shows exactly for the items of the song table and
    // plays that item's file.
    for (int i = 0; i < 10; ++i) {
        const int item = engine->item.currentItemNumber;
        const QByteArray song = catalogue::birdSongFile(21510, item);
        EXPECT_EQ(hear->isVisible(), !song.isEmpty()) << item;
        if (!song.isEmpty()) {
            const qsizetype before = player.played().size();
            const qsizetype messages = inst.messages.entries().size();
            hear->click();
            if (item == 1) {
                // The eagle owl's song is missing: the file message, and the item goes on.
                EXPECT_EQ(player.played().size(), before);
                ASSERT_EQ(inst.messages.entries().size(), messages + 1);
                EXPECT_TRUE(inst.messages.entries().last().text.contains(
                    QStringLiteral("LJUD\\BIRDS\\BERGUV.WAV finns inte")))
                    << inst.messages.entries().last().text.toStdString();
            } else {
                ASSERT_EQ(player.played().size(), before + 1);
                EXPECT_TRUE(player.played().last().endsWith(QStringLiteral("BIRDS/") +
                                                            QString::fromLatin1(song)))
                    << player.played().last().toStdString();
                EXPECT_EQ(engine->soundPrefix, "BIRDS");
            }
        }
        answer(*form, false);
    }
    EXPECT_FALSE(hear->isVisible());

    // With spoken sounds off the button never shows.
    engine->settings.SOUNDS = 2;
    form->Button2Click();
    EXPECT_FALSE(hear->isVisible());
    engine->settings.SOUNDS = 1;

    // The correction round's song is the re-asked item's.
    form->Button1Click();
    ASSERT_TRUE(engine->session.correctionRound);
    for (int i = 0; i < 10 && !engine->session.roundOver(); ++i) {
        const QByteArray song = catalogue::birdSongFile(21510, form->shownItemNumber());
        EXPECT_EQ(hear->isVisible(), !song.isEmpty());
        EXPECT_EQ(shownPicture(form.get()), form->shownItemNumber());
        answer(*form, true);
    }
}

TEST_F(Pictures, MalformedQuizLinesNeverStopTheRound)
{
    inst.data("ENG21530.DAT", "$Tamdjur\nonly a name\n#\n&odd#one\na#b#c#d#e#f#g#h#i#j#k#l\n"
                              "##\n\xFF\xFE#\x01\n");
    engine = inst.start();
    engine->layoutUnit = 12;
    auto form = open<TBildvis>("ENG21530.DAT");
    EXPECT_EQ(engine->session.sessionLength, 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_LE(child<QWidget>(form.get(), "AlternativPanel3")->isVisible() ? 3 : 2, 3);
        QTest::keyClick(form.get(), char('0' + form->rightRow()));
    }
    EXPECT_TRUE(engine->session.roundOver());
}

TEST_F(Pictures, BodyRoundAsksTenAroundOnePicture)
{
    auto form = open<TBilden>("ENG21301.DAT");
    EXPECT_EQ(engine->session.sessionLength, 10) << "always rounds of 10";
    auto* image = child<QLabel>(form.get(), "Image1");
    ASSERT_TRUE(image->isVisible());
    // Fitted to the room at the left, keeping its shape, and left of the questions.
    EXPECT_EQ(image->x(), engine->layoutUnit);
    EXPECT_GT(image->height(), 768 / 2);
    EXPECT_NEAR(image->width() * 4, image->height() * 3, 8);
    auto* edit = child<QLineEdit>(form.get(), "Edit1");
    EXPECT_GT(edit->x(), image->geometry().right());

    auto* svar = child<QLabel>(form.get(), "SvarsLabel");
    const int first = engine->item.currentItemNumber;
    edit->setText(QStringLiteral("wrong"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(svar->isVisible());
    EXPECT_EQ(svar->text(), QStringLiteral("part %1").arg(first));
    for (int t = 0; t < 30; ++t)
        form->Timer1Timer();
    for (int i = 1; i < 10; ++i) {
        edit->setText(QStringLiteral("PART %1").arg(engine->item.currentItemNumber));
        QTest::keyClick(edit, Qt::Key_Return);
    }
    ASSERT_TRUE(engine->session.roundOver());
    EXPECT_EQ(engine->session.rightCount, 9);
    EXPECT_TRUE(child<QWidget>(form.get(), "Bildpanelen")->isVisible());
    EXPECT_FALSE(edit->isEnabled());
    form->Button1Click();
    ASSERT_TRUE(engine->session.correctionRound);
    EXPECT_EQ(engine->item.reAskedItemNumber, first);
    EXPECT_FALSE(child<QWidget>(form.get(), "Bildpanelen")->isVisible());
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_TRUE(image->isVisible());
}

TEST_F(Pictures, BodyQuestionOnThreeLinesAndMissingPicture)
{
    auto form = open<TBilden>("ENG21302.DAT");
    EXPECT_FALSE(child<QLabel>(form.get(), "Image1")->isVisible());
    EXPECT_TRUE(inst.messages.entries().isEmpty()) << "a missing body picture is only hidden";
    auto* l1 = child<QLabel>(form.get(), "FrageLabel1");
    auto* l2 = child<QLabel>(form.get(), "FrageLabel2");
    EXPECT_TRUE(l1->isVisible());
    EXPECT_TRUE(l1->text().startsWith(QStringLiteral("Which part")));
    const QString whole = l1->text() + QLatin1Char(' ') + l2->text();
    EXPECT_EQ(whole.simplified(),
              QStringLiteral("Which part of the head, above the eyes and between the ears, is "
                             "covered by hair?"));
    EXPECT_FALSE(engine->sentenceLines[3].isEmpty()) << "the question takes three lines";
    EXPECT_GT(l2->height(), l1->height()) << "lines 2 and 3 stand together below";
    auto* edit = child<QLineEdit>(form.get(), "Edit1");
    EXPECT_GT(edit->y(), l2->geometry().bottom());
}
