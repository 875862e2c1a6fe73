#pragma once

// The layout check: what a pupil would see as broken in a window, measured on its widgets.
// A visible control must lie on the screen and inside its parent, must not cover a visible
// sibling unless one of the two is meant to lie on top (`look::kOverlayProperty`), and its text
// must fit its rectangle in the control's own font. Shapes and plain panels without controls
// of their own are backgrounds: texts and controls may lie on them.

#include "framework/look.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTextDocument>
#include <QWidget>

namespace vindra::test {

namespace layout {

inline QString describe(const QWidget* w)
{
    const QString name = w->objectName().isEmpty()
                             ? QString::fromLatin1(w->metaObject()->className())
                             : w->objectName();
    return name;
}

inline QString rectText(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

/// The caption as drawn: "&Help" shows "Help", "&&" one "&".
inline QString shownText(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

/// Widgets whose children are their own business (scroll bars, viewports, spin buttons).
inline bool ownsItsInside(const QWidget* w)
{
    return qobject_cast<const QAbstractScrollArea*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QLineEdit*>(w);
}

inline bool isOverlay(const QWidget* w)
{
    return w->property(look::kOverlayProperty).toBool();
}

/// A label without text or picture draws nothing.
inline bool drawsNothing(const QWidget* w)
{
    const auto* label = qobject_cast<const QLabel*>(w);
    return label && label->text().isEmpty() && label->pixmap().isNull() &&
           !label->autoFillBackground();
}

/// Two labels one above the other whose boxes overlap by no more than a quarter of a line (and
/// a pixel of rounding): the room above the capitals and below the baseline overlaps, the
/// glyphs stay apart. The header places its three lines three quarters of a line apart.
inline bool linesOfOneText(const QWidget* a, const QWidget* b)
{
    if (!qobject_cast<const QLabel*>(a) || !qobject_cast<const QLabel*>(b))
        return false;
    const QRect common = a->geometry().intersected(b->geometry());
    const bool stacked = common.width() == std::min(a->width(), b->width()) || a->x() == b->x();
    return stacked && common.height() <= std::min(a->height(), b->height()) / 4 + 1;
}

/// A shape or plain panel without controls of its own: what texts and controls are laid on.
inline bool isBackground(const QWidget* w)
{
    const QByteArray kind = w->metaObject()->className();
    if (kind != "QFrame" && kind != "QWidget" && kind != "vindra::RoundedBox")
        return false;
    for (const QObject* o : w->children())
        if (const auto* c = qobject_cast<const QWidget*>(o);
            c && !c->isWindow() && c->isVisibleTo(w))
            return false;
    return true;
}

/// How much room the text of `w` needs against how much it has; empty when it fits or when
/// `w` shows no text of its own.
inline QString textFault(const QWidget* w)
{
    const QFontMetrics fm(w->font());
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return {};
        const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                          -label->margin(), -label->margin());
        QSize need;
        const bool rich =
            label->textFormat() == Qt::RichText ||
            (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
        if (rich) {
            QTextDocument doc;
            doc.setDefaultFont(label->font());
            doc.setDocumentMargin(0);
            doc.setHtml(label->text());
            if (label->wordWrap())
                doc.setTextWidth(room.width());
            need = QSize(int(doc.idealWidth() + 0.999), int(doc.size().height() + 0.999));
            if (label->wordWrap())
                need.setWidth(std::min(need.width(), room.width()));
        } else if (label->wordWrap()) {
            need =
                fm.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, label->text())
                    .size();
        } else {
            const QStringList lines = label->text().split(QLatin1Char('\n'));
            int width = 0;
            for (const QString& line : lines)
                width = std::max(width, fm.horizontalAdvance(line));
            need = QSize(width, fm.height() + (lines.size() - 1) * fm.lineSpacing());
        }
        if (need.width() > room.width() || need.height() > room.height())
            return QStringLiteral("text \"%1\" needs %2x%3, has %4x%5")
                .arg(label->text().left(40))
                .arg(need.width())
                .arg(need.height())
                .arg(room.width())
                .arg(room.height());
        return {};
    }
    if (const auto* box = qobject_cast<const QLineEdit*>(w)) {
        if (fm.height() > box->height() - 2)
            return QStringLiteral("font %1 px high in a box %2 px high")
                .arg(fm.height())
                .arg(box->height());
        return {};
    }
    if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
        const QSize need = w->sizeHint();
        if (need.width() > w->width() || fm.height() > w->height())
            return QStringLiteral("needs %1x%2, has %3x%4")
                .arg(need.width())
                .arg(need.height())
                .arg(w->width())
                .arg(w->height());
        return {};
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        const QString text = shownText(button->text());
        if (text.isEmpty())
            return {};
        // The caption needs its own size and a little room for the button's frame.
        const QSize need = fm.size(Qt::TextSingleLine, text) + QSize(6, 2);
        if (need.width() > button->width() || need.height() > button->height())
            return QStringLiteral("caption \"%1\" needs %2x%3, has %4x%5")
                .arg(text)
                .arg(need.width())
                .arg(need.height())
                .arg(button->width())
                .arg(button->height());
    }
    return {};
}

inline void collect(QWidget* window, QWidget* parent, const QRect& screen, bool framed,
                    QStringList& faults)
{
    QList<QWidget*> shown;
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow() || !w->isVisibleTo(window) || w->size().isEmpty() ||
            drawsNothing(w))
            continue;
        shown.append(w);
    }
    for (QWidget* w : shown) {
        const QRect onScreen(w->mapTo(window, QPoint(0, 0)) + (framed ? QPoint() : window->pos()),
                             w->size());
        if (!(framed ? QRect(QPoint(), screen.size()) : screen).contains(onScreen))
            faults << describe(w) + QStringLiteral(" off the screen at ") + rectText(onScreen);
        else if (!parent->rect().contains(w->geometry()))
            faults << describe(w) + QStringLiteral(" cut off by ") + describe(parent) +
                          QStringLiteral(": ") + rectText(w->geometry()) + QStringLiteral(" in ") +
                          rectText(parent->rect());
        const QString text = textFault(w);
        if (!text.isEmpty())
            faults << describe(w) + QStringLiteral(": ") + text;
    }
    for (qsizetype i = 0; i < shown.size(); ++i)
        for (qsizetype j = i + 1; j < shown.size(); ++j) {
            QWidget* a = shown[i];
            QWidget* b = shown[j];
            if (isOverlay(a) || isOverlay(b) || isBackground(a) || isBackground(b) ||
                !a->geometry().intersects(b->geometry()) || linesOfOneText(a, b))
                continue;
            faults << describe(a) + QStringLiteral(" ") + rectText(a->geometry()) +
                          QStringLiteral(" covers ") + describe(b) + QStringLiteral(" ") +
                          rectText(b->geometry());
        }
    for (QWidget* w : shown)
        if (!ownsItsInside(w))
            collect(window, w, screen, framed, faults);
}

} // namespace layout

/// Every layout fault of the shown window `window` on a screen of `screen` pixels.
inline QStringList layoutFaults(QWidget* window, QSize screen)
{
    QStringList faults;
    const QRect screenRect(QPoint(0, 0), screen);
    // A window with a frame is placed by the window manager: it must fit the screen. A
    // frameless one places itself.
    const bool framed = !window->windowFlags().testFlag(Qt::FramelessWindowHint);
    if (framed ? window->width() > screen.width() || window->height() > screen.height()
               : !screenRect.contains(window->geometry()))
        faults << layout::describe(window) + QStringLiteral(" off the screen at ") +
                      layout::rectText(window->geometry());
    layout::collect(window, window, screenRect, framed, faults);
    return faults;
}

} // namespace vindra::test
