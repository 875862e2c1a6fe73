// The module `vindra-print`: the printer on Qt PrintSupport, loaded by the program at its first
// printout (platform/qtlazyprinter.h).

#include "platform/qtprinter.h"

extern "C" Q_DECL_EXPORT vindra::Printer* vindra_create_printer()
{
    return new vindra::QtPrinter;
}
