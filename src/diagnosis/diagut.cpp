#include "diagut.h"

#include "engine/cp1252.h"
#include "platform/printer.h"

#include <QTableWidget>

#include <cmath>

namespace vindra {

namespace {

constexpr double kPageWidthMm = 210;
constexpr double kPageHeightMm = 297;
constexpr int kLeftMm = 15;   ///< left rule of the table
constexpr int kRightMm = 195; ///< right rule of the table
constexpr int kTitleMm = 20;
constexpr int kRowPitchMm = 8;
constexpr int kRuleLengthMm = 10; ///< vertical rules reach into the next row

} // namespace

int roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double diff = value - floor;
    double result = floor;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(floor, 2.0) != 0.0))
        result = floor + 1;
    return static_cast<int>(result);
}

TDiagutform::TDiagutform(Engine& engine, const Services& services, QWidget* parent)
    : QWidget(parent), m_engine(engine), m_services(services)
{
    setObjectName(QStringLiteral("Diagutform"));
}

QTableWidget* TDiagutform::grid() const
{
    if (!StringGrid1) {
        StringGrid1 = new QTableWidget(kRows, kColumns, const_cast<TDiagutform*>(this));
        StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    }
    return StringGrid1;
}

void TDiagutform::setGridSize(int columns, int rows)
{
    grid()->setColumnCount(columns);
    grid()->setRowCount(rows);
}

void TDiagutform::setCell(int column, int row, const QString& text)
{
    grid()->setItem(row, column, new QTableWidgetItem(text));
}

QString TDiagutform::cell(int column, int row) const
{
    const QTableWidgetItem* item = grid()->item(row, column);
    return item ? item->text() : QString();
}

QSize TDiagutform::page() const
{
    return m_services.printer ? m_services.printer->pageSize() : QSize();
}

int TDiagutform::XmmTillPixel(double mm) const
{
    return roundHalfEven(page().width() / kPageWidthMm * mm);
}

int TDiagutform::YmmTillPixel(double mm) const
{
    return roundHalfEven(page().height() / kPageHeightMm * mm);
}

int TDiagutform::ProcentTillPixel(int percent) const
{
    return roundHalfEven(percent * page().width() * 6.0 / 7.0 / 100.0);
}

int TDiagutform::PixelTillXmm(int px) const
{
    return page().width() > 0 ? roundHalfEven(kPageWidthMm / page().width() * px) : 0;
}

int TDiagutform::YPixelTillmm(int px) const
{
    return page().height() > 0 ? roundHalfEven(kPageHeightMm / page().height() * px) : 0;
}

void TDiagutform::SkrivutDiaggen()
{
    if (!m_services.printer)
        return;
    Printer& p = *m_services.printer;
    const int copies = p.printDialog();
    if (copies <= 0)
        return;

    auto line = [&p](int x1, int y1, int x2, int y2) {
        p.moveTo(x1, y1);
        p.lineTo(x2, y2);
    };
    const int left = XmmTillPixel(kLeftMm);
    const int right = XmmTillPixel(kRightMm);
    const QString title = QStringLiteral("Report of the diagnosises from \"Vindra\" for ") +
                          cp1252::toUnicode(m_engine.diagnosis.current.name) + QStringLiteral(".");
    const int rows = grid()->rowCount();
    const int lastRow = rows - 1;

    for (int copy = 0; copy < copies; ++copy) {
        p.beginJob();
        p.setFont(PrinterFont{QStringLiteral("Arial"), 12, true});
        int y = 2;
        p.textOut(XmmTillPixel(kTitleMm), YmmTillPixel(y + 2), title);
        y += 10;
        for (int r = 0; r < rows; ++r) {
            const int top = YmmTillPixel(y);
            const int bottom = YmmTillPixel(y + kRuleLengthMm);
            line(left - 1, top, left - 1, bottom);
            line(left - 1, top, right + 1, top);
            p.textOut(left, YmmTillPixel(y + 2), cell(0, r));
            for (int c = 0; c < 4; ++c) {
                const int x = left + ProcentTillPixel(m_positions[static_cast<size_t>(c)]);
                line(x - 1, top, x - 1, bottom);
                // The subject and result of the total row sit a millimetre lower.
                const int dy = (r == lastRow && c < 2) ? 3 : 2;
                p.textOut(x, YmmTillPixel(y + dy), cell(c + 1, r));
            }
            line(right + 1, top, right + 1, bottom);
            y += kRowPitchMm;
        }
        line(left - 1, YmmTillPixel(y + 2), right + 1, YmmTillPixel(y + 2));
        p.endJob();
    }
    p.endDocument();
}

} // namespace vindra
