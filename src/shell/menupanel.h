#pragma once

#include <QColor>
#include <QFrame>
#include <QPainter>

namespace vindra {

/// The raised panel that holds a menu's buttons. Its colour is painted rather than set in its
/// palette: a palette of the panel's own would give each of its buttons a palette of its own,
/// and the style keeps one drawn button face for every palette (eleven copies of one face in
/// the main menu, 1.6 MB on a 1920x1080 screen, instead of one or two).
class MenuPanel : public QFrame {
public:
    using QFrame::QFrame;

    QColor fill() const { return m_fill; }
    void setFill(const QColor& colour)
    {
        m_fill = colour;
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter(this).fillRect(rect(), m_fill);
        QFrame::paintEvent(event);
    }

private:
    QColor m_fill;
};

} // namespace vindra
