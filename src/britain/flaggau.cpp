#include "flaggau.h"

#include "engine/catalogue.h"
#include "framework/look.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace vindra {

TFlagga::TFlagga(Engine& engine, const Services& services, QWidget* parent)
    : BritainWindow(engine, services, "Flagga", Qt::white, parent)
{
    Label1 = label("Label1", look::kNavy);
    Label1->setText(QStringLiteral("Union Jack"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Label2 = label("Label2", look::kNavy);
    Label2->setText(QStringLiteral("Unions- och nationalflagga fastställd 1801."));
    Label3 = label("Label3", look::kNavy);
    Label3->setText(QStringLiteral("Det korrekta namnet är egentligen the Union Flag."));
    Label4 = label("Label4", look::kNavy);
    Panel1 = button("Panel1", QStringLiteral("&Avbryt"), QSize(s(150), s(33)));
    connect(Panel1, &QPushButton::clicked, this, &TFlagga::Panel1Click);
}

void TFlagga::FormCreate()
{
    const int W = screenSize().width();
    const int H = screenSize().height();

    Label1->setFont(arial(26, false));
    Label1->adjustSize();
    const int titleTop = Label1->height() / 2;
    Label1->move((W - Label1->width()) / 2, titleTop);

    for (QLabel* l : {Label2, Label3, Label4}) {
        l->setFont(arial(16, false));
        l->adjustSize();
    }
    Label4->resize(Label4->width(), Label2->height());
    const int lineHeight = Label2->height();
    Panel1->move((W - Panel1->width()) / 2, H - 3 * Panel1->height() / 2);

    // The flag below the title; on a screen larger than the bitmaps are made for it grows with
    // the screen, as long as its lines stay clear of the closing button.
    const int pictureTop = titleTop + 3 * Label1->height() / 2;
    m_file = catalogue::flagPictureFile(W);
    QSize room(W - 2 * unit(), Panel1->y() - pictureTop - lineHeight / 3 - 4 * lineHeight);
    if (drawsFromSources()) {
        const catalogue::BritainPicture* largest = catalogue::britainPicture("ENFLAGG3.BMP");
        room = room.boundedTo(
            QSize(largest->width * W / catalogue::kLargestBitmapScreenWidth, room.height()));
    }
    const QPixmap flag = picture(m_file, room);
    Image1->setPixmap(flag);
    const QSize size = flag.isNull() ? QSize(0, 0) : flag.deviceIndependentSize().toSize();
    Image1->setGeometry((W - size.width()) / 2, pictureTop, size.width(), size.height());
    Image1->setVisible(!flag.isNull());

    int top = pictureTop + size.height() + lineHeight / 3;
    for (QLabel* l : {Label2, Label3, Label4}) {
        l->move((W - l->width()) / 2, top);
        top += 3 * lineHeight / 2;
    }
    Panel1->setFocus();
}

void TFlagga::Panel1Click()
{
    reject();
}

void TFlagga::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape ||
        (event->key() == Qt::Key_A && event->modifiers() == Qt::AltModifier)) {
        Panel1Click();
        return;
    }
    BritainWindow::keyPressEvent(event);
}

} // namespace vindra
