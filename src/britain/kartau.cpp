#include "kartau.h"

#include "engine/catalogue.h"
#include "framework/look.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace vindra {

namespace {

// The population is that of the United Kingdom today; the other facts are the window's own.
const char* const kFacts[] = {
    "Befolkning: Cirka 68 miljoner invånare.",     "Det officiella namnet på Storbritannien är",
    "UK dvs United Kingdom of Great Britain  ",    "and Northern Ireland. ",
    "Självständigt kungarike sedan urminnes tid.", "Språk: Engelska och flera keltiska",
    "språk, bl. a. walesiska (30 000 enspråkiga,", "500 000 tvåspråkiga).",
};

} // namespace

TKarta::TKarta(Engine& engine, const Services& services, QWidget* parent)
    : BritainWindow(engine, services, "Karta", look::kSilver, parent)
{
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Label1 = label("Label1", look::kBlue);
    Label1->setText(QStringLiteral("STORBRITANNIEN"));
    int n = 2;
    for (const char* text : kFacts) {
        const QByteArray name = "Label" + QByteArray::number(n++);
        QLabel* l = label(name.constData(), look::kNavy);
        l->setText(QString::fromUtf8(text));
        m_facts << l;
    }
    Panel1 = button("Panel1", QStringLiteral("&Avbryt"), QSize(s(150), s(33)));
    connect(Panel1, &QPushButton::clicked, this, &TKarta::Panel1Click);
}

void TKarta::FormCreate()
{
    const int W = screenSize().width();
    const int H = screenSize().height();
    const int u = unit();
    const bool smallest = W == 640;

    Label1->setFont(smallest ? look::arial(16) : arial(24, false));
    Label1->adjustSize();
    const int titleTop = Label1->height();

    // The map stands at the left under the top margin, as high as the screen allows; on
    // a small screen the bitmap is scaled down to fit.
    const QPixmap map = picture(catalogue::kMapPicture, QSize(W * 45 / 100, H - titleTop - u));
    Image1->setPixmap(map);
    const QSize mapSize = map.isNull() ? QSize(0, 0) : map.deviceIndependentSize().toSize();
    Image1->setGeometry(u, titleTop, mapSize.width(), mapSize.height());
    Image1->setVisible(!map.isNull());

    const int x = mapSize.width() + 3 * u;
    Label1->move(x, titleTop);

    Panel1->move(x + (W - x - Panel1->width()) / 2, H - 3 * Panel1->height() / 2);

    // The fact lines share one size: from 20 points down while the widest line does not fit
    // beside the map, or the lines would reach the closing button.
    auto layoutFacts = [&](const QFont& font) {
        int top = titleTop + 3 * Label1->height() / 2;
        for (int i = 0; i < m_facts.size(); ++i) {
            QLabel* l = m_facts[i];
            l->setFont(font);
            l->adjustSize();
            if (i == 1)
                top += 8 * m_facts[0]->height() / 3;
            else if (i > 1)
                top += 4 * l->height() / 3;
            l->move(x, top);
        }
    };
    auto fits = [&] {
        int widest = 0;
        for (QLabel* l : m_facts)
            widest = std::max(widest, l->width());
        const QLabel* last = m_facts.last();
        return widest <= W - x - u && last->y() + last->height() <= Panel1->y() - u;
    };
    if (smallest) {
        layoutFacts(look::arial(10));
    } else {
        int points = s(20);
        layoutFacts(look::arial(points));
        while (!fits() && points > 10)
            layoutFacts(look::arial(--points));
    }
    Panel1->setFocus();
}

void TKarta::Panel1Click()
{
    reject();
}

void TKarta::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape ||
        (event->key() == Qt::Key_A && event->modifiers() == Qt::AltModifier)) {
        Panel1Click();
        return;
    }
    BritainWindow::keyPressEvent(event);
}

} // namespace vindra
