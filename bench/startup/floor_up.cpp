// Start-up benchmark, the floor: a bare full-screen Qt Widgets window that ends at its first
// paint. The program's start-up is measured against this.

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

class QuitOnPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QCoreApplication::quit();
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    QuitOnPaint quit;
    window.installEventFilter(&quit);
    window.showFullScreen();
    return QApplication::exec();
}
