#include "speedu.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "framework/formtimer.h"
#include "framework/look.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "storygames.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cmath>

namespace vindra {

namespace {

constexpr char kTextFile[] = "ENG61021.DAT";
constexpr int kLeftMargin = 10;
const QColor kTeal(0, 128, 128);

} // namespace

int SpeedArea::lineStep() const
{
    // Room for the longest text (29 lines and the empty line after it) on any screen.
    return std::max(8, (height() - 20) / (storytext::kSpeedLines + 1));
}

void SpeedArea::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), look::kSilver);
    if (!m_eraser)
        return;
    const int step = lineStep();
    QFont f = font();
    f.setPixelSize(std::max(8, step * 4 / 5));
    p.setFont(f);
    p.setPen(Qt::black);
    const QFontMetrics fm(f);
    const QList<QByteArray>& text = m_eraser->text();
    for (int i = m_eraser->line(); i < text.size(); ++i) {
        const QString line = cp1252::toUnicode(text.at(i));
        const int from = i == m_eraser->line() ? m_eraser->column() : 0;
        const int x = kLeftMargin + fm.horizontalAdvance(line.left(from));
        p.drawText(x, 10 + i * step + fm.ascent(), line.mid(from));
    }
}

TSpeed::TSpeed(Engine& engine, const Services& services, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_services(services)
{
    setObjectName(QStringLiteral("Speed"));
    setWindowTitle(QStringLiteral("Lästräning"));

    LeftPanel = new QWidget(this);
    LeftPanel->setObjectName(QStringLiteral("Panel2"));
    storygames::setFill(LeftPanel, kTeal);
    Button1 = new QPushButton(QStringLiteral("&Starta"), LeftPanel);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("&Avbryt"), LeftPanel);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton* b : {Button1, Button2})
        b->setAutoDefault(false);
    SpeedCaption = new QLabel(QStringLiteral("Beräknad läshastighet"), LeftPanel);
    SpeedCaption->setObjectName(QStringLiteral("Label12"));
    Label11 = new QLabel(QStringLiteral("120 ord / min"), LeftPanel);
    Label11->setObjectName(QStringLiteral("Label11"));
    ScrollBar1 = new QScrollBar(Qt::Horizontal, LeftPanel);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setRange(1, 900);
    ScrollBar1->setSingleStep(10);
    ScrollBar1->setValue(500);
    Label8 = new QLabel(LeftPanel);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label9 = new QLabel(LeftPanel);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label10 = new QLabel(LeftPanel);
    Label10->setObjectName(QStringLiteral("Label10"));
    for (QLabel* l : {SpeedCaption, Label11})
        storygames::setTextColour(l, Qt::white);
    for (QLabel* l : {Label8, Label9, Label10})
        storygames::setTextColour(l, look::kYellow);
    auto* left = new QVBoxLayout(LeftPanel);
    left->addWidget(Button1);
    left->addWidget(Button2);
    left->addSpacing(20);
    left->addWidget(SpeedCaption);
    left->addWidget(Label11);
    left->addWidget(ScrollBar1);
    left->addSpacing(20);
    left->addWidget(Label8);
    left->addWidget(Label9);
    left->addWidget(Label10);
    left->addStretch(1);

    PaintBox1 = new SpeedArea(this);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->setText(&m_eraser);

    // The introduction lies over the text area until a text is chosen.
    Panel1 = new QWidget(PaintBox1);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    storygames::setFill(Panel1, look::kSilver);
    auto* intro = new QVBoxLayout(Panel1);
    const char* texts[] = {"Lästräning", "Du ska nu få testa din läshastighet.",
                           "Du ska läsa högt och får bara göra något", "enstaka fel.",
                           "Välj en av texterna i listan."};
    int n = 1;
    for (const char* t : texts) {
        auto* l = new QLabel(QString::fromUtf8(t), Panel1);
        l->setObjectName(QStringLiteral("Intro%1").arg(n++));
        storygames::setTextColour(l, n == 2 ? look::kNavy : Qt::black);
        intro->addWidget(l);
    }
    ListBox1 = new QListWidget(Panel1);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    intro->addWidget(ListBox1, 1);
    auto* area = new QVBoxLayout(PaintBox1);
    area->addWidget(Panel1);

    auto* main = new QHBoxLayout(this);
    main->setContentsMargins(0, 0, 0, 0);
    main->setSpacing(0);
    main->addWidget(LeftPanel);
    main->addWidget(PaintBox1, 1);

    Timer1 = new FormTimer(
        QStringLiteral("Timer1"), [this] { Timer1Timer(); }, this);
    Timer1->setInterval(0);

    connect(Button1, &QPushButton::clicked, this, &TSpeed::Button1Click);
    connect(Button2, &QPushButton::clicked, this, [this] {
        Timer1->setInterval(0);
        reject();
    });
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TSpeed::ScrollBar1Change);
    // A double click or Enter on a number chooses the text.
    connect(ListBox1, &QListWidget::itemActivated, this, [this] { ListBox1DblClick(); });
}

void TSpeed::FormCreate()
{
    storygames::setUpWindow(this, m_services, look::kSilver);
    m_file = storygames::currentFile(m_engine, kTextFile);
    layoutWindow();
    Button1->setEnabled(false);
    if (storygames::readDataText(m_engine, m_file, m_lines)) {
        const int texts = storytext::countEnds(m_lines);
        for (int i = 1; i <= texts; ++i)
            ListBox1->addItem(QString::number(i));
        if (texts > 0)
            ListBox1->setCurrentRow(0);
    }
    FormShow();
}

void TSpeed::layoutWindow()
{
    const QSize screen = storygames::screenSize(m_services);
    const QFont plain = storygames::arialPixels(m_engine, 16);
    for (QWidget* w : findChildren<QWidget*>())
        w->setFont(plain);
    for (QLabel* l : {Label8, Label9, Label10})
        l->setFont(storygames::arialPixels(m_engine, 16));
    Panel1->findChild<QLabel*>(QStringLiteral("Intro1"))
        ->setFont(storygames::arialPixels(m_engine, 30));
    LeftPanel->setFixedWidth(std::max(
        screen.width() / 4,
        QFontMetrics(plain).horizontalAdvance(QStringLiteral("Beräknad läshastighet")) + 24));
    PaintBox1->setFont(storygames::arialPixels(m_engine, 16, false));
}

void TSpeed::FormShow()
{
    Button1->setEnabled(false);
    Panel1->show();
    ListBox1->setFocus();
}

void TSpeed::ListBox1DblClick()
{
    if (!ListBox1->currentItem() || m_running || Panel1->isHidden())
        return;
    const int n = ListBox1->currentItem()->text().toInt();
    m_eraser = storytext::Eraser(storytext::speedText(m_lines, n));
    Panel1->hide();
    Button1->setEnabled(true);
    Button1->setFocus();
    PaintBox1->update();
    Statistik();
}

void TSpeed::Statistik()
{
    m_stats = storytext::speedStats(m_eraser.text());
    Label8->setText(QStringLiteral("%1 ord").arg(m_stats.words));
    Label9->setText(QStringLiteral("%1 bokstäver").arg(m_stats.letters));
    Label10->setText(QString::fromLatin1(m_stats.perWord()) + QStringLiteral(" bokstäver per ord"));
}

void TSpeed::Button1Click()
{
    if (m_running || !Button1->isEnabled())
        return;
    m_eraser = storytext::Eraser(m_eraser.text());
    Button1->setEnabled(false);
    m_running = true;
    m_started = m_engine.clock().now();
    Timer1->setInterval(1000 - ScrollBar1->value());
    ScrollBar1->setFocus();
    PaintBox1->update();
}

void TSpeed::ScrollBar1Change()
{
    const int interval = 1000 - ScrollBar1->value();
    if (m_running)
        Timer1->setInterval(interval);
    Label11->setText(QStringLiteral("%1 ord / min").arg(storytext::wordsPerMinute(interval)));
}

void TSpeed::Timer1Timer()
{
    if (!m_running)
        return;
    if (m_eraser.done()) {
        Timer1->setInterval(0);
        m_running = false;
        const qint64 ms = m_started.msecsTo(m_engine.clock().now());
        const int speed = storytext::readingSpeed(m_stats.words, ms);
        const qint64 seconds = std::llround(static_cast<double>(ms) / 1000.0);
        if (m_services.messages)
            m_services.messages->show(
                MessageKind::Information,
                QStringLiteral("Övningen är nu avslutad. Den tog %1 sekunder och din läshastighet "
                               "var %2 ord per minut.")
                    .arg(seconds)
                    .arg(speed, 3));
        Panel1->show();
        ListBox1->setFocus();
        Button1->setEnabled(false);
        return;
    }
    m_eraser.next();
    PaintBox1->update();
}

void TSpeed::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        Timer1->setInterval(0);
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace vindra
