#include "berettau.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "framework/look.h"
#include "platform/printer.h"
#include "storygames.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace vindra {

namespace {

constexpr char kStarterFile[] = "ENG41041.DAT";
const QColor kBackground(255, 250, 235);

QString text(const QByteArray& b)
{
    return cp1252::toUnicode(b);
}

} // namespace

Tberaetta::Tberaetta(Engine& engine, const Services& services, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_services(services)
{
    setObjectName(QStringLiteral("beraetta"));
    setWindowTitle(QStringLiteral("Tell a story"));

    TitlePanel = new QLabel(QStringLiteral("Tell a story"), this);
    TitlePanel->setObjectName(QStringLiteral("Panel1"));
    TitlePanel->setAlignment(Qt::AlignCenter);
    TitlePanel->setStyleSheet(
        QStringLiteral("background: #800000; color: yellow; border: 3px solid red;"));

    ChoicePanel = new QWidget(this);
    ChoicePanel->setObjectName(QStringLiteral("Panel3"));
    HintLabel =
        new QLabel(QStringLiteral("Hit PageUp or PageDown to change starters"), ChoicePanel);
    HintLabel->setObjectName(QStringLiteral("Label4"));
    SpeedButton2 = new QToolButton(ChoicePanel);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setArrowType(Qt::LeftArrow);
    SpeedButton1 = new QToolButton(ChoicePanel);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setArrowType(Qt::RightArrow);
    StarterLabel = new QLabel(QStringLiteral("Starter no."), ChoicePanel);
    StarterLabel->setObjectName(QStringLiteral("Label7"));
    Label8 = new QLabel(ChoicePanel);
    Label8->setObjectName(QStringLiteral("Label8"));
    Button1 = new QPushButton(QStringLiteral("&Leave"), ChoicePanel);
    Button1->setObjectName(QStringLiteral("Button1"));
    BitBtn1 = new QPushButton(QStringLiteral("OK"), ChoicePanel);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    for (QPushButton* b : {Button1, BitBtn1})
        b->setAutoDefault(false);
    auto* choiceRows = new QVBoxLayout(ChoicePanel);
    choiceRows->addWidget(HintLabel);
    auto* choice = new QHBoxLayout;
    choiceRows->addLayout(choice);
    choice->addWidget(SpeedButton2);
    choice->addWidget(SpeedButton1);
    choice->addWidget(StarterLabel);
    choice->addWidget(Label8);
    choice->addStretch(1);
    choice->addWidget(BitBtn1);
    choice->addWidget(Button1);

    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    storygames::setFill(Panel2, Qt::white);
    auto* lines = new QVBoxLayout(Panel2);
    for (auto [label, name] :
         {std::pair{&Label1, "Label1"}, {&Label2, "Label2"}, {&Label3, "Label3"}}) {
        *label = new QLabel(Panel2);
        (*label)->setObjectName(QString::fromLatin1(name));
        lines->addWidget(*label);
    }

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    storygames::setTextColour(Edit1, look::kNavy);
    Edit1->installEventFilter(this);

    Panel5 = new QWidget(this);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    auto* help = new QVBoxLayout(Panel5);
    int n = 9;
    for (const char* t :
         {"Hit Enter after every line.", "Enter after an empty line ends the story.",
          "In the end you can print the whole story."}) {
        auto* l = new QLabel(QString::fromLatin1(t), Panel5);
        l->setObjectName(QStringLiteral("Label%1").arg(n++));
        storygames::setTextColour(l, look::kMaroon);
        help->addWidget(l);
    }

    Panel6 = new QWidget(this);
    Panel6->setObjectName(QStringLiteral("Panel6"));
    auto* done = new QLabel(QStringLiteral("That's it!"), Panel6);
    done->setObjectName(QStringLiteral("Label12"));
    storygames::setTextColour(done, look::kMaroon);
    Memo2 = new QPlainTextEdit(Panel6);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setReadOnly(true);
    BitBtn2 = new QPushButton(QStringLiteral("&Print"), Panel6);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    Button2 = new QPushButton(QStringLiteral("&New story"), Panel6);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3 = new QPushButton(QStringLiteral("&Leave"), Panel6);
    Button3->setObjectName(QStringLiteral("Button3"));
    for (QPushButton* b : {BitBtn2, Button2, Button3})
        b->setAutoDefault(false);
    auto* end = new QVBoxLayout(Panel6);
    end->addWidget(done);
    end->addWidget(Memo2, 1);
    auto* endButtons = new QHBoxLayout;
    endButtons->addWidget(BitBtn2);
    endButtons->addWidget(Button2);
    endButtons->addWidget(Button3);
    end->addLayout(endButtons);

    auto* main = new QVBoxLayout(this);
    main->addWidget(TitlePanel);
    main->addWidget(ChoicePanel);
    main->addWidget(Panel2, 0, Qt::AlignHCenter);
    main->addWidget(Edit1, 0, Qt::AlignHCenter);
    main->addWidget(Panel5, 0, Qt::AlignHCenter);
    main->addWidget(Panel6, 1);
    main->addStretch(0);

    connect(SpeedButton1, &QToolButton::clicked, this, &Tberaetta::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &Tberaetta::SpeedButton2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &Tberaetta::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &Tberaetta::BitBtn2Click);
    connect(Button2, &QPushButton::clicked, this, &Tberaetta::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);
}

void Tberaetta::FormCreate()
{
    storygames::setUpWindow(this, m_services, kBackground);
    layoutWindow();
    Panel5->hide();
    Panel6->hide();
    BitBtn1->setEnabled(true);
    m_story.clear();
    Edit1->clear();
    m_starter = 1;
    Edit1->hide();
    QList<QByteArray> lines;
    const QByteArray file = storygames::currentFile(m_engine, kStarterFile);
    if (storygames::readDataText(m_engine, file, lines))
        m_starters = storytext::readStarters(lines);
    if (m_starters.count() == 0) {
        if (!lines.isEmpty())
            m_engine.fileError(file);
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
        return;
    }
    showStarter();
    BitBtn1->setFocus();
}

void Tberaetta::layoutWindow()
{
    const QSize screen = storygames::screenSize(m_services);
    const int margin = std::max(4, screen.height() / 60);
    layout()->setContentsMargins(margin, margin, margin, margin);
    const QFont plain = storygames::arialPixels(m_engine, 16);
    for (QWidget* w : findChildren<QWidget*>())
        w->setFont(plain);
    TitlePanel->setFont(storygames::arialPixels(m_engine, 34));
    const QFont story = look::arial(14);
    for (QLabel* l : {Label1, Label2, Label3})
        l->setFont(story);
    Edit1->setFont(story);
    Memo2->setFont(story);
    m_areaWidth = screen.width() * 4 / 5 - 2 * margin;
    Panel2->setFixedWidth(m_areaWidth);
    Edit1->setFixedWidth(m_areaWidth);
}

void Tberaetta::showStarter()
{
    Label8->setText(QStringLiteral("%1 of %2").arg(m_starter).arg(m_starters.count()));
    const auto lines = m_starters.starter(m_starter);
    Label1->setText(text(lines[0]));
    Label2->setText(text(lines[1]));
    Label3->setText(text(lines[2]));
}

void Tberaetta::SpeedButton1Click()
{
    if (!BitBtn1->isEnabled())
        return;
    m_starter = std::min(m_starter + 1, m_starters.count());
    showStarter();
}

void Tberaetta::SpeedButton2Click()
{
    if (!BitBtn1->isEnabled())
        return;
    m_starter = std::max(m_starter - 1, 1);
    showStarter();
}

void Tberaetta::BitBtn1Click()
{
    if (!BitBtn1->isEnabled())
        return;
    m_story.clear();
    for (const QByteArray& l : m_starters.starter(m_starter))
        m_story << text(l);
    Edit1->show();
    Edit1->setEnabled(true);
    Edit1->setFocus();
    BitBtn1->setEnabled(false);
    SpeedButton1->setEnabled(false);
    SpeedButton2->setEnabled(false);
    Panel5->show();
}

void Tberaetta::Edit1KeyPress()
{
    const QByteArray typed = cp1252::fromUnicode(Edit1->text());
    Label1->setText(Label2->text());
    Label2->setText(Label3->text());
    if (typed.trimmed().isEmpty()) {
        Label3->clear();
        VisaStory();
        return;
    }
    const int unit = m_engine.layoutUnit;
    const QList<QByteArray> parts =
        storygames::wrapText(m_engine, 0, m_areaWidth - 2 * unit, typed);
    QByteArray line = parts.value(0);
    QByteArray rest;
    if (parts.size() > 1) {
        // Everything after the first line goes back into the input, to be continued.
        QByteArray from = typed;
        while (from.startsWith(' '))
            from.remove(0, 1);
        rest = from.mid(line.size());
        while (rest.startsWith(' '))
            rest.remove(0, 1);
    }
    Label3->setText(text(line));
    Edit1->setText(text(rest));
    m_story << text(line);
}

void Tberaetta::VisaStory()
{
    Memo2->setPlainText(m_story.join(QLatin1Char('\n')));
    Panel5->hide();
    Panel6->show();
    Edit1->hide();
    showStarter();
    Button2->setFocus();
}

void Tberaetta::BitBtn2Click()
{
    if (!m_services.printer)
        return;
    storygames::PrintLayout at;
    at.x = 200;
    at.titleY = 100;
    at.bodyY = 250;
    at.gap = 20;
    storygames::printLines(*m_services.printer, QStringLiteral("Tell a story"),
                           PrinterFont{QStringLiteral("Arial"), 18, false}, m_story,
                           PrinterFont{QStringLiteral("Arial"), 14, false}, at);
}

void Tberaetta::Button2Click()
{
    Panel5->hide();
    Panel6->hide();
    BitBtn1->setEnabled(true);
    SpeedButton1->setEnabled(true);
    SpeedButton2->setEnabled(true);
    m_story.clear();
    Edit1->clear();
    showStarter();
    BitBtn1->setFocus();
}

void Tberaetta::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        reject();
        return;
    case Qt::Key_PageDown:
        SpeedButton1Click();
        return;
    case Qt::Key_PageUp:
        SpeedButton2Click();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (BitBtn1->isEnabled()) {
            BitBtn1Click();
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

bool Tberaetta::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Edit1KeyPress();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vindra
