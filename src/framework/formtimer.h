#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace vindra {

/// A window timer as the exercise forms use it: an interval of 0 means stopped, any other
/// interval (100 ms) means running. In manual mode (tests) no real timer runs; the test
/// calls the form's tick handler itself, so no test waits for real time.
class FormTimer : public QObject {
    Q_OBJECT
public:
    FormTimer(const QString& name, std::function<void()> onTick, QObject* parent);

    void setInterval(int ms);
    int interval() const { return m_interval; }
    void setEnabled(bool on);
    bool isEnabled() const { return m_enabled; }
    /// Running: enabled with a non-zero interval.
    bool isRunning() const { return m_enabled && m_interval > 0; }

    /// Every timer created while this is set runs only when a test ticks it.
    static void setManual(bool manual) { s_manual = manual; }

private:
    void sync();

    static bool s_manual;
    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = true;
};

} // namespace vindra
