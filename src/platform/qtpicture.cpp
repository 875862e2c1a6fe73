#include "qtpicture.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <thread>
#include <utility>

namespace vindra {

namespace {

quint32 littleEndian(const uchar* p, int bytes)
{
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | p[i];
    return v;
}

// An uncompressed 24- or 32-bit Windows bitmap, the kind the material build writes, read
// straight into the screen's pixel format: three to four times quicker than Qt's reader, which
// goes through a general path for every pixel. Null for anything else (palettes, compression,
// a damaged file), which is left to Qt.
QImage readPlainBitmap(QFile& file)
{
    constexpr qint64 kHeaderSize = 54; // file header and the smallest info header
    const qint64 size = file.size();
    if (size < kHeaderSize)
        return {};
    const uchar* data = file.map(0, size);
    QByteArray read;
    if (!data) {
        read = file.readAll();
        if (read.size() != size)
            return {};
        data = reinterpret_cast<const uchar*>(read.constData());
    }
    if (data[0] != 'B' || data[1] != 'M')
        return {};
    const qint64 offset = littleEndian(data + 10, 4);
    const quint32 infoSize = littleEndian(data + 14, 4);
    const qint32 width = qint32(littleEndian(data + 18, 4));
    const qint32 rawHeight = qint32(littleEndian(data + 22, 4));
    const quint32 planes = littleEndian(data + 26, 2);
    const quint32 bits = littleEndian(data + 28, 2);
    const quint32 compression = littleEndian(data + 30, 4);
    constexpr qint32 kLargest = 1 << 14;
    if (infoSize < 40 || planes != 1 || (bits != 24 && bits != 32) || compression != 0 ||
        width <= 0 || width > kLargest || rawHeight == 0 || rawHeight < -kLargest ||
        rawHeight > kLargest)
        return {};
    const bool topDown = rawHeight < 0;
    const int height = topDown ? -rawHeight : rawHeight;
    const qint64 stride = (qint64(width) * bits + 31) / 32 * 4;
    if (offset < kHeaderSize || offset + stride * height > size)
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const int step = int(bits / 8);
    for (int y = 0; y < height; ++y) {
        const uchar* in = data + offset + stride * (topDown ? y : height - 1 - y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x, in += step)
            out[x] = 0xff000000u | quint32(in[2]) << 16 | quint32(in[1]) << 8 | in[0];
    }
    return image;
}

} // namespace

QPixmap loadBitmap(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QImage image = readPlainBitmap(file);
    if (image.isNull()) {
        // Any other bitmap, or another format under a bitmap's name. Named, Qt's own bitmap
        // reader is tried before its image plugins are loaded and asked.
        file.seek(0);
        QImageReader bitmap(&file, "bmp");
        bitmap.setAutoDetectImageFormat(false);
        image = bitmap.read();
        if (image.isNull()) {
            file.seek(0);
            image = QImageReader(&file).read();
        }
    }
    return QPixmap::fromImage(std::move(image));
}

SvgPicture::SvgPicture() = default;
SvgPicture::~SvgPicture() = default;
SvgPicture::SvgPicture(SvgPicture&&) noexcept = default;
SvgPicture& SvgPicture::operator=(SvgPicture&&) noexcept = default;

SvgPicture::SvgPicture(const QString& path) : m_svg(std::make_unique<QSvgRenderer>(path))
{
    const QRectF box = m_svg->viewBoxF();
    if (m_svg->isValid() && !box.isEmpty())
        m_aspect = box.width() / box.height();
}

QImage SvgPicture::draw(QSize size, double pixelRatio) const
{
    if (!isValid() || size.isEmpty())
        return {};
    const QRectF box = m_svg->viewBoxF();
    const QSize device(int(std::lround(size.width() * pixelRatio)),
                       int(std::lround(size.height() * pixelRatio)));
    QImage image(device, QImage::Format_RGB32);
    image.fill(Qt::white);
    const qreal scale = std::max(device.width() / box.width(), device.height() / box.height());
    const QSizeF drawn(box.width() * scale, box.height() * scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    m_svg->render(&painter, QRectF(QPointF((device.width() - drawn.width()) / 2,
                                           (device.height() - drawn.height()) / 2),
                                   drawn));
    painter.end();
    image.setDevicePixelRatio(pixelRatio);
    return image;
}

QPixmap SvgPicture::pixmap(QSize size, double pixelRatio) const
{
    return QPixmap::fromImage(draw(size, pixelRatio));
}

std::vector<QImage> drawPictures(const std::vector<PictureJob>& jobs)
{
    std::vector<QImage> images(jobs.size());
    const auto drawEvery = [&](size_t first) {
        for (size_t i = first; i < jobs.size(); i += 2) {
            if (jobs[i].picture)
                images[i] = jobs[i].picture->draw(jobs[i].size, jobs[i].pixelRatio);
        }
    };
    if (jobs.size() < 2 || std::thread::hardware_concurrency() < 2) {
        drawEvery(0);
        drawEvery(1);
        return images;
    }
    std::thread second(drawEvery, 1);
    drawEvery(0);
    second.join();
    return images;
}

// ---- Kept drawings ---------------------------------------------------------------------------

namespace {

// A kept drawing: this tag, the device width and height, the pixel ratio and the source's
// proportions, then the pixels row after row in runs: a 16-bit count with its top bit set is
// that many copies of the 32-bit pixel after it, one without it is that many pixels as they
// are. The drawings are flat colours with soft edges, so they keep in a sixth of their size
// and are unpacked faster than they are read.
constexpr char kCacheTag[8] = {'V', 'I', 'N', 'P', 'I', 'C', '0', '2'};
constexpr qint64 kCacheHeader = 8 + 4 + 4 + 8 + 8;
constexpr int kLargestSide = 16384;
constexpr quint16 kRepeat = 0x8000;
constexpr int kLongestRun = 0x7fff;
/// Drawings kept at most: the main window's 26 pictures on three screens.
constexpr qsizetype kMostKept = 3 * 26;

QByteArray packPixels(const quint32* pixels, qsizetype count)
{
    QByteArray out;
    out.reserve(count);
    qsizetype literalStart = 0;
    const auto flushLiteral = [&](qsizetype end) {
        while (literalStart < end) {
            const auto n =
                static_cast<quint16>(std::min<qsizetype>(end - literalStart, kLongestRun));
            out.append(reinterpret_cast<const char*>(&n), 2);
            out.append(reinterpret_cast<const char*>(pixels + literalStart), qsizetype(n) * 4);
            literalStart += n;
        }
    };
    qsizetype i = 0;
    while (i < count) {
        qsizetype j = i + 1;
        while (j < count && pixels[j] == pixels[i] && j - i < kLongestRun)
            ++j;
        if (j - i >= 3) {
            flushLiteral(i);
            const auto n = static_cast<quint16>(kRepeat | (j - i));
            out.append(reinterpret_cast<const char*>(&n), 2);
            out.append(reinterpret_cast<const char*>(pixels + i), 4);
            literalStart = j;
        }
        i = j;
    }
    flushLiteral(count);
    return out;
}

bool unpackPixels(const QByteArray& packed, quint32* pixels, qsizetype count)
{
    const char* in = packed.constData();
    const char* const end = in + packed.size();
    qsizetype filled = 0;
    while (in < end) {
        if (end - in < 2)
            return false;
        quint16 n = 0;
        std::memcpy(&n, in, 2);
        in += 2;
        const qsizetype run = n & kLongestRun;
        if (run == 0 || run > count - filled)
            return false;
        if (n & kRepeat) {
            if (end - in < 4)
                return false;
            quint32 pixel = 0;
            std::memcpy(&pixel, in, 4);
            in += 4;
            std::fill(pixels + filled, pixels + filled + run, pixel);
        } else {
            if (end - in < run * 4)
                return false;
            std::memcpy(pixels + filled, in, static_cast<size_t>(run) * 4);
            in += run * 4;
        }
        filled += run;
    }
    return filled == count;
}

} // namespace

QString PictureCache::fileFor(const QString& source, QSize screen, double pixelRatio) const
{
    if (m_dir.isEmpty())
        return {};
    const QFileInfo info(source);
    if (!info.isFile())
        return {};
    const QString key = QStringLiteral("%1|%2|%3|%4x%5|%6")
                            .arg(info.absoluteFilePath())
                            .arg(info.size())
                            .arg(info.lastModified().toMSecsSinceEpoch())
                            .arg(screen.width())
                            .arg(screen.height())
                            .arg(pixelRatio);
    const QByteArray hash =
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QDir(m_dir).filePath(QString::fromLatin1(hash) + QStringLiteral(".pic"));
}

PictureCache::Entry PictureCache::find(const QString& source, QSize screen, double pixelRatio) const
{
    const QString path = fileFor(source, screen, pixelRatio);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray header = file.read(kCacheHeader);
    if (header.size() != kCacheHeader || std::memcmp(header.constData(), kCacheTag, 8) != 0)
        return {};
    qint32 width = 0;
    qint32 height = 0;
    double ratio = 0;
    double aspect = 0;
    std::memcpy(&width, header.constData() + 8, 4);
    std::memcpy(&height, header.constData() + 12, 4);
    std::memcpy(&ratio, header.constData() + 16, 8);
    std::memcpy(&aspect, header.constData() + 24, 8);
    if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide ||
        !(ratio > 0 && ratio < 16) || !(aspect > 0 && aspect < 1000) ||
        file.size() - kCacheHeader > qint64(width) * height * 6)
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    // 32-bit rows have no padding: the pixels are one block.
    if (image.isNull() || image.sizeInBytes() != qint64(width) * height * 4 ||
        !unpackPixels(file.readAll(), reinterpret_cast<quint32*>(image.bits()),
                      qsizetype(width) * height))
        return {};
    image.setDevicePixelRatio(ratio);
    return {std::move(image), aspect};
}

void PictureCache::keep(const QString& source, QSize screen, double pixelRatio, const QImage& image,
                        double aspect) const
{
    const QString path = fileFor(source, screen, pixelRatio);
    if (path.isEmpty() || image.isNull() || !(aspect > 0) || !QDir().mkpath(m_dir))
        return;
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    const qint32 width = pixels.width();
    const qint32 height = pixels.height();
    const double ratio = image.devicePixelRatio();
    QByteArray header(kCacheTag, 8);
    header.append(reinterpret_cast<const char*>(&width), 4);
    header.append(reinterpret_cast<const char*>(&height), 4);
    header.append(reinterpret_cast<const char*>(&ratio), 8);
    header.append(reinterpret_cast<const char*>(&aspect), 8);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(header);
    file.write(packPixels(reinterpret_cast<const quint32*>(pixels.constBits()),
                          qsizetype(width) * height));
    if (!file.commit()) // a failed write leaves no file behind
        return;
    // The oldest drawings go when the folder holds more than a few screens' worth (drawings of
    // sources since changed, or of screens no longer used).
    const QFileInfoList kept =
        QDir(m_dir).entryInfoList({QStringLiteral("*.pic")}, QDir::Files, QDir::Time);
    for (qsizetype i = kMostKept; i < kept.size(); ++i)
        QFile::remove(kept[i].filePath());
}

} // namespace vindra
