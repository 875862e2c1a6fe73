// A Qt plugin that the installed-program test loads into the program through
// QT_QPA_GENERIC_PLUGINS, so that the program under test is the installed one, unchanged.
// At the main window's first paint it prints what it saw and ends the program normally;
// a message box painted before that (a missing directory, a missing file) ends the program
// at once with the box's text and exit code 3, so the test never waits on it.

#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QMessageBox>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

void print(const QString& line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

class StartProbe : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() != QEvent::Paint || !widget || !widget->isWindow())
            return false;
        if (const auto* box = qobject_cast<QMessageBox*>(widget)) {
            print(QStringLiteral("message box: ") + box->text());
            std::_Exit(3);
        }
        if (widget->objectName() == QLatin1String("Engel") && !m_done) {
            m_done = true;
            print(QStringLiteral("main window: ") + widget->objectName());
            // One of Qt's own texts and one of the program's additions to them.
            print(QStringLiteral("Paste: ") + QCoreApplication::translate("QLineEdit", "&Paste"));
            print(QStringLiteral("Cancel: ") +
                  QCoreApplication::translate("QPlatformTheme", "Cancel"));
            QCoreApplication::exit(0);
        }
        return false;
    }

private:
    bool m_done = false;
};

} // namespace

class StartProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "startprobe.json")

public:
    QObject* create(const QString&, const QString&) override
    {
        auto* probe = new StartProbe;
        QCoreApplication::instance()->installEventFilter(probe);
        return probe;
    }
};

#include "startprobe.moc"
