#include "regel.h"

#include "engine/catalogue.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/screen.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

namespace vindra {

TRegelform::TRegelform(Engine& engine, const Services& services, int pageNumber, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_services(services), m_pageNumber(pageNumber)
{
    setObjectName(QStringLiteral("Regelform"));
    setWindowFlag(Qt::FramelessWindowHint);
    setModal(true);
    const QSize screen = services.screen ? services.screen->size() : QSize(1024, 768);
    setGeometry(0, 0, screen.width(), screen.height());

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(100, 0, screen.width() - 100, screen.height());
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    WebBrowser1 = new QTextBrowser(Panel1);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setOpenLinks(true);
    Button1 = new QPushButton(QStringLiteral("Tillbaka"), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->move(30, 0);
    connect(Button1, &QPushButton::clicked, this, &TRegelform::Button1Click);
    Webregel();
}

void TRegelform::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Webregel();
}

void TRegelform::Webregel()
{
    const QByteArray page = catalogue::rulePage(m_pageNumber);
    if (!page.isEmpty())
        m_engine.rulePageName = page;
    const QByteArray name = m_engine.rulePageName;
    const QByteArray relative = "\\REGLER\\" + name;
    // A named page is looked for on the CD copy first; an empty name starts with the
    // installed copy, and the message then names the CD copy.
    const QByteArray first = name.isEmpty() ? m_engine.dirs.hardDisk : m_engine.dirs.cd;
    const QByteArray second = name.isEmpty() ? m_engine.dirs.cd : m_engine.dirs.hardDisk;
    m_shownFile.clear();
    for (const QByteArray& dir : {first, second}) {
        const QString path = Engine::localPath(dir, relative.toUpper());
        if (!name.isEmpty() && files::isFile(path)) {
            m_shownFile = path;
            break;
        }
    }
    if (m_shownFile.isEmpty()) {
        WebBrowser1->clear();
        m_engine.message(MessageKind::Plain,
                         "Filen " + second + relative + " finns inte eller \xE4r felaktig");
    } else {
        WebBrowser1->setSource(QUrl::fromLocalFile(m_shownFile));
    }

    WebBrowser1->show();
    WebBrowser1->setGeometry(10, 10, Panel1->width() * 4 / 5, Panel1->height() * 4 / 5);
    Image1->raise();
    WebBrowser1->raise();
    Button1->raise();
    Button1->move(0, WebBrowser1->geometry().bottom() + 10);
}

void TRegelform::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        accept();
    event->accept(); // every key is the window's own
}

} // namespace vindra
