#pragma once

#include "printer.h"

#include <QImage>
#include <QPainter>

namespace vindra {

/// A printer whose pages are images, for a look at a printout without paper or a PDF viewer:
/// an A4 sheet at `dpi` dots per inch, white, drawn like the paper printer draws. The dialog
/// is never shown and answers one copy.
class QtImagePrinter : public Printer {
public:
    explicit QtImagePrinter(int dpi = 150);
    ~QtImagePrinter() override;

    /// Every page one under the other, a grey band between them, as one PNG file.
    bool savePng(const QString& path) const;

    int printDialog() override { return 1; }
    QSize pageSize() const override;
    void setOrientation(PageOrientation orientation) override { m_orientation = orientation; }
    PageOrientation orientation() const override { return m_orientation; }
    void beginJob() override;
    void endJob() override;
    void endDocument() override { endJob(); }
    void setFont(const PrinterFont& font) override { m_font = font; }
    PrinterFont font() const override { return m_font; }
    void textOut(int x, int y, const QString& text) override;
    int textWidth(const QString& text) const override;
    int textHeight(const QString& text) const override;
    void moveTo(int x, int y) override { m_pen = {x, y}; }
    void lineTo(int x, int y) override;
    void fillRect(const QRect& rect, const PrinterFill& fill) override;

private:
    QImage blankPage() const;

    int m_dpi;
    QImage m_metrics; ///< measures text at the pages' resolution between pages too
    QList<QImage> m_pages;
    QPainter m_painter;
    PrinterFont m_font;
    QPoint m_pen;
    PageOrientation m_orientation = PageOrientation::Portrait;
};

} // namespace vindra
