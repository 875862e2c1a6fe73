#include "qtimageprinter.h"

#include "qtpaint.h"

#include <cmath>

namespace vindra {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr int kGapPixels = 24;
constexpr QRgb kGapColour = 0x808080;

} // namespace

QtImagePrinter::QtImagePrinter(int dpi) : m_dpi(dpi), m_metrics(1, 1, QImage::Format_RGB32)
{
    const int dotsPerMetre = static_cast<int>(std::lround(dpi / kMmPerInch * 1000));
    m_metrics.setDotsPerMeterX(dotsPerMetre);
    m_metrics.setDotsPerMeterY(dotsPerMetre);
}

QtImagePrinter::~QtImagePrinter()
{
    endJob();
}

QSize QtImagePrinter::pageSize() const
{
    const QSize portrait(static_cast<int>(std::lround(210 / kMmPerInch * m_dpi)),
                         static_cast<int>(std::lround(297 / kMmPerInch * m_dpi)));
    return m_orientation == PageOrientation::Portrait ? portrait : portrait.transposed();
}

QImage QtImagePrinter::blankPage() const
{
    QImage page(pageSize(), QImage::Format_RGB32);
    page.setDotsPerMeterX(m_metrics.dotsPerMeterX());
    page.setDotsPerMeterY(m_metrics.dotsPerMeterY());
    page.fill(Qt::white);
    return page;
}

void QtImagePrinter::beginJob()
{
    endJob();
    m_pages.append(blankPage());
    m_painter.begin(&m_pages.last());
}

void QtImagePrinter::endJob()
{
    if (m_painter.isActive())
        m_painter.end();
}

void QtImagePrinter::textOut(int x, int y, const QString& text)
{
    if (m_painter.isActive())
        qtpaint::drawText(m_painter, &m_metrics, m_font, {x, y}, text);
}

int QtImagePrinter::textWidth(const QString& text) const
{
    return qtpaint::textWidth(&m_metrics, m_font, text);
}

int QtImagePrinter::textHeight(const QString&) const
{
    return qtpaint::textHeight(&m_metrics, m_font);
}

void QtImagePrinter::lineTo(int x, int y)
{
    if (m_painter.isActive())
        qtpaint::drawLine(m_painter, m_dpi, m_pen, {x, y});
    m_pen = {x, y};
}

void QtImagePrinter::fillRect(const QRect& rect, const PrinterFill& fill)
{
    if (m_painter.isActive())
        qtpaint::fillRect(m_painter, m_dpi, rect, fill);
}

bool QtImagePrinter::savePng(const QString& path) const
{
    if (m_pages.isEmpty())
        return false;
    int width = 0;
    int height = 0;
    for (const QImage& page : m_pages) {
        width = std::max(width, page.width());
        height += page.height();
    }
    height += kGapPixels * (static_cast<int>(m_pages.size()) - 1);
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.setDotsPerMeterX(m_metrics.dotsPerMeterX());
    sheet.setDotsPerMeterY(m_metrics.dotsPerMeterY());
    sheet.fill(QColor::fromRgb(kGapColour));
    {
        QPainter p(&sheet);
        int y = 0;
        for (const QImage& page : m_pages) {
            p.drawImage(0, y, page);
            y += page.height() + kGapPixels;
        }
    }
    return sheet.save(path, "PNG");
}

} // namespace vindra
