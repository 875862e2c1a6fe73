#include "omsevra.h"

#include "platform/qtplatform.h"
#include "platform/screen.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#ifndef VINDRA_VERSION
#define VINDRA_VERSION "0"
#endif

namespace vindra {

namespace {

const QColor kSilver(192, 192, 192);
const QColor kNavy(0, 0, 128);

/// The program's sign: three wind strokes over a blue disc.
QPixmap drawSign(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kNavy);
    p.drawEllipse(QRectF(1, 1, size - 2, size - 2));
    p.setPen(QPen(Qt::white, size / 16.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const double y = size * (0.35 + 0.15 * i);
        QPainterPath path;
        path.moveTo(size * 0.2, y);
        path.cubicTo(size * 0.45, y - size * 0.12, size * 0.6, y + size * 0.12,
                     size * 0.8 - i * size * 0.1, y);
        p.drawPath(path);
    }
    return pm;
}

/// A round button picture with one letter on it.
QPixmap drawBadge(int size, const QColor& colour, const QString& letter)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(colour);
    p.drawEllipse(QRectF(2, 2, size - 4, size - 4));
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPixelSize(size * 6 / 10);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, letter);
    return pm;
}

QFrame* infoPanel(QWidget* parent, const char* name, const QString& text)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(3);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 225));
    panel->setPalette(pal);
    auto* label = new QLabel(text, panel);
    label->setWordWrap(true);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(label);
    return panel;
}

} // namespace

TOmSevra::TOmSevra(Engine& engine, const Services& services, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_services(services)
{
    setObjectName(QStringLiteral("OmSevra"));
    setWindowTitle(QStringLiteral("Vindra"));
    setWindowFlag(Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kSilver);
    setPalette(pal);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setToolTip(QStringLiteral("Om Vindra-projektet"));
    Image3 = new QLabel(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setToolTip(QStringLiteral("Hjälp och support"));

    TitleLabel = new QLabel(QStringLiteral("Vindra %1").arg(QStringLiteral(VINDRA_VERSION)), this);
    TitleLabel->setObjectName(QStringLiteral("TitleLabel"));
    CreditLabel =
        new QLabel(QStringLiteral("Engelska f\u00f6r elever mellan 10 och 16 \u00e5r\n\n"
                                  "Program, \u00f6vningar, bilder och ljud: Vindra-projektet\n"
                                  "Materialet \u00e4r fritt att anv\u00e4nda i skolor."),
                   this);
    CreditLabel->setObjectName(QStringLiteral("CreditLabel"));
    CreditLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Panel1 = infoPanel(
        this, "Panel1",
        QStringLiteral(
            "Vindra-projektet\n\n"
            "Vindra g\u00f6rs av Vindra-projektet, en grupp l\u00e4rare och utvecklare som "
            "skriver fria \u00f6vningsprogram f\u00f6r skolan. Programmet, \u00f6vningarna, "
            "bilderna och ljuden f\u00e5r anv\u00e4ndas, kopieras och delas ut fritt i skolor.\n\n"
            "Nya \u00f6vningar skrivs som vanliga textfiler; hur det g\u00e5r till st\u00e5r "
            "i materialets beskrivning som f\u00f6ljer med programmet.\n\n"
            "Klicka h\u00e4r f\u00f6r att st\u00e4nga."));
    Panel2 = infoPanel(
        this, "Panel2",
        QStringLiteral(
            "Hj\u00e4lp och support\n\n"
            "Hur programmet anv\u00e4nds st\u00e5r i manualen: knappen \"Manual\" i "
            "huvudmenyn. D\u00e4r finns ocks\u00e5 hur programmet installeras och st\u00e4lls "
            "in f\u00f6r en hel klass.\n\n"
            "Fr\u00e5gor om datorerna i skolan besvaras av skolans IT-ansvariga. Fel i "
            "programmet och f\u00f6rslag p\u00e5 nya \u00f6vningar tas emot av "
            "Vindra-projektet.\n\n"
            "Klicka h\u00e4r f\u00f6r att st\u00e4nga."));

    Button1 = new QPushButton(QStringLiteral("&Leave"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);

    for (QWidget* w : {static_cast<QWidget*>(Image1), static_cast<QWidget*>(Image2),
                       static_cast<QWidget*>(Image3), static_cast<QWidget*>(Panel1),
                       static_cast<QWidget*>(Panel2)})
        w->installEventFilter(this);

    FormCreate();
}

void TOmSevra::FormCreate()
{
    showPanels(false, false);

    const QSize screen = m_services.screen ? m_services.screen->size() : QSize(1024, 768);
    const int scale = m_engine.screenScale > 0 ? m_engine.screenScale : 100;
    auto s = [scale](int v) { return v * scale / 100; };
    const int unit = qMax(1, m_engine.layoutUnit);
    setGeometry(0, 0, screen.width(), screen.height());

    const int sign = s(160);
    Image1->setPixmap(drawSign(sign));
    Image1->setGeometry((screen.width() - sign) / 2, 3 * unit, sign, sign);

    TitleLabel->setFont(toQFont(FontSpec{QStringLiteral("Arial"), s(36), true, true}));
    TitleLabel->setAlignment(Qt::AlignCenter);
    TitleLabel->setGeometry(0, Image1->y() + sign + 2 * unit, screen.width(), s(48));
    CreditLabel->setFont(toQFont(FontSpec{QStringLiteral("Arial"), s(18), true, false}));
    CreditLabel->setGeometry(0, TitleLabel->y() + TitleLabel->height() + unit, screen.width(),
                             s(110));

    const int badge = s(64);
    // On a small screen the badges move up rather than onto the button below them.
    const int badgeTop = std::min(CreditLabel->y() + CreditLabel->height() + 2 * unit,
                                  screen.height() - s(60) - unit - badge);
    Image2->setPixmap(drawBadge(badge, kNavy, QStringLiteral("i")));
    Image2->setGeometry(screen.width() / 2 - badge - 2 * unit, badgeTop, badge, badge);
    Image3->setPixmap(drawBadge(badge, QColor(0, 128, 0), QStringLiteral("?")));
    Image3->setGeometry(screen.width() / 2 + 2 * unit, badgeTop, badge, badge);
    for (QLabel* image : {Image1, Image2, Image3})
        image->setCursor(Qt::PointingHandCursor);

    const QRect panelRect(screen.width() / 6, 3 * unit, screen.width() * 2 / 3,
                          screen.height() / 2);
    Panel1->setGeometry(panelRect);
    Panel2->setGeometry(panelRect);
    for (QFrame* panel : {Panel1, Panel2})
        panel->setFont(toQFont(FontSpec{QStringLiteral("Arial"), s(17), true, false}));

    Button1->setFont(toQFont(FontSpec{QStringLiteral("Arial"), s(16), true, true}));
    Button1->setGeometry((screen.width() - s(150)) / 2, screen.height() - s(60), s(150), s(33));
}

void TOmSevra::showPanels(bool first, bool second)
{
    m_panel1Shown = first;
    m_panel2Shown = second;
    Panel1->setVisible(first);
    Panel2->setVisible(second);
    if (first)
        Panel1->raise();
    if (second)
        Panel2->raise();
}

void TOmSevra::Image1Click()
{
    showPanels(false, false);
}

void TOmSevra::Image2Click()
{
    showPanels(!m_panel1Shown, false);
}

void TOmSevra::Image3Click()
{
    showPanels(false, !m_panel2Shown);
}

void TOmSevra::Panel1Click()
{
    showPanels(false, m_panel2Shown);
}

void TOmSevra::Panel2Click()
{
    showPanels(m_panel1Shown, false);
}

void TOmSevra::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TOmSevra::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == Image1)
            Image1Click();
        else if (watched == Image2)
            Image2Click();
        else if (watched == Image3)
            Image3Click();
        else if (watched == Panel1)
            Panel1Click();
        else if (watched == Panel2)
            Panel2Click();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vindra
