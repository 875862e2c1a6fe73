// The program as main() starts it, on the built material.

#include "app/program.h"
#include "platform/qtfontpreload.h"
#include "shell/engel.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace vindra {
namespace {

// The fonts are read on a second thread while the main window is made and its pictures are
// decoded; the window must come up whole, measured and with its pictures, and the program
// must end cleanly with the thread.
TEST(Program, StartsWithItsFontsReadAlongside)
{
    startReadingFontConfiguration();
    Program program;
    ASSERT_TRUE(program.start(QStringLiteral(VINDRA_BUILT_BIN)));
    TEngel& window = program.mainWindow();
    EXPECT_TRUE(window.isVisible());
    EXPECT_GT(window.engine().screenScale, 0);
    EXPECT_GT(window.engine().layoutUnit, 0);
    EXPECT_GT(window.button(1)->width(), 0);
    const int pictures = window.engine().settings.ENGLANDPICTURES;
    if (pictures == 1 || pictures == 3) {
        for (int k = 1; k <= 6; ++k) {
            SCOPED_TRACE(k);
            QLabel* image = window.pictureImage(k);
            EXPECT_FALSE(image->isHidden());
            EXPECT_FALSE(image->pixmap().isNull());
            EXPECT_EQ(image->size(), image->pixmap().size());
        }
    }
}

} // namespace
} // namespace vindra
