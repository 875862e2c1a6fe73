#include "qtprinter.h"

#include <QApplication>
#include <QFontMetrics>
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
    return copies;
}

QSize QtPrinter::pageSize() const
{
    return m_printer->paperRect(QPrinter::DevicePixel).size().toSize();
}

void QtPrinter::beginJob()
{
    if (!m_painter.isActive()) {
        m_painter.begin(m_printer.get());
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
    if (m_painter.isActive())
        m_painter.end();
    m_pageUsed = false;
}

QFont QtPrinter::qfont() const
{
    QFont f(m_font.family);
    f.setPointSize(m_font.points);
    f.setBold(m_font.bold);
    return f;
}

void QtPrinter::textOut(int x, int y, const QString& text)
{
    if (!m_painter.isActive())
        return;
    const QFont f = qfont();
    m_painter.setFont(f);
    m_painter.setPen(Qt::black);
    const QFontMetrics fm(f, m_printer.get());
    m_painter.drawText(QPoint(x, y + fm.ascent()), text);
}

int QtPrinter::textWidth(const QString& text) const
{
    return QFontMetrics(qfont(), m_printer.get()).horizontalAdvance(text);
}

int QtPrinter::textHeight(const QString&) const
{
    return QFontMetrics(qfont(), m_printer.get()).height();
}

void QtPrinter::lineTo(int x, int y)
{
    if (m_painter.isActive()) {
        // A hairline of one device pixel is barely visible at printer resolution.
        QPen pen(Qt::black);
        pen.setWidth(std::max(1, m_printer->resolution() / 150));
        m_painter.setPen(pen);
        m_painter.drawLine(m_pen, QPoint(x, y));
    }
    m_pen = {x, y};
}

} // namespace vindra
