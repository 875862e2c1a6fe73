#include "framework/regel.h"
#include "framework/stallinu.h"
#include "platform/screen.h"
#include "platform/textmeasure.h"
#include "support/material.h"

#include <gtest/gtest.h>

using namespace vindra;

TEST(Stallin, SpinsWithinZeroToNineAndEveryButtonKeepsTheValue)
{
    test::Installation inst;
    auto engine = inst.start();
    FixedScreen screen;
    const Services services{&inst.messages, nullptr, &screen, &inst.clock};
    TStallin dialog(*engine, services);
    for (int i = 0; i < 12; ++i)
        dialog.SpinButton1UpClick();
    EXPECT_EQ(engine->settings.TIMESHOWINGCORRECTANSWER, 9);
    for (int i = 0; i < 12; ++i)
        dialog.SpinButton1DownClick();
    EXPECT_EQ(engine->settings.TIMESHOWINGCORRECTANSWER, 0);
    dialog.SpinButton1UpClick();
    dialog.AvbrytButtonClick();
    EXPECT_EQ(engine->settings.TIMESHOWINGCORRECTANSWER, 1) << "Avbryt keeps the change";
}

TEST(Regelform, PageNumbersAndTheMissingPage)
{
    test::Installation inst;
    inst.write("material/REGLER/R31061.htm", "<html><body>Genitiv</body></html>");
    auto engine = inst.start();
    engine->item.exerciseCode = 35042;
    FixedScreen screen;
    const Services services{&inst.messages, nullptr, &screen, &inst.clock};

    {
        TRegelform missing(*engine, services, 35060);
        EXPECT_TRUE(missing.shownFile().isEmpty());
        ASSERT_EQ(inst.messages.texts().size(), 1);
    }
    {
        TRegelform viewer(*engine, services, 31061);
        EXPECT_TRUE(viewer.shownFile().endsWith("R31061.htm"));
    }
    {
        TRegelform again(*engine, services, 35060);
        EXPECT_TRUE(again.shownFile().endsWith("R31061.htm"))
            << "a number without a page keeps the previous page";
    }
    EXPECT_EQ(engine->item.exerciseCode, 35042);
}
