#pragma once

// Shared by the two start-up programs: at the watched window's first paint the process
// writes the monotonic clock (nanoseconds) to standard output and ends, so the measuring
// process can take the time from its exec to that paint without the program's teardown.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <cstdio>
#include <ctime>

class QuitOnFirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            std::fflush(stdout);
            QCoreApplication::quit();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_done = false;
};
