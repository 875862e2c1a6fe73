#include "diagnosis/classreport.h"
#include "platform/printer.h"

#include <gtest/gtest.h>

#include <set>

using namespace vindra;
namespace rec = vindra::diagnosisrecord;

namespace {

using Page = RecordingPrinter::Page;
using Text = RecordingPrinter::Text;

DiagnosisRecord pupil(const QByteArray& name, std::initializer_list<std::pair<int, int>> results,
                      const QByteArray& password = {})
{
    DiagnosisRecord r = rec::cleared();
    r.name = name;
    r.password = password;
    for (const auto& [slot, result] : results) {
        r.result[static_cast<size_t>(slot)] = result;
        r.state[static_cast<size_t>(slot)] = rec::GeStatusTal(r, slot);
    }
    return r;
}

ClassReport reportOf(const QList<DiagnosisRecord>& pupils,
                     const QString& directory = QStringLiteral("/srv/klass/resultat"))
{
    QByteArray bytes;
    for (const DiagnosisRecord& r : pupils)
        bytes += rec::toBytes(r);
    return ClassReport(ClassOverview::of(DiagnosisRegister::split(bytes)), directory,
                       QDateTime(QDate(2002, 12, 1), QTime(8, 23)));
}

const Text* textOf(const Page& page, const QString& text)
{
    for (const Text& t : page.texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

QStringList textsOf(const Page& page)
{
    QStringList texts;
    for (const Text& t : page.texts)
        texts << t.text;
    return texts;
}

/// Where a text lies: the recording printer's text is 2 × points pixels wide per character
/// and 4 × points high.
QRect boxOf(const Text& t)
{
    return {t.at, QSize(static_cast<int>(t.text.size()) * 2 * t.font.points, 4 * t.font.points)};
}

const Text* textAt(const Page& page, QPoint at)
{
    for (const Text& t : page.texts)
        if (boxOf(t).contains(at))
            return &t;
    return nullptr;
}

std::optional<PrinterFill> fillAt(const Page& page, QPoint at)
{
    for (const auto& f : page.fills)
        if (f.rect.contains(at))
            return f.fill;
    return std::nullopt;
}

QList<QRect> barsOf(const Page& page)
{
    QList<QRect> bars;
    for (const auto& f : page.fills)
        if (f.fill == ClassReport::barFill())
            bars << f.rect;
    return bars;
}

/// The centre of the header cell of `slot` on `page`, found by its number beside "Pupil".
QPoint headerOf(const Page& page, int slot)
{
    const Text* pupil = textOf(page, QStringLiteral("Pupil"));
    EXPECT_NE(pupil, nullptr);
    for (const Text& t : page.texts)
        if (pupil && t.text == QString::number(slot) && t.at.y() == pupil->at.y())
            return {boxOf(t).center().x(), t.at.y()};
    ADD_FAILURE() << "no header of slot " << slot;
    return {};
}

} // namespace

TEST(ClassReport, CellsShowResultsFilledByStandingAndBarsShowPassShares)
{
    // Slot 1: three of four passed; slot 2: one; slot 3: none.
    const ClassReport report = reportOf({
        pupil("Anna", {{1, 16}, {2, 9}}, "hemlig"),
        pupil("\xC5sa", {{1, 15}, {2, 15}, {3, 4}}),
        pupil("Bo", {}),
        pupil("Cleo", {{1, 17}, {5, 0}}),
    });
    RecordingPrinter printer;
    ASSERT_TRUE(printClassReport(printer, report));
    ASSERT_EQ(printer.pages().size(), 1);
    const Page& page = printer.pages().first();
    EXPECT_EQ(page.orientation, PageOrientation::Landscape);

    const struct {
        const char* name;
        int slot;
        const char* text;
        SlotStanding standing;
    } cells[] = {
        {"Anna", 1, "16", SlotStanding::Passed},    {"Anna", 2, "9", SlotStanding::Practising},
        {"Anna", 3, "", SlotStanding::Waiting},     {"Anna", 5, "", SlotStanding::NotStarted},
        {"Åsa", 3, "4", SlotStanding::Practising},  {"Åsa", 4, "", SlotStanding::Waiting},
        {"Bo", 1, "", SlotStanding::NotStarted},    {"Bo", 2, "", SlotStanding::Waiting},
        {"Cleo", 2, "", SlotStanding::NotStarted}, // unlocked by slot 1, not yet tried
        {"Cleo", 20, "", SlotStanding::NotStarted},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(std::string(c.name) + " slot " + std::to_string(c.slot));
        const Text* name = textOf(page, QString::fromUtf8(c.name));
        ASSERT_NE(name, nullptr);
        const QPoint centre(headerOf(page, c.slot).x(), name->at.y() + 10);
        EXPECT_EQ(fillAt(page, centre), ClassReport::fillOf(c.standing));
        const Text* text = textAt(page, centre);
        EXPECT_EQ(text ? text->text : QString(), QString::fromUtf8(c.text));
        if (text) {
            EXPECT_EQ(text->font.bold, c.standing == SlotStanding::Passed);
        }
    }

    // Each standing on the grid is told apart without colour too, and the legend shows it.
    std::set<std::optional<FillPattern>> patterns;
    for (SlotStanding s : {SlotStanding::NotStarted, SlotStanding::Waiting,
                           SlotStanding::Practising, SlotStanding::Passed}) {
        const auto fill = ClassReport::fillOf(s);
        patterns.insert(fill ? std::optional(fill->pattern) : std::nullopt);
        if (fill) {
            EXPECT_TRUE(std::any_of(page.fills.begin(), page.fills.end(), [&](const auto& f) {
                return f.fill == *fill && f.rect.bottom() < headerOf(page, 1).y();
            })) << "a legend swatch above the grid";
        }
    }
    EXPECT_EQ(patterns.size(), 4u);
    for (const char* legend : {"passed", "practising", "not started"})
        EXPECT_NE(textOf(page, QString::fromLatin1(legend)), nullptr) << legend;

    // The bars stand under their slots, as high as the share of the class that passed.
    const QList<QRect> bars = barsOf(page);
    ASSERT_EQ(bars.size(), 2) << "no bar for a slot nobody passed";
    const QRect& first = bars[0];
    const QRect& second = bars[1];
    EXPECT_EQ(first.center().x() / 10, headerOf(page, 1).x() / 10);
    EXPECT_EQ(second.center().x() / 10, headerOf(page, 2).x() / 10);
    EXPECT_EQ(first.bottom(), second.bottom());
    EXPECT_NEAR(first.height(), 3 * second.height(), 2);
    const QStringList texts = textsOf(page);
    for (const char* share : {"75%", "25%", "0%"})
        EXPECT_TRUE(texts.contains(QString::fromLatin1(share))) << share;

    const QString all = texts.join(QLatin1Char('\n'));
    EXPECT_TRUE(all.contains(QStringLiteral("2002-12-01 08:23")));
    EXPECT_TRUE(all.contains(QStringLiteral("/srv/klass/resultat")));
    EXPECT_TRUE(all.contains(QString::fromUtf8("DINA ORD, Översätt 1"))) << "the subjects";
    EXPECT_FALSE(all.contains(QStringLiteral("hemlig"))) << "never a password";
    EXPECT_FALSE(all.contains(QStringLiteral("Could not"))) << "a sound register";
}

TEST(ClassReport, DamagedRegisterShowsEveryWholeRecordAndWhatCouldNotBeRead)
{
    QList<DiagnosisRecord> pupils;
    for (int i = 0; i < 8; ++i)
        pupils << pupil("Pupil" + QByteArray::number(i), {{1, 16}});
    QByteArray bytes;
    for (int i = 0; i < pupils.size(); ++i) {
        QByteArray b = rec::toBytes(pupils[i]);
        if (i >= 2)
            b[rec::kStateOffset] = 9; // slot 1 of six records
        bytes += b;
    }
    const ClassReport report(ClassOverview::of(DiagnosisRegister::split(bytes + "\x05"
                                                                                "Dora")),
                             QStringLiteral("/r"), QDateTime(QDate(2002, 12, 1), QTime(8, 23)));
    RecordingPrinter printer;
    printClassReport(printer, report);
    ASSERT_EQ(printer.pages().size(), 1);
    const Page& page = printer.pages().first();
    const QStringList texts = textsOf(page);

    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(texts.contains(QStringLiteral("Pupil%1").arg(i)));
    EXPECT_FALSE(texts.contains(QStringLiteral("Dora"))) << "the truncated end is no pupil";
    EXPECT_TRUE(texts.contains(QStringLiteral("record 3 (Pupil2): slot 1: state 9 is outside "
                                              "0..3")));
    EXPECT_TRUE(texts.contains(QStringLiteral("\u2026 and 3 more")))
        << "seven problems, four listed";
    EXPECT_EQ(texts.count(QStringLiteral("?")), 1 + 6) << "the legend and six damaged cells";
    EXPECT_TRUE(texts.contains(QStringLiteral("25%"))) << "damaged results never count as passed";
}

TEST(ClassReport, LongClassGoesOnOverMoreSheets)
{
    const QString directory = QStringLiteral("/srv/") + QString(300, QLatin1Char('d')) +
                              QStringLiteral("/klass 7B/resultat");
    for (const int size : {35, 90}) {
        SCOPED_TRACE(size);
        QList<DiagnosisRecord> pupils;
        for (int i = 1; i <= size; ++i)
            pupils << pupil(QStringLiteral("Pupil%1").arg(i, 2, 10, QLatin1Char('0')).toLatin1(),
                            {{1, 15 + i % 6}});
        const ClassReport report = reportOf(pupils, directory);
        RecordingPrinter printer;
        printClassReport(printer, report);
        const QList<Page>& pages = printer.pages();
        if (size == 35)
            EXPECT_EQ(pages.size(), 2);
        else
            EXPECT_GT(pages.size(), 2);

        QStringList names;
        for (qsizetype n = 0; n < pages.size(); ++n) {
            const Page& page = pages[n];
            const QStringList texts = textsOf(page);
            EXPECT_TRUE(texts.contains(
                QStringLiteral("%1 pupils, page %2 of %3").arg(size).arg(n + 1).arg(pages.size())));
            for (const QString& t : texts)
                if (t.startsWith(QStringLiteral("Pupil")) && t != QStringLiteral("Pupil"))
                    names << t;
            EXPECT_EQ(!barsOf(page).isEmpty(), n == pages.size() - 1) << "the chart comes last";
            // Nothing beyond the sheet's margins; a long directory is cut in its middle.
            for (const Text& t : page.texts) {
                EXPECT_LE(boxOf(t).bottom(), 2000) << t.text.toStdString();
                EXPECT_LE(boxOf(t).right(), 2870) << t.text.toStdString();
            }
            EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const QString& t) {
                return t.startsWith(QStringLiteral("Results directory: /srv/dd")) &&
                       t.contains(QStringLiteral("d\u2026d")) &&
                       t.endsWith(QStringLiteral("d/klass 7B/resultat"));
            })) << texts.join('\n').toStdString();
            for (const auto& line : page.lines)
                EXPECT_LE(std::max(line.from.y(), line.to.y()), 2000);
        }
        EXPECT_EQ(names.size(), size) << "every pupil once";
        EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), size);
    }
}

TEST(ClassReport, PrintingAsksOnceAndSetsTheSheetBack)
{
    const ClassReport report = reportOf({pupil("Anna", {{1, 16}})});
    const struct {
        int copies;
        qsizetype pages;
        int documents;
    } cases[] = {{0, 0, 0}, {1, 1, 1}, {2, 2, 1}};
    for (const auto& c : cases) {
        RecordingPrinter printer;
        printer.answerDialog(c.copies);
        EXPECT_EQ(printClassReport(printer, report), c.copies > 0);
        EXPECT_EQ(printer.dialogs(), 1);
        EXPECT_EQ(printer.pages().size(), c.pages);
        EXPECT_EQ(printer.documents(), c.documents);
        EXPECT_EQ(printer.orientation(), PageOrientation::Portrait)
            << "the protocol printout after it comes out portrait";
        EXPECT_TRUE(printer.outsideJobs().texts.isEmpty());
    }
}
