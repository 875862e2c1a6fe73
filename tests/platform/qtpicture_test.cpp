// Reading the program's pictures.

#include "platform/qtpicture.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vindra {
namespace {

// Pictures are bitmaps by name, but a teacher may put another format under that name; a file
// that is no picture gives nothing, never a crash.
TEST(Picture, BitmapsAndWhatElseLiesUnderTheirName)
{
    QTemporaryDir dir;
    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 40));
    const QString bmp = dir.filePath(QStringLiteral("ENGS001.BMP"));
    const QString png = dir.filePath(QStringLiteral("ENGS002.BMP"));
    ASSERT_TRUE(image.save(bmp, "BMP"));
    ASSERT_TRUE(image.save(png, "PNG"));
    const QString broken = dir.filePath(QStringLiteral("ENGS003.BMP"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM this is not a picture");
    file.close();

    for (const QString& path : {bmp, png}) {
        const QPixmap picture = loadBitmap(path);
        EXPECT_EQ(picture.size(), QSize(7, 5)) << path.toStdString();
        EXPECT_EQ(picture.toImage().pixelColor(3, 2), QColor(200, 30, 40)) << path.toStdString();
    }
    EXPECT_TRUE(loadBitmap(broken).isNull());
    EXPECT_TRUE(loadBitmap(dir.filePath(QStringLiteral("ENGS004.BMP"))).isNull());
}

} // namespace
} // namespace vindra
