#include "chrome.h"

#include "engine/catalogue.h"
#include "engine/cp1252.h"
#include "engine/engine.h"
#include "look.h"
#include "platform/files.h"
#include "platform/qtpicture.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

namespace vindra {

namespace {

QLabel* makeLabel(const QString& name, QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    return l;
}

QString text(const QByteArray& cp1252)
{
    return cp1252::toUnicode(cp1252);
}

QFont boldPoints(int pt)
{
    return look::arial(pt);
}

} // namespace

// ---- RoundedBox ------------------------------------------------------------------------------

RoundedBox::RoundedBox(const QString& name, const QColor& fill, int radius, QWidget* parent)
    : QWidget(parent), m_fill(fill), m_radius(radius)
{
    setObjectName(name);
}

void RoundedBox::setFill(const QColor& c)
{
    m_fill = c;
    update();
}

void RoundedBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(m_fill);
    p.drawRoundedRect(rect(), m_radius, m_radius);
}

void RoundedBox::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT pressed();
    QWidget::mousePressEvent(event);
}

// ---- HeaderBox -------------------------------------------------------------------------------

HeaderBox::HeaderBox(QWidget* form)
    : RoundedBox(QStringLiteral("OverskriftYtterShape"), look::kYellow, 12, form)
{
    OverskriftInnerShape =
        new RoundedBox(QStringLiteral("OverskriftInnerShape"), look::kNavy, 10, this);
    Overs1Label = makeLabel(QStringLiteral("Overs1Label"), this);
    Overs2Label = makeLabel(QStringLiteral("Overs2Label"), this);
    Overs3Label = makeLabel(QStringLiteral("Overs3Label"), this);
    for (QLabel* l : {Overs1Label, Overs2Label, Overs3Label}) {
        l->setStyleSheet(look::colourStyle(look::kYellow));
        l->setAlignment(Qt::AlignCenter);
    }
}

void HeaderBox::place(QPoint pos, QSize size)
{
    setGeometry(QRect(pos, size));
    OverskriftInnerShape->setGeometry(6, 5, size.width() - 12, size.height() - 10);
}

void HeaderBox::setMode(SessionMode mode)
{
    OverskriftInnerShape->setFill(mode == SessionMode::Practice    ? look::kNavy
                                  : mode == SessionMode::Worksheet ? look::kMaroon
                                                                   : look::kGreen);
}

void HeaderBox::RitaOverskriften(const QByteArray& line1, const QByteArray& line2,
                                 const QByteArray& line3, int u)
{
    // The fitting rules are written for the inner box in the form's coordinates; the labels
    // are children of this box.
    const QRect inner = OverskriftInnerShape->geometry().translated(pos());
    const int n = (line1.isEmpty() ? 0 : 1) + (line2.isEmpty() ? 0 : 1) + (line3.isEmpty() ? 0 : 1);
    QLabel* l1 = Overs1Label;
    QLabel* l2 = Overs2Label;
    QLabel* l3 = Overs3Label;
    l1->setText(text(line1));
    l2->setText(text(line2));
    l3->setText(text(line3));

    auto width = [](QLabel* l, int pt) {
        return QFontMetrics(boldPoints(pt)).horizontalAdvance(l->text());
    };
    auto height = [](int pt) { return QFontMetrics(boldPoints(pt)).height(); };

    // The starting sizes are those of a header box no taller than it is on a 1024-pixel screen
    // (80 pixels at 148 %); a taller box, on a larger screen, starts them larger in proportion.
    const double grow = std::max(1.0, QWidget::height() / 118.0);
    int size1 = int((n <= 1 ? 30 : 20) * grow);
    int size2 = int(20 * grow);
    int size3 = 8;
    while (width(l1, size1) > inner.width() - 2 * u && size1 > 10)
        --size1;
    if (n > 1) {
        while (width(l2, size2) > inner.width() - 2 * u && size2 > 10)
            --size2;
        size1 = size2 = std::min(size1, size2);
        while ((inner.height() - 2 * height(size1)) / 3 + inner.y() < 3 * u / 2 && size1 > 10)
            --size1;
        size2 = size1;
        if (n == 3) {
            size3 = std::max(size1 - 2, 8);
            while (width(l3, size3) > inner.width() - 2 * u && size3 > 8)
                --size3;
            while (inner.height() - 2 * height(size1) < height(size3) && size3 > 8)
                --size3;
        }
        // On a small screen three lines can still be taller than the box, and would be drawn
        // over each other: lines 1 and 2 then shrink too until all of them fit.
        const int third = n == 3 ? 1 : 0;
        while (2 * height(size1) + third * height(size3) > inner.height() && size1 > 8) {
            --size1;
            size3 = std::min(size3, std::max(size1 - 2, 8));
        }
        size2 = size1;
    }
    l1->setFont(boldPoints(size1));
    l2->setFont(boldPoints(size2));
    l3->setFont(boldPoints(size3));

    const int h = height(size1);
    const int H = inner.height();
    const int T = inner.y() - y();
    const int left = inner.x() - x() + u / 2;
    l1->resize(inner.width() - u, height(size1));
    l2->resize(inner.width() - u, height(size2));
    l3->resize(inner.width() - u, height(size3));
    if (n <= 1) {
        l1->move(left, (H - h) / 2 + T);
        l2->hide();
        l3->hide();
    } else if (n == 2) {
        l1->move(left, T + (H - 2 * h) / 3);
        l2->move(left, T + 2 * (H - 2 * h) / 3 + h);
        l2->show();
        l3->hide();
    } else {
        const int R = H - 2 * h - height(size3);
        l1->move(left, T + R / 4);
        l2->move(left, T + 2 * R / 4 + 3 * h / 4);
        l3->move(left, l2->y() + l2->height());
        l2->show();
        l3->show();
    }
    l1->show();
    for (QLabel* l : {l1, l2, l3})
        l->raise();
}

// ---- Diagnosis caption and panel -------------------------------------------------------------

namespace {
const QStringList kDiagnosisCaptions = {QStringLiteral("Diagnosis: Test"),
                                        QStringLiteral("Practise 1"), QStringLiteral("Practise 2")};
}

DiagnosisCaption::DiagnosisCaption(QWidget* form)
    : RoundedBox(QStringLiteral("DiagPanel2"), look::kYellow, 10, form)
{
    DiagLabel1 = makeLabel(QStringLiteral("DiagLabel1"), this);
    DiagLabel1->setStyleSheet(look::colourStyle(look::kGreen));
    DiagLabel1->setAlignment(Qt::AlignCenter);
    hide();
}

void DiagnosisCaption::place(int right, int top, int minWidth, int height)
{
    int width = minWidth;
    const QFontMetrics fm(DiagLabel1->font());
    for (const QString& caption : kDiagnosisCaptions)
        width = std::max(width, fm.horizontalAdvance(caption) + fm.averageCharWidth() * 2);
    height = std::max(height, fm.height() + 4);
    setGeometry(right - width, top, width, height);
    DiagLabel1->setGeometry(0, 0, width, height);
}

void DiagnosisCaption::TestOverSkrift(SessionMode mode)
{
    switch (mode) {
    case SessionMode::DiagnosisTest:
        DiagLabel1->setText(kDiagnosisCaptions[0]);
        break;
    case SessionMode::Practise1:
        DiagLabel1->setText(kDiagnosisCaptions[1]);
        break;
    case SessionMode::Practise2:
        DiagLabel1->setText(kDiagnosisCaptions[2]);
        break;
    default:
        hide();
        return;
    }
    show();
}

DiagnosisPanel::DiagnosisPanel(QWidget* form) : QFrame(form)
{
    setObjectName(QStringLiteral("DiagPanel1"));
    DiagShape2 = new RoundedBox(QStringLiteral("DiagShape2"), look::kGreen, 10, this);
    DiagLabel2 = makeLabel(QStringLiteral("DiagLabel2"), DiagShape2);
    DiagLabel2->setText(QStringLiteral("Question"));
    DiagLabel3 = makeLabel(QStringLiteral("DiagLabel3"), DiagShape2);
    DiagShape4 = new RoundedBox(QStringLiteral("DiagShape4"), look::kGreen, 10, this);
    DiagLabel4 = makeLabel(QStringLiteral("DiagLabel4"), DiagShape4);
    DiagLabel4->setText(QStringLiteral("Correct"));
    DiagLabel5 = makeLabel(QStringLiteral("DiagLabel5"), DiagShape4);
    for (QLabel* l : {DiagLabel2, DiagLabel3, DiagLabel4, DiagLabel5}) {
        l->setStyleSheet(look::colourStyle(look::kYellow));
        l->setAlignment(Qt::AlignCenter);
    }
    hide();
}

void DiagnosisPanel::place(int right, int top, int minWidth, int u)
{
    // Each box holds a caption line and a number line, as wide as "Question" and "20/20"
    // need in the form's font.
    const QFontMetrics fm(DiagLabel2->font());
    const int lineHeight = std::max(2 * u, fm.height());
    const int textWidth = std::max({fm.horizontalAdvance(DiagLabel2->text()),
                                    fm.horizontalAdvance(DiagLabel4->text()),
                                    fm.horizontalAdvance(QStringLiteral("20/20"))});
    const int width = std::max(minWidth, textWidth + 16 + fm.averageCharWidth() * 2);
    const int boxHeight = 2 * lineHeight + u;
    setGeometry(right - width, top, width, 2 * boxHeight + u);
    DiagShape2->setGeometry(0, 0, width, boxHeight);
    DiagShape4->setGeometry(0, boxHeight + u, width, boxHeight);
    DiagLabel2->setGeometry(8, u / 2, width - 16, lineHeight);
    DiagLabel4->setGeometry(8, u / 2, width - 16, lineHeight);
    DiagLabel3->setGeometry(8, u / 2 + lineHeight, width - 16, lineHeight);
    DiagLabel5->setGeometry(8, u / 2 + lineHeight, width - 16, lineHeight);
}

void DiagnosisPanel::UppDateraDiagnosResultatet(int itemCounter, int rightCount)
{
    show();
    DiagLabel3->setText(QStringLiteral("%1/%2").arg(itemCounter).arg(kDiagnosisLength));
    DiagLabel3->resize(DiagShape2->width() - 16, DiagLabel3->height());
    DiagLabel5->setText(QString::number(rightCount));
    DiagLabel5->resize(DiagShape4->width() - 16, DiagLabel5->height());
    DiagLabel3->repaint();
    DiagLabel5->repaint();
}

// ---- Ending picture --------------------------------------------------------------------------

EndingPanel::EndingPanel(QWidget* form) : QFrame(form)
{
    setObjectName(QStringLiteral("BildPanelen"));
    look::setLiesOnTop(this); // the ending picture stands over the question area
    Image1 = makeLabel(QStringLiteral("Image1"), this);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    BildTextPanel = new QFrame(this);
    BildTextPanel->setObjectName(QStringLiteral("BildTextPanel"));
    BildTextPanel->setStyleSheet(QStringLiteral("#BildTextPanel { background: navy; }"));
    BildLabel = makeLabel(QStringLiteral("BildLabel"), BildTextPanel);
    BildLabel->setStyleSheet(look::colourStyle(Qt::white));
    look::setLiesOnTop(BildTextPanel); // the caption is written on the picture
    hide();
}

void EndingPanel::showEnding(Engine& e, int u)
{
    show();
    raise();
    BildTextPanel->hide();
    if (e.settings.ENGLANDPICTURES != 1 && e.settings.ENGLANDPICTURES != 3) {
        Image1->hide();
        return;
    }
    const int n = e.haemta_Bildslumptal();
    const QSize room(Image1->width(), Image1->height());
    QPixmap picture;
    if (n >= 1 && n <= 999 &&
        (m_screenWidth > catalogue::kLargestBitmapScreenWidth || m_pixelRatio != 1.0)) {
        const QString source = e.materialPath("\\BILD\\" + catalogue::endingPictureSource(n));
        const SvgPicture svg = files::isFile(source) ? SvgPicture(source) : SvgPicture();
        if (svg.isValid()) {
            const double aspect = svg.aspect();
            const QSize size = QSize(int(room.height() * aspect), room.height())
                                   .boundedTo(QSize(room.width(), int(room.width() / aspect)));
            picture = svg.pixmap(size, m_pixelRatio);
        }
    }
    if (picture.isNull()) {
        const QString path = n >= 1 && n <= 999
                                 ? e.materialPath("\\BILD\\" + catalogue::endingPictureFile(n))
                                 : QString();
        if (!path.isEmpty())
            picture = loadBitmap(path);
        if (picture.isNull()) {
            Image1->hide();
            return;
        }
        picture = picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    Image1->setPixmap(picture);
    Image1->show();
    BildLabel->setFont(look::arial(look::scaled(12, e.screenScale)));
    BildLabel->setText(text(e.pictureCaption));
    BildLabel->adjustSize();
    BildTextPanel->setGeometry(Image1->x(), Image1->y(), BildLabel->width() + 2 * u,
                               BildLabel->height() + u / 2);
    BildLabel->move(u, u / 4);
    BildTextPanel->show();
    BildTextPanel->raise();
}

// ---- Praise line -----------------------------------------------------------------------------

PraisePanel::PraisePanel(QWidget* form) : QFrame(form)
{
    setObjectName(QStringLiteral("LovordPanel"));
    look::setLiesOnTop(this); // the praise line stands over the lower part of the picture
    LovordYttershape = new RoundedBox(QStringLiteral("LovordYttershape"), look::kBlue, 14, this);
    lovordinnershape = new RoundedBox(QStringLiteral("lovordinnershape"), look::kYellow, 12, this);
    LovordLabel1 = makeLabel(QStringLiteral("LovordLabel1"), lovordinnershape);
    LovordLabel1->setStyleSheet(look::colourStyle(look::kNavy));
    hide();
}

void PraisePanel::showPraise(Engine& e, int u)
{
    e.HaemtaLovordFilNamn(e.session.rightCount, e.session.sessionLength);
    if (!e.KollaLovOrd(e.praise.fileName)) {
        hide();
        return;
    }
    const int index = e.praise.index;
    const int line = e.haemta_Lovordslumptal(e.praise.nextDraw[static_cast<size_t>(index)], index);
    e.haemtaord(e.praise.fileName, line);
    e.str_postarray(e.item.currentItemLine);
    QByteArray a, b, c;
    e.LovordMen(e.item.fields[1], a);
    e.LovordMen(e.item.fields[2], b);
    e.LovordMen(e.item.fields[3], c);
    show();
    raise();
    RitaLovord(text(a + ' ' + b + ' ' + c), u);
}

void PraisePanel::RitaLovord(const QString& line, int u)
{
    LovordYttershape->setGeometry(0, 0, width(), height());
    lovordinnershape->setGeometry(u / 2, u / 2, width() - u, height() - u);
    const QRect inner = lovordinnershape->geometry();
    LovordLabel1->setText(line);
    int size = 30;
    auto fit = [&](int pt) {
        LovordLabel1->setFont(boldPoints(pt));
        LovordLabel1->adjustSize();
    };
    fit(size);
    while (LovordLabel1->width() > inner.width() - u && size > 10)
        fit(--size);
    while (LovordLabel1->height() > inner.height() - u / 2 && size > 10)
        fit(--size);
    LovordLabel1->move((inner.width() - LovordLabel1->width()) / 2,
                       (inner.height() - u / 2 - LovordLabel1->height()) / 2);
}

// ---- Button bar ------------------------------------------------------------------------------

ButtonBar::ButtonBar(const ButtonBarNames& names, QWidget* form)
    : QFrame(form), m_captions(names.captions)
{
    setObjectName(names.panel);
    look::setLiesOnTop(this); // the bar comes up in front of the form's controls
    setStyleSheet(QStringLiteral("#%1 { background: navy; }").arg(names.panel));
    QPushButton** slots[] = {&correctErrors, &continueButton, &leave, &settings};
    for (int i = 0; i < 4; ++i) {
        auto* b = new QPushButton(this);
        b->setObjectName(names.buttons.value(i));
        *slots[i] = b;
    }
    hide();
}

void ButtonBar::place(const QRect& geometry)
{
    setGeometry(geometry);
    raise();
    const int w = width();
    const int h = height();
    const int bw = w / 5;
    const int bh = std::max(h * 2 / 3, 10);
    const int gap = (w - 4 * bw) / 5;
    int x = gap;
    for (QPushButton* b : {correctErrors, continueButton, leave, settings}) {
        b->setGeometry(x, (h - bh) / 2, bw, bh);
        x += bw + gap;
    }
    fitCaptions();
}

void ButtonBar::fitCaptions()
{
    for (QPushButton* b : {correctErrors, continueButton, leave, settings})
        look::fitFont(b, b->text(), b->size());
}

void ButtonBar::setCaptions(bool swedish)
{
    if (m_captions.size() == 4) {
        correctErrors->setText(m_captions[0]);
        continueButton->setText(m_captions[1]);
        leave->setText(m_captions[2]);
        settings->setText(m_captions[3]);
    } else if (swedish) {
        correctErrors->setText(QStringLiteral("&Rätta felen"));
        continueButton->setText(QStringLiteral("&Fortsätta"));
        leave->setText(QStringLiteral("&Avbryt"));
        settings->setText(QStringLiteral("&Inställningar"));
    } else {
        correctErrors->setText(QStringLiteral("Correct &errors"));
        continueButton->setText(QStringLiteral("&Continue"));
        leave->setText(QStringLiteral("&Leave"));
        settings->setText(QStringLiteral("&Settings"));
    }
    fitCaptions();
}

void ButtonBar::present(bool offerCorrection)
{
    show();
    raise();
    correctErrors->setEnabled(offerCorrection);
    if (offerCorrection)
        correctErrors->setFocus();
    else
        continueButton->setFocus();
}

// ---- Answer box and lamp ---------------------------------------------------------------------

AnswerBox::AnswerBox(const QString& name, QWidget* parent) : QLineEdit(parent)
{
    setObjectName(name);
    setStyleSheet(QStringLiteral("background: white; color: navy;"));
}

void AnswerBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT answered();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        Q_EMIT pauseRequested();
        return;
    }
    const auto mods = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier |
                                            Qt::ShiftModifier | Qt::MetaModifier);
    if (event->key() == Qt::Key_S && (mods == Qt::ControlModifier || mods == Qt::AltModifier)) {
        insert(QStringLiteral("ß"));
        return;
    }
    QLineEdit::keyPressEvent(event);
}

Lamp::Lamp(const QString& name, const QString& hint, QWidget* parent)
    : RoundedBox(name, look::kLime, 100, parent)
{
    setToolTip(hint);
    setAccessibleName(QStringLiteral("Lamp"));
    hide();
}

void Lamp::showGood(bool good)
{
    setFill(good ? look::kLime : look::kRed);
    setAccessibleDescription(good ? QStringLiteral("right so far")
                                  : QStringLiteral("a letter is wrong"));
}

} // namespace vindra
