#include "classreport.h"

#include "engine/catalogue.h"
#include "engine/cp1252.h"
#include "engine/diagnosisregister.h"
#include "engine/engine.h"
#include "platform/clock.h"
#include "platform/messages.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace vindra {

namespace {

// The sheet, in millimetres (A4 landscape; other sheets are scaled to fit).
constexpr double kSheetWidthMm = 297;
constexpr double kSheetHeightMm = 210;
constexpr double kMarginMm = 10;
constexpr double kHeadingEndMm = 27; ///< title, date and directory, legend
constexpr double kProblemLineMm = 3.6;
constexpr int kMaxProblemLines = 5;
constexpr double kHeaderRowMm = 5;
constexpr double kRowMm = 4;
constexpr double kPadMm = 1.5;
constexpr double kMinNameMm = 28;
constexpr double kMaxNameMm = 50;
constexpr double kPassedColumnMm = 14;
// The chart block under the grid.
constexpr double kChartGapMm = 4;
constexpr double kShareLabelMm = 3.5;
constexpr double kBarsMm = 24;
constexpr double kSlotNumberMm = 4.5;
constexpr double kKeyLineMm = 3;
constexpr int kKeyColumns = 5;
constexpr int kKeyRows = kDiagnosisSlots / kKeyColumns;
constexpr double kChartMm =
    kChartGapMm + kShareLabelMm + kBarsMm + kSlotNumberMm + kKeyRows * kKeyLineMm + 1;

const PrinterFont kTitleFont{QStringLiteral("Arial"), 12, true};
const PrinterFont kTextFont{QStringLiteral("Arial"), 9, false};
const PrinterFont kCellFont{QStringLiteral("Arial"), 8, false};
const PrinterFont kCellBoldFont{QStringLiteral("Arial"), 8, true};
const PrinterFont kSmallFont{QStringLiteral("Arial"), 7, false};

const QString kEllipsis = QStringLiteral("\u2026");

/// `text` cut to `width` pixels, an ellipsis marking the cut: at the end, or in the middle
/// (for a path, whose beginning and end say the most).
QString fitted(const Printer& p, const QString& text, int width, bool middle = false)
{
    if (p.textWidth(text) <= width)
        return text;
    for (qsizetype keep = text.size() - 1; keep > 0; --keep) {
        const QString t =
            middle ? QString(text.left((keep + 1) / 2) + kEllipsis + text.right(keep / 2))
                   : QString(text.left(keep) + kEllipsis);
        if (p.textWidth(t) <= width)
            return t;
    }
    return kEllipsis;
}

void line(Printer& p, int x1, int y1, int x2, int y2)
{
    p.moveTo(x1, y1);
    p.lineTo(x2, y2);
}

void frame(Printer& p, const QRect& r)
{
    p.moveTo(r.left(), r.top());
    p.lineTo(r.right(), r.top());
    p.lineTo(r.right(), r.bottom());
    p.lineTo(r.left(), r.bottom());
    p.lineTo(r.left(), r.top());
}

void centred(Printer& p, int centre, int y, const QString& text)
{
    p.textOut(centre - p.textWidth(text) / 2, y, text);
}

void rightAligned(Printer& p, int right, int y, const QString& text)
{
    p.textOut(right - p.textWidth(text), y, text);
}

/// The text of a cell: the last result once the slot has been tested.
QString cellText(const DiagnosisRecord& r, int slot, SlotStanding standing)
{
    switch (standing) {
    case SlotStanding::Passed:
    case SlotStanding::Practising:
        return QString::number(r.result[static_cast<size_t>(slot)]);
    case SlotStanding::Unreadable:
        return QStringLiteral("?");
    default:
        return {};
    }
}

/// One cell of the grid or the legend: its fill, and its text centred on it. A pattern stops
/// short of the text (by `clearance` pixels), which stays as clear as on a plain cell.
void drawCell(Printer& p, const QRect& cell, SlotStanding standing, const QString& text,
              int clearance)
{
    const auto fill = ClassReport::fillOf(standing);
    if (fill)
        p.fillRect(cell, *fill);
    if (text.isEmpty())
        return;
    p.setFont(standing == SlotStanding::Passed ? kCellBoldFont : kCellFont);
    const QRect box(cell.center().x() - p.textWidth(text) / 2,
                    cell.top() + (cell.height() - p.textHeight(text)) / 2, p.textWidth(text),
                    p.textHeight(text));
    if (fill && fill->pattern != FillPattern::Solid)
        p.fillRect(box.adjusted(-clearance, 0, clearance, 0), {fill->rgb, FillPattern::Solid});
    p.textOut(box.left(), box.top(), text);
}

QString percent(int passed, qsizetype pupils)
{
    if (pupils == 0)
        return QStringLiteral("\u2013");
    return QStringLiteral("%1%").arg(std::lround(100.0 * passed / static_cast<double>(pupils)));
}

} // namespace

struct ClassReport::Layout {
    double pxPerMm = 1;
    int left = 0;       ///< left margin and the grid's left rule
    int nameRight = 0;  ///< end of the name column, start of slot 1
    int slotsRight = 0; ///< end of slot 20, start of the passed column
    int right = 0;      ///< right margin and the grid's right rule
    int bottom = 0;     ///< nothing is drawn below this
    int headingEnd = 0;
    int problems = 0; ///< height of the list of what could not be read (first sheet)
    int headerRow = 0;
    int row = 0;
    int chart = 0; ///< height of the chart block

    int px(double mm) const { return static_cast<int>(std::lround(mm * pxPerMm)); }
    int slotLeft(int slot) const
    {
        return nameRight + static_cast<int>(std::lround((slotsRight - nameRight) * (slot - 1.0) /
                                                        kDiagnosisSlots));
    }
    int slotCentre(int slot) const { return (slotLeft(slot) + slotLeft(slot + 1)) / 2; }
};

ClassReport::ClassReport(ClassOverview overview, QString directory, QDateTime when)
    : m_overview(std::move(overview)), m_directory(std::move(directory)), m_when(std::move(when))
{
}

std::optional<PrinterFill> ClassReport::fillOf(SlotStanding standing)
{
    switch (standing) {
    case SlotStanding::Passed:
        return PrinterFill{0xA5D6A7, FillPattern::Solid};
    case SlotStanding::Practising:
        return PrinterFill{0xFFCC80, FillPattern::Dots};
    case SlotStanding::Waiting:
        return PrinterFill{0xDDDDDD, FillPattern::Hatch};
    default:
        return std::nullopt;
    }
}

PrinterFill ClassReport::barFill()
{
    return {0x5DA160, FillPattern::Solid};
}

ClassReport::Layout ClassReport::layoutFor(Printer& printer) const
{
    Layout l;
    const QSize page = printer.pageSize();
    l.pxPerMm = std::min(page.width() / kSheetWidthMm, page.height() / kSheetHeightMm);
    l.left = l.px(kMarginMm);
    l.right = l.px(kSheetWidthMm - kMarginMm);
    l.bottom = l.px(kSheetHeightMm - kMarginMm);
    l.headingEnd = l.px(kHeadingEndMm);
    l.headerRow = l.px(kHeaderRowMm);
    l.row = l.px(kRowMm);
    l.chart = l.px(kChartMm);
    if (!m_overview.unreadable.isEmpty()) {
        const qsizetype lines =
            1 + std::min<qsizetype>(m_overview.unreadable.size(), kMaxProblemLines);
        l.problems = l.px(lines * kProblemLineMm + 2);
    }

    // The name column is as wide as the longest name, within bounds.
    const PrinterFont before = printer.font();
    printer.setFont(kCellBoldFont);
    int widest = printer.textWidth(QStringLiteral("Pupil"));
    printer.setFont(kCellFont);
    for (const DiagnosisRecord& r : m_overview.pupils)
        widest = std::max(widest, printer.textWidth(printableName(r.name)));
    printer.setFont(before);
    const int name = std::clamp(widest + 2 * l.px(kPadMm), l.px(kMinNameMm), l.px(kMaxNameMm));
    l.nameRight = l.left + name;
    l.slotsRight = l.right - l.px(kPassedColumnMm);
    return l;
}

QList<ClassReport::Sheet> ClassReport::sheets(Printer& printer) const
{
    const Layout l = layoutFor(printer);
    const int pupils = static_cast<int>(m_overview.pupils.size());
    QList<Sheet> out;
    int next = 0;
    for (;;) {
        const int top = l.headingEnd + (out.isEmpty() ? l.problems : 0);
        const int room = l.bottom - top - l.headerRow;
        const int rest = pupils - next;
        if (rest * l.row + l.chart <= room) {
            out.push_back({next, rest, true});
            return out;
        }
        const int fits = std::max(1, room / l.row);
        if (rest <= fits) {
            // The last pupils fill this sheet; the chart gets one of its own.
            out.push_back({next, rest, false});
            out.push_back({pupils, 0, true});
            return out;
        }
        out.push_back({next, fits, false});
        next += fits;
    }
}

void ClassReport::draw(Printer& p) const
{
    const Layout l = layoutFor(p);
    const QList<Sheet> all = sheets(p);
    for (qsizetype n = 0; n < all.size(); ++n) {
        const Sheet& sheet = all[n];
        p.beginJob();
        drawHeading(p, l, static_cast<int>(n) + 1, static_cast<int>(all.size()));
        int y = l.headingEnd;
        if (n == 0)
            y = drawProblems(p, l, y);
        // An empty class still shows its (empty) grid, so the sheet says why it is empty.
        if (sheet.count > 0 || m_overview.pupils.isEmpty())
            y = drawGrid(p, l, sheet, y);
        if (sheet.chart)
            drawChart(p, l, y);
        p.endJob();
    }
}

void ClassReport::drawHeading(Printer& p, const Layout& l, int sheet, int sheets) const
{
    int y = l.px(kMarginMm);
    p.setFont(kTitleFont);
    p.textOut(l.left, y, QStringLiteral("Class overview of the diagnoses"));
    p.setFont(kTextFont);
    const qsizetype pupils = m_overview.pupils.size();
    rightAligned(p, l.right, y + l.px(1),
                 QStringLiteral("%1 pupil%2, page %3 of %4")
                     .arg(pupils)
                     .arg(pupils == 1 ? "" : "s")
                     .arg(sheet)
                     .arg(sheets));

    y += l.px(6.5);
    const QString printed =
        QStringLiteral("Printed ") + m_when.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    rightAligned(p, l.right, y, printed);
    const QString label = QStringLiteral("Results directory: ");
    const int room = l.right - l.left - p.textWidth(printed) - l.px(10) - p.textWidth(label);
    p.textOut(l.left, y, label + fitted(p, m_directory, room, true));

    // The legend: every fill with its meaning, so that the sheet reads in black and white.
    y += l.px(5.5);
    const int swatchW = l.px(6);
    const int swatchH = l.px(3.2);
    int x = l.left;
    auto entry = [&](SlotStanding standing, const QString& sample, const QString& meaning) {
        const QRect swatch(x, y, swatchW, swatchH);
        drawCell(p, swatch, standing, sample, l.px(0.6));
        frame(p, swatch);
        p.setFont(kCellFont);
        x += swatchW + l.px(1.5);
        p.textOut(x, y + (swatchH - p.textHeight(meaning)) / 2, meaning);
        x += p.textWidth(meaning) + l.px(5);
    };
    entry(SlotStanding::Passed, QStringLiteral("17"), QStringLiteral("passed"));
    entry(SlotStanding::Practising, QStringLiteral("9"), QStringLiteral("practising"));
    entry(SlotStanding::Waiting, {}, QStringLiteral("waiting for the test before"));
    entry(SlotStanding::NotStarted, {}, QStringLiteral("not started"));
    bool anyUnreadable = false;
    for (const DiagnosisRecord& r : m_overview.pupils)
        for (int s = 1; s <= kDiagnosisSlots; ++s)
            anyUnreadable = anyUnreadable || standingOf(r, s) == SlotStanding::Unreadable;
    if (anyUnreadable)
        entry(SlotStanding::Unreadable, QStringLiteral("?"), QStringLiteral("damaged"));
    p.setFont(kCellFont);
    const QString numbers = QStringLiteral("Numbers: right answers of the last test; %1 of 20 "
                                           "passes.")
                                .arg(diagnosisrecord::kPassMark);
    rightAligned(p, l.right, y + (swatchH - p.textHeight(numbers)) / 2, numbers);
}

int ClassReport::drawProblems(Printer& p, const Layout& l, int y) const
{
    const QStringList& problems = m_overview.unreadable;
    if (problems.isEmpty())
        return y;
    p.setFont(kCellBoldFont);
    p.textOut(l.left, y,
              QStringLiteral("Could not be read from the register (the pupils below "
                             "are every whole record):"));
    p.setFont(kCellFont);
    const qsizetype shown =
        problems.size() <= kMaxProblemLines ? problems.size() : kMaxProblemLines - 1;
    for (qsizetype i = 0; i < shown; ++i)
        p.textOut(l.left + l.px(3), y + l.px((i + 1) * kProblemLineMm),
                  fitted(p, problems[i], l.right - l.left - l.px(3)));
    if (shown < problems.size())
        p.textOut(l.left + l.px(3), y + l.px((shown + 1) * kProblemLineMm),
                  QStringLiteral("%1 and %2 more").arg(kEllipsis).arg(problems.size() - shown));
    return y + l.problems;
}

int ClassReport::drawGrid(Printer& p, const Layout& l, const Sheet& sheet, int y) const
{
    const int rows = std::max(sheet.count, 1); // an empty class keeps one row for its note
    const int top = y;
    const int bottom = top + l.headerRow + rows * l.row;
    auto middle = [&p](int rowTop, int height, const QString& text) {
        return rowTop + (height - p.textHeight(text)) / 2;
    };

    // Header row.
    p.setFont(kCellBoldFont);
    p.textOut(l.left + l.px(kPadMm), middle(top, l.headerRow, QStringLiteral("Pupil")),
              QStringLiteral("Pupil"));
    for (int s = 1; s <= kDiagnosisSlots; ++s)
        centred(p, l.slotCentre(s), middle(top, l.headerRow, QString::number(s)),
                QString::number(s));
    centred(p, (l.slotsRight + l.right) / 2, middle(top, l.headerRow, QStringLiteral("Passed")),
            QStringLiteral("Passed"));

    // Pupils.
    for (int i = 0; i < sheet.count; ++i) {
        const DiagnosisRecord& r = m_overview.pupils[sheet.first + i];
        const int rowTop = top + l.headerRow + i * l.row;
        p.setFont(kCellFont);
        const QString name =
            fitted(p, printableName(r.name), l.nameRight - l.left - 2 * l.px(kPadMm));
        p.textOut(l.left + l.px(kPadMm), middle(rowTop, l.row, name), name);
        for (int s = 1; s <= kDiagnosisSlots; ++s) {
            const SlotStanding standing = standingOf(r, s);
            drawCell(p, QRect(l.slotLeft(s), rowTop, l.slotLeft(s + 1) - l.slotLeft(s), l.row),
                     standing, cellText(r, s, standing), l.px(0.6));
        }
        p.setFont(kCellFont);
        const QString passed = QString::number(passedSlots(r));
        centred(p, (l.slotsRight + l.right) / 2, middle(rowTop, l.row, passed), passed);
    }
    if (m_overview.pupils.isEmpty()) {
        p.setFont(kCellFont);
        const QString none = QStringLiteral("The register holds no pupils.");
        p.textOut(l.left + l.px(kPadMm), middle(top + l.headerRow, l.row, none), none);
    }

    // Rules, over the edges of the fills: every row, the name, slot and passed columns.
    for (int i = 0; i <= rows; ++i) {
        const int ry = top + l.headerRow + i * l.row;
        line(p, l.left, ry, l.right, ry);
    }
    line(p, l.left, top, l.right, top);
    line(p, l.left, top, l.left, bottom);
    line(p, l.right, top, l.right, bottom);
    // The note of an empty class runs across the columns.
    const int columnsBottom = sheet.count > 0 ? bottom : top + l.headerRow;
    for (int x : {l.nameRight, l.slotsRight})
        line(p, x, top, x, columnsBottom);
    for (int s = 2; s <= kDiagnosisSlots; ++s)
        line(p, l.slotLeft(s), top, l.slotLeft(s), columnsBottom);
    return bottom;
}

void ClassReport::drawChart(Printer& p, const Layout& l, int y) const
{
    const int barsTop = y + l.px(kChartGapMm + kShareLabelMm);
    const int barsBottom = barsTop + l.px(kBarsMm);
    const int barsHeight = barsBottom - barsTop;
    const qsizetype pupils = m_overview.pupils.size();

    p.setFont(kCellBoldFont);
    p.textOut(l.left, barsTop, QStringLiteral("Passed by"));
    p.textOut(l.left, barsTop + l.px(3.5), QStringLiteral("the class"));

    // The axis: a scale of 0, 50 and 100 % beside the bars, and the base line under them.
    p.setFont(kSmallFont);
    const int axis = l.nameRight - l.px(1);
    line(p, axis, barsTop, axis, barsBottom);
    for (int share : {0, 50, 100}) {
        const int ty = barsBottom - barsHeight * share / 100;
        line(p, axis - l.px(1), ty, axis, ty);
        const QString label = QStringLiteral("%1%").arg(share);
        rightAligned(p, axis - l.px(1.5), ty - p.textHeight(label) / 2, label);
    }
    line(p, axis, barsBottom, l.slotsRight, barsBottom);

    for (int s = 1; s <= kDiagnosisSlots; ++s) {
        const int width = (l.slotLeft(s + 1) - l.slotLeft(s)) * 3 / 5;
        const int height = static_cast<int>(std::lround(m_overview.passShare(s) * barsHeight));
        const QRect bar(l.slotCentre(s) - width / 2, barsBottom - height, width, height);
        if (height > 0) {
            p.fillRect(bar, barFill());
            frame(p, bar);
        }
        const QString label = percent(m_overview.passed[static_cast<size_t>(s)], pupils);
        centred(p, l.slotCentre(s), bar.top() - l.px(0.5) - p.textHeight(label), label);
        centred(p, l.slotCentre(s), barsBottom + l.px(0.8), QString::number(s));
    }

    // The subjects of the slots, in columns under the chart.
    const int keyTop = barsBottom + l.px(kSlotNumberMm);
    const int columnWidth = (l.right - l.left) / kKeyColumns;
    for (const catalogue::DiagnosisSlot& slot : catalogue::diagnosisSlots()) {
        const int column = (slot.slot - 1) / kKeyRows;
        const int row = (slot.slot - 1) % kKeyRows;
        const QString text =
            QStringLiteral("%1  %2").arg(slot.slot).arg(QString::fromUtf8(slot.subject));
        p.textOut(l.left + column * columnWidth, keyTop + l.px(row * kKeyLineMm),
                  fitted(p, text, columnWidth - l.px(2)));
    }
}

bool printClassReport(Printer& printer, const ClassReport& report)
{
    const PageOrientation before = printer.orientation();
    printer.setOrientation(PageOrientation::Landscape);
    const int copies = printer.printDialog();
    for (int copy = 0; copy < copies; ++copy)
        report.draw(printer);
    if (copies > 0)
        printer.endDocument();
    printer.setOrientation(before);
    return copies > 0;
}

std::optional<ClassReport> classReportOf(Engine& engine)
{
    const DiagnosisRegister reg(engine);
    const auto contents = reg.read();
    if (!contents)
        return std::nullopt;
    return ClassReport(ClassOverview::of(*contents),
                       QDir::toNativeSeparators(QFileInfo(reg.registerPath()).absolutePath()),
                       engine.clock().now());
}

void printClassOverview(Engine& engine, Printer* printer)
{
    if (!printer)
        return;
    const auto report = classReportOf(engine);
    if (!report) {
        engine.message(MessageKind::Information, "Diagnosfilen " + engine.dirs.results +
                                                     "\\RDIAG.DIA saknas eller \xE4r felaktig");
        return;
    }
    printClassReport(*printer, *report);
}

} // namespace vindra
