#include "britainwindow.h"

#include "engine/catalogue.h"
#include "framework/look.h"
#include "platform/files.h"
#include "platform/qtpicture.h"
#include "platform/screen.h"

#include <QLabel>
#include <QPushButton>

namespace vindra {

BritainWindow::BritainWindow(Engine& engine, const Services& services, const char* objectName,
                             const QColor& background, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_services(services)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(QStringLiteral("Vindra"));
    setWindowFlag(Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, background);
    setPalette(pal);

    m_screen = services.screen ? services.screen->size() : QSize(1024, 768);
    m_pixelRatio = services.screen ? services.screen->pixelRatio() : 1.0;
    m_scale = engine.screenScale > 0 ? engine.screenScale : 100;
    m_unit = qMax(1, engine.layoutUnit);
    setGeometry(0, 0, m_screen.width(), m_screen.height());
}

QFont BritainWindow::arial(int size, bool pixels) const
{
    return look::arial(s(size), pixels);
}

QLabel* BritainWindow::label(const char* name, const QColor& colour)
{
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    l->setStyleSheet(look::colourStyle(colour));
    return l;
}

QPushButton* BritainWindow::button(const char* name, const QString& caption, QSize size)
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    b->setFont(arial(16, false));
    b->resize(size);
    look::fitFont(b, caption, size);
    return b;
}

bool BritainWindow::drawsFromSources() const
{
    return m_screen.width() > catalogue::kLargestBitmapScreenWidth || m_pixelRatio != 1.0;
}

QPixmap BritainWindow::picture(const QByteArray& file, QSize room)
{
    const QString bitmap = m_engine.materialPath("\\BILD\\" + file);
    QPixmap pm = files::isFile(bitmap) ? loadBitmap(bitmap) : QPixmap();
    if (pm.isNull()) {
        m_engine.message(MessageKind::Plain, "Filen " + m_engine.dirs.cd + "\\BILD\\" + file +
                                                 " finns inte eller \xE4r felaktig");
        return {};
    }
    const catalogue::BritainPicture* entry = catalogue::britainPicture(file);
    if (drawsFromSources() && entry) {
        const QString source = m_engine.materialPath("\\BILD\\SVG\\" + QByteArray(entry->source));
        const SvgPicture svg = files::isFile(source) ? SvgPicture(source) : SvgPicture();
        if (svg.isValid()) {
            const double aspect = svg.aspect();
            const QSize size = QSize(int(room.height() * aspect), room.height())
                                   .boundedTo(QSize(room.width(), int(room.width() / aspect)));
            const QPixmap drawn = svg.pixmap(size, m_pixelRatio);
            if (!drawn.isNull())
                return drawn;
        }
    }
    if (pm.width() > room.width() || pm.height() > room.height())
        pm = pm.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return pm;
}

} // namespace vindra
