#pragma once

#include "platform/qtplatform.h"
#include "platform/textmeasure.h"

#include <QColor>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QString>
#include <QWidget>

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

/// The property that marks a control laid on top of others on purpose (the button bar over
/// the question, the ending picture over the answer, a caption over a picture), so that the
/// layout check lets it cover its siblings.
inline constexpr char kOverlayProperty[] = "liesOnTop";

inline void setLiesOnTop(QWidget* w)
{
    w->setProperty(kOverlayProperty, true);
}

/// Makes the font of `w` smaller, a pixel at a time down to 8 pixels, until `text` (a caption
/// whose "&" marks its shortcut) fits on one line in `room` with a few pixels for a frame. The
/// forms scale their fonts with the screen and place their controls in layout units; on some
/// screens a caption would otherwise be cut off.
inline void fitFont(QWidget* w, QString text, QSize room)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    QFont f = w->font();
    int pixels = QFontInfo(f).pixelSize();
    auto fits = [&] {
        const QFontMetrics fm(f);
        return fm.horizontalAdvance(text) + 8 <= room.width() && fm.height() + 2 <= room.height();
    };
    while (!fits() && pixels > 8) {
        f.setPixelSize(--pixels);
    }
    if (f != w->font())
        w->setFont(f);
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

/// A label named `name` (its object name) in text colour `colour`, child of `parent`.
inline QLabel* colouredLabel(const QString& name, const QColor& colour, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setStyleSheet(colourStyle(colour));
    return label;
}

} // namespace vindra::look
