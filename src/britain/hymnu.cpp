#include "hymnu.h"

#include "engine/catalogue.h"
#include "framework/look.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace vindra {

THymn::THymn(Engine& engine, const Services& services, QWidget* parent)
    : BritainWindow(engine, services, "Hymn", Qt::white, parent)
{
    Label1 = label("Label1", look::kBlue);
    Label1->setText(QStringLiteral("GOD SAVE THE KING"));
    Label2 = label("Label2", Qt::black);
    Label2->setText(QStringLiteral("Musik  okänd kompositör."));
    Label3 = label("Label3", Qt::black);
    Label3->setText(QStringLiteral("Text  okänd författare."));

    const QSize size(s(240), s(33));
    Button2 = button("Button2", QStringLiteral("&Spela upp"), size);
    Button3 = button("Button3", QStringLiteral("A&vbryt Uppspelning"), size);
    Button1 = button("Button1", QStringLiteral("&Avbryt"), size);
    Button3->hide();
    connect(Button1, &QPushButton::clicked, this, &THymn::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &THymn::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &THymn::Button3Click);
}

void THymn::FormCreate()
{
    const int W = screenSize().width();
    const int H = screenSize().height();
    const int u = unit();

    Label1->setFont(arial(35, true));
    Label1->adjustSize();
    const int titleTop = Label1->height() / 2;
    Label1->move((W - Label1->width()) / 2, titleTop);
    const int start = titleTop + 2 * Label1->height();
    const int step = 4 * QFontMetrics(arial(24, true)).height() / 3;

    const int top = H - 4 * Button2->height() / 3;
    Button2->move((W - 2 * Button2->width()) / 2 - u, top);
    Button3->move(Button2->pos());
    Button1->move(Button2->x() + Button2->width() + u, top);

    for (QLabel* l : {Label2, Label3}) {
        l->setFont(arial(13, true));
        l->adjustSize();
    }
    Label2->move((W - Label2->width()) / 2, titleTop + 4 * Label1->height() / 3);
    Label3->move(Label2->x(), Label2->y() + 4 * Label2->height() / 3);

    // The anthem plays from LJUD itself.
    m_engine.soundPrefix.clear();

    NationalHymn();
    SkrivHymnen(start, step);
    Button2->setFocus();
}

void THymn::NationalHymn()
{
    // The verse as it is sung under a king.
    m_verse = {
        QStringLiteral("God save our gracious King,"), QStringLiteral("long live our noble King,"),
        QStringLiteral("God save the King!"),          QStringLiteral("Send him victorious,"),
        QStringLiteral("happy and glorious"),          QStringLiteral("long to reign over us;"),
        QStringLiteral("God save the King!"),
    };
}

void THymn::SkrivHymnen(int start, int step)
{
    QFont measure = arial(18, false);
    const int x = (screenSize().width() - QFontMetrics(measure).horizontalAdvance(m_verse[0])) / 2;
    m_verseFont = arial(14, false);
    const QFontMetrics fm(m_verseFont);
    m_verseRects.clear();
    for (int i = 0; i < m_verse.size(); ++i)
        m_verseRects << QRect(x, start + (i + 1) * step, fm.horizontalAdvance(m_verse[i]),
                              fm.height());
    update();
}

void THymn::paintEvent(QPaintEvent* event)
{
    BritainWindow::paintEvent(event);
    QPainter p(this);
    p.setFont(m_verseFont);
    p.setPen(look::kNavy);
    for (int i = 0; i < m_verse.size() && i < m_verseRects.size(); ++i)
        p.drawText(m_verseRects[i], Qt::AlignLeft | Qt::AlignTop, m_verse[i]);
}

void THymn::Button2Click()
{
    m_started = true;
    m_engine.SpelaUppWavLjud(catalogue::kAnthemSound);
    Button2->hide();
    Button3->show();
    Button1->setFocus();
}

void THymn::Button3Click()
{
    if (m_started)
        m_engine.stopSound();
    Button3->hide();
    Button2->show();
    Button2->setFocus();
}

void THymn::Button1Click()
{
    if (m_started)
        m_engine.stopSound();
    reject();
}

void THymn::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        m_engine.stopSound();
        reject();
        return;
    }
    if (event->key() == Qt::Key_A && event->modifiers() == Qt::AltModifier) {
        Button1Click();
        return;
    }
    BritainWindow::keyPressEvent(event);
}

} // namespace vindra
