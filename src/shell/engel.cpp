#include "engel.h"

#include "diagnosis/diagu.h"
#include "engine/catalogue.h"
#include "engine/cp1252.h"
#include "framework/chrome.h"
#include "framework/look.h"
#include "framework/skrivut.h"
#include "menupanel.h"
#include "menuwindow.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/qtpicture.h"
#include "platform/qtplatform.h"
#include "platform/screen.h"
#include "shell/manualu.h"
#include "shell/omsevra.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <utility>

namespace vindra {

namespace {

/// One of the six pictures. A picture kept from an earlier run is shown from the kept file's
/// mapped pages, which are let go once it is painted: six pictures on a large screen are some
/// 3 MB, which would otherwise stay counted in the program's memory for the whole run.
class PictureLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        PictureCache::releasePages(pixmap().toImage());
    }
};

/// What a main-menu button does besides its own handler.
struct MainButton {
    int number;
    const char* caption;
    const char* menu;  ///< the menu it opens, or nullptr
    bool setsPractice; ///< session mode 0 unless worksheet mode is on
    bool worksheetOff; ///< disabled in worksheet mode
};

// Display and tab order of the main menu.
constexpr MainButton kMainButtons[] = {
    {1, "Storbritannien", "TF1", true, true},      {2, "Dina ord", "TF2", false, false},
    {3, "Grammatik", "TF3", true, false},          {4, "Skriva", "TF4", true, true},
    {5, "Lyssna - skriva", "TF5", false, true},    {6, "Läsa", "TF6", true, true},
    {7, "Göra arbetsblad", nullptr, false, false}, {11, "Diagnos", nullptr, false, true},
    {8, "Manual", nullptr, false, true},           {9, "Om Vindra", nullptr, false, true},
    {10, "Avsluta", nullptr, false, false},
};

constexpr char kWorksheetOn[] = "Göra arbetsblad";
constexpr char kWorksheetOff[] = "Avbryta arbetsblad";

constexpr int kPanelWidth = 301;
constexpr int kPanelHeight = 429;
constexpr int kTopBarHeight = 20;
constexpr int kSignWidth = 247;
constexpr int kSignHeight = 29;
constexpr int kButtonWidth = 265;
constexpr int kButtonHeight = 32;
constexpr int kButtonPitch = 34;
constexpr int kFirstButtonTop = 48;
constexpr int kCaptionPixels = 11;

const QColor kNavy(0, 0, 128);
const QColor kMaroon(128, 0, 0);

void setColour(QWidget* w, QPalette::ColorRole role, const QColor& colour)
{
    QPalette pal = w->palette();
    pal.setColor(role, colour);
    w->setPalette(pal);
}

FontSpec arialPixels(int pixels, bool bold)
{
    return FontSpec{QStringLiteral("Arial"), pixels, true, bold};
}

} // namespace

TEngel::TEngel(std::unique_ptr<Engine> engine, const Services& services, QWidget* parent)
    : QWidget(parent), m_engine(std::move(engine)), m_services(services)
{
    setObjectName(QStringLiteral("Engel"));
    setWindowTitle(QStringLiteral("Vindra"));
    setWindowFlag(Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, QColor(0, 0, 255));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->hide();

    Panel9 = new QFrame(this);
    Panel9->setObjectName(QStringLiteral("Panel9"));
    Panel9->setAutoFillBackground(true);
    setColour(Panel9, QPalette::Window, kNavy);
    auto* credit = new QLabel(QStringLiteral("Vindra \u2013 engelska f\u00f6r skolan, "
                                             "fritt material fr\u00e5n Vindra-projektet"),
                              Panel9);
    credit->setObjectName(QStringLiteral("Panel9Caption"));
    setColour(credit, QPalette::WindowText, Qt::white);

    Panel1 = new MenuPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(3);
    Panel1->setFill(kNavy);

    Label1 = new QLabel(QStringLiteral("Vindra"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    setColour(Label1, QPalette::WindowText, Qt::yellow);

    for (const MainButton& b : kMainButtons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), Panel1);
        button->setObjectName(QStringLiteral("Button%1").arg(b.number));
        m_buttons[static_cast<size_t>(b.number)] = button;
        if (b.menu) {
            const int number = b.number;
            connect(button, &QPushButton::clicked, this, [this, number] { openMainMenu(number); });
        }
    }
    for (size_t i = 1; i < std::size(kMainButtons); ++i)
        setTabOrder(button(kMainButtons[i - 1].number), button(kMainButtons[i].number));
    button(1)->installEventFilter(this);
    connect(button(7), &QPushButton::clicked, this, &TEngel::Button7Click);
    connect(button(8), &QPushButton::clicked, this, &TEngel::Button8Click);
    connect(button(9), &QPushButton::clicked, this, &TEngel::Button9Click);
    connect(button(10), &QPushButton::clicked, this, &TEngel::Button10Click);
    connect(button(11), &QPushButton::clicked, this, &TEngel::Button11Click);

    // Painted, not styled: a style sheet would load Qt's style-sheet machinery at start-up.
    Shape1 = new RoundedBox(QStringLiteral("Shape1"), look::kYellow, 8, this);
    Label2 = new QLabel(QStringLiteral("Arbetsblad aktiverat"), Shape1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    Shape1->hide();

    static constexpr const char* kImageNames[] = {"BildImage11", "BildImage12", "BildImage13",
                                                  "BildImage21", "BildImage22", "BildImage23"};
    for (int k = 1; k <= 6; ++k) {
        auto* image = new PictureLabel(this);
        image->setObjectName(QString::fromLatin1(kImageNames[k - 1]));
        image->setMouseTracking(true);
        image->installEventFilter(this);
        m_images[static_cast<size_t>(k)] = image;
    }

    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label4 = new QLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    for (QLabel* l : {Label3, Label4}) {
        setColour(l, QPalette::WindowText, Qt::white);
        look::setLiesOnTop(l); // a caption is shown over the picture below
    }

    FormCreate();
}

TEngel::~TEngel() = default;

void TEngel::FormCreate()
{
    Label3->hide();
    Label4->hide();
    m_engine->resetSettings();
    m_engine->setTextMeasure(m_services.measure);
    m_engine->setSoundPlayer(m_services.sound);
    if (m_services.screen)
        m_engine->screenWidth = m_services.screen->size().width();
    // The pictures are read before the first text is measured: the fonts may still be being
    // listed on the second thread, and the pictures need neither them nor the scale.
    choosePictures();
    if (m_services.measure && m_services.screen)
        m_engine->Skaltest(m_services.screen->size().width(), *m_services.measure,
                           m_services.screen->size().height());
    m_engine->checkDirectories();
    layoutWindow();

    const int pictures = m_engine->settings.ENGLANDPICTURES;
    if (pictures == 1 || pictures == 3) {
        startbilder();
        Image1->hide();
    } else {
        loadBackground();
        Image1->show();
    }
}

int TEngel::scaled(int v) const
{
    return v * m_engine->screenScale / 100;
}

int TEngel::labelWidth(const QLabel* label, int pixels) const
{
    if (m_services.measure)
        return m_services.measure->width(label->text(), arialPixels(pixels, false));
    return QFontMetrics(toQFont(arialPixels(pixels, false))).horizontalAdvance(label->text());
}

void TEngel::layoutWindow()
{
    const QSize screen = m_services.screen ? m_services.screen->size() : QSize(1024, 768);
    resize(screen);
    Image1->setGeometry(0, 0, screen.width(), screen.height());

    const int panelW = scaled(kPanelWidth);
    const int panelH = scaled(kPanelHeight);
    const int barH = scaled(kTopBarHeight);
    const int signW = scaled(kSignWidth);
    const int signH = scaled(kSignHeight);

    Panel9->setGeometry(0, 0, screen.width(), barH);
    if (auto* credit = Panel9->findChild<QLabel*>()) {
        credit->setFont(toQFont(arialPixels(qMax(8, scaled(13)), true)));
        credit->setGeometry(scaled(6), 0, screen.width() - scaled(12), barH);
    }

    const int panelLeft = (screen.width() - panelW) / 2;
    const int panelTop = (screen.height() - (barH + panelH + signH)) / 2 + barH;
    Panel1->setGeometry(panelLeft, panelTop, panelW, panelH);

    Shape1->setGeometry((screen.width() - signW) / 2,
                        (screen.height() - (panelTop + panelH) - signH) / 2 + panelTop + panelH,
                        signW, signH);
    Label2->setFont(toQFont(arialPixels(scaled(16), true)));
    Label2->setGeometry(0, 0, signW, signH);

    Label1->setFont(toQFont(arialPixels(scaled(28), true)));
    Label1->setGeometry(5, scaled(6), panelW - 10, scaled(38));
    const QFont buttonFont = toQFont(arialPixels(scaled(19), true));
    const int buttonW = scaled(kButtonWidth);
    const int buttonH = scaled(kButtonHeight);
    int row = 0;
    for (const MainButton& b : kMainButtons) {
        QPushButton* button = this->button(b.number);
        button->setFont(buttonFont);
        button->setGeometry((panelW - buttonW) / 2, scaled(kFirstButtonTop + row * kButtonPitch),
                            buttonW, buttonH);
        ++row;
    }

    m_label3Pixels = scaled(kCaptionPixels);
    Label3->setFont(toQFont(arialPixels(m_label3Pixels, false)));
    Label4->setFont(toQFont(arialPixels(m_label3Pixels, false)));
}

bool TEngel::picturesDrawnFromSource() const
{
    // The bitmaps are made for screens up to 1024 pixels wide. On a larger or denser screen a
    // picture is drawn from its SVG as high as its row and as wide as its proportions allow,
    // at most the whole column, so that it fills its place and stays sharp.
    const QSize screen = m_services.screen ? m_services.screen->size() : QSize(1024, 768);
    const double ratio = m_services.screen ? m_services.screen->pixelRatio() : 1.0;
    return screen.width() > catalogue::kLargestBitmapScreenWidth || ratio != 1.0;
}

void TEngel::choosePictures()
{
    const int pictures = m_engine->settings.ENGLANDPICTURES;
    if (pictures != 1 && pictures != 3) {
        // The background is the first ending picture stretched over the screen.
        const QString path = m_engine->materialPath("\\BILD\\" + catalogue::endingPictureFile(1));
        m_pictureBitmaps[0] = files::isFile(path) ? loadBitmap(path) : QPixmap();
        return;
    }
    const QSize screen = m_services.screen ? m_services.screen->size() : QSize(1024, 768);
    const QByteArray prefix = catalogue::mainPicturePrefix(screen.width());
    const bool drawn = picturesDrawnFromSource();
    const PictureCache cache(m_services.pictureCacheDir);
    const double ratio = m_services.screen ? m_services.screen->pixelRatio() : 1.0;
    for (int k = 1; k <= 6; ++k) {
        const auto at = static_cast<size_t>(k);
        const int n = m_engine->haemta_Bildslumptal();
        m_pictureNumbers[at] = n;
        QPixmap& bitmap = m_pictureBitmaps[at];
        bitmap = QPixmap();
        SvgPicture& source = m_pictureSources[at];
        source = SvgPicture();
        m_keptDrawings[at] = {};
        m_sourcePaths[at].clear();
        if (drawn) {
            // The drawing kept from an earlier run on this screen, or the source, read now and
            // drawn in startbilder(), once the size of its place is known.
            const QString path =
                m_engine->materialPath("\\BILD\\" + catalogue::mainPictureSource(n));
            if (files::isFile(path)) {
                m_sourcePaths[at] = path;
                m_keptDrawings[at] = cache.find(path, screen, ratio);
                if (!m_keptDrawings[at].image.isNull())
                    continue;
                source = SvgPicture(path);
                if (source.isValid())
                    continue;
            }
        }
        // The bitmaps, and on a larger screen the bitmap of the largest size where a picture
        // has no source. A bitmap is kept as well, in the form it is shown in.
        const QString path =
            m_engine->materialPath("\\BILD\\" + catalogue::mainPictureFile(prefix, n));
        if (!files::isFile(path))
            continue;
        PictureCache::Entry kept = cache.find(path, screen, ratio);
        if (!kept.image.isNull()) {
            bitmap = QPixmap::fromImage(std::move(kept.image), Qt::NoFormatConversion);
            continue;
        }
        bitmap = loadBitmap(path);
        if (!bitmap.isNull())
            cache.keep(path, screen, ratio, bitmap.toImage(),
                       double(bitmap.width()) / bitmap.height());
    }
}

void TEngel::startbilder()
{
    const QSize screen = m_services.screen ? m_services.screen->size() : QSize(1024, 768);
    const double ratio = m_services.screen ? m_services.screen->pixelRatio() : 1.0;
    const int barH = Panel9->height();
    const int rowHeight = (screen.height() - barH) / 3;
    const int panelLeft = Panel1->x();
    const int panelRight = Panel1->x() + Panel1->width();

    // A picture drawn from its source is as high as its row and as wide as its proportions
    // allow, at most the whole column, so that it fills its place and stays sharp. The six
    // are drawn at once on two threads.
    // A drawing kept from an earlier run is used when it has exactly the size of its place.
    const auto placeFor = [&](double aspect) {
        return QSize(std::min(panelLeft, int(rowHeight * aspect)), rowHeight);
    };
    std::vector<QImage> drawn(7);
    for (int k = 1; k <= 6; ++k) {
        const auto at = static_cast<size_t>(k);
        PictureCache::Entry& kept = m_keptDrawings[at];
        if (kept.image.isNull())
            continue;
        if (kept.image.deviceIndependentSize().toSize() == placeFor(kept.aspect))
            drawn[at] = std::move(kept.image);
        else
            m_pictureSources[at] = SvgPicture(m_sourcePaths[at]);
        kept = {};
    }
    std::vector<PictureJob> jobs(7);
    for (int k = 1; k <= 6; ++k) {
        const SvgPicture& source = m_pictureSources[static_cast<size_t>(k)];
        if (source.isValid())
            jobs[static_cast<size_t>(k)] = PictureJob{&source, placeFor(source.aspect()), ratio};
    }
    std::vector<QImage> fresh = drawPictures(jobs);
    const PictureCache cache(m_services.pictureCacheDir);
    for (int k = 1; k <= 6; ++k) {
        const auto at = static_cast<size_t>(k);
        if (fresh[at].isNull())
            continue;
        cache.keep(m_sourcePaths[at], screen, ratio, fresh[at], m_pictureSources[at].aspect());
        // Shown from the kept file like a kept picture, its pages let go once painted; the
        // drawing's own memory is freed here.
        PictureCache::Entry kept = cache.find(m_sourcePaths[at], screen, ratio);
        drawn[at] =
            kept.image.size() == fresh[at].size() ? std::move(kept.image) : std::move(fresh[at]);
        fresh[at] = QImage();
    }

    for (int k = 1; k <= 6; ++k) {
        QLabel* image = pictureImage(k);
        const int top = ((k - 1) % 3) * rowHeight + barH;
        image->resize(panelLeft, rowHeight);
        const int left = k <= 3 ? panelLeft - pictureImage(1)->width() : panelRight;
        image->move(left, top);

        QImage& picture = drawn[static_cast<size_t>(k)];
        QPixmap bitmap = picture.isNull()
                             ? std::exchange(m_pictureBitmaps[static_cast<size_t>(k)], QPixmap())
                             : QPixmap::fromImage(std::move(picture), Qt::NoFormatConversion);
        m_pictureSources[static_cast<size_t>(k)] = SvgPicture();
        if (bitmap.isNull()) {
            image->hide();
            continue;
        }
        image->setPixmap(bitmap);
        image->resize(bitmap.deviceIndependentSize().toSize());
        if (k == 1)
            image->move(panelLeft - image->width(), top);
        image->show();
    }
}

void TEngel::loadBackground()
{
    // Without the picture the blue window shows.
    const QPixmap bitmap = std::exchange(m_pictureBitmaps[0], QPixmap());
    if (!bitmap.isNull())
        Image1->setPixmap(bitmap);
}

void TEngel::BildImageMouseMove(int k)
{
    const int panelLeft = Panel1->x();
    const int panelRight = Panel1->x() + Panel1->width();
    const int unit = m_engine->layoutUnit;
    QLabel* image = pictureImage(k);

    m_engine->captionFlag = true;
    const int limit = k == 6 ? panelLeft - unit : panelLeft - 2;
    m_engine->dela_mening(0, limit, Engine::mainWindowCaption(pictureNumber(k)), 2);
    Label3->setText(cp1252::toUnicode(m_engine->sentenceLines[1]));
    Label4->setText(cp1252::toUnicode(m_engine->sentenceLines[2]));

    Label3->setFont(toQFont(arialPixels(m_label3Pixels, false)));
    const int w3 = labelWidth(Label3, m_label3Pixels);
    const int height = QFontMetrics(Label3->font()).height();
    int left;
    if (k <= 3) {
        left = w3 < image->width() ? image->x() + (image->width() - w3) / 2
                                   : (panelLeft - w3) / 2 + unit;
    } else {
        left = w3 < pictureImage(6)->width() ? panelRight + (image->width() - w3) / 2
                                             : panelRight + unit;
    }
    const int top = image->y() + image->height();
    Label3->setGeometry(left, top, w3, height);

    const int width4 = labelWidth(Label4, scaled(kCaptionPixels));
    Label4->setGeometry(left, top + height, width4, QFontMetrics(Label4->font()).height());
    Label4->setVisible(!Label4->text().isEmpty());

    // The upper right caption has the narrowest room; its font shrinks a step per movement.
    const int roomRight = width() - panelRight;
    if (k == 4 && w3 > roomRight && m_label3Pixels > 1)
        --m_label3Pixels;
    Label3->show();
    Label3->raise();
    Label4->raise();
}

bool TEngel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == button(1) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            button(1)->click();
            return true;
        }
    }
    if (event->type() == QEvent::MouseMove) {
        for (int k = 1; k <= 6; ++k)
            if (watched == pictureImage(k)) {
                BildImageMouseMove(k);
                break;
            }
    }
    return QWidget::eventFilter(watched, event);
}

void TEngel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    button(1)->setFocus();
}

void TEngel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        button(10)->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TEngel::openMainMenu(int buttonNumber)
{
    for (const MainButton& b : kMainButtons) {
        if (b.number != buttonNumber)
            continue;
        if (b.setsPractice && m_engine->session.mode != SessionMode::Worksheet)
            m_engine->session.mode = SessionMode::Practice;
        TMenuWindow::openMenu(*m_engine, m_services, b.menu, this);
        return;
    }
}

void TEngel::Button7Click()
{
    const bool on = m_engine->session.mode != SessionMode::Worksheet;
    m_engine->session.mode = on ? SessionMode::Worksheet : SessionMode::Practice;
    showWorksheetMode(on);
    clearWorksheet();
}

void TEngel::showWorksheetMode(bool on)
{
    button(7)->setText(QString::fromUtf8(on ? kWorksheetOff : kWorksheetOn));
    for (const MainButton& b : kMainButtons)
        if (b.worksheetOff)
            button(b.number)->setEnabled(!on);
    Shape1->setVisible(on);
    Panel1->setFill(on ? kMaroon : kNavy);
}

void TEngel::clearWorksheet()
{
    // Through the print queue when it exists, so that its lists show the empty worksheet.
    if (m_services.utskrift)
        m_services.utskrift->clearWorksheet(false);
    else
        m_engine->worksheet.clear(false);
}

void TEngel::Button8Click()
{
    TManual manual(*m_engine, m_services, this);
    if (manual.loaded())
        manual.exec();
}

void TEngel::Button9Click()
{
    TOmSevra about(*m_engine, m_services, this);
    about.exec();
}

void TEngel::Button10Click()
{
    close();
}

void TEngel::Button11Click()
{
    m_engine->diagnosis.diagnosisLeft = false;
    m_engine->session.mode = SessionMode::DiagnosisTest;
    m_engine->session.selectedProtocolRow = 1;
    TDiag dialog(*m_engine, m_services, this);
    dialog.exec();
}

} // namespace vindra
