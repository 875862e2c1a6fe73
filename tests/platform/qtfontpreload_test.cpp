// The fonts read alongside the start-up.

#include "platform/qtfontpreload.h"

#include <QFont>
#include <QFontInfo>

#include <gtest/gtest.h>

namespace vindra {
namespace {

// Text set in a family that is not installed is asked for in the family Qt itself would show
// it in, so it looks the same; a family that is installed is asked for as it is.
TEST(Fonts, AskedForInTheFamilyTheyAreShownIn)
{
    startReadingFontConfiguration();
    const auto shownIn = [](const QString& family, bool bold) {
        QFont font(family);
        font.setPixelSize(19);
        font.setBold(bold);
        const QFontInfo info(font);
        return std::make_pair(info.family(), info.bold());
    };
    for (const QString& family :
         {QStringLiteral("Arial"), QStringLiteral("Courier New"), QStringLiteral("Times New Roman"),
          QStringLiteral("No Such Family Anywhere")}) {
        SCOPED_TRACE(family.toStdString());
        const QString installed = installedFamily(family);
        for (const bool bold : {false, true})
            EXPECT_EQ(shownIn(installed, bold), shownIn(family, bold));
        EXPECT_EQ(installedFamily(installed), installed);
    }
}

} // namespace
} // namespace vindra
