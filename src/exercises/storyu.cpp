#include "storyu.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "framework/look.h"
#include "storygames.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vindra {

namespace {

constexpr char kSectionFile[] = "ENG41021.DAT";
const QColor kBackground(0, 0, 96);

} // namespace

TStorygin::TStorygin(Engine& engine, const Services& services, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_services(services)
{
    setObjectName(QStringLiteral("Storygin"));
    setWindowTitle(QStringLiteral("Storygin"));

    // The header: a yellow rounded shape round a navy one with the name.
    Header = new QWidget(this);
    Header->setObjectName(QStringLiteral("YShape"));
    Header->setStyleSheet(QStringLiteral("#YShape { background: yellow; border-radius: 16px; }"));
    rubrik = new QLabel(QStringLiteral("STORYGIN"), Header);
    rubrik->setObjectName(QStringLiteral("rubrik"));
    rubrik->setAlignment(Qt::AlignCenter);
    rubrik->setStyleSheet(
        QStringLiteral("background: #000080; color: yellow; border-radius: 10px;"));
    auto* header = new QVBoxLayout(Header);
    header->setContentsMargins(8, 8, 8, 8);
    header->addWidget(rubrik);

    info = new QWidget(this);
    info->setObjectName(QStringLiteral("info"));
    storygames::setFill(info, Qt::white);
    auto* intro = new QVBoxLayout(info);
    int n = 1;
    for (const char* t :
         {"I have thousands of", "photos in my album.", "Let's look at some of", "them."}) {
        auto* l = new QLabel(QString::fromLatin1(t), info);
        l->setObjectName(QStringLiteral("Label%1").arg(n++));
        storygames::setTextColour(l, look::kNavy);
        intro->addWidget(l);
    }
    Button1 = new QPushButton(QStringLiteral("&Continue"), info);
    Button1->setObjectName(QStringLiteral("Button1"));
    intro->addWidget(Button1, 0, Qt::AlignHCenter);

    // The photo card: a blue frame, the white photo with its sentence, the message strip.
    kort = new QWidget(this);
    kort->setObjectName(QStringLiteral("kort"));
    storygames::setFill(kort, look::kBlue);
    auto* card = new QVBoxLayout(kort);
    auto* photo = new QWidget(kort);
    photo->setObjectName(QStringLiteral("Panel1"));
    storygames::setFill(photo, Qt::white);
    Memo2 = new QLabel(photo);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setWordWrap(true);
    Memo2->setAlignment(Qt::AlignCenter);
    storygames::setTextColour(Memo2, look::kNavy);
    auto* photoLayout = new QVBoxLayout(photo);
    photoLayout->addWidget(Memo2);
    auto* strip = new QWidget(kort);
    strip->setObjectName(QStringLiteral("Panel2"));
    storygames::setFill(strip, look::kSilver);
    Message = new QLabel(strip);
    Message->setObjectName(QStringLiteral("Label5"));
    storygames::setTextColour(Message, look::kMaroon);
    Button2 = new QPushButton(QStringLiteral("&Next"), strip);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3 = new QPushButton(QStringLiteral("&Leave"), strip);
    Button3->setObjectName(QStringLiteral("Button3"));
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->addWidget(Message, 1);
    stripLayout->addWidget(Button2);
    stripLayout->addWidget(Button3);
    card->addWidget(photo, 1);
    card->addWidget(strip);
    for (QPushButton* b : {Button1, Button2, Button3})
        b->setAutoDefault(false);

    auto* main = new QVBoxLayout(this);
    main->addWidget(Header, 0, Qt::AlignHCenter);
    main->addSpacing(40);
    main->addWidget(info, 0, Qt::AlignHCenter);
    main->addWidget(kort, 1, Qt::AlignHCenter);
    main->addStretch(0);

    connect(Button1, &QPushButton::clicked, this, &TStorygin::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TStorygin::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);
}

void TStorygin::FormCreate()
{
    storygames::setUpWindow(this, m_services, kBackground);
    layoutWindow();
    kort->hide();
    Button1->setFocus();
}

void TStorygin::layoutWindow()
{
    const QSize screen = storygames::screenSize(m_services);
    const QFont plain = storygames::arialPixels(m_engine, 18);
    for (QWidget* w : findChildren<QWidget*>())
        w->setFont(plain);
    rubrik->setFont(storygames::arialPixels(m_engine, 40));
    for (QLabel* l : info->findChildren<QLabel*>())
        l->setFont(storygames::arialPixels(m_engine, 26));
    Memo2->setFont(storygames::arialPixels(m_engine, 24));
    rubrik->setMinimumWidth(screen.width() / 3);
    kort->setFixedSize(screen.width() * 2 / 3, std::min(screen.height() / 2, screen.width() / 3));
    const int m = std::max(6, screen.width() / 80);
    kort->layout()->setContentsMargins(m, m, m, m);
}

bool TStorygin::Laddafil()
{
    QList<QByteArray> lines;
    const QByteArray file = storygames::currentFile(m_engine, kSectionFile);
    if (!storygames::readDataText(m_engine, file, lines))
        return false;
    m_album = storytext::Album(storytext::readSections(lines));
    if (!m_album.usable()) {
        // A section without a line would give no photo at all, however often it is reloaded.
        m_engine.fileError(file);
        return false;
    }
    return true;
}

void TStorygin::Button1Click()
{
    if (!Laddafil()) {
        reject();
        return;
    }
    info->hide();
    kort->show();
    Button2->setFocus();
    Genr();
}

void TStorygin::Genr()
{
    Memo2->setText(cp1252::toUnicode(m_album.next(m_engine.random())));
    if (const auto message = storytext::Album::message(m_album.counter()))
        Message->setText(cp1252::toUnicode(*message));
}

void TStorygin::Button2Click()
{
    if (m_album.counter() >= storytext::Album::kLastPhoto) {
        accept();
        return;
    }
    Genr();
}

void TStorygin::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace vindra
