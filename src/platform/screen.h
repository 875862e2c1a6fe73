#pragma once

#include <QSize>

namespace vindra {

/// The size of the primary screen in pixels, and how many device pixels make one of them
/// (2 on a high-density screen, where pictures are drawn at twice their size to stay sharp).
class Screen {
public:
    virtual ~Screen() = default;
    virtual QSize size() const = 0;
    virtual double pixelRatio() const { return 1.0; }
};

class FixedScreen : public Screen {
public:
    explicit FixedScreen(QSize s = QSize(1024, 768)) : m_size(s) {}
    QSize size() const override { return m_size; }
    double pixelRatio() const override { return m_ratio; }
    void setSize(QSize s) { m_size = s; }
    void setPixelRatio(double ratio) { m_ratio = ratio; }

private:
    QSize m_size;
    double m_ratio = 1.0;
};

} // namespace vindra
