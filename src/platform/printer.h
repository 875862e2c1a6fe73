#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace vindra {

/// The printer canvas's font: family, size in points, bold or not.
struct PrinterFont {
    QString family = QStringLiteral("Arial");
    int points = 10;
    bool bold = false;
    bool operator==(const PrinterFont&) const = default;
};

enum class PageOrientation { Portrait, Landscape };

/// A pattern laid over a fill, so that areas told apart by colour stay apart on a
/// black-and-white printer too.
enum class FillPattern {
    Solid, ///< the colour alone
    Dots,  ///< dark dots over the colour
    Hatch  ///< dark diagonal lines over the colour
};

/// How a rectangle is filled: a colour (0xRRGGBB) and a pattern over it.
struct PrinterFill {
    quint32 rgb = 0xFFFFFF;
    FillPattern pattern = FillPattern::Solid;
    bool operator==(const PrinterFill&) const = default;
};

/// The printer as the forms use it: a print dialog that returns the number of copies, the
/// page size in device pixels, and a canvas with a font, text at a point (its top-left
/// corner) and lines. Each print job is one page; all the jobs begun after one dialog form
/// one document, which `endDocument` closes.
class Printer {
public:
    virtual ~Printer() = default;

    /// Shows the standard print dialog. Returns the number of copies asked for, or 0 when
    /// the person cancelled (then nothing may be printed).
    virtual int printDialog() = 0;
    /// The page (the whole sheet) in device pixels, in the current orientation.
    virtual QSize pageSize() const = 0;
    /// The sheet's orientation, portrait unless set. Set it before the dialog; a form that
    /// changes it sets the earlier one back when it has printed, since the printer is shared.
    virtual void setOrientation(PageOrientation orientation) = 0;
    virtual PageOrientation orientation() const = 0;

    /// Begins a print job: the next page of the document.
    virtual void beginJob() = 0;
    /// Ends the current print job (page).
    virtual void endJob() = 0;
    /// Closes the document begun by the first job after the dialog.
    virtual void endDocument() = 0;

    virtual void setFont(const PrinterFont& font) = 0;
    virtual PrinterFont font() const = 0;
    /// Text with its top-left corner at (x, y), in the current font.
    virtual void textOut(int x, int y, const QString& text) = 0;
    virtual int textWidth(const QString& text) const = 0;
    virtual int textHeight(const QString& text) const = 0;
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    /// Fills `rect` (device pixels) without an outline.
    virtual void fillRect(const QRect& rect, const PrinterFill& fill) = 0;
};

/// A printer for tests: the dialog answers from a queue of copy counts (1 when it is
/// empty; 0 means cancelled), and every page, text, line and fill is recorded. Its page is
/// 10 pixels per millimetre of an A4 sheet (turned in landscape); a text is 2 × points pixels wide
/// per character and 4 × points pixels high, so layouts are the same on every machine.
class RecordingPrinter : public Printer {
public:
    struct Text {
        QPoint at;
        QString text;
        PrinterFont font;
    };
    struct Line {
        QPoint from;
        QPoint to;
    };
    struct Fill {
        QRect rect;
        PrinterFill fill;
    };
    struct Page {
        QList<Text> texts;
        QList<Line> lines;
        QList<Fill> fills;
        PageOrientation orientation = PageOrientation::Portrait;
    };

    static constexpr int kPixelsPerMm = 10;

    void answerDialog(int copies) { m_answers.push_back(copies); }

    int printDialog() override
    {
        ++m_dialogs;
        return m_answers.isEmpty() ? 1 : m_answers.takeFirst();
    }
    QSize pageSize() const override
    {
        const QSize portrait(210 * kPixelsPerMm, 297 * kPixelsPerMm);
        return m_orientation == PageOrientation::Portrait ? portrait : portrait.transposed();
    }
    void setOrientation(PageOrientation orientation) override { m_orientation = orientation; }
    PageOrientation orientation() const override { return m_orientation; }

    void beginJob() override
    {
        m_pages.push_back({});
        m_pages.last().orientation = m_orientation;
        m_inJob = true;
    }
    void endJob() override { m_inJob = false; }
    void endDocument() override { ++m_documents; }

    void setFont(const PrinterFont& font) override { m_font = font; }
    PrinterFont font() const override { return m_font; }
    void textOut(int x, int y, const QString& text) override
    {
        current().texts.push_back({{x, y}, text, m_font});
    }
    int textWidth(const QString& text) const override
    {
        return static_cast<int>(text.size()) * 2 * m_font.points;
    }
    int textHeight(const QString&) const override { return 4 * m_font.points; }
    void moveTo(int x, int y) override { m_pen = {x, y}; }
    void lineTo(int x, int y) override
    {
        current().lines.push_back({m_pen, {x, y}});
        m_pen = {x, y};
    }
    void fillRect(const QRect& rect, const PrinterFill& fill) override
    {
        current().fills.push_back({rect, fill});
    }

    const QList<Page>& pages() const { return m_pages; }
    int dialogs() const { return m_dialogs; }
    int documents() const { return m_documents; }
    /// True while a job is open (drawing outside a job is a fault of the caller).
    bool inJob() const { return m_inJob; }
    /// Every text drawn outside a job goes here, so that tests can see it.
    const Page& outsideJobs() const { return m_outside; }

private:
    Page& current() { return m_inJob && !m_pages.isEmpty() ? m_pages.last() : m_outside; }

    QList<int> m_answers;
    QList<Page> m_pages;
    Page m_outside;
    PrinterFont m_font;
    QPoint m_pen;
    PageOrientation m_orientation = PageOrientation::Portrait;
    int m_dialogs = 0;
    int m_documents = 0;
    bool m_inJob = false;
};

} // namespace vindra
