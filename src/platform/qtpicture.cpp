#include "qtpicture.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <utility>

namespace vindra {

QPixmap loadBitmap(const QString& path)
{
    QImageReader bitmap(path, "bmp");
    bitmap.setAutoDetectImageFormat(false);
    QImage image = bitmap.read();
    if (image.isNull())
        image = QImage(path); // another format under a bitmap's name
    return QPixmap::fromImage(std::move(image));
}

QPixmap drawPicture(const QString& path, QSize size, double pixelRatio)
{
    QSvgRenderer svg(path);
    const QRectF box = svg.viewBoxF();
    if (!svg.isValid() || box.isEmpty() || size.isEmpty())
        return {};
    const QSize device(int(std::lround(size.width() * pixelRatio)),
                       int(std::lround(size.height() * pixelRatio)));
    QPixmap pixmap(device);
    pixmap.fill(Qt::white);
    const qreal scale = std::max(device.width() / box.width(), device.height() / box.height());
    const QSizeF drawn(box.width() * scale, box.height() * scale);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(QPointF((device.width() - drawn.width()) / 2,
                                        (device.height() - drawn.height()) / 2),
                                drawn));
    painter.end();
    pixmap.setDevicePixelRatio(pixelRatio);
    return pixmap;
}

double pictureAspect(const QString& path)
{
    QSvgRenderer svg(path);
    const QRectF box = svg.viewBoxF();
    if (!svg.isValid() || box.isEmpty())
        return 0;
    return box.width() / box.height();
}

} // namespace vindra
