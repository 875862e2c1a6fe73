#pragma once

#include "printer.h"

#include <QStringList>

#include <memory>

namespace vindra {

class Messages;

/// The program's printer. Qt PrintSupport is loaded with the module `vindra-print` at the
/// first printout, not when the program starts: most sessions print nothing, and the main
/// window must come up quickly. Until then the page is an A4 sheet at the print resolution.
/// A module that cannot be loaded makes the print dialog say why and print nothing; the
/// program goes on.
class QtLazyPrinter : public Printer {
public:
    /// `moduleDirs` are searched in order for the module file; `messages` (may be null) tells
    /// the person when the module cannot be loaded.
    QtLazyPrinter(QStringList moduleDirs, Messages* messages);
    ~QtLazyPrinter() override;

    /// The module's file name, built beside the program and installed in the program's own
    /// library directory.
    static QString moduleFileName();
    /// The sheet before the module is loaded, or without it: A4 at 1200 dots per inch.
    static QSize a4();

    int printDialog() override;
    QSize pageSize() const override;
    void setOrientation(PageOrientation orientation) override;
    PageOrientation orientation() const override;
    void beginJob() override;
    void endJob() override;
    void endDocument() override;
    void setFont(const PrinterFont& font) override;
    PrinterFont font() const override;
    void textOut(int x, int y, const QString& text) override;
    int textWidth(const QString& text) const override;
    int textHeight(const QString& text) const override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void fillRect(const QRect& rect, const PrinterFill& fill) override;

private:
    /// The module's printer, loaded once; null (with m_loadError set) when it cannot be.
    Printer* printer() const;

    QStringList m_dirs;
    Messages* m_messages;
    mutable std::unique_ptr<Printer> m_printer;
    mutable QString m_loadError;
    mutable bool m_tried = false;
    PageOrientation m_orientation = PageOrientation::Portrait;
    PrinterFont m_font;
};

} // namespace vindra
