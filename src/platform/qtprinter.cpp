#include "qtprinter.h"

#include "qtpaint.h"

#include <QApplication>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

namespace vindra {

QtPrinter::QtPrinter() : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_printer->setPageSize(QPageSize(QPageSize::A4));
    m_printer->setPageOrientation(QPageLayout::Portrait);
    // The layout is measured in millimetres from the sheet's edges, not from the printable
    // area, so the whole sheet is the canvas.
    m_printer->setFullPage(true);
    m_printer->setDocName(QStringLiteral("Vindra"));
}

QtPrinter::~QtPrinter()
{
    if (m_painter.isActive())
        m_painter.end();
}

void QtPrinter::printToPdf(const QString& path, int copies)
{
    m_pdfPath = path;
    m_pdfCopies = copies;
}

int QtPrinter::printDialog()
{
    int copies = 0;
    if (!m_pdfPath.isEmpty()) {
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_pdfPath);
        copies = m_pdfCopies;
        m_pdfPath.clear();
    } else {
        m_printer->setCopyCount(1);
        QPrintDialog dialog(m_printer.get(), QApplication::activeWindow());
        dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
        if (dialog.exec() != QDialog::Accepted)
            return 0;
        copies = std::max(1, m_printer->copyCount());
    }
    // The caller prints each copy itself (each starting at page 1), so the driver must not
    // multiply them again.
    m_printer->setCopyCount(1);
    m_pageUsed = false;
    m_failed = false;
    return copies;
}

QSize QtPrinter::pageSize() const
{
    return m_printer->paperRect(QPrinter::DevicePixel).size().toSize();
}

void QtPrinter::setOrientation(PageOrientation orientation)
{
    m_printer->setPageOrientation(
        orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

PageOrientation QtPrinter::orientation() const
{
    return m_printer->pageLayout().orientation() == QPageLayout::Landscape
               ? PageOrientation::Landscape
               : PageOrientation::Portrait;
}

void QtPrinter::beginJob()
{
    if (!m_painter.isActive()) {
        // A document that could not be begun stays failed: its later pages go nowhere.
        if (!m_pageUsed)
            m_failed = !m_painter.begin(m_printer.get());
        m_pageUsed = true;
        return;
    }
    if (m_pageUsed)
        m_printer->newPage();
    m_pageUsed = true;
}

void QtPrinter::endJob() {}

void QtPrinter::endDocument()
{
    if (m_painter.isActive() && !m_painter.end())
        m_failed = true;
    m_pageUsed = false;
}

void QtPrinter::textOut(int x, int y, const QString& text)
{
    if (m_painter.isActive())
        qtpaint::drawText(m_painter, m_printer.get(), m_font, {x, y}, text);
}

int QtPrinter::textWidth(const QString& text) const
{
    return qtpaint::textWidth(m_printer.get(), m_font, text);
}

int QtPrinter::textHeight(const QString&) const
{
    return qtpaint::textHeight(m_printer.get(), m_font);
}

void QtPrinter::lineTo(int x, int y)
{
    if (m_painter.isActive())
        qtpaint::drawLine(m_painter, m_printer->resolution(), m_pen, {x, y});
    m_pen = {x, y};
}

void QtPrinter::fillRect(const QRect& rect, const PrinterFill& fill)
{
    if (m_painter.isActive())
        qtpaint::fillRect(m_painter, m_printer->resolution(), rect, fill);
}

} // namespace vindra
