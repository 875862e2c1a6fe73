#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

#include <memory>
#include <vector>

namespace vindra {

/// The picture at `path`, read as a Windows bitmap first: the program's own bitmaps quickly,
/// other bitmaps by Qt's reader (without a format Qt loads and asks every image plugin before
/// its own bitmap reader), and any other picture format under the same name after that. A null
/// pixmap when the file is missing or not a picture.
QPixmap loadBitmap(const QString& path);

/// An SVG picture, read once: its proportions are known at once, and it is drawn later at the
/// size of its place. Drawing into an image works on any thread, one drawing of a picture at a
/// time.
class SvgPicture {
public:
    /// Reads the picture at `path`; invalid when the file is missing or is not an SVG picture
    /// with a viewBox.
    explicit SvgPicture(const QString& path);
    SvgPicture();
    ~SvgPicture();
    SvgPicture(SvgPicture&&) noexcept;
    SvgPicture& operator=(SvgPicture&&) noexcept;

    bool isValid() const { return m_aspect > 0; }
    /// Width over height, 0 when invalid.
    double aspect() const { return m_aspect; }

    /// Drawn to cover `size` (logical pixels; the overflow cropped evenly from both sides, as
    /// the built bitmaps are cut), at `pixelRatio` device pixels per logical pixel so that it
    /// stays sharp on a high-density screen. Null when invalid or `size` is empty.
    QImage draw(QSize size, double pixelRatio) const;
    /// The same as a pixmap, for the GUI thread.
    QPixmap pixmap(QSize size, double pixelRatio) const;

private:
    struct Reader;
    QByteArray m_data;
    /// The document parsed to check it, kept for the first drawing.
    mutable std::unique_ptr<Reader> m_parsed;
    double m_aspect = 0;
};

/// Pictures drawn from their sources, kept between runs: a picture drawn for one screen is
/// read back at the next start instead of being drawn again (drawing the main window's six
/// pictures is most of its start-up on a large screen). A kept drawing is named from its
/// source's path, size and time of change and from the screen, so a changed source or another
/// screen is drawn anew; a file that cannot be read counts as not kept, and one that cannot be
/// written is simply not kept. The folder keeps the newest drawings of a few screens. The main
/// window's bitmaps are kept the same way, in the form in which they are shown.
class PictureCache {
public:
    /// Keeps its files in `dir`, created when needed; an empty `dir` keeps nothing.
    explicit PictureCache(QString dir) : m_dir(std::move(dir)) {}

    struct Entry {
        QImage image;      ///< null when nothing is kept
        double aspect = 0; ///< the source's width over height
    };
    /// How a kept file's pixels are come by: mapped into memory where the file system is a
    /// local one (a mapping of a file on a server can lose its pages), or always read.
    enum class Access { MapWhereSafe, Read };
    /// The drawing of `source` kept for a screen of `screen` logical pixels at `pixelRatio`.
    /// A mapped drawing's pixels are read-only: anything that changes them works on a copy.
    Entry find(const QString& source, QSize screen, double pixelRatio,
               Access access = Access::MapWhereSafe) const;
    /// Lets go of the pages of a mapped drawing once it has been painted: they stay in the
    /// system's file cache and come back at the next paint, but no longer count in the
    /// program's memory. Nothing happens to an image that is not a mapped kept drawing.
    static void releasePages(const QImage& image);
    /// Keeps `image`, drawn from `source` (whose proportions are `aspect`) for that screen.
    /// Written through a scratch file, so a reader never sees half a picture.
    void keep(const QString& source, QSize screen, double pixelRatio, const QImage& image,
              double aspect) const;

    /// The file a drawing is kept in; empty when nothing is kept or the source is missing.
    QString fileFor(const QString& source, QSize screen, double pixelRatio) const;

private:
    QString m_dir;
};

/// One picture to draw with drawPictures().
struct PictureJob {
    const SvgPicture* picture = nullptr;
    QSize size;
    double pixelRatio = 1.0;
};

/// Draws the pictures of `jobs` on this thread and a second one at once (the six pictures of
/// the main window on a large screen are most of its start-up there), one image per job.
std::vector<QImage> drawPictures(const std::vector<PictureJob>& jobs);

} // namespace vindra
