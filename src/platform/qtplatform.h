#pragma once

#include "messages.h"
#include "screen.h"
#include "textmeasure.h"

#include <QObject>

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
/// paint fills it, which costs several times as much: on a 1920x1080 screen it was some ten of
/// the twenty milliseconds from showing a full-screen window to seeing it. The surface is made
/// at the window's present size.
void prepareWindowSurface(QWidget& window);

/// Prepares the surface of every window of the application as it is shown
/// (prepareWindowSurface): the main window, the menus, the forms and the dialogs.
class WindowSurfaces : public QObject {
public:
    /// Needs the application; watches it while this lives.
    WindowSurfaces();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vindra
