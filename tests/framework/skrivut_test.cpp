#include "framework/skrivut.h"
#include "platform/printer.h"
#include "platform/qtprinter.h"
#include "platform/screen.h"
#include "support/material.h"

#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vindra;
using Text = RecordingPrinter::Text;

namespace {

const QString kHeading = QString::fromUtf8("Arbetsblad från Vindra.");
const QString kHeadingKey = QString::fromUtf8("Arbetsblad från Vindra. Facit.");

struct PrintQueue {
    PrintQueue()
    {
        inst.data("ENG31051.DAT", "$Verb\nga#go\n");
        engine = inst.start();
        services.messages = &inst.messages;
        services.screen = &screen;
        services.printer = &printer;
        utskrift = std::make_unique<TUtskrift>(*engine, services);
    }

    /// Block 1 "Verb" with an instruction and `first` items; then, when `second` is above 0,
    /// block 2 "Substantiv" without instruction and `second` items.
    void fill(int first, int second)
    {
        Worksheet& w = engine->worksheet;
        w.clear(true);
        w.startBlock({{"", "Verb", "", ""}}, "Translate.");
        for (int k = 1; k <= first; ++k)
            w.addWrittenItem(w.nextItemPrefix(), "q" + QByteArray::number(k), "a");
        if (second == 0)
            return;
        w.newBlock = true;
        w.startBlock({{"", "Substantiv", "", ""}}, "");
        for (int k = 1; k <= second; ++k)
            w.addWrittenItem(w.nextItemPrefix(), "q" + QByteArray::number(first + k), "a");
    }

    test::Installation inst;
    std::unique_ptr<Engine> engine;
    FixedScreen screen;
    RecordingPrinter printer;
    Services services;
    std::unique_ptr<TUtskrift> utskrift;
};

void expectText(const Text& t, const QString& text, int xMm, int yMm, int points, bool bold)
{
    SCOPED_TRACE(text.toStdString());
    EXPECT_EQ(t.text, text);
    EXPECT_EQ(t.at, QPoint(xMm * 10, yMm * 10));
    EXPECT_EQ(t.font.family, "Arial");
    EXPECT_EQ(t.font.points, points);
    EXPECT_EQ(t.font.bold, bold);
}

} // namespace

TEST(Utskrift, WindowAndLists)
{
    PrintQueue q;
    TUtskrift& u = *q.utskrift;
    EXPECT_EQ(u.objectName(), "Utskrift");
    EXPECT_TRUE(u.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(u.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(u.isVisible()) << "kept hidden until a list is viewed";

    q.engine->worksheet.add("   1. h\xE4st", "   1. h\xE4st");
    q.engine->worksheet.add(worksheet::kWritingLine, "       horse");
    u.showList(2);
    EXPECT_TRUE(u.isVisible());
    EXPECT_TRUE(u.listBox(2)->isVisible());
    EXPECT_FALSE(u.listBox(1)->isVisible());
    ASSERT_EQ(u.listBox(2)->count(), 2);
    EXPECT_EQ(u.listBox(1)->item(0)->text(), QString::fromUtf8("   1. häst"));
    EXPECT_EQ(u.listBox(2)->item(1)->text(), "       horse");

    u.showList(1);
    EXPECT_TRUE(u.listBox(1)->isVisible());
    EXPECT_FALSE(u.listBox(2)->isVisible());

    u.clearWorksheet(true);
    EXPECT_EQ(u.listBox(1)->count(), 0);
    EXPECT_EQ(u.listBox(2)->count(), 0);
    EXPECT_TRUE(q.engine->worksheet.newBlock);
}

TEST(Utskrift, MillimetreConversions)
{
    PrintQueue q;
    EXPECT_EQ(q.utskrift->XmmTillPixel(20), 200);
    EXPECT_EQ(q.utskrift->YmmTillPixel(276), 2760);
    EXPECT_EQ(q.utskrift->YPixelTillmm(56), 6); // 5.6 mm rounds up
    EXPECT_EQ(q.utskrift->YPixelTillmm(-54), 5);
}

TEST(Utskrift, PrintedLayoutOverTwoPages)
{
    PrintQueue q;
    q.fill(14, 2);
    q.engine->worksheet.withAnswersFlag = false;
    q.utskrift->SkrivutFraga();

    const auto& pages = q.printer.pages();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(q.printer.documents(), 1);
    EXPECT_TRUE(q.printer.outsideJobs().texts.isEmpty());

    // Page 1: the number, the heading in its double frame, block 1 and items 1..14.
    const auto& p1 = pages[0].texts;
    ASSERT_EQ(p1.size(), 3 + 2 + 14 * 2);
    expectText(p1[0], "1", 200, 2, 10, false);
    expectText(p1[1], kHeading, 20, 4, 22, true);
    // The credit line sits just under the heading (heading height 88 px).
    EXPECT_EQ(p1[2].text, QString::fromUtf8(TUtskrift::kCreditLine));
    EXPECT_EQ(p1[2].at, QPoint(200, 40 + 88));
    EXPECT_EQ(p1[2].font.points, 8);
    EXPECT_FALSE(p1[2].font.bold);
    // The heading ends at 2 + 12 + 2 mm; a title adds 2 mm and a line height (6 mm).
    expectText(p1[3], "1.  Verb  ", 20, 24, 16, true); // empty header lines 2 and 3
    expectText(p1[4], "      Translate.", 20, 31, 14, true);
    for (int k = 1; k <= 14; ++k) {
        const int y = 40 + 16 * (k - 1);
        expectText(p1[3 + 2 * k], QStringLiteral("%1q%2").arg(worksheet::itemPrefix(k)).arg(k), 20,
                   y, 14, false);
        expectText(p1[4 + 2 * k], QString::fromLatin1(worksheet::kWritingLine), 20, y + 7, 14,
                   false);
    }

    // Two frames of four sides each: outer 18 mm .. 22 mm + W, inner 19 mm .. 21 mm + W.
    const int W = static_cast<int>(kHeading.size()) * 2 * 22;
    const auto& lines = pages[0].lines;
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0].from, QPoint(180, 20));
    EXPECT_EQ(lines[1].to, QPoint(220 + W, 80 + 88 + 32));
    EXPECT_EQ(lines[4].from, QPoint(190, 30));
    EXPECT_EQ(lines[5].to, QPoint(210 + W, 70 + 88 + 32));

    // Page 2: below 255 mm a title (24 mm) no longer fits, though an item (8 mm) would.
    const auto& p2 = pages[1].texts;
    ASSERT_EQ(p2.size(), 2 + 1 + 4);
    expectText(p2[0], "2", 200, 2, 10, false);
    expectText(p2[1], "Vindra", 2, 2, 8, false);
    expectText(p2[2], "2.  Substantiv  ", 20, 12, 16, true);
    expectText(p2[3], " 15. q15", 20, 21, 14, false);
    expectText(p2[4], QString::fromLatin1(worksheet::kWritingLine), 20, 28, 14, false);
    expectText(p2[5], " 16. q16", 20, 37, 14, false);
    // The last line gets 2 mm more.
    expectText(p2[6], QString::fromLatin1(worksheet::kWritingLine), 20, 46, 14, false);
}

TEST(Utskrift, ItemWithFollowUpLineNeedsEightMillimetres)
{
    PrintQueue q;
    q.fill(17, 0);
    q.utskrift->SkrivutFraga();
    ASSERT_EQ(q.printer.pages().size(), 2);
    // Item 15 is checked at 257 mm (fits), item 16 at 273 mm (273 + 8 > 276).
    const auto& p1 = q.printer.pages()[0].texts;
    expectText(p1[p1.size() - 2], " 15. q15", 20, 264, 14, false);
    const auto& p2 = q.printer.pages()[1].texts;
    ASSERT_EQ(p2.size(), 2 + 4);
    expectText(p2[2], " 16. q16", 20, 13, 14, false);
}

TEST(Utskrift, TwoCopiesWithAnswersEachFromPageOne)
{
    PrintQueue q;
    q.fill(14, 2);
    q.engine->worksheet.withAnswersFlag = true;
    q.printer.answerDialog(2);
    q.utskrift->SkrivutFraga();

    const auto& pages = q.printer.pages();
    ASSERT_EQ(pages.size(), 4);
    EXPECT_EQ(q.printer.documents(), 1) << "the copies are pages of one document";
    for (int copy = 0; copy < 2; ++copy) {
        SCOPED_TRACE(copy);
        const auto& first = pages[2 * copy].texts;
        expectText(first[0], "1", 200, 2, 10, false);
        expectText(first[1], kHeadingKey, 20, 4, 22, true);
        expectText(first[6], "       a", 20, 47, 14, false);
        expectText(pages[2 * copy + 1].texts[0], "2", 200, 2, 10, false);
        EXPECT_EQ(pages[2 * copy + 1].texts.last().text, "       a");
    }
    EXPECT_EQ(q.engine->worksheet.listInUse, 2);
}

TEST(Utskrift, CancelledDialogOrEmptyWorksheetPrintsNothing)
{
    PrintQueue q;
    q.utskrift->SkrivutFraga();
    EXPECT_EQ(q.printer.dialogs(), 0) << "an empty worksheet never reaches the dialog";

    q.fill(14, 2);
    q.engine->worksheet.pageNumber = 1;
    q.printer.answerDialog(0);
    q.utskrift->SkrivutFraga();
    EXPECT_EQ(q.printer.dialogs(), 1);
    EXPECT_TRUE(q.printer.pages().isEmpty());
    EXPECT_EQ(q.printer.documents(), 0);
    EXPECT_EQ(q.engine->worksheet.pageNumber, 1);
}

namespace {

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

TEST(Utskrift, PrintsToPdfFile)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils missing";
    PrintQueue q;
    QtPrinter pdf;
    q.services.printer = &pdf;
    TUtskrift utskrift(*q.engine, q.services);
    q.fill(14, 2);
    q.engine->worksheet.withAnswersFlag = true;
    q.engine->worksheet.withAnswers[3] = "       b\xE5t eller skepp."; // the first answer line

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("arbetsblad.pdf"));
    pdf.printToPdf(file, 2);
    utskrift.SkrivutFraga();

    const QString info = run(QStringLiteral("pdfinfo"), {file});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+4\\n"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page size:.*\\(A4\\)"))))
        << info.toStdString();

    const QString text =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 4);
    for (int copy = 0; copy < 2; ++copy) {
        const QString& first = pages[2 * copy];
        EXPECT_TRUE(first.contains(QString::fromUtf8("Arbetsblad från Vindra. Facit.")));
        EXPECT_TRUE(first.contains(QString::fromUtf8(TUtskrift::kCreditLine)));
        EXPECT_TRUE(first.contains(QString::fromUtf8("båt eller skepp.")));
        EXPECT_TRUE(first.contains(QStringLiteral("14. q14")));
        EXPECT_FALSE(first.contains(QStringLiteral("15. q15")));
        const QString& second = pages[2 * copy + 1];
        EXPECT_TRUE(second.contains(QStringLiteral("Vindra")));
        EXPECT_TRUE(second.contains(QStringLiteral("2.  Substantiv")) ||
                    second.contains(QStringLiteral("2. Substantiv")));
        EXPECT_TRUE(second.contains(QStringLiteral("16. q16")));
    }
}
