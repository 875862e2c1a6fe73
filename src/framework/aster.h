#pragma once

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QWidget>

#include <array>
#include <random>

namespace vindra {

/// The progress boxes: a column of boxes, one per item of a round, filled from the bottom
/// up. A right answer shows a two-coloured star in its box, a wrong answer a white square.
/// The control has no input of its own; the exercise form drives it (see ExerciseForm).
class TAster : public QWidget {
    Q_OBJECT
public:
    /// `screenHeight` chooses the box size shared by every column.
    explicit TAster(int screenHeight, QWidget* parent = nullptr);

    /// Height in pixels of one box for a screen `screenHeight` pixels high.
    static int boxSizeFor(int screenHeight);
    static int boxSize() { return s_boxSize; }

    int RutNummer() const { return m_rutNummer; }
    /// Stores a new count of filled boxes and updates the control; the same value does nothing.
    void setRutNummer(int v);

    bool Visa() const { return m_visa; }
    void setVisa(bool v);

    bool Ratt() const { return m_ratt; }
    /// false marks box `RutNummer` wrong; true does nothing.
    void setRatt(bool v);

    bool Starta() const { return m_starta; }
    /// true marks every box right and chooses new star looks; false only chooses new looks.
    void setStarta(bool v);

    int MaxAntalRutor() const { return m_max; }
    void setMaxAntalRutor(int v);

    QColor AsterColor() const { return m_color; }
    void setAsterColor(const QColor& c);

    void setPen(const QPen& p);
    void setBrush(const QBrush& b);

    /// True when box `i` (1 = the bottom box) is marked right.
    bool isMarkedRight(int i) const { return m_right[static_cast<size_t>(i)]; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void chooseLooks();
    void updateDescription();

    static int s_boxSize;

    int m_rutNummer = 0;
    int m_max = 10;
    bool m_visa = true;
    bool m_starta = true;
    bool m_ratt = true;
    QColor m_color = QColor(192, 192, 192);
    QPen m_pen;
    QBrush m_brush;
    std::array<bool, 11> m_right{};
    std::array<int, 11> m_outline{};
    std::array<int, 11> m_fill1{};
    std::array<int, 11> m_fill2{};
    std::array<int, 11> m_step{};
    std::mt19937 m_random;
};

} // namespace vindra
