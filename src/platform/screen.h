#pragma once

#include <QSize>

namespace vindra {

/// The size of the primary screen in pixels.
class Screen {
public:
    virtual ~Screen() = default;
    virtual QSize size() const = 0;
};

class FixedScreen : public Screen {
public:
    explicit FixedScreen(QSize s = QSize(1024, 768)) : m_size(s) {}
    QSize size() const override { return m_size; }
    void setSize(QSize s) { m_size = s; }

private:
    QSize m_size;
};

} // namespace vindra
