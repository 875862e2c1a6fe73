#pragma once

#include "printer.h"

#include <QFont>

class QPainter;
class QPaintDevice;

/// Drawing of the printer canvas with a QPainter, shared by the Qt printers: the paper and
/// the image pages look the same.
namespace vindra::qtpaint {

QFont fontOf(const PrinterFont& font);

/// Text in black with its top-left corner at `at`, in `font` measured on `device`.
void drawText(QPainter& painter, const QPaintDevice* device, const PrinterFont& font, QPoint at,
              const QString& text);
int textWidth(const QPaintDevice* device, const PrinterFont& font, const QString& text);
int textHeight(const QPaintDevice* device, const PrinterFont& font);

/// A black line, thick enough to be seen at any resolution (`dpi` of the device).
void drawLine(QPainter& painter, int dpi, QPoint from, QPoint to);

/// The colour of `fill` over `rect`, and its pattern over that, spaced in millimetres so that
/// dots and hatching look alike on paper and on screen and meet across neighbouring areas.
void fillRect(QPainter& painter, int dpi, const QRect& rect, const PrinterFill& fill);

} // namespace vindra::qtpaint
