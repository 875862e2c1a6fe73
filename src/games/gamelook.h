#pragma once

#include "framework/look.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPalette>

#include <algorithm>

/// The small pieces the game windows are built of: raised panels, labels, background colours
/// and labels whose font shrinks until their text fits.
namespace vindra::gamelook {

inline void fill(QWidget* w, const QColor& colour)
{
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    // A panel that takes no click for a moment stays readable.
    pal.setColor(QPalette::Disabled, QPalette::WindowText, Qt::black);
    w->setPalette(pal);
}

inline QFrame* panel(QWidget* parent, const QString& name, const QColor& colour)
{
    auto* p = new QFrame(parent);
    p->setObjectName(name);
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    p->setLineWidth(2);
    fill(p, colour);
    return p;
}

inline QLabel* label(QWidget* parent, const QString& name, const QString& text = {})
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

/// Makes a label's font smaller until its text, every line of it, fits inside its frame.
inline void fitLabel(QLabel* l)
{
    if (l->text().isEmpty())
        return;
    QFont f = l->font();
    int pixels = QFontInfo(f).pixelSize();
    const QSize room = l->contentsRect().size();
    const QStringList rows = l->text().split(QLatin1Char('\n'));
    auto fits = [&] {
        const QFontMetrics fm(f);
        int width = 0;
        for (const QString& r : rows)
            width = std::max(width, fm.horizontalAdvance(r));
        return width + 4 <= room.width() &&
               fm.height() + (rows.size() - 1) * fm.lineSpacing() + 1 <= room.height();
    };
    while (!fits() && pixels > 6)
        f.setPixelSize(--pixels);
    if (f != l->font())
        l->setFont(f);
}

} // namespace vindra::gamelook
