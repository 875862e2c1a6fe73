// The material build commands: text encoding, pictures and spoken items.

#include "engine/catalogue.h"
#include "material_tool.h"

#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using vindra::test::materialTool;
using vindra::test::readFile;
using vindra::test::ToolRun;
using vindra::test::writeFile;

TEST(MaterialBuild, EncodeConvertsUtf8ToCp1252OrRefuses)
{
    struct Case {
        const char* name;
        QByteArray source;
        QByteArray result; // cp1252 bytes written, or empty when refused
        const char* error;
    };
    const Case cases[] = {
        {"swedish and cp1252 extras",
         "Tr\xC3\xA4ning\n$\xC2\xA7\xC3\x96vers\xC3\xA4tt\n\xE2\x82\xAC 5\n",
         "Tr\xE4ning\n$\xA7\xD6vers\xE4tt\n\x80 5\n", nullptr},
        {"byte order mark dropped, CR LF kept",
         "\xEF\xBB\xBF"
         "a#b\r\n",
         "a#b\r\n", nullptr},
        {"arrow has no byte", "ok\nbad \xE2\x86\x92 x\n", "", ":2:5: character U+2192"},
        {"emoji has no byte", "x \xF0\x9F\x98\x80", "", ":1:3: character U+1F600"},
        {"control character",
         "a\x01"
         "b",
         "", ":1:2: character U+0001"},
        {"not UTF-8 at all", "\xE4r#year\n", "", "is not UTF-8 text"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString src = dir.filePath(QStringLiteral("ENG31051.DAT"));
        const QString dst = dir.filePath(QStringLiteral("out/ENG31051.DAT"));
        writeFile(src, c.source);
        const ToolRun r = materialTool({QStringLiteral("encode"), src, dst});
        if (c.error) {
            EXPECT_EQ(r.code, 1);
            EXPECT_TRUE(r.err.contains(c.error)) << r.err.constData();
            EXPECT_FALSE(QFile::exists(dst)); // nothing half-written
        } else {
            EXPECT_EQ(r.code, 0) << r.err.constData();
            EXPECT_EQ(readFile(dst), c.result);
        }
    }
}

TEST(MaterialBuild, PicturesCoverEverySize)
{
    // A red background over the whole box and a blue subject in its centre: "cover" scaling
    // leaves no margin of another colour and keeps the centre.
    const QByteArray svg = R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 400 260">
        <rect x="0" y="0" width="400" height="260" fill="#ff0000"/>
        <rect x="160" y="90" width="80" height="80" fill="#0000ff"/></svg>)";
    QTemporaryDir dir;
    const QString src = dir.filePath(QStringLiteral("07.svg"));
    writeFile(src, svg);
    const QString bild = dir.filePath(QStringLiteral("BILD"));
    ASSERT_EQ(materialTool({QStringLiteral("picture"), QStringLiteral("main"), QStringLiteral("7"),
                            src, bild})
                  .code,
              0);
    ASSERT_EQ(materialTool({QStringLiteral("picture"), QStringLiteral("ending"),
                            QStringLiteral("7"), src, bild})
                  .code,
              0);

    struct Want {
        QByteArray file;
        int w, h;
    };
    QList<Want> wants;
    for (const vindra::catalogue::MainPictureSize& s : vindra::catalogue::mainPictureSizes())
        wants.append({vindra::catalogue::mainPictureFile(s.prefix, 7), s.width, s.height});
    wants.append({"ENG007.BMP", vindra::catalogue::kEndingPictureWidth,
                  vindra::catalogue::kEndingPictureHeight});
    for (const Want& w : wants) {
        SCOPED_TRACE(w.file.constData());
        const QImage image(bild + QLatin1Char('/') + QString::fromLatin1(w.file));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(w.w, w.h));
        for (const QPoint corner : {QPoint(0, 0), QPoint(w.w - 1, w.h - 1)})
            EXPECT_EQ(image.pixelColor(corner), QColor(Qt::red));
        EXPECT_EQ(image.pixelColor(w.w / 2, w.h / 2), QColor(Qt::blue));
    }

    writeFile(src, "<svg");
    EXPECT_EQ(materialTool({QStringLiteral("picture"), QStringLiteral("main"), QStringLiteral("7"),
                            src, bild})
                  .code,
              1);
}

TEST(MaterialBuild, WordListsAreSpoken)
{
    if (QStandardPaths::findExecutable(QStringLiteral("flite")).isEmpty())
        GTEST_SKIP() << "flite is not installed";
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("E5111.txt"));
    writeFile(list, "# dictation 1\n001\tcat\n2\tdog\n");
    const QString ljud = dir.filePath(QStringLiteral("LJUD"));
    const ToolRun r = materialTool({QStringLiteral("speak"), list, ljud});
    ASSERT_EQ(r.code, 0) << r.err.constData();
    for (const char* name : {"E5111/E5111001.WAV", "E5111/E5111002.WAV"})
        EXPECT_TRUE(readFile(ljud + QLatin1Char('/') + QLatin1String(name)).startsWith("RIFF"))
            << name;

    writeFile(list, "001 cat without a tab\n");
    const ToolRun bad = materialTool({QStringLiteral("speak"), list, ljud});
    EXPECT_EQ(bad.code, 1);
    EXPECT_TRUE(bad.err.contains(":1: expected")) << bad.err.constData();
}
