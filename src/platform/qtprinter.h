#pragma once

#include "printer.h"

#include <QPainter>

#include <memory>

class QPrinter;
class QWidget;

namespace vindra {

/// The printer on Qt PrintSupport: the standard print dialog (where a person can also pick a
/// PDF file), an A4 sheet addressed as a whole in device pixels, and every job after one
/// dialog as a new page of one document. The copies asked for in the dialog are returned to
/// the caller, which prints them itself, so the printer is always set to one copy.
class QtPrinter : public Printer {
public:
    QtPrinter();
    ~QtPrinter() override;

    /// The next dialog is not shown: it answers `copies` and the document goes to the PDF
    /// file `path` (for scripted runs and tests).
    void printToPdf(const QString& path, int copies = 1);

    /// False when the last document could not be written (a PDF file in a directory that
    /// cannot be written, a printer that refused the job).
    bool lastDocumentWritten() const { return !m_failed; }

    int printDialog() override;
    QSize pageSize() const override;
    void setOrientation(PageOrientation orientation) override;
    PageOrientation orientation() const override;
    void beginJob() override;
    void endJob() override;
    void endDocument() override;
    void setFont(const PrinterFont& font) override { m_font = font; }
    PrinterFont font() const override { return m_font; }
    void textOut(int x, int y, const QString& text) override;
    int textWidth(const QString& text) const override;
    int textHeight(const QString& text) const override;
    void moveTo(int x, int y) override { m_pen = {x, y}; }
    void lineTo(int x, int y) override;
    void fillRect(const QRect& rect, const PrinterFill& fill) override;

private:
    /// The Qt printer, made on first use.
    QPrinter& device() const;

    mutable std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    PrinterFont m_font;
    QPoint m_pen;
    QString m_pdfPath;
    int m_pdfCopies = 0;
    bool m_pageUsed = false;
    bool m_failed = false;
};

} // namespace vindra
