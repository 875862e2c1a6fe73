#pragma once

#include <QPixmap>
#include <QString>

namespace vindra {

/// The SVG picture at `path` drawn to cover `size` (logical pixels; the overflow cropped evenly
/// from both sides, as the built bitmaps are cut), at `pixelRatio` device pixels per logical
/// pixel so that it stays sharp on a high-density screen. A null pixmap when the file is missing
/// or not a picture.
QPixmap drawPicture(const QString& path, QSize size, double pixelRatio);

/// The picture at `path`, read as a Windows bitmap first: without a format Qt loads and asks
/// every image plugin before its own bitmap reader (a third of the time of reading a small
/// bitmap). Any other picture format under the same name is still read. A null pixmap when the
/// file is missing or not a picture.
QPixmap loadBitmap(const QString& path);

/// Width over height of the SVG picture at `path`, 0 when it cannot be read.
double pictureAspect(const QString& path);

} // namespace vindra
