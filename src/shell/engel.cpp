#include "engel.h"

#include "diagnosis/diagu.h"
#include "platform/qtplatform.h"
#include "platform/screen.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace vindra {

namespace {

struct MainButton {
    int number;
    const char* caption;
};

// Display and tab order of the main menu.
constexpr MainButton kMainButtons[] = {
    {1, "Storbritannien"}, {2, "Dina ord"},  {3, "Grammatik"},      {4, "Skriva"},
    {5, "Lyssna - skriva"}, {6, "Läsa"},     {7, "Göra arbetsblad"}, {11, "Diagnos"},
    {8, "Manual"},         {9, "Om Vindra"}, {10, "Avsluta"},
};

constexpr int kPanelWidth = 301;
constexpr int kPanelHeight = 429;
constexpr int kTopBarHeight = 20;
constexpr int kSignWidth = 247;
constexpr int kSignHeight = 29;
constexpr int kButtonWidth = 265;
constexpr int kButtonHeight = 32;

} // namespace

TEngel::TEngel(std::unique_ptr<Engine> engine, const Services& services, QWidget* parent)
    : QWidget(parent), m_engine(std::move(engine)), m_services(services)
{
    setObjectName(QStringLiteral("Engel"));
    setWindowTitle(QStringLiteral("Vindra"));
    setWindowFlag(Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 255));
    setPalette(pal);

    Panel9 = new QFrame(this);
    Panel9->setObjectName(QStringLiteral("Panel9"));
    Panel9->setStyleSheet(QStringLiteral("background: navy; color: white;"));
    auto* credit = new QLabel(QStringLiteral("Vindra \u2013 engelska f\u00f6r skolan"), Panel9);
    credit->setObjectName(QStringLiteral("Panel9Caption"));
    credit->setFont(toQFont(FontSpec{QStringLiteral("Arial"), 12, true, true}));
    credit->setStyleSheet(QStringLiteral("color: white;"));
    credit->move(6, 2);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(3);
    Panel1->setStyleSheet(QStringLiteral("#Panel1 { background: navy; }"));

    Label1 = new QLabel(QStringLiteral("Vindra"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(toQFont(FontSpec{QStringLiteral("Arial"), 28, true, true}));
    Label1->setStyleSheet(QStringLiteral("color: yellow;"));

    for (const MainButton& b : kMainButtons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), Panel1);
        button->setObjectName(QStringLiteral("Button%1").arg(b.number));
        button->setFont(toQFont(FontSpec{QStringLiteral("Arial"), 19, true, true}));
        m_buttons[static_cast<size_t>(b.number)] = button;
    }
    for (size_t i = 1; i < std::size(kMainButtons); ++i)
        setTabOrder(button(kMainButtons[i - 1].number), button(kMainButtons[i].number));

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setStyleSheet(QStringLiteral("background: yellow; border-radius: 8px;"));
    Label2 = new QLabel(QStringLiteral("Arbetsblad aktiverat"), Shape1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    Shape1->hide();

    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label4 = new QLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));

    connect(button(10), &QPushButton::clicked, this, &TEngel::Button10Click);
    connect(button(11), &QPushButton::clicked, this, &TEngel::Button11Click);

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
    if (m_services.measure && m_services.screen)
        m_engine->Skaltest(m_services.screen->size().width(), *m_services.measure);
    m_engine->checkDirectories();
    layoutWindow();
}

int TEngel::scaled(int v) const
{
    return v * m_engine->screenScale / 100;
}

void TEngel::layoutWindow()
{
    const QSize screen = m_services.screen ? m_services.screen->size() : QSize(1024, 768);
    resize(screen);

    const int panelW = scaled(kPanelWidth);
    const int panelH = scaled(kPanelHeight);
    const int barH = scaled(kTopBarHeight);
    const int signW = scaled(kSignWidth);
    const int signH = scaled(kSignHeight);

    Panel9->setGeometry(0, 0, screen.width(), barH);

    const int panelLeft = (screen.width() - panelW) / 2;
    const int panelTop = (screen.height() - (barH + panelH + signH)) / 2 + barH;
    Panel1->setGeometry(panelLeft, panelTop, panelW, panelH);

    Shape1->setGeometry((screen.width() - signW) / 2,
                        (screen.height() - (panelTop + panelH) - signH) / 2 + panelTop + panelH,
                        signW, signH);
    Label2->setGeometry(0, 0, signW, signH);

    Label1->setGeometry(5, scaled(6), panelW - 10, scaled(38));
    const int buttonW = scaled(kButtonWidth);
    const int buttonH = scaled(kButtonHeight);
    int top = scaled(48);
    for (const MainButton& b : kMainButtons) {
        button(b.number)->setGeometry((panelW - buttonW) / 2, top, buttonW, buttonH);
        top += scaled(34);
    }
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

void TEngel::Button10Click()
{
    close();
}

void TEngel::Button11Click()
{
    m_engine->diagnosis.diagnosisLeft = false;
    m_engine->session.mode = 2;
    m_engine->session.selectedProtocolRow = 1;
    TDiag dialog(*m_engine, m_services, this);
    dialog.exec();
}

} // namespace vindra
