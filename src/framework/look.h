#pragma once

#include "platform/qtplatform.h"
#include "platform/textmeasure.h"

#include <QColor>
#include <QFont>
#include <QString>

namespace vindra::look {

// The colours every window is painted in.
inline const QColor kNavy(0, 0, 128);
inline const QColor kMaroon(128, 0, 0);
inline const QColor kGreen(0, 128, 0);
inline const QColor kSilver(192, 192, 192);
inline const QColor kYellow(255, 255, 0);
inline const QColor kLime(0, 255, 0);
inline const QColor kRed(255, 0, 0);
inline const QColor kBlue(0, 0, 255);

/// Arial (Liberation Sans on Linux) at `size` points, or pixels, bold by default.
inline QFont arial(int size, bool pixels = false, bool bold = true)
{
    return toQFont(FontSpec{QStringLiteral("Arial"), size, pixels, bold});
}

/// `value` scaled by the screen scale (percent).
constexpr int scaled(int value, int screenScale)
{
    return value * screenScale / 100;
}

/// A label's text colour on a transparent background.
inline QString colourStyle(const QColor& c)
{
    return QStringLiteral("color: %1; background: transparent;").arg(c.name());
}

} // namespace vindra::look
