#include "aster.h"

#include <QPainter>
#include <QPolygon>

#include <chrono>
#include <cmath>
#include <numbers>

namespace vindra {

namespace {

const QColor kPalette[] = {QColor(0, 128, 0),   QColor(0, 0, 128),   QColor(128, 0, 128),
                           QColor(0, 128, 128), QColor(255, 0, 0),   QColor(0, 255, 0),
                           QColor(255, 255, 0), QColor(255, 0, 255), QColor(0, 255, 255),
                           QColor(0, 0, 255)};

constexpr int kAngleSteps[] = {45, 36, 30, 26, 20, 18, 15, 9};

// The area from (x1, y1) up to but not including (x2, y2), as the drawing rules count it.
QRect area(int x1, int y1, int x2, int y2)
{
    return QRect(x1, y1, x2 - x1, y2 - y1);
}

} // namespace

int TAster::s_boxSize = 55;

int TAster::boxSizeFor(int h)
{
    if (h < 600)
        return 30;
    if (h < 768)
        return 45;
    if (h < 864)
        return 55;
    if (h < 1024)
        return 60;
    if (h < 1050)
        return 65;
    return 70;
}

TAster::TAster(int screenHeight, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Aster1"));
    s_boxSize = boxSizeFor(screenHeight);
    setGeometry(x(), y(), m_max * s_boxSize, s_boxSize);
    setAccessibleName(QStringLiteral("Progress"));
    m_right.fill(true);
    chooseLooks();
    updateDescription();
}

void TAster::chooseLooks()
{
    m_random.seed(
        static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    auto draw = [this](int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); };
    for (size_t i = 0; i < 11; ++i) {
        m_outline[i] = draw(9);
        m_step[i] = draw(6);
        m_fill1[i] = draw(10);
        m_fill2[i] = draw(10);
    }
}

void TAster::setRutNummer(int v)
{
    if (v == m_rutNummer)
        return;
    if (m_rutNummer >= m_max && m_max > 0) {
        // A full column starts its next cycle with every mark right and new looks. Done here,
        // not when the full column is painted, so that every repaint of it shows the same
        // boxes.
        m_right.fill(true);
        chooseLooks();
    }
    m_rutNummer = v;
    updateDescription();
    update();
}

void TAster::setVisa(bool v)
{
    if (v == m_visa)
        return;
    m_visa = v;
    update();
}

void TAster::setRatt(bool v)
{
    if (v)
        return;
    if (m_rutNummer >= 0 && m_rutNummer <= 10)
        m_right[static_cast<size_t>(m_rutNummer)] = false;
    updateDescription();
    update();
}

void TAster::setStarta(bool v)
{
    m_starta = v;
    if (v)
        m_right.fill(true);
    chooseLooks();
    updateDescription();
}

void TAster::setMaxAntalRutor(int v)
{
    if (v == m_max)
        return;
    m_max = v;
    updateDescription();
    update();
}

void TAster::setAsterColor(const QColor& c)
{
    if (c == m_color)
        return;
    m_color = c;
    update();
}

void TAster::setPen(const QPen& p)
{
    m_pen = p;
    update();
}

void TAster::setBrush(const QBrush& b)
{
    m_brush = b;
    update();
}

void TAster::updateDescription()
{
    QStringList marks;
    for (int i = 1; i <= m_rutNummer && i <= 10; ++i)
        marks << (m_right[static_cast<size_t>(i)] ? QStringLiteral("right")
                                                  : QStringLiteral("wrong"));
    setAccessibleDescription(
        QStringLiteral("%1 of %2").arg(m_rutNummer).arg(m_max) +
        (marks.isEmpty() ? QString() : QStringLiteral(": ") + marks.join(QStringLiteral(", "))));
}

void TAster::paintEvent(QPaintEvent*)
{
    if (!m_visa)
        return;
    QPainter p(this);
    const int W = width();
    const int S = s_boxSize;
    const int M = m_max;
    const int n = std::min(m_rutNummer, 10);
    auto top = [&](int i) { return (M - i) * S; };

    if (n == 0) {
        p.fillRect(area(0, 0, W, M * S), m_color);
    } else {
        for (int i = 1; i <= n; ++i) {
            const auto k = static_cast<size_t>(i);
            if (m_right[k]) {
                const QColor outline = kPalette[m_outline[k]];
                const int stepIndex = m_step[k];
                const int step = kAngleSteps[stepIndex];
                const int cx = W / 2;
                const int R = cx - 5;
                const int r = stepIndex >= 2 ? R / 2 : R / 3;
                // This clears everything above the box and the box itself.
                p.fillRect(area(0, 0, W, top(i) + W), m_color);
                const int cy = top(i) + cx - 2;
                auto point = [&](int deg, int rho) {
                    const double t = deg * std::numbers::pi / 180.0;
                    return QPoint(static_cast<int>(std::lround(cx - std::cos(t) * rho)),
                                  static_cast<int>(std::lround(cy - std::sin(t) * rho)));
                };
                int segment = 1;
                for (int a = 0; a <= 360; a += step, ++segment) {
                    QPolygon tri;
                    if (segment % 2 == 1) {
                        p.setBrush(kPalette[m_fill1[k]]);
                        tri << QPoint(cx, cy) << point(a, r) << point(a + step, R);
                    } else {
                        p.setBrush(kPalette[m_fill2[k]]);
                        tri << QPoint(cx, cy) << point(a, R) << point(a + step, r);
                    }
                    p.setPen(outline);
                    p.drawPolygon(tri);
                }
            } else {
                p.fillRect(area(4, top(i) + 4, W - 4, top(i) + S - 4), Qt::white);
            }
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(Qt::black);
    for (int b = 0; b < M; ++b)
        p.drawRect(QRect(0, b * S, W - 1, S - 1)); // the outline lies inside the box
}

} // namespace vindra
