#include "avsloja.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "framework/look.h"
#include "platform/messages.h"
#include "storygames.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGraphicsDropShadowEffect>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vindra {

namespace {

constexpr char kStoryFile[] = "ENG61011.DAT";
constexpr char kSlotProperty[] = "revealSlot";
constexpr char kEntryMime[] = "application/x-vindra-reveal-entry";
const QColor kBackground(0, 128, 128);
const QColor kStoryBackground(255, 255, 240);

QString text(const QByteArray& cp1252)
{
    return cp1252::toUnicode(cp1252);
}

QLabel* counterBox(QWidget* parent, const char* name)
{
    auto* box = new QLabel(QStringLiteral("0 %"), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAlignment(Qt::AlignCenter);
    box->setStyleSheet(QStringLiteral(
        "background: #000080; color: yellow; border: 2px solid yellow; border-radius: 10px;"));
    return box;
}

} // namespace

Tavsloj::Tavsloj(Engine& engine, const Services& services, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_services(services)
{
    setObjectName(QStringLiteral("avsloj"));
    setWindowTitle(QStringLiteral("Reveal"));

    Title = new QLabel(QStringLiteral("Reveal"), this);
    Title->setObjectName(QStringLiteral("Rubrik"));
    storygames::setTextColour(Title, look::kYellow);
    auto* shadow = new QGraphicsDropShadowEffect(Title);
    shadow->setOffset(2, 2);
    shadow->setBlurRadius(0);
    shadow->setColor(Qt::black);
    Title->setGraphicsEffect(shadow);

    // The choice of story and of the way to play.
    Panel4 = new QWidget(this);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    auto* choose = new QLabel(QStringLiteral("Välj en text"), Panel4);
    choose->setObjectName(QStringLiteral("Label50"));
    storygames::setTextColour(choose, look::kYellow);
    ListBox2 = new QListWidget(Panel4);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    GroupBox1 = new QGroupBox(QStringLiteral("Välj träningstyp"), Panel4);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    storygames::setTextColour(GroupBox1, look::kYellow);
    RadioButton1 =
        new QRadioButton(QStringLiteral("Flytta givna ord till\nrätt plats i texten."), GroupBox1);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2 = new QRadioButton(QStringLiteral("Gissa orden."), GroupBox1);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    for (QRadioButton* r : {RadioButton1, RadioButton2}) {
        QPalette pal = r->palette();
        pal.setColor(QPalette::WindowText, Qt::white);
        r->setPalette(pal);
    }
    RadioButton1->setChecked(true);
    auto* radios = new QVBoxLayout(GroupBox1);
    radios->addWidget(RadioButton1);
    radios->addWidget(RadioButton2);
    Button2 = new QPushButton(QStringLiteral("&Avbryta"), Panel4);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    auto* choice = new QVBoxLayout(Panel4);
    choice->addWidget(choose);
    choice->addWidget(ListBox2, 1);
    choice->addWidget(GroupBox1);
    choice->addWidget(Button2, 0, Qt::AlignLeft);

    // The story: seven rows of seven slots, each row's name to its left.
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    storygames::setFill(Panel1, kStoryBackground);
    auto* rows = new QVBoxLayout(Panel1);
    for (int r = 0; r < storytext::kRevealRows; ++r) {
        auto* row = new QHBoxLayout;
        row->setSpacing(10);
        auto* name = new QLabel(Panel1);
        name->setObjectName(QStringLiteral("namn%1").arg(r + 1));
        name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Names[static_cast<size_t>(r)] = name;
        row->addWidget(name);
        for (int c = 0; c < storytext::kRevealColumns; ++c) {
            const int slot = r * storytext::kRevealColumns + c;
            auto* label = new QLabel(Panel1);
            label->setObjectName(QStringLiteral("Label%1").arg(slot + 1));
            label->setProperty(kSlotProperty, slot);
            label->setAcceptDrops(true);
            label->installEventFilter(this);
            Labels[static_cast<size_t>(slot)] = label;
            row->addWidget(label);
        }
        row->addStretch(1);
        rows->addLayout(row);
    }
    rows->addStretch(1);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->viewport()->installEventFilter(this);
    ListBox1->installEventFilter(this);

    Panel7 = new QWidget(this);
    Panel7->setObjectName(QStringLiteral("Panel7"));
    auto* guessCaption = new QLabel(QStringLiteral("Guess a word"), Panel7);
    guessCaption->setObjectName(QStringLiteral("Label51"));
    storygames::setTextColour(guessCaption, look::kYellow);
    Edit1 = new QLineEdit(Panel7);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(20);
    Edit1->installEventFilter(this);
    Button1 = new QPushButton(QStringLiteral("&Show the story"), Panel7);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    auto* guess = new QHBoxLayout(Panel7);
    guess->addWidget(guessCaption);
    guess->addWidget(Edit1, 1);
    guess->addWidget(Button1);

    // The counters, in yellow on navy boxes.
    Counters = new QWidget(this);
    Counters->setObjectName(QStringLiteral("Counters"));
    auto* counters = new QVBoxLayout(Counters);
    auto caption = [&](const QString& t, const char* name) {
        auto* l = new QLabel(t, Counters);
        l->setObjectName(QString::fromLatin1(name));
        l->setAlignment(Qt::AlignCenter);
        storygames::setTextColour(l, look::kYellow);
        counters->addWidget(l);
    };
    caption(QStringLiteral("Correct\nanswers"), "Label52");
    Panel5 = counterBox(Counters, "Panel5");
    counters->addWidget(Panel5);
    caption(QStringLiteral("Solved text"), "Label53");
    Panel6 = counterBox(Counters, "Panel6");
    counters->addWidget(Panel6);
    caption(QStringLiteral("Number of\nattempts"), "Label54");
    Panel8 = counterBox(Counters, "Panel8");
    counters->addWidget(Panel8);
    counters->addStretch(1);

    auto* story = new QVBoxLayout;
    story->addWidget(Panel4, 1);
    story->addWidget(Panel1, 3);
    story->addWidget(ListBox1, 2);
    story->addWidget(Panel7);
    auto* body = new QHBoxLayout;
    body->addLayout(story, 1);
    body->addWidget(Counters);
    auto* main = new QVBoxLayout(this);
    main->addWidget(Title, 0, Qt::AlignHCenter);
    main->addLayout(body, 1);

    // A double click or Enter on a story starts it.
    connect(ListBox2, &QListWidget::itemActivated, this, [this] { ListBox2DblClick(); });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button1, &QPushButton::clicked, this, &Tavsloj::Button1Click);
}

void Tavsloj::FormCreate()
{
    storygames::setUpWindow(this, m_services, kBackground);
    m_file = storygames::currentFile(m_engine, kStoryFile);
    layoutWindow();
    FormShow();
}

void Tavsloj::layoutWindow()
{
    const QSize screen = storygames::screenSize(m_services);
    const int margin = std::max(4, screen.height() / 60);
    layout()->setContentsMargins(margin, margin / 2, margin, margin);
    Title->setFont(storygames::arialPixels(m_engine, 40));
    const QFont plain = storygames::arialPixels(m_engine, 16);
    for (QWidget* w : findChildren<QWidget*>())
        if (w != Title)
            w->setFont(plain);
    const QFont slot = storygames::arialPixels(m_engine, 18, false);
    for (QLabel* l : Labels)
        l->setFont(slot);
    for (QLabel* l : Names)
        l->setFont(storygames::arialPixels(m_engine, 16));
    const QFont counter = storygames::arialPixels(m_engine, 22);
    for (QLabel* l : {Panel5, Panel6, Panel8}) {
        l->setFont(counter);
        l->setMinimumSize(QFontMetrics(counter).horizontalAdvance(QStringLiteral("100 %")) + 24,
                          QFontMetrics(counter).height() + 16);
    }
    const int nameWidth =
        QFontMetrics(Names[0]->font()).horizontalAdvance(QStringLiteral("Mmmmmmmm:"));
    for (QLabel* l : Names)
        l->setFixedWidth(nameWidth);
}

void Tavsloj::FormShow()
{
    Resett();
}

void Tavsloj::letastorys()
{
    ListBox2->clear();
    if (!storygames::readDataText(m_engine, m_file, m_lines))
        return;
    const int stories = storytext::countEnds(m_lines);
    for (int i = 1; i <= stories; ++i)
        ListBox2->addItem(QString::number(i));
}

void Tavsloj::Resett()
{
    m_playing = false;
    m_storyShown = false;
    Panel1->hide();
    Counters->hide();
    letastorys();
    m_game = storytext::RevealGame();
    ListBox1->clear();
    for (QLabel* l : Labels)
        l->hide();
    for (QLabel* l : Names)
        l->hide();
    if (ListBox2->count() > 0)
        ListBox2->setCurrentRow(0);
    Panel5->setText(QStringLiteral("0 %"));
    Panel6->setText(QStringLiteral("0 %"));
    Panel8->setText(QStringLiteral("0"));
    Button1->setText(QStringLiteral("&Show the story"));
    Edit1->clear();
    ListBox1->hide();
    Panel7->hide();
    Panel4->show();
    ListBox2->setFocus();
}

void Tavsloj::ListBox2DblClick()
{
    if (m_playing || !ListBox2->currentItem())
        return;
    const int n = ListBox2->currentItem()->text().toInt();
    Panel1->show();
    Panel4->hide();
    m_game = storytext::RevealGame(storytext::readRevealStory(m_lines, n));
    m_playing = true;
    m_storyShown = false;
    const storytext::RevealStory& story = m_game.story();
    for (int r = 0; r < storytext::kRevealRows; ++r) {
        Names[static_cast<size_t>(r)]->setText(text(story.names[static_cast<size_t>(r)]));
        Names[static_cast<size_t>(r)]->show();
    }
    showSlots(false);
    ListBox1->clear();
    if (RadioButton1->isChecked()) {
        for (const QByteArray& w : story.wordList)
            ListBox1->addItem(text(w));
        ListBox1->setCurrentRow(0);
        ListBox1->show();
        ListBox1->setFocus();
    } else {
        Edit1->clear();
        Edit1->setEnabled(true);
        Panel7->show();
        Edit1->setFocus();
    }
    Counters->show();
    UpdateInfo();
}

void Tavsloj::showSlots(bool fullWords)
{
    const auto& cells = m_game.story().cells;
    for (int i = 0; i < storytext::kRevealSlots; ++i) {
        QLabel* l = Labels[static_cast<size_t>(i)];
        if (i >= cells.size() || cells.at(i).full.isEmpty()) {
            l->clear();
            l->hide();
            continue;
        }
        const storytext::RevealSlot& s = cells.at(i);
        l->setText(text(fullWords ? s.full : s.shown));
        l->show();
    }
}

void Tavsloj::utruta(int slot, int entry)
{
    if (!m_playing)
        return;
    m_game.drop(slot, entry);
    ListBox1->clear();
    for (const QByteArray& w : m_game.story().wordList)
        ListBox1->addItem(text(w));
    if (ListBox1->count() > 0)
        ListBox1->setCurrentRow(0);
    showSlots(false);
    UpdateInfo();
}

void Tavsloj::Textkoll()
{
    if (!m_playing || m_storyShown)
        return;
    const QByteArray guess = cp1252::fromUnicode(Edit1->text());
    if (m_game.guess(guess) < 0)
        return;
    showSlots(false);
    Edit1->clear();
    Edit1->setFocus();
    UpdateInfo();
}

void Tavsloj::Button1Click()
{
    if (!m_playing)
        return;
    m_storyShown = !m_storyShown;
    showSlots(m_storyShown);
    Edit1->setEnabled(!m_storyShown);
    Button1->setText(m_storyShown ? QStringLiteral("&Hide the story")
                                  : QStringLiteral("&Show the story"));
    if (!m_storyShown)
        Edit1->setFocus();
}

void Tavsloj::UpdateInfo()
{
    const auto percent = [](int right, int value) {
        return right == 0 ? QStringLiteral("0 %") : QStringLiteral("%1 %").arg(value);
    };
    Panel5->setText(percent(m_game.right(), m_game.rightPercent()));
    Panel6->setText(percent(m_game.right(), m_game.solvedPercent()));
    Panel8->setText(QString::number(m_game.attempts()));
    if (!m_game.solved())
        return;
    ListBox1->hide();
    Panel7->hide();
    if (m_services.messages)
        m_services.messages->show(MessageKind::Information,
                                  QStringLiteral("Congratulations! You made it!"));
    Resett();
}

void Tavsloj::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (m_playing)
            Resett();
        else
            reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool Tavsloj::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Textkoll();
            return true;
        }
    }
    // Pressing the left button on an entry of the word list starts dragging it at once.
    if (watched == ListBox1->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* press = static_cast<QMouseEvent*>(event);
        QListWidgetItem* item = ListBox1->itemAt(press->position().toPoint());
        if (press->button() == Qt::LeftButton && item) {
            ListBox1->setCurrentItem(item);
            auto* mime = new QMimeData;
            mime->setData(QString::fromLatin1(kEntryMime), QByteArray::number(ListBox1->row(item)));
            auto* drag = new QDrag(ListBox1);
            drag->setMimeData(mime);
            drag->exec(Qt::MoveAction);
            return true;
        }
    }
    const QVariant slot = watched->property(kSlotProperty);
    if (slot.isValid()) {
        if (event->type() == QEvent::DragEnter) {
            auto* enter = static_cast<QDragEnterEvent*>(event);
            if (enter->mimeData()->hasFormat(QString::fromLatin1(kEntryMime)))
                enter->acceptProposedAction();
            return true;
        }
        if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            const int entry = drop->mimeData()->data(QString::fromLatin1(kEntryMime)).toInt();
            drop->acceptProposedAction();
            utruta(slot.toInt(), entry);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vindra
