#pragma once

#include <QApplication>
#include <QDialog>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace vindra::test {

/// Drives the next modal window a test opens, without blocking: `work` runs on it as soon as
/// it runs its event loop, and the window is closed afterwards when `work` left it open
/// (done() ends the loop even where Esc only pauses an exercise). The queued call belongs to
/// this object: when it goes out of scope before any modal window opened, Qt drops the call
/// instead of running it inside a later test with dangling references.
class NextModal {
public:
    explicit NextModal(std::function<void(QWidget*)> work = {})
    {
        QTimer::singleShot(0, &m_context, [this, work] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w)
                return;
            m_name = w->objectName();
            m_className = QString::fromLatin1(w->metaObject()->className());
            if (work)
                work(w);
            if (!w->isVisible())
                return;
            if (auto* d = qobject_cast<QDialog*>(w))
                d->done(QDialog::Rejected);
            else
                w->close();
        });
    }
    NextModal(const NextModal&) = delete;
    NextModal& operator=(const NextModal&) = delete;

    bool opened() const { return !m_className.isEmpty(); }
    QString name() const { return m_name; }           ///< object name of the window
    QString className() const { return m_className; } ///< its meta-object class name

private:
    QObject m_context;
    QString m_name;
    QString m_className;
};

} // namespace vindra::test
