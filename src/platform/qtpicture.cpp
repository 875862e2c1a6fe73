#include "qtpicture.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <mutex>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

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

namespace {

// The proportions of an SVG picture from the viewBox of its root element, read without parsing
// the rest of the document; 0 when the root is not an svg element with a viewBox.
double viewBoxAspect(const QByteArray& data)
{
    QXmlStreamReader xml(data);
    while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::StartElement) {
    }
    if (xml.tokenType() != QXmlStreamReader::StartElement || xml.name() != u"svg")
        return 0;
    // Four numbers, apart by white space or commas.
    const QStringList box = xml.attributes()
                                .value(QStringLiteral("viewBox"))
                                .toString()
                                .replace(QLatin1Char(','), QLatin1Char(' '))
                                .simplified()
                                .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (box.size() != 4)
        return 0;
    bool wide = false;
    bool high = false;
    const double width = box[2].toDouble(&wide);
    const double height = box[3].toDouble(&high);
    if (!wide || !high || !(width > 0) || !(height > 0) || !std::isfinite(width / height))
        return 0;
    return width / height;
}

} // namespace

// The picture is drawn by Qt's SVG image plugin, so that the program itself does not link Qt
// Svg: a start with its pictures kept draws none and never loads it.
struct SvgPicture::Reader {
    QBuffer buffer;
    QImageReader reader;
    explicit Reader(const QByteArray& data)
    {
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        reader.setDevice(&buffer);
        reader.setFormat("svg");
        reader.setAutoDetectImageFormat(false);
    }
};

SvgPicture::SvgPicture() = default;
SvgPicture::~SvgPicture() = default;
SvgPicture::SvgPicture(SvgPicture&&) noexcept = default;
SvgPicture& SvgPicture::operator=(SvgPicture&&) noexcept = default;

SvgPicture::SvgPicture(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    m_data = file.readAll();
    const double aspect = viewBoxAspect(m_data);
    if (aspect <= 0)
        return;
    // Parsed at once, so that a damaged picture is known now; the parsed document is drawn
    // by the first draw().
    auto reader = std::make_unique<Reader>(m_data);
    if (reader->reader.size().isEmpty())
        return;
    m_parsed = std::move(reader);
    m_aspect = aspect;
}

QImage SvgPicture::draw(QSize size, double pixelRatio) const
{
    if (!isValid() || size.isEmpty())
        return {};
    std::unique_ptr<Reader> reader = std::exchange(m_parsed, nullptr);
    if (!reader)
        reader = std::make_unique<Reader>(m_data);
    const QSize device(int(std::lround(size.width() * pixelRatio)),
                       int(std::lround(size.height() * pixelRatio)));
    // Drawn at the size that covers the place, its overflow cut off evenly on both sides.
    const double scale = std::max(device.width() / m_aspect, double(device.height()));
    const QSize drawn(std::max(device.width(), int(std::lround(scale * m_aspect))),
                      std::max(device.height(), int(std::lround(scale))));
    reader->reader.setScaledSize(drawn);
    reader->reader.setScaledClipRect(
        QRect(QPoint((drawn.width() - device.width()) / 2, (drawn.height() - device.height()) / 2),
              device));
    reader->reader.setBackgroundColor(Qt::white);
    QImage image = reader->reader.read();
    if (image.isNull() || image.size() != device)
        return {};
    // Every pixel is opaque over the white ground: the same bits as an image without alpha.
    if (image.format() == QImage::Format_ARGB32_Premultiplied ||
        image.format() == QImage::Format_ARGB32)
        image.reinterpretAsFormat(QImage::Format_RGB32);
    else
        image.convertTo(QImage::Format_RGB32);
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

// A kept drawing: this tag, the width and height in device pixels, the pixel ratio and the
// source's proportions, padded to 64 bytes, then the rows top to bottom in 8-bit red, green and
// blue, each row padded to a multiple of four bytes: the layout of an RGB888 QImage, so that a
// kept file is mapped into memory and shown as it lies. Mapped pages of a file already read
// are several times cheaper to come by than new memory to unpack into.
constexpr char kCacheTag[8] = {'V', 'I', 'N', 'P', 'I', 'C', '0', '3'};
constexpr qint64 kCacheHeader = 64;
constexpr int kLargestSide = 16384;
/// Drawings kept at most: the main window's 26 pictures on three screens, and no more bytes
/// than all of them take on a 4K screen.
constexpr qsizetype kMostKept = 3 * 26;
constexpr qint64 kMostKeptBytes = qint64(64) << 20;

qint64 rowBytes(qint32 width)
{
    return (qint64(width) * 3 + 3) / 4 * 4;
}

// Mapped files are only trusted on a local file system: there a kept file is only ever
// replaced by renaming a new one over it, which leaves a mapping intact. On a network file
// system (home folders on a school's server) another machine's removal can pull the pages from
// under a mapping, so the pixels are read into memory instead.
bool mayMap(int fd)
{
    struct statfs fs {};
    if (fstatfs(fd, &fs) != 0)
        return false;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case 0xEF53:     // ext2, ext3, ext4
    case 0x9123683E: // btrfs
    case 0x58465342: // xfs
    case 0x01021994: // tmpfs
    case 0xF2F52010: // f2fs
    case 0x2FC12FC1: // zfs
        return true;
    default:
        return false;
    }
}

struct Mapping {
    void* address;
    size_t length;
};

// The mappings alive, so that releasePages() touches nothing but a kept file's pages.
std::mutex& mappingsLock()
{
    static std::mutex lock;
    return lock;
}

std::vector<Mapping*>& liveMappings()
{
    static std::vector<Mapping*> mappings;
    return mappings;
}

void unmap(void* info)
{
    auto* mapping = static_cast<Mapping*>(info);
    {
        const std::lock_guard<std::mutex> hold(mappingsLock());
        std::erase(liveMappings(), mapping);
    }
    munmap(mapping->address, mapping->length);
    delete mapping;
}

// The kept file's pixels as an image over the file's mapped pages, or read into memory where
// mapping is not safe; null when the file is not a whole kept drawing.
QImage readKept(const QString& path, bool map, double& aspect)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    struct stat info {};
    char header[kCacheHeader];
    const bool read = fstat(fd, &info) == 0 && pread(fd, header, sizeof header, 0) == kCacheHeader;
    qint32 width = 0;
    qint32 height = 0;
    double ratio = 0;
    if (read) {
        std::memcpy(&width, header + 8, 4);
        std::memcpy(&height, header + 12, 4);
        std::memcpy(&ratio, header + 16, 8);
        std::memcpy(&aspect, header + 24, 8);
    }
    if (!read || std::memcmp(header, kCacheTag, 8) != 0 || width < 1 || height < 1 ||
        width > kLargestSide || height > kLargestSide || !(ratio > 0 && ratio < 16) ||
        !(aspect > 0 && aspect < 1000) ||
        qint64(info.st_size) != kCacheHeader + rowBytes(width) * height) {
        ::close(fd);
        return {};
    }
    QImage image;
    const auto length = static_cast<size_t>(info.st_size);
    // Not populated: the pages come in as the picture is painted (a file's pages are mapped
    // many at a time) and are let go after it (releasePages()).
    void* address =
        map && mayMap(fd) ? mmap(nullptr, length, PROT_READ, MAP_PRIVATE, fd, 0) : MAP_FAILED;
    if (address != MAP_FAILED) {
        auto* mapping = new Mapping{address, length};
        {
            const std::lock_guard<std::mutex> hold(mappingsLock());
            liveMappings().push_back(mapping);
        }
        // Read-only pixels: anything that would change them works on a copy.
        image = QImage(static_cast<const uchar*>(address) + kCacheHeader, width, height,
                       rowBytes(width), QImage::Format_RGB888, unmap, mapping);
    } else {
        image = QImage(width, height, QImage::Format_RGB888);
        const qint64 bytes = rowBytes(width) * height;
        if (image.isNull() || image.bytesPerLine() != rowBytes(width) ||
            pread(fd, image.bits(), size_t(bytes), kCacheHeader) != bytes)
            image = QImage();
    }
    ::close(fd);
    image.setDevicePixelRatio(ratio);
    return image;
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

void PictureCache::releasePages(const QImage& image)
{
    const uchar* bits = image.constBits();
    if (!bits)
        return;
    const std::lock_guard<std::mutex> hold(mappingsLock());
    for (const Mapping* mapping : liveMappings()) {
        const auto* first = static_cast<const uchar*>(mapping->address);
        if (bits >= first && bits < first + mapping->length) {
            // A private, read-only mapping of a file: its pages come back unchanged from the
            // file at the next touch.
            madvise(mapping->address, mapping->length, MADV_DONTNEED);
            return;
        }
    }
}

PictureCache::Entry PictureCache::find(const QString& source, QSize screen, double pixelRatio,
                                       Access access) const
{
    const QString path = fileFor(source, screen, pixelRatio);
    if (path.isEmpty())
        return {};
    double aspect = 0;
    QImage image = readKept(path, access == Access::MapWhereSafe, aspect);
    if (image.isNull())
        return {};
    return {std::move(image), aspect};
}

void PictureCache::keep(const QString& source, QSize screen, double pixelRatio, const QImage& image,
                        double aspect) const
{
    const QString path = fileFor(source, screen, pixelRatio);
    if (path.isEmpty() || image.isNull() || !(aspect > 0) || !QDir().mkpath(m_dir))
        return;
    const QImage pixels = image.convertToFormat(QImage::Format_RGB888);
    const qint32 width = pixels.width();
    const qint32 height = pixels.height();
    const double ratio = image.devicePixelRatio();
    QByteArray header(kCacheTag, 8);
    header.append(reinterpret_cast<const char*>(&width), 4);
    header.append(reinterpret_cast<const char*>(&height), 4);
    header.append(reinterpret_cast<const char*>(&ratio), 8);
    header.append(reinterpret_cast<const char*>(&aspect), 8);
    header.resize(kCacheHeader, '\0');
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(header);
    for (int y = 0; y < height; ++y)
        file.write(reinterpret_cast<const char*>(pixels.constScanLine(y)), rowBytes(width));
    if (!file.commit()) // a failed write leaves no file behind
        return;
    // The oldest drawings go when the folder holds more than a few screens' worth (drawings of
    // sources since changed, or of screens no longer used).
    const QFileInfoList kept =
        QDir(m_dir).entryInfoList({QStringLiteral("*.pic")}, QDir::Files, QDir::Time);
    qint64 bytes = 0;
    for (qsizetype i = 0; i < kept.size(); ++i) {
        bytes += kept[i].size();
        if (i >= kMostKept || (i > 0 && bytes > kMostKeptBytes))
            QFile::remove(kept[i].filePath());
    }
}

} // namespace vindra
