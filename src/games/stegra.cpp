#include "stegra.h"

#include "engine/catalogue.h"
#include "engine/cipher.h"
#include "engine/cp1252.h"
#include "engine/worksheet.h"
#include "framework/chrome.h"
#include "framework/formtimer.h"
#include "framework/look.h"
#include "framework/worksheetpanel.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/screen.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>

namespace vindra {

namespace {

constexpr int kHeaderWidth = 300;
constexpr int kHeaderHeight = 80;

QLabel* makeLabel(const QString& name, QWidget* parent, const QColor& colour)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setStyleSheet(look::colourStyle(colour));
    return l;
}

QFrame* makePanel(const QString& name, QWidget* parent, const QColor& colour)
{
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setStyleSheet(QStringLiteral("#%1 { background: %2; }").arg(name, colour.name()));
    return f;
}

QString text(const QByteArray& cp1252)
{
    return cp1252::toUnicode(cp1252);
}

} // namespace

TStegran::TStegran(Engine& engine, const Services& services, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_services(services)
{
    setObjectName(QStringLiteral("Stegran"));
    setWindowFlag(Qt::FramelessWindowHint);
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, look::kSilver);
    setPalette(pal);
    setFocusPolicy(Qt::StrongFocus);

    m_header = new HeaderBox(this);
    InstruktionsLabel = makeLabel(QStringLiteral("InstruktionsLabel"), this, look::kGreen);
    Label5 = makeLabel(QStringLiteral("Label5"), this, look::kGreen);
    Edit1 = new AnswerBox(QStringLiteral("Edit1"), this);
    Edit1->setAccessibleName(QStringLiteral("Answer"));
    Edit1->setMaxLength(catalogue::limits::kAnswerBoxLength);
    // The answer box offers no edit menu: its entries would have nothing to paste.
    Edit1->setContextMenuPolicy(Qt::NoContextMenu);
    Edit1->installEventFilter(this);
    connect(Edit1, &AnswerBox::answered, this, &TStegran::Edit1KeyPress);
    connect(Edit1, &AnswerBox::pauseRequested, this, &TStegran::pause);
    connect(Edit1, &QLineEdit::textChanged, this, [this] {
        if (LampShape->isVisible())
            colourLamp();
    });
    Label6 = makeLabel(QStringLiteral("Label6"), this, look::kMaroon);
    Label7 = makeLabel(QStringLiteral("Label7"), this, look::kMaroon);

    NivPanel = new QFrame(this);
    NivPanel->setObjectName(QStringLiteral("NivPanel"));
    NivYtterShape = new RoundedBox(QStringLiteral("NivYtterShape"), look::kYellow, 12, NivPanel);
    NivInnerShape = new RoundedBox(QStringLiteral("NivInnerShape"), look::kNavy, 10, NivYtterShape);
    NivLabel1 = makeLabel(QStringLiteral("NivLabel1"), NivInnerShape, look::kYellow);
    NivLabel1->setText(QStringLiteral("NIVÅ"));
    NivLabel1->setAlignment(Qt::AlignCenter);
    NivLabel2 = makeLabel(QStringLiteral("NivLabel2"), NivInnerShape, look::kYellow);
    NivLabel2->setAlignment(Qt::AlignCenter);
    Gauge1 = new QProgressBar(NivPanel);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setOrientation(Qt::Vertical);
    Gauge1->setTextVisible(false);
    Gauge1->setMinimum(0);
    Gauge1->setStyleSheet(
        QStringLiteral("QProgressBar { background: navy; border: 1px solid navy; }"
                       "QProgressBar::chunk { background: aqua; }"));

    namnruta = makePanel(QStringLiteral("namnruta"), this, look::kNavy);
    m_nameLabel1 = makeLabel(QStringLiteral("Label1"), namnruta, look::kYellow);
    m_nameLabel2 = makeLabel(QStringLiteral("Label2"), namnruta, look::kYellow);
    m_nameLabel1->setText(QStringLiteral("Type your name."));
    m_nameLabel2->setText(QStringLiteral("Press Enter"));
    Edit2 = new QLineEdit(namnruta);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setAccessibleName(QStringLiteral("Your name"));
    Edit2->setMaxLength(Engine::kPlayerNameLength);
    connect(Edit2, &QLineEdit::returnPressed, this, &TStegran::Edit2KeyPress);

    DiplomPanel = makePanel(QStringLiteral("DiplomPanel"), this, look::kRed);
    look::setLiesOnTop(DiplomPanel); // the diploma covers the game
    Image1 = new QLabel(DiplomPanel);
    Image1->setObjectName(QStringLiteral("Image1"));
    DiplomPanel->hide();

    Panel1 = makePanel(QStringLiteral("Panel1"), this, look::kNavy);
    look::setLiesOnTop(Panel1);
    auto button = [this](const char* name, const QString& caption, void (TStegran::*handler)()) {
        auto* b = new QPushButton(caption, Panel1);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    Button1 = button("Button1", QStringLiteral("&Continue"), &TStegran::Button1Click);
    Button2 = button("Button2", QStringLiteral("&Save level"), &TStegran::Button2Click);
    HaemtaNivaa2 =
        button("HaemtaNivaa2", QStringLiteral("C&hoose level"), &TStegran::HaemtaNivaa2Click);
    Button3 = button("Button3", QStringLiteral("&Leave"), &TStegran::Button3Click);
    Panel1->hide();

    Lampknapp = new QPushButton(QStringLiteral("?"), this);
    Lampknapp->setObjectName(QStringLiteral("Lampknapp"));
    Lampknapp->setToolTip(QStringLiteral("Show if letter is wrong."));
    Lampknapp->setAccessibleName(QStringLiteral("Show if letter is wrong."));
    connect(Lampknapp, &QPushButton::clicked, this, &TStegran::LampknappClick);
    LampShape =
        new Lamp(QStringLiteral("LampShape"), QStringLiteral("Click here for disappearing"), this);
    connect(LampShape, &Lamp::pressed, this, &TStegran::LampShapeMouseDown);

    SkrivutOverskrift = new WorksheetHeading(this);
    SkrivutOverskrift->hide();
    SkrivutHelaPanelen = new WorksheetPanel(m_engine, m_services.utskrift, this);
    SkrivutHelaPanelen->hide();
    WorksheetHooks hooks;
    hooks.nextItem = [this] { NyPost(); };
    hooks.addItemLines = [this](const QByteArray& prefix, WorksheetSend) {
        const ItemState& item = m_engine.item;
        m_engine.worksheet.addWrittenItem(prefix, item.fields[1],
                                          worksheet::UtSkriftSvar(item.fields[2], item.fields,
                                                                  item.alternativesCount,
                                                                  item.fieldCount));
    };
    hooks.itemCount = [this] {
        const CacheSlot* slot = m_engine.currentCacheSlot();
        return slot ? slot->itemCount : 0;
    };
    hooks.closeForm = [this] { accept(); };
    hooks.startBlock = [this](WorksheetSend) {
        Worksheet& w = m_engine.worksheet;
        ++w.blockNumber;
        w.rebuildTitle(m_engine.item.headerLines);
        if (m_engine.item.headerLines[1].isEmpty())
            w.blockTitle = "X-AKT";
        w.addTitleLine();
        w.addInstruction(m_engine.item.worksheetInstruction);
        w.newBlock = false;
    };
    SkrivutHelaPanelen->setHooks(std::move(hooks));

    Timer1 = new FormTimer(
        QStringLiteral("Timer1"), [this] { Timer1Timer(); }, this);
}

TStegran::~TStegran() = default;

QSize TStegran::screen() const
{
    return m_services.screen ? m_services.screen->size() : QSize(1024, 768);
}

QFont TStegran::font(int size, bool pixels) const
{
    return look::arial(look::scaled(size, m_engine.screenScale), pixels, true);
}

// ---- Creation --------------------------------------------------------------------------------

void TStegran::FormCreate()
{
    Engine& e = m_engine;
    m_save = false;
    e.item.exerciseCode = Engine::GeProgramtal(e.item.currentFileName);
    Edit1->hide();
    m_firstItem = true;
    m_level = 1;

    // The items of every level, read once.
    QByteArray content;
    if (files::readAll(e.materialPath("\\DATA\\" + e.item.currentFileName), content))
        m_levels = xact::readLevels(content);
    else
        e.fileError(e.item.currentFileName);
    m_position.fill(1);
    drawOrders();

    Label7->hide();
    Lampknapp->hide();
    LampShape->hide();
    layOut();
    Gauge1->setMaximum(std::max(1, m_levels.top()));
    m_header->setMode(e.session.mode);

    if (worksheet()) {
        NivPanel->hide();
        namnruta->hide();
        SkrivutOverskrift->RitaUtskriftOverskriftRuta(true);
        SkrivutHelaPanelen->openForWorksheet();
        if (e.item.worksheetInstruction.isEmpty())
            e.item.worksheetInstruction = "Translate.";
    } else {
        HaemtaNivaa2->setEnabled(true);
        NivPanel->show();
        SkrivutOverskrift->RitaUtskriftOverskriftRuta(false);
        SkrivutHelaPanelen->hide();
        UppgraderaNivRutan(m_level, 0);
        Gauge1->setValue(m_level);
        Edit2->setText(text(m_engine.playerNames[0]));
        namnruta->show();
    }
    e.session.itemCounter = 1;
    e.session.rightCount = 0;

    if (e.item.headerLines[1].isEmpty())
        m_header->RitaOverskriften("X-AKT", {}, {}, unit());
    else
        m_header->RitaOverskriften(e.item.headerLines[1], e.item.headerLines[2],
                                   e.item.headerLines[3], unit());
    InstruktionsLabel->setText(text(e.item.instructionLine));
    InstruktionsLabel->adjustSize();
    InstruktionsLabel->setVisible(!worksheet());

    if (worksheet()) {
        Edit1->setEnabled(false);
        Edit1->hide();
        SkrivutHelaPanelen->show();
        e.session.sessionLength = e.session.savedSessionLength = kPracticeLength;
        NyPost();
    } else {
        Edit2->setFocus();
    }
}

void TStegran::drawOrders()
{
    // Each level's items in an order of their own, drawn from the engine's generator.
    for (int level = 1; level <= m_levels.top(); ++level) {
        QList<int> left;
        for (int i = 1; i <= m_levels.items[static_cast<size_t>(level)].size(); ++i)
            left.append(i);
        QList<int>& order = m_order[static_cast<size_t>(level)];
        order.clear();
        while (!left.isEmpty())
            order.append(left.takeAt(static_cast<qsizetype>(
                m_engine.random().below(static_cast<std::uint32_t>(left.size())))));
    }
}

void TStegran::layOut()
{
    const int W = screen().width();
    const int H = screen().height();
    const int u = unit();
    setGeometry(0, 0, W, H);
    const int scale = m_engine.screenScale;

    m_header->place(QPoint(u, u),
                    QSize(look::scaled(kHeaderWidth, scale), look::scaled(kHeaderHeight, scale)));
    const int barHeight = H / 48 * 4;
    Panel1->setGeometry(u, H - barHeight - u / 5, W - 2 * u, barHeight);
    const int bw = (Panel1->width() - 5 * u) / 4;
    int x = u;
    for (QPushButton* b : {Button1, Button2, HaemtaNivaa2, Button3}) {
        b->setFont(font(19, true));
        b->setGeometry(x, barHeight / 6, bw, barHeight * 2 / 3);
        look::fitFont(b, b->text(), b->size());
        x += bw + u;
    }

    // The level box at the right: "NIVÅ" with the level number, the bar beside it.
    const int boxWidth = std::max(6 * u, W / 8);
    const int boxHeight = std::max(5 * u, H / 6);
    NivPanel->setGeometry(W - boxWidth - 3 * u, u, boxWidth + 2 * u, Panel1->y() - 2 * u);
    NivYtterShape->setGeometry(0, 0, boxWidth, boxHeight);
    NivInnerShape->setGeometry(6, 5, boxWidth - 12, boxHeight - 10);
    NivLabel1->setFont(font(14));
    NivLabel1->setGeometry(0, u / 2, NivInnerShape->width(),
                           QFontMetrics(NivLabel1->font()).height());
    Gauge1->setGeometry(boxWidth + u / 2, 0, u, NivPanel->height());

    const int left = u;
    InstruktionsLabel->setFont(font(19, true));
    InstruktionsLabel->move(left, m_header->geometry().bottom() + 1 + u);
    const int lineHeight = QFontMetrics(font(19, true)).height();
    Label5->setFont(font(25, true));
    Label5->move(left, InstruktionsLabel->y() + 3 * lineHeight);
    const int lampSide = Edit1->sizeHint().height();
    Edit1->setFont(font(19, true));
    const int editLeft = left + lampSide + u / 2;
    const int editWidth =
        std::min(NivPanel->x() - 4 * u - editLeft,
                 QFontMetrics(Edit1->font()).horizontalAdvance(QLatin1Char('m')) * 30);
    Edit1->setGeometry(editLeft, Label5->y() + QFontMetrics(Label5->font()).height() * 2, editWidth,
                       std::max(lampSide, Edit1->sizeHint().height()));
    LampShape->setGeometry(left, Edit1->y(), lampSide, lampSide);
    Lampknapp->setFont(font(19, true));
    Lampknapp->setGeometry(Edit1->geometry().right() + 1 + u / 2, Edit1->y(), 2 * u,
                           Edit1->height());
    Label6->setFont(font(19, true));
    Label6->setGeometry(editLeft, Edit1->geometry().bottom() + 1 + u, NivPanel->x() - u - editLeft,
                        lineHeight);

    // The name box over the answer area.
    m_nameLabel1->setFont(font(19, true));
    m_nameLabel2->setFont(font(19, true));
    Edit2->setFont(font(19, true));
    const QFontMetrics nm(m_nameLabel1->font());
    const int nameWidth =
        std::min(NivPanel->x() - 2 * u,
                 nm.horizontalAdvance(QStringLiteral("MMMMMMMMMMMMMMMMMMMM")) + 2 * u);
    const int editHeight = Edit2->sizeHint().height();
    namnruta->setGeometry(left, Label5->y(), nameWidth, 2 * nm.height() + editHeight + 2 * u);
    m_nameLabel1->setGeometry(u, u / 2, nameWidth - 2 * u, nm.height());
    m_nameLabel2->setGeometry(u, u / 2 + nm.height(), nameWidth - 2 * u, nm.height());
    Edit2->setGeometry(u, 2 * nm.height() + u, nameWidth - 2 * u, editHeight);
    look::setLiesOnTop(namnruta);

    DiplomPanel->setGeometry(u, u, W - 2 * u, Panel1->y() - u - 2);

    SkrivutOverskrift->setGeometry(m_header->x(), m_header->geometry().bottom() + 1 + u / 2, 14 * u,
                                   3 * u);
    SkrivutHelaPanelen->place(Panel1->geometry());
}

// ---- The name --------------------------------------------------------------------------------

void TStegran::showNameBox()
{
    Edit2->setText(text(m_engine.playerNames[0]));
    namnruta->show();
    namnruta->raise();
    Edit2->setFocus();
}

void TStegran::Edit2KeyPress()
{
    const QByteArray name =
        cp1252::fromUnicode(Edit2->text().trimmed()).left(Engine::kPlayerNameLength);
    if (name.isEmpty())
        return;
    m_engine.playerNames[0] = name;
    m_started = true;
    sparastegring(m_save);
    UppgraderaNivRutan(m_level, 0);
    Gauge1->setValue(m_level);
    Panel1->hide();
    Edit1->show();
    Edit1->setEnabled(true);
    Edit1->setFocus();
    namnruta->hide();
    Lampknapp->setVisible(m_engine.session.mode == SessionMode::Practice && !m_lampOn);
    LampShape->setVisible(m_lampOn);
    NyPost();
}

void TStegran::sparastegring(bool save)
{
    const QByteArray& dir = m_engine.dirs.results;
    if (!save) {
        // Without a save file or a record of the pupil the level stays as it is.
        if (xact::fetch(dir, m_engine.playerNames[0], m_levels.top(), m_level) ==
            xact::FetchStatus::Unreadable)
            m_engine.message(MessageKind::Warning, "Filen " + QByteArray(xact::kFileName) +
                                                       " kunde inte l\xE4sas. Niv\xE5n \xE4r "
                                                       "densamma som f\xF6rut.");
        return;
    }
    recordfile::Error error;
    const recordfile::Status status = xact::save(dir, m_engine.playerNames[0], m_level, &error);
    if (status == recordfile::Status::Saved || status == recordfile::Status::Unchanged)
        return;
    // A level the pupil believes saved must not be lost silently.
    m_engine.message(MessageKind::Warning,
                     "Niv\xE5n kunde inte sparas i filen " + QByteArray(xact::kFileName) +
                         ". F\xF6rs\xF6k igen om en stund eller fr\xE5ga din l\xE4rare.");
}

// ---- Items -----------------------------------------------------------------------------------

QByteArray TStegran::nextLevelItem()
{
    const auto l = static_cast<size_t>(m_level);
    const QList<QByteArray>& items = m_levels.items[l];
    const QList<int>& order = m_order[l];
    if (items.isEmpty() || order.isEmpty())
        return {};
    int& pos = m_position[l];
    if (pos < 1 || pos > order.size())
        pos = 1;
    const QByteArray item = items.value(order[pos - 1] - 1);
    pos = pos >= order.size() ? 1 : pos + 1;
    return item;
}

void TStegran::NyPost()
{
    Engine& e = m_engine;
    if (!worksheet() && m_level >= m_levels.top()) {
        VisaDiplom();
        return;
    }
    QByteArray line;
    if (worksheet()) {
        if (CacheSlot* slot = e.currentCacheSlot()) {
            e.item.currentItemNumber =
                static_cast<quint16>(e.haemta_slumptal(slot->nextDraw, e.item.cacheSlot));
            e.haemtaord(e.item.currentFileName, e.item.currentItemNumber);
        }
        const QByteArray plain = cipher::dekryptrad(e.item.currentItemLine);
        if (xact::splitLevel(plain, &line) == 0)
            line = plain; // not an item of a level: shown as it stands
    } else {
        line = nextLevelItem();
    }
    e.str_postarray(line);
    Timer1->setInterval(0);
    m_ticks = 0;

    Label5->setText(text(e.item.fields[1]));
    Label5->adjustSize();
    Label6->hide();
    Label6->setText(text(e.item.fields[2]));
    look::fitFont(Label6, Label6->text(), Label6->size());
    Label7->setText(text(e.item.fields[2]));
    if (worksheet()) {
        Label6->show();
        return;
    }
    Edit1->clear();
    Edit1->setEnabled(true);
    Edit1->show();
    if (!m_firstItem)
        Edit1->setFocus();
    m_firstItem = false;
    Gauge1->setValue(m_level);
    Panel1->hide();
    m_answerDue = true;
}

// ---- The answer ------------------------------------------------------------------------------

void TStegran::Edit1KeyPress()
{
    if (!m_answerDue || worksheet())
        return;
    m_answerDue = false;
    SessionState& s = m_engine.session;
    const bool right =
        m_engine.svarstest(m_engine.item.fields[2], cp1252::fromUnicode(Edit1->text()), 3) ==
        Engine::kAnswerRight;
    if (right) {
        ++s.rightCount;
        if (s.rightCount > 2) {
            if (m_level < m_levels.top())
                ++m_level;
            s.rightCount = 0;
        }
        UppgraderaNivRutan(m_level, s.rightCount);
        Timer1->setEnabled(true);
        Timer1->setInterval(100);
    } else {
        if (m_level > 1)
            --m_level;
        Gauge1->setValue(m_level);
        UppgraderaNivRutan(m_level, 0);
        Label6->show();
        Timer1->setEnabled(true);
        Timer1->setInterval(1000);
    }
    ++s.itemCounter;
}

void TStegran::Timer1Timer()
{
    if (Timer1->interval() == 0)
        return;
    if (++m_ticks >= kWaitTicks) {
        Timer1->setInterval(0);
        NyPost();
    }
}

bool TStegran::eventFilter(QObject* watched, QEvent* event)
{
    // Space in the answer box while the next item is awaited brings it at once.
    if (watched == Edit1 && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space && Timer1->interval() != 0) {
        Timer1->setInterval(0);
        NyPost();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TStegran::UppgraderaNivRutan(int level, int step)
{
    static const int sizes[] = {18, 24, 30};
    NivLabel2->setFont(font(sizes[std::clamp(step, 0, 2)]));
    NivLabel2->setText(QString::number(level));
    const int h = QFontMetrics(NivLabel2->font()).height();
    const QRect inner = NivInnerShape->rect();
    NivLabel2->setGeometry(8, std::max(0, inner.height() - 4 - h), std::max(0, inner.width() - 16),
                           h);
}

// ---- The diploma -----------------------------------------------------------------------------

void TStegran::VisaDiplom()
{
    m_diploma = true;
    m_answerDue = false;
    Timer1->setInterval(0);
    DiplomPanel->show();
    DiplomPanel->raise();
    QPixmap picture;
    const QString path = m_engine.materialPath("\\BILD\\DIPLOMA.BMP");
    if (files::isFile(path) && picture.load(files::resolve(path))) {
        Button2->hide();
        HaemtaNivaa2->hide();
        // The pupil's name on the diploma, centred, 110 pixels from its top.
        QPainter p(&picture);
        p.setFont(look::arial(20));
        p.setPen(look::kNavy);
        const QFontMetrics fm(p.font());
        p.drawText(QRect(0, 110, picture.width(), fm.height()), Qt::AlignHCenter | Qt::AlignTop,
                   text(m_engine.playerNames[0]));
        p.end();
        const QSize room(DiplomPanel->width(), DiplomPanel->height() - unit() / 2);
        if (picture.width() > room.width() || picture.height() > room.height())
            picture = picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        Image1->setPixmap(picture);
        Image1->setGeometry((DiplomPanel->width() - picture.width()) / 2, unit() / 2,
                            picture.width(), picture.height());
        Image1->show();
    } else {
        Image1->hide();
    }
    showBar();
    Button1->setFocus();
}

// ---- Buttons ---------------------------------------------------------------------------------

void TStegran::showBar()
{
    Panel1->show();
    Panel1->raise();
}

void TStegran::Button1Click()
{
    Panel1->hide();
    if (m_diploma) {
        // After the diploma the climb starts again from the bottom.
        m_diploma = false;
        Button2->show();
        HaemtaNivaa2->show();
        DiplomPanel->hide();
        m_level = 1;
        m_engine.session.itemCounter = 1;
        UppgraderaNivRutan(m_level, 0);
        NyPost();
    } else if (m_answerDue) {
        // After a pause the game goes on where it stood.
        Edit1->setEnabled(true);
    } else {
        NyPost();
    }
    Lampknapp->setEnabled(true);
    Lampknapp->setVisible(m_engine.session.mode == SessionMode::Practice && !m_lampOn);
    LampShape->setVisible(m_lampOn);
    Edit1->setFocus();
}

void TStegran::Button2Click()
{
    m_save = true;
    Panel1->hide();
    showNameBox();
}

void TStegran::HaemtaNivaa2Click()
{
    m_save = false;
    Panel1->hide();
    showNameBox();
}

void TStegran::Button3Click()
{
    accept();
}

// ---- Pause and keys --------------------------------------------------------------------------

void TStegran::pause()
{
    Edit1->setEnabled(false);
    Timer1->setInterval(0);
    Lampknapp->setEnabled(false);
    LampShape->hide();
    showBar();
    Button1->setFocus();
}

void TStegran::reject()
{
    // Esc in the name box opened from the bar goes back to the bar; at the start it leaves.
    if (namnruta->isVisible() && m_started) {
        namnruta->hide();
        showBar();
        Button1->setFocus();
        return;
    }
    if (Panel1->isVisible() || namnruta->isVisible() || worksheet()) {
        accept();
        return;
    }
    if (Edit1->isVisible() && Edit1->isEnabled())
        pause();
}

void TStegran::keyPressEvent(QKeyEvent* event)
{
    if (worksheet() && SkrivutHelaPanelen->handleKey(event->key()))
        return;
    if (event->key() == Qt::Key_Space && Timer1->interval() != 0) {
        Timer1->setInterval(0);
        NyPost();
        return;
    }
    QDialog::keyPressEvent(event);
}

// ---- The lamp --------------------------------------------------------------------------------

void TStegran::colourLamp()
{
    LampShape->showGood(
        m_engine.GreenRedTest(cp1252::fromUnicode(Edit1->text()), m_engine.item.fields[2], 3) == 1);
}

void TStegran::LampknappClick()
{
    Lampknapp->hide();
    m_lampOn = !m_lampOn;
    if (!m_lampOn) {
        LampShape->hide();
        return;
    }
    LampShape->show();
    Edit1->setFocus();
    colourLamp();
}

void TStegran::LampShapeMouseDown()
{
    LampShape->hide();
    m_lampOn = false;
    Lampknapp->setVisible(m_engine.session.mode == SessionMode::Practice);
}

} // namespace vindra
