// Reading the program's pictures.

#include "platform/qtpicture.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vindra {
namespace {

QImage pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 30, y * 40, (x + y) * 10));
    return image;
}

// A 32-bit bitmap stored from the top row down (a negative height), as other programs write.
QByteArray topDownBitmap(const QImage& image)
{
    const int w = image.width(), h = image.height();
    QByteArray data(54 + 4 * w * h, '\0');
    auto put = [&](int at, quint32 v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            data[at + i] = char(v >> (8 * i) & 0xff);
    };
    data[0] = 'B';
    data[1] = 'M';
    put(2, quint32(data.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, quint32(w), 4);
    put(22, quint32(-h), 4);
    put(26, 1, 2);
    put(28, 32, 2);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            put(54 + 4 * (y * w + x), image.pixel(x, y) & 0xffffff, 4);
    return data;
}

// Pictures are bitmaps by name, but a teacher may put another kind of bitmap or another
// format under that name; a file that is no picture gives nothing.
TEST(Picture, BitmapsAndWhatElseLiesUnderTheirName)
{
    QTemporaryDir dir;
    const QImage image = pattern(7, 5); // 7 pixels: rows padded to whole words
    auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    const QString bmp = dir.filePath(QStringLiteral("ENGS001.BMP"));
    const QString png = dir.filePath(QStringLiteral("ENGS002.BMP"));
    const QString indexed = dir.filePath(QStringLiteral("ENGS003.BMP"));
    ASSERT_TRUE(image.save(bmp, "BMP"));
    ASSERT_TRUE(image.save(png, "PNG"));
    ASSERT_TRUE(image.convertToFormat(QImage::Format_Indexed8).save(indexed, "BMP"));
    const QString topDown = write(QStringLiteral("ENGS004.BMP"), topDownBitmap(image));

    for (const QString& path : {bmp, png, topDown}) {
        SCOPED_TRACE(path.toStdString());
        const QImage read = loadBitmap(path).toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(read, image);
    }
    EXPECT_EQ(loadBitmap(indexed).toImage().convertToFormat(QImage::Format_RGB32),
              QImage(indexed).convertToFormat(QImage::Format_RGB32));

    QFile whole(bmp);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    // Qt's reader shows what there is of a bitmap cut short.
    const QPixmap cut =
        loadBitmap(write(QStringLiteral("SHORT.BMP"), bytes.left(bytes.size() - 30)));
    EXPECT_TRUE(cut.isNull() || cut.size() == image.size());
    EXPECT_TRUE(loadBitmap(write(QStringLiteral("HEAD.BMP"), bytes.left(20))).isNull());
    EXPECT_TRUE(loadBitmap(write(QStringLiteral("TEXT.BMP"), "BM this is not a picture")).isNull());
    EXPECT_TRUE(loadBitmap(dir.filePath(QStringLiteral("MISSING.BMP"))).isNull());
}

// An SVG picture covers its place, the overflow cut evenly from both sides, sharp at the
// screen's density, and can be drawn again; one that is damaged, has no viewBox or is missing
// is invalid at once, so that its bitmap is shown instead.
TEST(Picture, SvgDrawnToCoverItsPlace)
{
    QTemporaryDir dir;
    auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    // Twice as wide as high: red on the left with a black edge, blue on the right.
    const QString halves =
        write(QStringLiteral("halves.svg"),
              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"20\" height=\"50\" "
              "viewBox=\"0,0 200 100\"><rect width=\"100\" height=\"100\" fill=\"#ff0000\"/>"
              "<rect width=\"40\" height=\"100\"/>"
              "<rect x=\"100\" width=\"100\" height=\"100\" fill=\"#0000ff\"/></svg>");
    const SvgPicture svg(halves);
    ASSERT_TRUE(svg.isValid());
    EXPECT_DOUBLE_EQ(svg.aspect(), 2.0);

    // A square place: the middle half of the width, red and blue meeting in the middle.
    const QImage square = svg.draw(QSize(40, 40), 1.0);
    ASSERT_EQ(square.size(), QSize(40, 40));
    EXPECT_EQ(square.pixelColor(1, 20), QColor(Qt::red));
    EXPECT_EQ(square.pixelColor(34, 20), QColor(Qt::blue));
    // A wide place: the whole width, at twice the pixels on a high-density screen.
    const QImage wide = svg.draw(QSize(60, 20), 2.0);
    ASSERT_EQ(wide.size(), QSize(120, 40));
    EXPECT_EQ(wide.devicePixelRatio(), 2.0);
    EXPECT_EQ(wide.pixelColor(2, 20), QColor(Qt::black));
    EXPECT_EQ(wide.pixelColor(55, 20), QColor(Qt::red));
    EXPECT_EQ(wide.pixelColor(65, 20), QColor(Qt::blue));
    EXPECT_EQ(svg.pixmap(QSize(40, 40), 1.0).toImage().pixelColor(34, 20), QColor(Qt::blue));
    EXPECT_TRUE(svg.draw(QSize(0, 10), 1.0).isNull());

    // Transparent parts lie on white.
    const SvgPicture empty(write(QStringLiteral("empty.svg"),
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 4 3\">"
                                 "<circle cx=\"2\" cy=\"1.5\" r=\"0.1\"/></svg>"));
    ASSERT_TRUE(empty.isValid());
    EXPECT_DOUBLE_EQ(empty.aspect(), 4.0 / 3);
    EXPECT_EQ(empty.draw(QSize(40, 30), 1.0).pixelColor(1, 1), QColor(Qt::white));

    for (const QByteArray& bad :
         {QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"4\" height=\"3\"/>"),
          QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 0 3\"/>"),
          QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 4 3\"><rect"),
          QByteArray("<html viewBox=\"0 0 4 3\"/>"), QByteArray("\x89PNG\r\n"), QByteArray()}) {
        SCOPED_TRACE(bad.toStdString());
        const SvgPicture picture(write(QStringLiteral("bad.svg"), bad));
        EXPECT_FALSE(picture.isValid());
        EXPECT_TRUE(picture.draw(QSize(40, 30), 1.0).isNull());
    }
    EXPECT_FALSE(SvgPicture(dir.filePath(QStringLiteral("missing.svg"))).isValid());
}

} // namespace
// A kept drawing comes back as it was kept, for its source and screen only; a damaged file, a
// changed source or no folder at all give nothing, never a wrong picture.
TEST(Picture, KeptDrawings)
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("a.svg"));
    QFile f(source);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<svg/>");
    f.close();
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(QColor(1, 2, 3));
    image.setPixelColor(29, 19, QColor(200, 100, 50));
    image.setDevicePixelRatio(2);

    const PictureCache cache(dir.filePath(QStringLiteral("kept")));
    EXPECT_TRUE(cache.find(source, QSize(1920, 1080), 2).image.isNull());
    cache.keep(source, QSize(1920, 1080), 2, image, 1.5);
    for (const auto access : {PictureCache::Access::MapWhereSafe, PictureCache::Access::Read}) {
        PictureCache::Entry found = cache.find(source, QSize(1920, 1080), 2, access);
        EXPECT_EQ(found.image.convertToFormat(QImage::Format_RGB32), image);
        // Letting go of a painted drawing's pages loses nothing: mapped pages come back from
        // the file, and pixels read into memory are not touched at all.
        PictureCache::releasePages(found.image);
        EXPECT_EQ(found.image.convertToFormat(QImage::Format_RGB32), image);
        EXPECT_EQ(found.image.devicePixelRatio(), 2);
        EXPECT_EQ(found.aspect, 1.5);
        // A mapped drawing is read-only: a change is made on a copy, the file stays as kept.
        found.image.setPixelColor(0, 0, QColor(9, 9, 9));
        EXPECT_EQ(found.image.pixelColor(0, 0), QColor(9, 9, 9));
        EXPECT_EQ(cache.find(source, QSize(1920, 1080), 2).image.pixelColor(0, 0), QColor(1, 2, 3));
        const QPixmap shown = QPixmap::fromImage(std::move(found.image), Qt::NoFormatConversion);
        EXPECT_EQ(shown.toImage().pixelColor(29, 19), QColor(200, 100, 50));
    }
    QImage inMemory = image.convertToFormat(QImage::Format_RGB888);
    PictureCache::releasePages(inMemory);
    PictureCache::releasePages(QImage());
    EXPECT_EQ(inMemory.convertToFormat(QImage::Format_RGB32), image);
    EXPECT_TRUE(cache.find(source, QSize(1366, 768), 2).image.isNull()) << "another screen";
    EXPECT_TRUE(cache.find(source, QSize(1920, 1080), 1).image.isNull()) << "another density";

    // Damaged: cut short, or not a kept drawing at all.
    QFile kept(cache.fileFor(source, QSize(1920, 1080), 2));
    ASSERT_TRUE(kept.resize(kept.size() - 1));
    EXPECT_TRUE(cache.find(source, QSize(1920, 1080), 2).image.isNull());
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write(QByteArray(40, 'x'));
    kept.close();
    EXPECT_TRUE(cache.find(source, QSize(1920, 1080), 2).image.isNull());

    // A source changed since is drawn anew.
    cache.keep(source, QSize(1920, 1080), 2, image, 1.5);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("<!-- changed -->");
    f.close();
    EXPECT_TRUE(cache.find(source, QSize(1920, 1080), 2).image.isNull());

    // The folder keeps the newest drawings of a few screens.
    for (int width = 100; width < 100 + 90; ++width)
        cache.keep(source, QSize(width, 100), 1, image, 1.5);
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("kept"))).entryList(QDir::Files).size(), 78);
    EXPECT_FALSE(cache.find(source, QSize(189, 100), 1).image.isNull());

    // Without a folder nothing is kept.
    const PictureCache none{QString()};
    none.keep(source, QSize(800, 600), 1, image, 1.5);
    EXPECT_TRUE(none.find(source, QSize(800, 600), 1).image.isNull());
    EXPECT_TRUE(none.fileFor(source, QSize(800, 600), 1).isEmpty());
}

} // namespace vindra
