#include "stallinu.h"

#include "platform/qtplatform.h"
#include "platform/screen.h"

#include <algorithm>

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace vindra {

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 280;

} // namespace

TStallin::TStallin(Engine& engine, const Services& services, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_screen(services.screen)
{
    setObjectName(QStringLiteral("Stallin"));
    setWindowTitle(QStringLiteral("Inst\u00e4llningar"));
    setWindowFlag(Qt::FramelessWindowHint);
    setModal(true);
    FormCreate();
}

void TStallin::FormCreate()
{
    const int u = std::max(1, m_engine.layoutUnit);
    const int scale = m_engine.screenScale;
    resize(kWidth * scale / 100, kHeight * scale / 100);
    // In the middle of the screen, so that a small screen shows the whole dialog.
    if (m_screen)
        move(std::max(0, (m_screen->size().width() - width()) / 2),
             std::max(0, (m_screen->size().height() - height()) / 2));
    setStyleSheet(QStringLiteral("TStallin, #Stallin { background: blue; }"));

    auto* outer = new QFrame(this);
    outer->setObjectName(QStringLiteral("Panel1"));
    outer->setStyleSheet(QStringLiteral("#Panel1 { background: yellow; }"));
    outer->setGeometry(u, u, width() - 2 * u, height() - 2 * u);
    auto* inner = new QFrame(outer);
    inner->setObjectName(QStringLiteral("Panel2"));
    inner->setStyleSheet(QStringLiteral("#Panel2 { background: rgb(192,192,192); }"));
    inner->setGeometry(u, u, outer->width() - 2 * u, outer->height() - 2 * u);

    const QFont bold = toQFont(FontSpec{QStringLiteral("Arial"), 14 * scale / 100, false, true});
    const QFont plain = toQFont(FontSpec{QStringLiteral("Arial"), 11 * scale / 100, false, false});
    auto* heading = new QLabel(QStringLiteral("Inst\u00e4llningar"), inner);
    heading->setObjectName(QStringLiteral("RubrikPanel"));
    heading->setAlignment(Qt::AlignCenter);
    heading->setFont(toQFont(FontSpec{QStringLiteral("Arial"), 18 * scale / 100, false, true}));
    heading->setStyleSheet(QStringLiteral("background: navy; color: yellow;"));

    auto* prompt = new QLabel(QStringLiteral("Antal sekunder som r\u00e4tt svar visas:"), inner);
    prompt->setObjectName(QStringLiteral("Label1"));
    prompt->setFont(bold);
    m_value = new QLabel(inner);
    m_value->setObjectName(QStringLiteral("Label2"));
    m_value->setFont(bold);
    m_value->setAccessibleName(QStringLiteral("Antal sekunder"));
    auto* up = new QToolButton(inner);
    up->setObjectName(QStringLiteral("SpinButton1Up"));
    up->setArrowType(Qt::UpArrow);
    up->setAccessibleName(QStringLiteral("Fler sekunder"));
    auto* down = new QToolButton(inner);
    down->setObjectName(QStringLiteral("SpinButton1Down"));
    down->setArrowType(Qt::DownArrow);
    down->setAccessibleName(QStringLiteral("F\u00e4rre sekunder"));
    connect(up, &QToolButton::clicked, this, &TStallin::SpinButton1UpClick);
    connect(down, &QToolButton::clicked, this, &TStallin::SpinButton1DownClick);

    auto* note1 =
        new QLabel(QStringLiteral("(Visningen av r\u00e4tt svar kan alltid brytas"), inner);
    auto* note2 = new QLabel(QStringLiteral("med tryck p\u00e5 mellanslagstangenten)"), inner);
    note1->setFont(plain);
    note2->setFont(plain);
    note1->adjustSize();
    note2->adjustSize();

    auto* save = new QPushButton(QStringLiteral("&Spara"), inner);
    save->setObjectName(QStringLiteral("SparaButton"));
    auto* cancel = new QPushButton(QStringLiteral("&Avbryt"), inner);
    cancel->setObjectName(QStringLiteral("AvbrytButton"));
    connect(save, &QPushButton::clicked, this, &TStallin::SparaButtonClick);
    connect(cancel, &QPushButton::clicked, this, &TStallin::AvbrytButtonClick);

    const int w = inner->width();
    const int line = prompt->sizeHint().height();
    heading->setGeometry(u, u / 2, w - 2 * u, line * 3 / 2);
    // The spin buttons reach a quarter line above the prompt: the gap under the heading
    // keeps them off it. The value box holds two digits in the scaled font.
    prompt->adjustSize();
    prompt->move(u, heading->geometry().bottom() + std::max(u, line / 4 + 2));
    const int valueWidth =
        std::max(2 * u, QFontMetrics(bold).horizontalAdvance(QStringLiteral("99")) + u / 2);
    m_value->setGeometry(prompt->geometry().right() + u, prompt->y(), valueWidth, line);
    up->setGeometry(m_value->geometry().right() + u / 2, prompt->y() - line / 4, line,
                    line * 3 / 4);
    down->setGeometry(up->x(), up->geometry().bottom() + 1, line, line * 3 / 4);
    note1->move(u, prompt->y() + 2 * line);
    note2->move(u, note1->y() + note1->sizeHint().height());
    save->setGeometry(w / 2 - 10 * u, inner->height() - 3 * u, 8 * u, 2 * u + 4);
    cancel->setGeometry(w / 2 + 2 * u, inner->height() - 3 * u, 8 * u, 2 * u + 4);
    showValue();
}

void TStallin::showValue()
{
    m_value->setText(QString::number(m_engine.settings.TIMESHOWINGCORRECTANSWER));
}

void TStallin::SpinButton1UpClick()
{
    if (m_engine.settings.TIMESHOWINGCORRECTANSWER < 9)
        ++m_engine.settings.TIMESHOWINGCORRECTANSWER;
    showValue();
}

void TStallin::SpinButton1DownClick()
{
    if (m_engine.settings.TIMESHOWINGCORRECTANSWER > 0)
        --m_engine.settings.TIMESHOWINGCORRECTANSWER;
    showValue();
}

void TStallin::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        accept();
        return;
    case Qt::Key_Up:
        SpinButton1UpClick();
        return;
    case Qt::Key_Down:
        SpinButton1DownClick();
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        QDialog::keyPressEvent(event);
        return;
    default:
        event->accept(); // every other key is swallowed
    }
}

} // namespace vindra
