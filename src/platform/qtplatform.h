#pragma once

#include "messages.h"
#include "screen.h"
#include "textmeasure.h"

class QFont;
class QWidget;

namespace vindra {

/// Real message boxes (QMessageBox) with an OK button, or Yes and No for a confirmation.
class QtMessages : public Messages {
public:
    void show(MessageKind kind, const QString& text) override;
    bool confirm(const QString& text) override;
    bool retry(const QString& text) override;
};

/// Text widths from Qt's font metrics. "Arial" resolves to Liberation Sans through
/// fontconfig, a metric twin, so widths match the forms' layout rules.
class QtTextMeasure : public TextMeasure {
public:
    int width(const QString& text, const FontSpec& font) const override;
};

/// The primary screen's size.
class QtScreen : public Screen {
public:
    QSize size() const override;
    double pixelRatio() const override;
};

/// The QFont of a FontSpec, for forms that draw or lay out text.
QFont toQFont(const FontSpec& fontSpec);

/// Brings the memory of a created top-level `window`'s drawing surface in at once, ahead of its
/// first paint. Left to the first paint, that memory is brought in a page at a time as the
/// paint fills it, which costs several times as much and is most of the time between showing
/// a full-screen window and seeing it. The surface is made at the window's present size.
void prepareWindowSurface(QWidget& window);

} // namespace vindra
