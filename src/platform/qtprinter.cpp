#include "qtprinter.h"

#include "qtpaint.h"

#include <QApplication>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

namespace vindra {

QtPrinter::QtPrinter() = default;

QPrinter& QtPrinter::device() const
{
    // The print system (its plug-in, the printer list, the default printer's resolution) is
    // asked only when something is measured or printed, not at every start of the program.
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageSize(QPageSize(QPageSize::A4));
        m_printer->setPageOrientation(QPageLayout::Portrait);
        // The layout is measured in millimetres from the sheet's edges, not from the
        // printable area, so the whole sheet is the canvas.
        m_printer->setFullPage(true);
        m_printer->setDocName(QStringLiteral("Vindra"));
    }
    return *m_printer;
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
        device().setOutputFormat(QPrinter::PdfFormat);
        device().setOutputFileName(m_pdfPath);
        copies = m_pdfCopies;
        m_pdfPath.clear();
    } else {
        device().setCopyCount(1);
        QPrintDialog dialog(&device(), QApplication::activeWindow());
        dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
        if (dialog.exec() != QDialog::Accepted)
            return 0;
        copies = std::max(1, device().copyCount());
    }
    // The caller prints each copy itself (each starting at page 1), so the driver must not
    // multiply them again.
    device().setCopyCount(1);
    m_pageUsed = false;
    m_failed = false;
    return copies;
}

QSize QtPrinter::pageSize() const
{
    return device().paperRect(QPrinter::DevicePixel).size().toSize();
}

void QtPrinter::setOrientation(PageOrientation orientation)
{
    device().setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait);
}

PageOrientation QtPrinter::orientation() const
{
    return device().pageLayout().orientation() == QPageLayout::Landscape
               ? PageOrientation::Landscape
               : PageOrientation::Portrait;
}

void QtPrinter::beginJob()
{
    if (!m_painter.isActive()) {
        // A document that could not be begun stays failed: its later pages go nowhere.
        if (!m_pageUsed)
            m_failed = !m_painter.begin(&device());
        m_pageUsed = true;
        return;
    }
    if (m_pageUsed)
        device().newPage();
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
        qtpaint::drawText(m_painter, &device(), m_font, {x, y}, text);
}

int QtPrinter::textWidth(const QString& text) const
{
    return qtpaint::textWidth(&device(), m_font, text);
}

int QtPrinter::textHeight(const QString&) const
{
    return qtpaint::textHeight(&device(), m_font);
}

void QtPrinter::lineTo(int x, int y)
{
    if (m_painter.isActive())
        qtpaint::drawLine(m_painter, device().resolution(), m_pen, {x, y});
    m_pen = {x, y};
}

void QtPrinter::fillRect(const QRect& rect, const PrinterFill& fill)
{
    if (m_painter.isActive())
        qtpaint::fillRect(m_painter, device().resolution(), rect, fill);
}

} // namespace vindra
