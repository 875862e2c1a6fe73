#include "engine/xact.h"
#include "framework/formregistry.h"
#include "framework/formtimer.h"
#include "games/stegra.h"
#include "platform/screen.h"
#include "platform/textmeasure.h"
#include "support/material.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace vindra;

namespace {

// Levels 1 and 2 are played, level 3 is the diploma. The task names its answer.
const QByteArray kLevels = "$X-act\n$\xA7Skriv talet.\n"
                           "1uno#one\n1dos#two\n1tres#three\n"
                           "2cuatro#four\n2cinco#five\n"
                           "3seis#six\n";

class Stegran : public ::testing::Test {
protected:
    void SetUp() override
    {
        FormTimer::setManual(true);
        inst.data("datfiler.eng", "ENG33011.DAT\n");
        inst.data("ENG33011.DAT", kLevels);
        engine = inst.start();
        ASSERT_TRUE(inst.started);
        engine->layoutUnit = 12;
        services = Services{&inst.messages, &measure, &screen, &inst.clock};
    }
    void TearDown() override { FormTimer::setManual(false); }

    void open(SessionMode mode = SessionMode::Practice)
    {
        engine->session.mode = mode;
        engine->setCurrentFileName("ENG33011.DAT");
        ASSERT_TRUE(engine->Kolla("ENG33011.DAT"));
        form = createForm<TStegran>(*engine, services);
        form->show();
    }
    template <typename T = QWidget> T* child(const char* name)
    {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    bool visible(const char* name) { return child(name)->isVisible(); }
    void enterName(const QString& name)
    {
        auto* edit = child<QLineEdit>("Edit2");
        edit->setText(name);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    /// The right answer of the task on screen.
    QString answerOnScreen()
    {
        static const QHash<QString, QString> answers = {{"uno", "one"},    {"dos", "two"},
                                                        {"tres", "three"}, {"cuatro", "four"},
                                                        {"cinco", "five"}, {"seis", "six"}};
        return answers.value(child<QLabel>("Label5")->text());
    }
    /// Answers the item on screen and lets the wait run out.
    void answer(bool right)
    {
        auto* edit = child<QLineEdit>("Edit1");
        edit->setText(right ? answerOnScreen().toUpper() : QStringLiteral("nine"));
        QTest::keyClick(edit, Qt::Key_Return);
        for (int i = 0; i < TStegran::kWaitTicks; ++i)
            form->Timer1Timer();
    }
    QString level() { return child<QLabel>("NivLabel2")->text(); }
    QString saveFile() const { return inst.root + QStringLiteral("/results/RXACT.STE"); }
    QList<xact::Record> saved() const
    {
        QFile f(saveFile());
        return f.open(QIODevice::ReadOnly) ? xact::parse(f.readAll()) : QList<xact::Record>{};
    }

    test::Installation inst;
    FixedTextMeasure measure;
    FixedScreen screen{QSize(1024, 768)};
    Services services;
    std::unique_ptr<Engine> engine;
    std::unique_ptr<TStegran> form;
};

TEST_F(Stegran, ThreeRightAnswersClimbAWrongOneDrops)
{
    open();
    EXPECT_EQ(form->topLevel(), 3);
    EXPECT_TRUE(visible("namnruta"));
    EXPECT_FALSE(visible("Edit1"));
    EXPECT_EQ(child<QLabel>("Overs1Label")->text(), QStringLiteral("X-act"));
    enterName(QStringLiteral("Alva"));
    EXPECT_EQ(engine->playerNames[0], "Alva");
    EXPECT_FALSE(visible("namnruta"));
    EXPECT_TRUE(child("Edit1")->isEnabled());

    answer(false); // at level 1 a wrong answer keeps level 1
    EXPECT_EQ(form->level(), 1);

    answer(true);
    answer(true);
    // The wait after a right answer is three ticks of 100 ms; after a wrong one of 1000 ms.
    auto* edit = child<QLineEdit>("Edit1");
    edit->setText(answerOnScreen());
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(form->timer1()->interval(), 100);
    EXPECT_EQ(form->level(), 2) << "the third right answer climbs";
    EXPECT_EQ(level(), QStringLiteral("2"));
    QTest::keyClick(edit, Qt::Key_Space); // Space brings the next task at once
    EXPECT_EQ(form->timer1()->interval(), 0);
    EXPECT_EQ(engine->session.rightCount, 0);

    answer(true);
    edit->setText(QStringLiteral("nine"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(form->timer1()->interval(), 1000);
    EXPECT_TRUE(visible("Label6"));
    EXPECT_EQ(form->level(), 1);
    EXPECT_EQ(engine->session.rightCount, 1) << "a wrong answer keeps the right answers so far";
    EXPECT_EQ(engine->settings.TIMESHOWINGCORRECTANSWER, 3);
    engine->settings.TIMESHOWINGCORRECTANSWER = 7;
    for (int i = 0; i < TStegran::kWaitTicks; ++i)
        form->Timer1Timer();
    EXPECT_EQ(engine->settings.TIMESHOWINGCORRECTANSWER, 7) << "the game leaves the setting alone";
    EXPECT_FALSE(visible("Label6"));
}

TEST_F(Stegran, TheTopLevelShowsTheDiplomaWithTheName)
{
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    ASSERT_TRUE(picture.save(&bytes, "BMP"));
    inst.write(QStringLiteral("material/BILD/DIPLOMA.BMP"), bytes.data());

    open();
    enterName(QStringLiteral("Alva"));
    for (int i = 0; i < 6; ++i)
        answer(true);
    EXPECT_TRUE(visible("DiplomPanel"));
    EXPECT_TRUE(visible("Image1"));
    EXPECT_TRUE(visible("Panel1"));
    EXPECT_FALSE(visible("Button2"));
    EXPECT_FALSE(visible("HaemtaNivaa2"));
    // The name is written on the picture: some pixels are no longer white.
    const QImage shown = child<QLabel>("Image1")->pixmap().toImage();
    bool written = false;
    for (int y = 110; y < 140 && !written; ++y)
        for (int x = 0; x < shown.width() && !written; ++x)
            written = shown.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_TRUE(written);

    // Continue after the diploma starts again from level 1.
    child<QPushButton>("Button1")->click();
    EXPECT_FALSE(visible("DiplomPanel"));
    EXPECT_EQ(form->level(), 1);
    EXPECT_TRUE(child("Edit1")->isEnabled());
}

TEST_F(Stegran, WithoutTheDiplomaPictureOnlyThePictureIsMissing)
{
    open();
    enterName(QStringLiteral("Alva"));
    for (int i = 0; i < 6; ++i)
        answer(true);
    EXPECT_TRUE(visible("DiplomPanel"));
    EXPECT_FALSE(visible("Image1"));
    EXPECT_TRUE(visible("Panel1"));
    EXPECT_TRUE(inst.messages.entries().isEmpty());
}

TEST_F(Stegran, ALevelIsSavedAndChosenAgain)
{
    open();
    enterName(QStringLiteral("Alva"));
    for (int i = 0; i < 3; ++i)
        answer(true);
    ASSERT_EQ(form->level(), 2);

    // Esc pauses; Continue goes on at the level reached.
    QTest::keyClick(child("Edit1"), Qt::Key_Escape);
    EXPECT_TRUE(visible("Panel1"));
    EXPECT_FALSE(child("Edit1")->isEnabled());
    child<QPushButton>("Button1")->click();
    EXPECT_EQ(form->level(), 2);
    EXPECT_TRUE(child("Edit1")->isEnabled());

    QTest::keyClick(child("Edit1"), Qt::Key_Escape);
    child<QPushButton>("Button2")->click();
    EXPECT_TRUE(visible("namnruta"));
    QTest::keyClick(child("Edit2"), Qt::Key_Escape); // back to the bar, not out of the game
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(visible("namnruta"));
    child<QPushButton>("Button2")->click();
    EXPECT_EQ(child<QLineEdit>("Edit2")->text(), QStringLiteral("Alva"));
    enterName(QStringLiteral("Alva"));
    EXPECT_EQ(saved(), (QList<xact::Record>{{"Alva", 2}}));
    EXPECT_EQ(form->level(), 2);
    EXPECT_TRUE(child("Edit1")->isEnabled());

    // Another opening: the level is fetched under the name in any letter case.
    form.reset();
    open();
    EXPECT_EQ(form->level(), 1);
    enterName(QStringLiteral("ALVA"));
    EXPECT_EQ(form->level(), 2);
    EXPECT_EQ(level(), QStringLiteral("2"));
    EXPECT_TRUE(inst.messages.entries().isEmpty());
}

TEST_F(Stegran, AnUnreadableSaveFileIsReportedAndKept)
{
    ASSERT_TRUE(QDir().mkpath(saveFile())); // a directory where the file should be
    open();
    enterName(QStringLiteral("Alva"));
    ASSERT_EQ(inst.messages.texts().size(), 1);
    EXPECT_TRUE(
        inst.messages.texts()[0].startsWith(QStringLiteral("Filen RXACT.STE kunde inte läsas")));
    EXPECT_EQ(form->level(), 1);
    inst.messages.clear();
    for (int i = 0; i < 3; ++i)
        answer(true);
    QTest::keyClick(child("Edit1"), Qt::Key_Escape);
    child<QPushButton>("Button2")->click();
    enterName(QStringLiteral("Alva"));
    ASSERT_EQ(inst.messages.texts().size(), 1);
    EXPECT_TRUE(inst.messages.texts()[0].startsWith(QStringLiteral("Nivån kunde inte sparas")));
    EXPECT_EQ(form->level(), 2) << "the game goes on at the level reached";
    EXPECT_TRUE(QFileInfo(saveFile()).isDir());
}

TEST_F(Stegran, WorksheetModeShowsTheItemsWithoutTheirLevels)
{
    open(SessionMode::Worksheet);
    EXPECT_FALSE(visible("namnruta"));
    EXPECT_FALSE(visible("NivPanel"));
    EXPECT_TRUE(visible("SkrivutHelaPanelen"));
    EXPECT_FALSE(visible("Edit1"));
    const QString task = child<QLabel>("Label5")->text();
    EXPECT_TRUE(QStringList({"uno", "dos", "tres", "cuatro", "cinco", "seis"}).contains(task))
        << task.toStdString();
    EXPECT_EQ(child<QLabel>("Label6")->text(), answerOnScreen());
}

TEST_F(Stegran, AFileWithoutLevelsOpensAndEndsAtOnce)
{
    inst.data("ENG33011.DAT", "no level#here\n;\n1#\n");
    engine = inst.start();
    engine->layoutUnit = 12;
    open();
    EXPECT_EQ(form->topLevel(), 0);
    enterName(QStringLiteral("Alva"));
    EXPECT_TRUE(visible("DiplomPanel"));
    EXPECT_TRUE(inst.messages.entries().isEmpty());
}

} // namespace
