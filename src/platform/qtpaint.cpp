#include "qtpaint.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vindra::qtpaint {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kPatternStepMm = 1.2;
constexpr double kDotRadiusMm = 0.22;
constexpr QRgb kPatternColour = 0x404040;

int penWidth(int dpi)
{
    // A hairline of one device pixel is barely visible at printer resolution.
    return std::max(1, dpi / 150);
}

} // namespace

QFont fontOf(const PrinterFont& font)
{
    QFont f(font.family);
    f.setPointSize(font.points);
    f.setBold(font.bold);
    return f;
}

void drawText(QPainter& painter, const QPaintDevice* device, const PrinterFont& font, QPoint at,
              const QString& text)
{
    const QFont f = fontOf(font);
    painter.setFont(f);
    painter.setPen(Qt::black);
    const QFontMetrics fm(f, device);
    painter.drawText(QPoint(at.x(), at.y() + fm.ascent()), text);
}

int textWidth(const QPaintDevice* device, const PrinterFont& font, const QString& text)
{
    return QFontMetrics(fontOf(font), device).horizontalAdvance(text);
}

int textHeight(const QPaintDevice* device, const PrinterFont& font)
{
    return QFontMetrics(fontOf(font), device).height();
}

void drawLine(QPainter& painter, int dpi, QPoint from, QPoint to)
{
    QPen pen(Qt::black);
    pen.setWidth(penWidth(dpi));
    painter.setPen(pen);
    painter.drawLine(from, to);
}

void fillRect(QPainter& painter, int dpi, const QRect& rect, const PrinterFill& fill)
{
    if (rect.isEmpty())
        return;
    painter.fillRect(rect, QColor::fromRgb(fill.rgb));
    if (fill.pattern == FillPattern::Solid)
        return;

    const double step = dpi * kPatternStepMm / kMmPerInch;
    painter.save();
    painter.setClipRect(rect);
    painter.setRenderHint(QPainter::Antialiasing);
    if (fill.pattern == FillPattern::Hatch) {
        QPen pen{QColor::fromRgb(kPatternColour)};
        pen.setWidthF(penWidth(dpi));
        painter.setPen(pen);
        // Lines x + y = c, with c on one grid for the whole page.
        const int first = rect.left() + rect.top();
        const int last = rect.right() + rect.bottom();
        for (double c = std::ceil(first / step) * step; c <= last; c += step)
            painter.drawLine(QPointF(c - rect.top(), rect.top()),
                             QPointF(c - rect.bottom() - 1, rect.bottom() + 1));
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromRgb(kPatternColour));
        const double r = dpi * kDotRadiusMm / kMmPerInch;
        for (double y = std::floor(rect.top() / step) * step + step / 2; y <= rect.bottom() + r;
             y += step)
            for (double x = std::floor(rect.left() / step) * step + step / 2; x <= rect.right() + r;
                 x += step)
                painter.drawEllipse(QPointF(x, y), r, r);
    }
    painter.restore();
}

} // namespace vindra::qtpaint
