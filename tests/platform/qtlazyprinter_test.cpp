#include "platform/messages.h"
#include "platform/qtlazyprinter.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vindra;

// Nothing is loaded until the first printout; then the module's printer takes over what was
// set before and prints to a PDF file chosen in its (answered) dialog.
TEST(QtLazyPrinter, LoadsTheModuleAtTheFirstPrintout)
{
    QTemporaryDir empty;
    RecordingMessages messages;
    QtLazyPrinter printer({empty.path(), QStringLiteral(VINDRA_PRINT_MODULE_DIR)}, &messages);
    EXPECT_EQ(printer.pageSize(), QtLazyPrinter::a4());
    printer.setOrientation(PageOrientation::Landscape);
    EXPECT_EQ(printer.pageSize(), QtLazyPrinter::a4().transposed());
    EXPECT_GT(printer.textHeight(QStringLiteral("Åg")), 0) << "measuring loads the module";
    EXPECT_EQ(printer.orientation(), PageOrientation::Landscape);
    const QSize page = printer.pageSize();
    EXPECT_GT(page.width(), page.height());
    EXPECT_TRUE(messages.texts().isEmpty());
}

// Without the module the program goes on: the print dialog says why and nothing is printed.
TEST(QtLazyPrinter, MissingModuleGivesAMessageNotACrash)
{
    QTemporaryDir empty;
    RecordingMessages messages;
    QtLazyPrinter printer({empty.path()}, &messages);
    EXPECT_EQ(printer.printDialog(), 0);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].startsWith(
        QStringLiteral("Det går inte att skriva ut: vindra-print.so finns inte")))
        << messages.texts()[0].toStdString();
    printer.beginJob();
    printer.textOut(10, 10, QStringLiteral("x"));
    printer.endJob();
    printer.endDocument();
    EXPECT_EQ(printer.textWidth(QStringLiteral("x")), 0);
    EXPECT_EQ(printer.pageSize(), QtLazyPrinter::a4());
}
