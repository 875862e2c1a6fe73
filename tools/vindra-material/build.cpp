#include "commands.h"

#include "engine/catalogue.h"
#include "engine/cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <QSvgRenderer>

#include <cstdio>

namespace vindra::material {

namespace {

void error(const QString& text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

bool readFile(const QString& path, QByteArray& out)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        error(path + QStringLiteral(": cannot be read"));
        return false;
    }
    out = f.readAll();
    return true;
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size() || !f.commit()) {
        error(path + QStringLiteral(": cannot be written"));
        return false;
    }
    return true;
}

/// Renders an SVG so that it covers a w x h bitmap: scaled to fill, the overflow cropped
/// evenly from both sides.
QImage renderCover(QSvgRenderer& svg, int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRectF box = svg.viewBoxF();
    const qreal scale = std::max(w / box.width(), h / box.height());
    const QSizeF size(box.width() * scale, box.height() * scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(QPointF((w - size.width()) / 2, (h - size.height()) / 2), size));
    painter.end();
    return image;
}

bool saveBitmap(const QImage& image, const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    if (!image.convertToFormat(QImage::Format_RGB888).save(path, "BMP")) {
        error(path + QStringLiteral(": cannot be written"));
        return false;
    }
    return true;
}

} // namespace

int encodeCommand(const QStringList& args)
{
    if (args.size() != 2) {
        error(QStringLiteral("usage: vindra-material encode SRC DST"));
        return 2;
    }
    const QString& src = args[0];
    QByteArray bytes;
    if (!readFile(src, bytes))
        return 1;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decode(bytes);
    if (decode.hasError()) {
        error(src + QStringLiteral(": is not UTF-8 text"));
        return 1;
    }

    int line = 1;
    int column = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch == QLatin1Char('\n')) {
            ++line;
            column = 1;
            continue;
        }
        const bool allowedControl = ch == QLatin1Char('\t') || ch == QLatin1Char('\r');
        if (!allowedControl && (ch.unicode() < 0x20 || !cp1252::canEncode(ch))) {
            const char32_t code = ch.isHighSurrogate() && i + 1 < text.size()
                                      ? QChar::surrogateToUcs4(ch, text[i + 1])
                                      : ch.unicode();
            error(QStringLiteral("%1:%2:%3: character U+%4 has no place in code page 1252; "
                                 "write it differently")
                      .arg(src)
                      .arg(line)
                      .arg(column)
                      .arg(QString::number(static_cast<uint>(code), 16)
                               .toUpper()
                               .rightJustified(4, QLatin1Char('0'))));
            return 1;
        }
        ++column;
    }
    return writeFile(args[1], cp1252::fromUnicode(text)) ? 0 : 1;
}

int datfilerCommand(const QStringList& args)
{
    if (args.size() != 1) {
        error(QStringLiteral("usage: vindra-material datfiler DST"));
        return 2;
    }
    return writeFile(args[0], catalogue::datfilerContent()) ? 0 : 1;
}

int pictureCommand(const QStringList& args)
{
    // A picture of its own name and size: drawn at the size its SVG gives.
    if (args.value(0) == QStringLiteral("named")) {
        if (args.size() != 3) {
            error(QStringLiteral("usage: vindra-material picture named SRC.svg DST.BMP"));
            return 2;
        }
        QSvgRenderer svg(args[1]);
        if (!svg.isValid() || svg.defaultSize().isEmpty()) {
            error(args[1] + QStringLiteral(": is not a valid SVG picture with a size"));
            return 1;
        }
        const QSize size = svg.defaultSize();
        return saveBitmap(renderCover(svg, size.width(), size.height()), args[2]) ? 0 : 1;
    }
    if (args.value(0) == QStringLiteral("britain") && args.size() == 3) {
        QSvgRenderer svg(args[1]);
        if (!svg.isValid() || svg.viewBoxF().isEmpty()) {
            error(args[1] + QStringLiteral(": is not a valid SVG picture with a viewBox"));
            return 1;
        }
        const QByteArray source = QFileInfo(args[1]).fileName().toUpper().toLatin1();
        int built = 0;
        for (const catalogue::BritainPicture& p : catalogue::britainPictures()) {
            if (source != p.source)
                continue;
            if (!saveBitmap(renderCover(svg, p.width, p.height),
                            args[2] + QLatin1Char('/') + QString::fromLatin1(p.file)))
                return 1;
            ++built;
        }
        if (built == 0) {
            error(args[1] + QStringLiteral(": no picture of the Britain windows is built from it"));
            return 1;
        }
        return 0;
    }
    bool numberOk = false;
    const int number = args.size() == 4 ? args[1].toInt(&numberOk) : 0;
    const bool main = args.value(0) == QStringLiteral("main");
    if (!numberOk || (!main && args.value(0) != QStringLiteral("ending")) || number < 1 ||
        number > 999) {
        error(QStringLiteral("usage: vindra-material picture main|ending NUMBER SRC.svg BILDDIR\n"
                             "       vindra-material picture britain SRC.svg BILDDIR"));
        return 2;
    }
    QSvgRenderer svg(args[2]);
    if (!svg.isValid() || svg.viewBoxF().isEmpty()) {
        error(args[2] + QStringLiteral(": is not a valid SVG picture with a viewBox"));
        return 1;
    }
    const QString dir = args[3] + QLatin1Char('/');
    if (!main) {
        const QImage image =
            renderCover(svg, catalogue::kEndingPictureWidth, catalogue::kEndingPictureHeight);
        return saveBitmap(image, dir + QString::fromLatin1(catalogue::endingPictureFile(number)))
                   ? 0
                   : 1;
    }
    for (const catalogue::MainPictureSize& s : catalogue::mainPictureSizes()) {
        const QImage image = renderCover(svg, s.width, s.height);
        if (!saveBitmap(image,
                        dir + QString::fromLatin1(catalogue::mainPictureFile(s.prefix, number))))
            return 1;
    }
    return 0;
}

int speakCommand(const QStringList& args)
{
    if (args.size() != 2) {
        error(QStringLiteral("usage: vindra-material speak LIST DIR"));
        return 2;
    }
    QByteArray bytes;
    if (!readFile(args[0], bytes))
        return 1;
    const QByteArray prefix = QFileInfo(args[0]).completeBaseName().toLatin1();
    const QString outDir = args[1] + QLatin1Char('/') + QString::fromLatin1(prefix);
    QDir().mkpath(outDir);

    static const QRegularExpression kLine(QStringLiteral("^(\\d{1,3})\\t(.+)$"));
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed().isEmpty() ? QString() : lines[i];
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QString clean = line;
        clean.remove(QLatin1Char('\r'));
        const QRegularExpressionMatch m = kLine.match(clean);
        const int item = m.hasMatch() ? m.captured(1).toInt() : 0;
        if (item < 1) {
            error(QStringLiteral("%1:%2: expected \"nnn<TAB>text\" with an item number 1..999")
                      .arg(args[0])
                      .arg(i + 1));
            return 1;
        }
        const QString wav =
            outDir + QLatin1Char('/') + QString::fromLatin1(catalogue::itemSoundFile(prefix, item));
        // flite's Scottish English voice "awb", a little slower than its own pace: of the
        // British voices Debian offers it is by far the easiest to understand (material/README.md).
        QProcess flite;
        flite.start(QStringLiteral("flite"),
                    {QStringLiteral("-voice"), QStringLiteral("awb"), QStringLiteral("--setf"),
                     QStringLiteral("duration_stretch=1.15"), QStringLiteral("-t"), m.captured(2),
                     QStringLiteral("-o"), wav});
        if (!flite.waitForFinished(60000) || flite.exitStatus() != QProcess::NormalExit ||
            flite.exitCode() != 0 || !QFileInfo(wav).isFile()) {
            error(QStringLiteral("%1:%2: flite could not speak it (%3)")
                      .arg(args[0])
                      .arg(i + 1)
                      .arg(flite.errorString()));
            return 1;
        }
    }
    return 0;
}

int listCommand()
{
    for (const catalogue::MaterialFile& f : catalogue::materialFiles()) {
        QByteArray path = f.path;
        path.replace('\\', '/');
        std::printf("%s\n", path.constData());
    }
    return 0;
}

} // namespace vindra::material
