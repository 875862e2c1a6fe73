#include "platform/screen.h"
#include "platform/textmeasure.h"
#include "shell/engel.h"
#include "support/material.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace vindra;

namespace {

struct MainWindow {
    MainWindow()
    {
        services = Services{&inst.messages, &measure, &screen, &inst.clock};
        window = std::make_unique<TEngel>(inst.start(), services);
    }
    test::Installation inst;
    FixedTextMeasure measure;
    FixedScreen screen{QSize(1024, 768)};
    Services services;
    std::unique_ptr<TEngel> window;
};

} // namespace

TEST(Engel, MainMenuInOrder)
{
    MainWindow m;
    EXPECT_EQ(m.window->objectName(), "Engel");
    EXPECT_EQ(m.window->windowTitle(), "Vindra");
    EXPECT_TRUE(m.inst.messages.entries().isEmpty()) << "a good installation starts silently";

    const QStringList captions = {"Storbritannien", "Dina ord", "Grammatik", "Skriva",
                                  "Lyssna - skriva", "Läsa", "Göra arbetsblad", "Diagnos",
                                  "Manual", "Om Vindra", "Avsluta"};
    const int order[] = {1, 2, 3, 4, 5, 6, 7, 11, 8, 9, 10};
    int lastTop = -1;
    for (int i = 0; i < 11; ++i) {
        auto* b = m.window->findChild<QPushButton*>(QStringLiteral("Button%1").arg(order[i]));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), captions[i]);
        EXPECT_GT(b->y(), lastTop);
        lastTop = b->y();
    }
}

TEST(Engel, AvslutaAndEscEndTheProgram)
{
    for (const bool useEsc : {false, true}) {
        MainWindow m;
        m.window->show();
        ASSERT_TRUE(m.window->isVisible());
        if (useEsc)
            QTest::keyClick(m.window.get(), Qt::Key_Escape);
        else
            m.window->button(10)->click();
        EXPECT_FALSE(m.window->isVisible());
    }
}
