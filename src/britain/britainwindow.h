#pragma once

#include "engine/engine.h"
#include "framework/services.h"

#include <QByteArray>
#include <QDialog>
#include <QFont>
#include <QPixmap>
#include <QSize>

class QLabel;
class QPushButton;

namespace vindra {

/// What the three Britain windows (map, flag, anthem) share: full screen without a border, a
/// background colour, the screen's scale, the closing button and a picture of the material.
class BritainWindow : public QDialog {
    Q_OBJECT
public:
    BritainWindow(Engine& engine, const Services& services, const char* objectName,
                  const QColor& background, QWidget* parent);

protected:
    QSize screenSize() const { return m_screen; }
    int unit() const { return m_unit; }
    /// `value` scaled by the screen scale.
    int s(int value) const { return value * m_scale / 100; }
    /// Arial bold at `size` points (or pixels), scaled by the screen scale.
    QFont arial(int size, bool pixels) const;

    /// A label with its object name, in `colour`, on the window's background.
    QLabel* label(const char* name, const QColor& colour);
    /// A button with its object name, of the given size, its caption fitted to it.
    QPushButton* button(const char* name, const QString& caption, QSize size);

    /// The Britain picture `file` (catalogue), at most `room` large with its proportions kept:
    /// the bitmap from the hard-disk directory, else the CD directory; on a screen larger than
    /// the bitmaps are made for, or a high-density one, drawn from its SVG source instead. When
    /// the bitmap is in neither directory (or cannot be read) the window says so, "Filen " +
    /// CD directory + "\BILD\" + file + " finns inte eller är felaktig", and gets no picture.
    QPixmap picture(const QByteArray& file, QSize room);
    /// True on a screen where the pictures are drawn from their sources.
    bool drawsFromSources() const;

    Engine& m_engine;
    Services m_services;

private:
    QSize m_screen;
    int m_scale = 100;
    int m_unit = 1;
    double m_pixelRatio = 1.0;
};

} // namespace vindra
