#include "qtlazyprinter.h"

#include "messages.h"
#include "modules.h"

namespace vindra {

namespace {
using CreatePrinter = Printer* (*)();
} // namespace

QtLazyPrinter::QtLazyPrinter(QStringList moduleDirs, Messages* messages)
    : m_dirs(std::move(moduleDirs)), m_messages(messages)
{
}

// The module's printer goes first; the library stays mapped for the rest of the run.
QtLazyPrinter::~QtLazyPrinter() = default;

QString QtLazyPrinter::moduleFileName()
{
    return QStringLiteral("vindra-print.so");
}

QSize QtLazyPrinter::a4()
{
    return {9921, 14031}; // 210 × 297 mm at 1200 dpi
}

Printer* QtLazyPrinter::printer() const
{
    if (m_tried)
        return m_printer.get();
    m_tried = true;
    const auto create = reinterpret_cast<CreatePrinter>(
        resolveModule(m_dirs, moduleFileName(), "vindra_create_printer", m_loadError));
    if (!create)
        return nullptr;
    m_printer.reset(create());
    // What was set before the first printout carries over.
    m_printer->setOrientation(m_orientation);
    m_printer->setFont(m_font);
    return m_printer.get();
}

int QtLazyPrinter::printDialog()
{
    if (Printer* p = printer())
        return p->printDialog();
    if (m_messages)
        m_messages->show(MessageKind::Error,
                         QStringLiteral("Det g\u00e5r inte att skriva ut: %1").arg(m_loadError));
    return 0;
}

QSize QtLazyPrinter::pageSize() const
{
    if (m_printer)
        return m_printer->pageSize();
    const QSize sheet = a4();
    return m_orientation == PageOrientation::Landscape ? sheet.transposed() : sheet;
}

void QtLazyPrinter::setOrientation(PageOrientation orientation)
{
    m_orientation = orientation;
    if (m_printer)
        m_printer->setOrientation(orientation);
}

PageOrientation QtLazyPrinter::orientation() const
{
    return m_printer ? m_printer->orientation() : m_orientation;
}

// A job is only ever begun after a print dialog that loaded the module.
void QtLazyPrinter::beginJob()
{
    if (Printer* p = printer())
        p->beginJob();
}

void QtLazyPrinter::endJob()
{
    if (m_printer)
        m_printer->endJob();
}

void QtLazyPrinter::endDocument()
{
    if (m_printer)
        m_printer->endDocument();
}

void QtLazyPrinter::setFont(const PrinterFont& font)
{
    m_font = font;
    if (m_printer)
        m_printer->setFont(font);
}

PrinterFont QtLazyPrinter::font() const
{
    return m_printer ? m_printer->font() : m_font;
}

void QtLazyPrinter::textOut(int x, int y, const QString& text)
{
    if (m_printer)
        m_printer->textOut(x, y, text);
}

int QtLazyPrinter::textWidth(const QString& text) const
{
    if (Printer* p = printer())
        return p->textWidth(text);
    return 0;
}

int QtLazyPrinter::textHeight(const QString& text) const
{
    if (Printer* p = printer())
        return p->textHeight(text);
    return 0;
}

void QtLazyPrinter::moveTo(int x, int y)
{
    if (m_printer)
        m_printer->moveTo(x, y);
}

void QtLazyPrinter::lineTo(int x, int y)
{
    if (m_printer)
        m_printer->lineTo(x, y);
}

void QtLazyPrinter::fillRect(const QRect& rect, const PrinterFill& fill)
{
    if (m_printer)
        m_printer->fillRect(rect, fill);
}

} // namespace vindra
