#include "diagnosis/diagut.h"
#include "platform/printer.h"
#include "support/material.h"

#include <gtest/gtest.h>

using namespace vindra;

namespace {

/// A recording printer with a page of another size than A4 (device pixels).
class OtherPagePrinter : public RecordingPrinter {
public:
    explicit OtherPagePrinter(QSize page) : m_page(page) {}
    QSize pageSize() const override { return m_page; }

private:
    QSize m_page;
};

struct Printout {
    explicit Printout(Printer* printer)
    {
        engine = inst.start();
        engine->diagnosis.current.name = "Alva";
        Services services;
        services.messages = &inst.messages;
        services.printer = printer;
        form = std::make_unique<TDiagutform>(*engine, services);
        for (int r = 0; r < TDiagutform::kRows; ++r)
            for (int c = 0; c < TDiagutform::kColumns; ++c)
                form->setCell(c, r, QStringLiteral("r%1c%2").arg(r).arg(c));
        form->setColumnPositions({4, 28, 52, 78});
    }
    test::Installation inst;
    std::unique_ptr<Engine> engine;
    std::unique_ptr<TDiagutform> form;
};

const RecordingPrinter::Text* textOf(const RecordingPrinter::Page& page, const QString& text)
{
    for (const auto& t : page.texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

} // namespace

TEST(TDiagutform, RoundsHalvesToTheEvenNeighbour)
{
    const struct {
        double in;
        int out;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {2.49, 2}, {2.51, 3}, {-0.5, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
}

TEST(TDiagutform, PrintsTheRuledTableOnOneA4Page)
{
    RecordingPrinter printer;
    Printout p(&printer);
    p.form->SkrivutDiaggen();
    ASSERT_EQ(printer.pages().size(), 1);
    EXPECT_EQ(printer.documents(), 1);
    const auto& page = printer.pages().first();
    // 10 pixels a millimetre on the recording printer's A4 sheet.
    const auto* title = textOf(page, "Report of the diagnosises from \"Vindra\" for Alva.");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->at, QPoint(200, 40));
    EXPECT_EQ(title->font, (PrinterFont{"Arial", 12, true}));

    // Every cell once; rows 8 mm apart from y = 12 mm; columns at 15 mm + percent of 180 mm.
    EXPECT_EQ(page.texts.size(), 1 + 22 * 5);
    EXPECT_EQ(textOf(page, "r0c0")->at, QPoint(150, 140));
    EXPECT_EQ(textOf(page, "r1c1")->at, QPoint(150 + 72, 220));   // 4 % of 1800
    EXPECT_EQ(textOf(page, "r1c2")->at, QPoint(150 + 504, 220));  // 28 %
    EXPECT_EQ(textOf(page, "r1c3")->at, QPoint(150 + 936, 220));  // 52 %
    EXPECT_EQ(textOf(page, "r1c4")->at, QPoint(150 + 1404, 220)); // 78 %
    // The total row's subject and result sit a millimetre lower than its other cells.
    EXPECT_EQ(textOf(page, "r21c1")->at.y(), 120 + 21 * 80 + 30);
    EXPECT_EQ(textOf(page, "r21c2")->at.y(), 120 + 21 * 80 + 30);
    EXPECT_EQ(textOf(page, "r21c3")->at.y(), 120 + 21 * 80 + 20);

    // Per row: left rule, top rule, four column rules, right rule; then the closing rule.
    ASSERT_EQ(page.lines.size(), 22 * 7 + 1);
    const auto& first = page.lines;
    EXPECT_EQ(first[0].from, QPoint(149, 120));
    EXPECT_EQ(first[0].to, QPoint(149, 220)) << "vertical rules are 10 mm long";
    EXPECT_EQ(first[1].from, QPoint(149, 120));
    EXPECT_EQ(first[1].to, QPoint(1951, 120));
    EXPECT_EQ(first[2].from, QPoint(150 + 72 - 1, 120));
    EXPECT_EQ(first[6].from, QPoint(1951, 120));
    const auto& closing = page.lines.last();
    EXPECT_EQ(closing.from, QPoint(149, 120 + 22 * 80 + 20));
    EXPECT_EQ(closing.to, QPoint(1951, 120 + 22 * 80 + 20));
    EXPECT_LT(closing.from.y(), 2970) << "the table fits on the page";
}

TEST(TDiagutform, CancelPrintsNothingAndCopiesPrintAPageEach)
{
    RecordingPrinter printer;
    Printout p(&printer);
    printer.answerDialog(0);
    p.form->SkrivutDiaggen();
    EXPECT_EQ(printer.dialogs(), 1);
    EXPECT_TRUE(printer.pages().isEmpty());
    EXPECT_EQ(printer.documents(), 0);
    EXPECT_TRUE(printer.outsideJobs().texts.isEmpty());

    printer.answerDialog(2);
    p.form->SkrivutDiaggen();
    EXPECT_EQ(printer.pages().size(), 2);
    EXPECT_EQ(printer.documents(), 1);
}

TEST(TDiagutform, ScalesToAPageThatIsNotA4)
{
    // Letter at 300 dpi: 2550 × 3300 pixels.
    OtherPagePrinter printer(QSize(2550, 3300));
    Printout p(&printer);
    p.form->SkrivutDiaggen();
    ASSERT_EQ(printer.pages().size(), 1);
    const auto& page = printer.pages().first();
    const int left = roundHalfEven(2550 / 210.0 * 15);
    const int right = roundHalfEven(2550 / 210.0 * 195);
    EXPECT_EQ(page.lines[1].from, QPoint(left - 1, roundHalfEven(3300 / 297.0 * 12)));
    EXPECT_EQ(page.lines[1].to.x(), right + 1);
    EXPECT_EQ(textOf(page, "r1c2")->at.x(), left + roundHalfEven(28 * 2550 * 6.0 / 7.0 / 100));
    EXPECT_LT(page.lines.last().from.y(), 3300);
}
