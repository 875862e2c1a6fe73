#include "formtimer.h"

namespace vindra {

bool FormTimer::s_manual = false;

FormTimer::FormTimer(const QString& name, std::function<void()> onTick, QObject* parent)
    : QObject(parent)
{
    setObjectName(name);
    connect(&m_timer, &QTimer::timeout, this, std::move(onTick));
}

void FormTimer::setInterval(int ms)
{
    m_interval = ms;
    sync();
}

void FormTimer::setEnabled(bool on)
{
    m_enabled = on;
    sync();
}

void FormTimer::sync()
{
    if (isRunning() && !s_manual) {
        if (!m_timer.isActive() || m_timer.interval() != m_interval)
            m_timer.start(m_interval);
    } else {
        m_timer.stop();
    }
}

} // namespace vindra
