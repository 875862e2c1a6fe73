#include "fiveu.h"

#include "engine/catalogue.h"
#include "engine/cp1252.h"
#include "engine/engine.h"
#include "framework/formtimer.h"
#include "framework/look.h"
#include "framework/stallinu.h"
#include "games/gamelook.h"
#include "games/rekordu.h"
#include "platform/screen.h"

#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace vindra {

using namespace gamelook;

namespace {

const QColor kBoxColour(128, 255, 0);

/// One of the five circles: navy, blue when lit, with a white outline.
class Circle : public QWidget {
public:
    explicit Circle(QWidget* parent) : QWidget(parent) {}
    void setLit(bool lit)
    {
        m_lit = lit;
        update();
    }
    bool lit() const { return m_lit; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(m_lit ? look::kBlue : look::kNavy);
        p.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
    }

private:
    bool m_lit = false;
};

QString tenthsText(int tenths)
{
    return QString::number(tenths / 10) + QLatin1Char('.') + QString::number(tenths % 10);
}

} // namespace

Tfive::Tfive(Engine& engine, const Services& services, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_services(services)
{
    setObjectName(QStringLiteral("five"));
    setWindowFlag(Qt::FramelessWindowHint);
    setModal(true);
    fill(this, look::kSilver);
    setFocusPolicy(Qt::StrongFocus);

    YShape = panel(this, QStringLiteral("YShape"), look::kYellow);
    IShape = panel(YShape, QStringLiteral("IShape"), look::kNavy);
    rubrik = label(IShape, QStringLiteral("rubrik"), QStringLiteral("THE FIVE"));
    rubrik->setStyleSheet(look::colourStyle(look::kYellow));
    rubrik->setAlignment(Qt::AlignCenter);

    rpanel = panel(this, QStringLiteral("rpanel"), look::kSilver);
    rpanel->setFrameStyle(QFrame::NoFrame);
    StartPanel = label(rpanel, QStringLiteral("StartPanel"), QStringLiteral("START"));
    GoalPanel = label(rpanel, QStringLiteral("GoalPanel"), QStringLiteral("GOAL"));
    for (QLabel* l : {StartPanel, GoalPanel}) {
        l->setAlignment(Qt::AlignCenter);
        l->setFrameStyle(QFrame::Panel | QFrame::Raised);
        fill(l, look::kYellow);
    }
    for (int i = 0; i < 5; ++i) {
        auto* c = new Circle(rpanel);
        c->setObjectName(QStringLiteral("Shape%1").arg(i + 1));
        circles[i] = c;
        rLabels[i] = label(c, QStringLiteral("r%1").arg(i + 1), QStringLiteral("R"));
        rLabels[i]->setStyleSheet(look::colourStyle(Qt::white));
        rLabels[i]->setAlignment(Qt::AlignCenter);
        rLabels[i]->hide();
        tid[i] = label(rpanel, QStringLiteral("tid%1").arg(i + 1));
        tid[i]->setAlignment(Qt::AlignCenter);
        tid[i]->setStyleSheet(look::colourStyle(look::kNavy));
    }
    ttid = label(rpanel, QStringLiteral("ttid"));
    ttid->setAlignment(Qt::AlignCenter);
    ttid->setStyleSheet(look::colourStyle(look::kNavy));

    info = panel(this, QStringLiteral("info"), Qt::white);
    infoText = label(info, QStringLiteral("infoText"),
                     QStringLiteral("Answer the questions.\nTry to make five R's\nas fast as "
                                    "possible.\n\nType your name please."));
    infoText->setStyleSheet(look::colourStyle(look::kNavy));
    Edit2 = new QLineEdit(info);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setMaxLength(10);
    Edit2->installEventFilter(this);

    Instruktion =
        label(this, QStringLiteral("Instruktion"), QStringLiteral("Choose with the mouse."));
    Instruktion->setStyleSheet(look::colourStyle(look::kGreen));
    for (int l = 0; l < 2; ++l)
        for (int p = 0; p < 3; ++p) {
            lines[l][p] = label(this, QStringLiteral("Fraga%1%2").arg(l + 1).arg(p + 1));
            lines[l][p]->setStyleSheet(look::colourStyle(p == 1 ? look::kGreen : look::kBlue));
        }

    Panel1 = panel(this, QStringLiteral("Panel1"), look::kSilver);
    Panel1->setFrameStyle(QFrame::NoFrame);
    for (int i = 0; i < kMaxChoices; ++i) {
        auto* b = label(Panel1, QStringLiteral("Panel%1").arg(i + 2));
        b->setFrameStyle(QFrame::Panel | QFrame::Raised);
        b->setLineWidth(2);
        b->setAlignment(Qt::AlignCenter);
        b->setMouseTracking(true);
        b->installEventFilter(this);
        fill(b, kBoxColour);
        boxes[i] = b;
    }
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->installEventFilter(this);
    Label7 = label(this, QStringLiteral("Label7"));
    Label7->setStyleSheet(look::colourStyle(look::kMaroon));
    Oversattlabel = label(this, QStringLiteral("Oversattlabel"));
    Oversattlabel->setStyleSheet(look::colourStyle(look::kNavy));

    Panel9 = panel(this, QStringLiteral("Panel9"), look::kNavy);
    look::setLiesOnTop(Panel9);
    Button1 = new QPushButton(QStringLiteral("&Prize list"), Panel9);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("&Continue"), Panel9);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3 = new QPushButton(QStringLiteral("&Leave"), Panel9);
    Button3->setObjectName(QStringLiteral("Button3"));
    Bitbtn1 = new QPushButton(QStringLiteral("&Settings"), Panel9);
    Bitbtn1->setObjectName(QStringLiteral("Bitbtn1"));
    BitBtn2 = new QPushButton(QStringLiteral("&Rules"), Panel9);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->hide();
    for (QPushButton* b : {Button1, Button2, Button3, Bitbtn1, BitBtn2})
        b->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &Tfive::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tfive::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &Tfive::Button3Click);
    connect(Bitbtn1, &QPushButton::clicked, this, &Tfive::BitBtn1Click);

    Timer1 = new FormTimer(
        QStringLiteral("Timer1"), [this] { Timer1Timer(); }, this);
    Timer3 = new FormTimer(
        QStringLiteral("Timer3"), [this] { Timer3Timer(); }, this);
    Timer5 = new FormTimer(
        QStringLiteral("Timer5"), [this] { Timer5Timer(); }, this);
}

Tfive::~Tfive() = default;

int Tfive::unit() const
{
    return std::max(4, look::scaled(m_engine.layoutUnit, m_engine.screenScale));
}

QSize Tfive::screenSize() const
{
    return m_services.screen ? m_services.screen->size() : QSize(1024, 768);
}

QFont Tfive::font(int points) const
{
    return look::arial(look::scaled(points, m_engine.screenScale));
}

// ---- Opening ---------------------------------------------------------------------------------

void Tfive::FormCreate()
{
    m_animation = 0;
    Timer1->setInterval(0);
    Timer3->setInterval(0);
    Timer5->setInterval(200);
    m_menuSlot = m_engine.item.cacheSlot;
    m_files = {QByteArray(), "eng41031.dat", "eng41032.dat", "eng41033.dat"};
    m_engine.item.exerciseCode = Engine::GeProgramtal(m_engine.item.currentFileName);
    m_engine.highScore.path = m_engine.highScorePath(m_engine.item.currentFileName);
    layOut();
    m_itemCounter = 1;
    m_rightCount = 0;
    for (QWidget* w : boxes)
        w->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{Panel1, Panel9, Edit1, Label7, Oversattlabel})
        w->hide();
    for (auto& line : lines)
        for (QLabel* l : line)
            l->hide();
    Instruktion->hide();
    Edit2->setFocus();
}

void Tfive::Inled()
{
    const QSize s = screenSize();
    const int u = unit();
    const int W = s.width();
    const int H = s.height();
    Panel9->setGeometry(u, H - H * 4 / 48 - u / 5, W * 58 / 64, H * 4 / 48);
    const int bw = (Panel9->width() - 5 * u) / 4;
    const int bh = Panel9->height() * 2 / 3;
    const int by = (Panel9->height() - bh) / 2;
    QPushButton* order[] = {Button1, Button2, Button3, Bitbtn1};
    for (int i = 0; i < 4; ++i) {
        order[i]->setGeometry(u + i * (bw + u), by, bw, bh);
        order[i]->setFont(font(14));
        look::fitFont(order[i], order[i]->text(), order[i]->size());
    }
    BitBtn2->setGeometry(Bitbtn1->geometry());
}

void Tfive::layOut()
{
    const QSize s = screenSize();
    const int W = s.width();
    const int H = s.height();
    const int u = unit();
    setGeometry(0, 0, W, H);
    Inled();

    // The title box at the top, centred.
    YShape->setGeometry(W / 4, u / 2, W / 2, H / 8);
    IShape->setGeometry(u / 2, u / 2, YShape->width() - u, YShape->height() - u);
    rubrik->setGeometry(0, 0, IShape->width(), IShape->height());
    rubrik->setFont(font(28));
    fitLabel(rubrik);

    // The race strip: START, five circles with their times, GOAL with the total.
    const int d = 4 * u;
    const int step = 6 * u;
    const int endWidth = 6 * u;
    const int stripWidth = endWidth + 5 * step + endWidth + u;
    const int stripHeight = d + 3 * u;
    rpanel->setGeometry((W - stripWidth) / 2, YShape->geometry().bottom() + 1 + u, stripWidth,
                        stripHeight);
    StartPanel->setGeometry(0, u / 2, endWidth - u / 2, d - u);
    for (int i = 0; i < 5; ++i) {
        const int x = endWidth + i * step + (step - d) / 2;
        circles[i]->setGeometry(x, 0, d, d);
        rLabels[i]->setGeometry(0, 0, d, d);
        rLabels[i]->setFont(font(16));
        fitLabel(rLabels[i]);
        tid[i]->setGeometry(endWidth + i * step, d + u / 2, step, 2 * u);
        tid[i]->setFont(font(10));
        tid[i]->setText(QStringLiteral("999.9"));
        fitLabel(tid[i]);
        tid[i]->clear();
    }
    GoalPanel->setGeometry(endWidth + 5 * step + u / 2, u / 2, endWidth - u / 2, d - u);
    ttid->setGeometry(GoalPanel->x() - u / 2, d + u / 2, endWidth + u, 2 * u);
    ttid->setFont(font(10));
    ttid->setText(QStringLiteral("9999.9"));
    fitLabel(ttid);
    ttid->clear();
    for (QLabel* l : {StartPanel, GoalPanel}) {
        l->setFont(font(10));
        fitLabel(l);
    }

    // The information panel 1.5 units under the strip.
    const int infoWidth = std::min(W - 2 * u, 30 * u);
    info->setGeometry((W - infoWidth) / 2, rpanel->geometry().bottom() + 1 + u * 3 / 2, infoWidth,
                      std::min(16 * u, Panel9->y() - rpanel->geometry().bottom() - 3 * u));
    infoText->setFont(font(12));
    infoText->setGeometry(u, u / 2, info->width() - 2 * u, info->height() - 4 * u - u / 2);
    fitLabel(infoText);
    Edit2->setFont(font(12));
    Edit2->setGeometry(u, info->height() - 3 * u - u / 2, std::min(16 * u, info->width() - 2 * u),
                       3 * u);

    // The question area under the strip.
    const int left = 3 * u;
    Instruktion->setFont(font(12));
    Instruktion->setGeometry(left, rpanel->geometry().bottom() + 1 + 2 * u, W - left - 2 * u,
                             QFontMetrics(Instruktion->font()).height() + 4);
    const QFont question = font(22);
    for (auto& line : lines)
        for (QLabel* l : line)
            l->setFont(question);
    Label7->setFont(question);
    Oversattlabel->setFont(font(16));
    Edit1->setFont(font(18));
    for (QLabel* b : boxes)
        b->setFont(font(18));
}

// ---- The waiting animation -------------------------------------------------------------------

void Tfive::Timer5Timer()
{
    if (m_animation >= 5) {
        for (int i = 0; i < 5; ++i) {
            static_cast<Circle*>(circles[i])->setLit(false);
            rLabels[i]->hide();
        }
        m_animation = 0;
        return;
    }
    for (int i = 0; i <= m_animation; ++i) {
        static_cast<Circle*>(circles[i])->setLit(true);
        rLabels[i]->show();
    }
    ++m_animation;
}

// ---- Starting --------------------------------------------------------------------------------

void Tfive::nameEntered()
{
    if (Edit2->text().trimmed().isEmpty())
        return;
    m_engine.playerNames[0] = cp1252::fromUnicode(Edit2->text()).left(Engine::kPlayerNameLength);
    info->hide();
    Edit2->clear();
    RestoreR();
    slumpafil();
    NyPost();
    m_stopwatch = 0;
    startStopwatch();
}

void Tfive::startStopwatch()
{
    Timer3->setEnabled(true);
    Timer3->setInterval(100);
}

void Tfive::stopStopwatch()
{
    Timer3->setInterval(0);
}

void Tfive::slumpafil()
{
    setFileKind(static_cast<int>(m_engine.random().below(3)) + 1);
}

void Tfive::setFileKind(int kind)
{
    m_kind = std::clamp(kind, 1, 3);
    m_engine.setCurrentFileName(m_files[m_kind]);
    if (m_kind == 3) {
        Edit1->clear();
        Panel1->hide();
    } else {
        Edit1->hide();
    }
}

// ---- A question ------------------------------------------------------------------------------

void Tfive::NyPost()
{
    const int u = unit();
    const int W = screenSize().width();
    Edit1->clear();
    m_engine.item.exerciseCode = Engine::GeProgramtal(m_engine.item.currentFileName);
    Instruktion->show();
    Label7->hide();

    // Every file is drawn over its own items: the menu's file in the order of its cache slot,
    // the other two each in an order of their own.
    int n = 0;
    if (m_kind == 1) {
        const CacheSlot* slot = m_menuSlot >= 1 && m_menuSlot <= Engine::kCacheSlots
                                    ? &m_engine.cache[static_cast<size_t>(m_menuSlot)]
                                    : nullptr;
        n = slot ? m_engine.haemta_slumptal(slot->nextDraw, m_menuSlot) : 0;
    } else {
        n = m_engine.drawCompanion(m_files[m_kind]);
    }
    m_engine.item.currentItemNumber = static_cast<quint16>(n);
    m_engine.haemtaord(m_files[m_kind], n);
    m_engine.str_postarray(m_engine.item.currentItemLine);
    const auto& fields = m_engine.item.fields;
    m_right = fields[2];
    for (QLabel* b : boxes)
        b->hide();
    showQuestion(fields[1]);

    m_choices.clear();
    Oversattlabel->hide();
    if (m_kind != 3) {
        // The choices run from field 2 up to the first empty field or one that begins with
        // "!" or "£"; the right answer comes first, so taking the first seven always offers it.
        for (int i = 2; i <= datafile::kMaxFields; ++i) {
            const QByteArray& f = fields[static_cast<size_t>(i)];
            if (f.isEmpty() || f.startsWith('!') || f.startsWith("\xA3"))
                break;
            if (m_choices.size() < kMaxChoices)
                m_choices << f;
        }
        // The translation line belongs to its question: shown only when it has one.
        for (int i = 1; i <= datafile::kMaxFields; ++i) {
            const QByteArray& f = fields[static_cast<size_t>(i)];
            if (f.startsWith('!')) {
                Oversattlabel->setText(cp1252::toUnicode(f.mid(1)));
                Oversattlabel->adjustSize();
                Oversattlabel->show();
                break;
            }
        }
        std::sort(m_choices.begin(), m_choices.end());
        int x = u;
        const QFontMetrics fm(boxes[0]->font());
        const int boxHeight = fm.height() + std::max(u / 2, 8);
        for (int i = 0; i < m_choices.size(); ++i) {
            const QString text = cp1252::toUnicode(m_choices[i]);
            const int w = fm.horizontalAdvance(text) + u;
            boxes[i]->setText(text);
            boxes[i]->setGeometry(x, u / 2, w + 4, boxHeight);
            fill(boxes[i], kBoxColour);
            boxes[i]->setFrameShadow(QFrame::Raised);
            boxes[i]->show();
            x += w + u;
        }
        const QLabel* last = lines[1][0]->isVisible() ? lines[1][0] : lines[0][0];
        const int rowTop = last->y() + last->height() * 3 / 2;
        Panel1->setGeometry(Instruktion->x(), rowTop, std::min(x + u / 2, W - Instruktion->x()),
                            boxHeight + u);
        Label7->setGeometry(Instruktion->x(), Panel1->geometry().bottom() + 1 + u, W - 4 * u,
                            QFontMetrics(Label7->font()).height() + 4);
        Oversattlabel->move(Instruktion->x(), Label7->geometry().bottom() + 1 + u / 2);
    }

    Timer5->setInterval(0); // the waiting animation is over for good
    for (int i = 0; i < 5; ++i) {
        static_cast<Circle*>(circles[i])->setLit(i < m_rightCount);
        rLabels[i]->setVisible(i < m_rightCount);
    }
    Timer1->setInterval(0);
    m_ticks = 0;
    Button1->setEnabled(false);

    if (m_kind != 3) {
        Panel1->show();
        Edit1->hide();
        Instruktion->setText(QStringLiteral("Choose with the mouse."));
        pointAt(0);
    } else {
        Panel1->hide();
        const QLabel* first = lines[0][0];
        Edit1->setGeometry(Instruktion->x(), first->y() + first->height() * 4 / 3,
                           std::min(24 * u, W - 2 * Instruktion->x()),
                           QFontMetrics(Edit1->font()).height() + u / 2);
        Label7->setGeometry(Instruktion->x(), Edit1->geometry().bottom() + 1 + u, W - 4 * u,
                            QFontMetrics(Label7->font()).height() + 4);
        Edit1->show();
        Instruktion->setText(QStringLiteral("Translate the verb into English."));
    }
    setAnswerControls(true);
    m_answerDue = true;
}

void Tfive::showQuestion(const QByteArray& field1)
{
    const int u = unit();
    const int W = screenSize().width();
    const int left = Instruktion->x();
    const int scale = std::max(1, m_engine.screenScale);
    // The engine measures at the unscaled size; the question is shown in the scaled font.
    m_engine.dela_mening(0, (W - left - 2 * u) * 100 / scale * 14 / 22, field1, 2);
    QList<QByteArray> text = {m_engine.sentenceLines[1], m_engine.sentenceLines[2]};
    if (text[0].contains('<') != text[0].contains('>')) {
        text = {field1, QByteArray()}; // a break inside the marks: keep the question whole
    }
    const int lineHeight = QFontMetrics(lines[0][0]->font()).height() + 4;
    const int top = Instruktion->y() + Instruktion->height() * 4 / 2 + u;
    for (int l = 0; l < 2; ++l) {
        for (QLabel* part : lines[l]) {
            part->clear();
            part->hide();
        }
        if (text[l].isEmpty())
            continue;
        QList<QByteArray> parts = {text[l], QByteArray(), QByteArray()};
        if (text[l].contains('<') && text[l].contains('>')) {
            m_engine.LetaPrep(text[l]);
            parts = {m_engine.markedParts[1], m_engine.markedParts[2], m_engine.markedParts[3]};
        }
        int x = left;
        const int y = top + l * lineHeight * 3 / 2;
        for (int p = 0; p < 3; ++p) {
            QLabel* part = lines[l][p];
            if (parts[p].isEmpty())
                continue;
            part->setText(cp1252::toUnicode(parts[p]));
            part->adjustSize();
            part->setGeometry(x, y, std::min(part->width(), W - x), lineHeight);
            part->show();
            x += part->width();
        }
        // An empty line keeps its place for the choice row's measure.
        if (!lines[l][0]->isVisible()) {
            lines[l][0]->setGeometry(left, y, 1, lineHeight);
            lines[l][0]->show();
        }
    }
}

void Tfive::setAnswerControls(bool on)
{
    Panel1->setEnabled(on);
    Edit1->setEnabled(on);
    if (on && m_kind == 3 && Edit1->isVisible())
        Edit1->setFocus();
}

int Tfive::boxOf(const QByteArray& choice) const
{
    for (int i = 0; i < m_choices.size(); ++i)
        if (m_choices[i] == choice)
            return i;
    return -1;
}

void Tfive::pointAt(int box)
{
    for (int i = 0; i < kMaxChoices; ++i) {
        const bool on = i == box;
        fill(boxes[i], on ? look::kYellow : kBoxColour);
        boxes[i]->setFrameShadow(on ? QFrame::Sunken : QFrame::Raised);
    }
}

// ---- Answers ---------------------------------------------------------------------------------

void Tfive::RaettTest(int box)
{
    // An answer counts only while one is due and its control takes it.
    if (!m_answerDue)
        return;
    if (box >= 0 && (m_kind == 3 || box >= m_choices.size() || !Panel1->isEnabled()))
        return;
    if (box < 0 && (m_kind != 3 || !Edit1->isEnabled()))
        return;
    m_answerDue = false;
    // Choices are told apart by their letter case ("Walks", "walk"); a typed verb is right
    // in any case, so that "Swim" is not counted wrong against the clock.
    const bool right = box >= 0
                           ? m_engine.svarstest(m_right, m_choices[box], 1) == Engine::kAnswerRight
                           : m_engine.svarstest(m_right, cp1252::fromUnicode(Edit1->text()), 3) ==
                                 Engine::kAnswerRight;
    m_lastRight = right;
    if (right) {
        ++m_rightCount;
        stopStopwatch();
        tid[m_rightCount - 1]->setText(tenthsText(m_stopwatch));
        m_totalTenths += m_stopwatch;
        m_stopwatch = 0;
        slumpafil();
        ++m_itemCounter;
        UpdateR();
        startStopwatch();
        if (m_itemCounter <= kRoundLength)
            NyPost();
        else
            Avslutning();
        return;
    }
    if (m_kind != 3) {
        pointAt(-1);
        const int shown = boxOf(m_right);
        if (shown >= 0)
            fill(boxes[shown], look::kYellow);
    }
    Label7->setText(cp1252::toUnicode(m_right));
    Label7->show();
    // While the right answer is shown nothing can be answered: not the box it shows, nor
    // the answer typed after it.
    setAnswerControls(false);
    m_ticks = 0;
    Timer1->setInterval(100);
}

void Tfive::Timer1Timer()
{
    ++m_ticks;
    if (m_ticks >= 10 * m_engine.settings.TIMESHOWINGCORRECTANSWER) {
        Timer1->setInterval(0);
        if (Panel9->isVisible()) {
            // Paused: the next question waits for "&Continue".
            m_ticks = 0;
            return;
        }
        NyPost();
    }
}

void Tfive::UpdateR()
{
    const int i = m_rightCount - 1;
    if (i < 0 || i >= 5)
        return;
    static_cast<Circle*>(circles[i])->setLit(true);
    rLabels[i]->show();
}

void Tfive::RestoreR()
{
    for (int i = 0; i < 5; ++i) {
        static_cast<Circle*>(circles[i])->setLit(false);
        rLabels[i]->hide();
        tid[i]->clear();
    }
    ttid->clear();
}

void Tfive::Avslutning()
{
    stopStopwatch();
    m_answerDue = false;
    ttid->setText(tenthsText(m_totalTenths));
    for (QWidget* w :
         std::initializer_list<QWidget*>{Edit1, Instruktion, Label7, Panel1, Oversattlabel})
        w->hide();
    for (auto& line : lines)
        for (QLabel* l : line)
            l->hide();
    Panel9->show();
    Panel9->raise();
    m_prizeTaken = false;
    Button1->setEnabled(true);
    Button2->setFocus();
    m_stopwatch = 0;
}

// ---- The button bar --------------------------------------------------------------------------

void Tfive::Button1Click()
{
    if (!Button1->isEnabled() || m_prizeTaken)
        return;
    // One round goes into the list once.
    m_prizeTaken = true;
    Button1->setEnabled(false);
    HighScoreState& hs = m_engine.highScore;
    hs.entry.name = m_engine.playerNames[0];
    hs.entry.score = highscore::clampScore(m_totalTenths);
    TRekord list(m_engine, m_services, this);
    list.FormCreate();
    list.exec();
    Panel9->show();
    Bitbtn1->setEnabled(true);
}

void Tfive::Button2Click()
{
    Edit2->setEnabled(true);
    if (info->isVisible())
        Edit2->setFocus();
    if (m_itemCounter > kRoundLength) {
        // A new round: the circles, the times and the stopwatch start afresh.
        RestoreR();
        m_itemCounter = 1;
        m_rightCount = 0;
        m_totalTenths = 0;
        m_stopwatch = 0;
        slumpafil();
        NyPost();
        startStopwatch();
    } else if (m_answerDue) {
        setAnswerControls(true);
    } else if (!info->isVisible() && !Timer1->isRunning() && !m_lastRight) {
        // The right-answer display ran out during the pause: the next question comes now.
        NyPost();
    }
    Panel9->hide();
    Bitbtn1->setEnabled(true);
}

void Tfive::BitBtn1Click()
{
    if (m_engine.session.mode == SessionMode::Worksheet)
        return;
    TStallin dialog(m_engine, m_services, this);
    dialog.exec();
    if (m_itemCounter <= kRoundLength && !info->isVisible()) {
        Panel9->hide();
        if (m_answerDue)
            setAnswerControls(true);
        else if (!Timer1->isRunning() && !m_lastRight)
            NyPost();
    }
}

void Tfive::pause(bool onChoiceBox)
{
    Panel1->setEnabled(false);
    Button1->setEnabled(false);
    if (onChoiceBox)
        Button2->setFocus();
    Panel9->show();
    Panel9->raise();
}

// ---- Keys and mouse --------------------------------------------------------------------------

void Tfive::keyPressEvent(QKeyEvent* event)
{
    const QString t = event->text();
    if (t.size() == 1 && t[0] >= QLatin1Char('1') && t[0] <= QLatin1Char('7')) {
        const int box = t[0].unicode() - '1';
        if (box < m_choices.size() && boxes[box]->isVisible() && Panel1->isEnabled() &&
            Panel1->isVisible()) {
            RaettTest(box);
            return;
        }
    }
    if (event->key() == Qt::Key_Escape)
        return; // handled when the key is released
    QDialog::keyPressEvent(event);
}

void Tfive::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && !event->isAutoRepeat()) {
        if (Panel9->isVisible() && !info->isVisible())
            Button3Click();
        else if (!info->isVisible())
            pause();
        return;
    }
    if (event->key() == Qt::Key_Space && Timer1->isRunning()) {
        m_ticks = 20000;
        return;
    }
    QDialog::keyReleaseEvent(event);
}

void Tfive::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton && !info->isVisible()) {
        pause();
        return;
    }
    QDialog::mousePressEvent(event);
}

bool Tfive::eventFilter(QObject* watched, QEvent* event)
{
    for (int i = 0; i < kMaxChoices; ++i) {
        if (watched != boxes[i])
            continue;
        if ((event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) && m_answerDue &&
            Panel1->isEnabled())
            pointAt(i);
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* me = static_cast<QMouseEvent*>(event);
            if (me->button() == Qt::RightButton)
                pause(true);
            else if (me->button() == Qt::LeftButton && Panel1->isEnabled())
                RaettTest(i);
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (watched == Edit2 && enter) {
            nameEntered();
            return true;
        }
        if (watched == Edit2 && key->key() == Qt::Key_Escape) {
            Edit2->setEnabled(false);
            return true;
        }
        if (watched == Edit1 && enter) {
            RaettTest(-1);
            return true;
        }
        if (watched == Edit1 && key->key() == Qt::Key_Escape) {
            Edit1->setEnabled(false); // the bar follows when the key is released
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vindra
