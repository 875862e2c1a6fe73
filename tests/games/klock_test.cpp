#include "framework/aster.h"
#include "framework/formregistry.h"
#include "framework/formtimer.h"
#include "framework/look.h"
#include "games/klock.h"
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

TEST(ClockHands, EveryItemFixesItsTime)
{
    struct Case {
        int item, hourIndex, minutes, minuteAngle, hourAngle;
    };
    const Case cases[] = {
        {1, 0, 0, 0, 0},        // twelve o'clock
        {14, 1, 5, 30, 32},     // 1:05, 2.5 degrees rounded to the even 2
        {18, 1, 25, 150, 42},   // 1:25, 12.5 to 12
        {20, 1, 35, 210, 48},   // 1:35, 17.5 to 18
        {144, 11, 55, 330, 358} // 11:55, 27.5 to 28
    };
    for (const Case& c : cases) {
        const ClockHands h = ClockHands::forItem(c.item);
        EXPECT_EQ(h.hourIndex, c.hourIndex) << c.item;
        EXPECT_EQ(h.minutes, c.minutes) << c.item;
        EXPECT_EQ(h.minuteAngle, c.minuteAngle) << c.item;
        EXPECT_EQ(h.hourAngle, c.hourAngle) << c.item;
    }
    // Twelve o'clock points up, three o'clock right, on screen coordinates.
    EXPECT_EQ(ClockFace::pointAt(QPoint(100, 100), 0, 50), QPoint(100, 50));
    EXPECT_EQ(ClockFace::pointAt(QPoint(100, 100), 90, 50), QPoint(150, 100));
    EXPECT_EQ(ClockFace::pointAt(QPoint(100, 100), 180, 50), QPoint(100, 150));
}

TEST(ClockAnswer, ItIsTypedInFrontOfTheTimeIsDropped)
{
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"half past two", "half past two"},
        {"It is half past two.", "half past two."},
        {"it's ten to six", "ten to six"},
        {"It\xB4s ten to six", "ten to six"},
        {"  IT IS  noon", "noon"},
        {"itis noon", "itis noon"},
        {"It", "It"},
    };
    for (const auto& [typed, checked] : cases)
        EXPECT_EQ(TKlockan::withoutItIs(typed), checked) << typed.constData();
}

/// 144 items "time n" (the item number readable from the right answer), with "n" as an
/// alternative.
QByteArray clockFile()
{
    QByteArray out = "; times\n";
    for (int n = 1; n <= 144; ++n)
        out += "time " + QByteArray::number(n) + "#x#&t" + QByteArray::number(n) + "\n";
    return out;
}

class Klockan : public ::testing::Test {
protected:
    void SetUp() override
    {
        FormTimer::setManual(true);
        inst.data("datfiler.eng", "ENG33021.DAT\nREOM9001.LOV\n");
        inst.data("ENG33021.DAT", clockFile());
        inst.data("REOM9001.LOV", "Alla r\xE4tt!\n");
        engine = inst.start();
        ASSERT_TRUE(inst.started);
        engine->layoutUnit = 12;
        services = Services{&inst.messages, &measure, &screen, &inst.clock};
        engine->session.mode = SessionMode::Practice;
        engine->setCurrentFileName("ENG33021.DAT");
        ASSERT_TRUE(engine->Kolla("ENG33021.DAT"));
        form = createForm<TKlockan>(*engine, services);
        form->show();
    }
    void TearDown() override { FormTimer::setManual(false); }

    template <typename T = QWidget> T* child(const char* name)
    {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    /// The item the clock shows, read back from the right answer "time n".
    int itemOnScreen() const { return engine->item.fields[1].mid(5).toInt(); }
    int clockItem() { return child<ClockFace>("PaintBox1")->item(); }
    void type(const QString& text)
    {
        auto* edit = child<QLineEdit>("Edit1");
        edit->setText(text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    void answer(bool right)
    {
        type(right ? QStringLiteral("It is Time %1").arg(itemOnScreen())
                   : QStringLiteral("ten to six"));
    }
    void waitOut()
    {
        for (int i = 0; i < 40; ++i) {
            form->Timer1Timer();
            form->Timer3Timer();
        }
    }

    test::Installation inst;
    FixedTextMeasure measure;
    FixedScreen screen{QSize(1024, 768)};
    Services services;
    std::unique_ptr<Engine> engine;
    std::unique_ptr<TKlockan> form;
};

TEST_F(Klockan, ARoundWithAWrongTimeAndItsCorrection)
{
    EXPECT_FALSE(child("OverskriftYtterShape")->isVisible()) << "the clock has no header box";
    EXPECT_EQ(child<QLabel>("Label3")->text(), QStringLiteral(" It is ..."));
    EXPECT_EQ(clockItem(), itemOnScreen());

    answer(true);
    const int wrongItem = itemOnScreen();
    EXPECT_EQ(clockItem(), wrongItem);
    answer(false);
    auto* shown = child<QLabel>("Label4");
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->text(), QStringLiteral("time %1").arg(wrongItem));
    EXPECT_FALSE(child("Edit1")->isEnabled());
    answer(true); // no answer is due while the right one is shown
    EXPECT_EQ(engine->session.rightCount, 1);
    QTest::keyClick(form.get(), Qt::Key_Space);
    form->Timer1Timer();
    EXPECT_NE(itemOnScreen(), wrongItem);
    EXPECT_TRUE(child("Edit1")->isEnabled());

    // The rest right, the last one through its alternative.
    for (int i = 3; i < 10; ++i)
        answer(true);
    type(QStringLiteral("t%1").arg(itemOnScreen()));
    EXPECT_EQ(engine->session.rightCount, 9);
    auto* bar = child("Panel1");
    EXPECT_TRUE(bar->isVisible());
    EXPECT_FALSE(child("Image1")->isVisible()) << "no ending picture over the clock";
    EXPECT_TRUE(child("LovordPanel")->isVisible());
    auto* correct = child<QPushButton>("Button1");
    ASSERT_TRUE(correct->isEnabled());

    // The correction round asks the wrong time again, and the clock shows it.
    correct->click();
    EXPECT_EQ(itemOnScreen(), wrongItem);
    EXPECT_EQ(clockItem(), wrongItem);
    EXPECT_EQ(child<TAster>("Aster1")->MaxAntalRutor(), 1);
    answer(true);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_FALSE(child<QPushButton>("Button1")->isEnabled());
    EXPECT_EQ(engine->cache[static_cast<size_t>(engine->item.cacheSlot)].errorCount, 0);
}

TEST_F(Klockan, AWrongLastAnswerStillEndsTheRound)
{
    for (int i = 0; i < 9; ++i)
        answer(true);
    answer(false);
    waitOut();
    EXPECT_TRUE(child("Panel1")->isVisible());
    EXPECT_EQ(engine->session.itemCounter, 11);
    EXPECT_FALSE(child("Edit1")->isEnabled());
    // Continue starts a fresh round of ten with empty boxes.
    child<QPushButton>("Button2")->click();
    EXPECT_EQ(engine->session.itemCounter, 1);
    EXPECT_EQ(child<TAster>("Aster1")->RutNummer(), 0);
    EXPECT_TRUE(child("Edit1")->isEnabled());
    EXPECT_EQ(clockItem(), itemOnScreen());
}

TEST_F(Klockan, TheLampComesBackAfterItIsClickedAway)
{
    auto* button = child<QPushButton>("lampknapp");
    auto* lamp = child<Lamp>("LampShape");
    ASSERT_TRUE(button->isVisible());
    button->click();
    EXPECT_TRUE(lamp->isVisible());
    EXPECT_FALSE(button->isVisible());
    child<QLineEdit>("Edit1")->setText(QStringLiteral("ti"));
    EXPECT_EQ(lamp->fill(), look::kLime);
    child<QLineEdit>("Edit1")->setText(QStringLiteral("tx"));
    EXPECT_NE(lamp->fill(), look::kLime);
    Q_EMIT lamp->pressed();
    EXPECT_FALSE(lamp->isVisible());
    EXPECT_TRUE(button->isVisible());

    // Esc pauses: the answer box and the lamp button wait, the bar offers to go on.
    QTest::keyClick(child("Edit1"), Qt::Key_Escape);
    EXPECT_TRUE(child("Panel1")->isVisible());
    EXPECT_FALSE(child("Edit1")->isEnabled());
    EXPECT_FALSE(button->isEnabled());
    child<QPushButton>("Button2")->click();
    EXPECT_TRUE(child("Edit1")->isEnabled());
    EXPECT_TRUE(button->isEnabled());
}

} // namespace
