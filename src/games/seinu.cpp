#include "seinu.h"

#include "engine/catalogue.h"
#include "engine/cp1252.h"
#include "engine/datafile.h"
#include "engine/engine.h"
#include "framework/formtimer.h"
#include "framework/look.h"
#include "games/gamelook.h"
#include "games/rekordu.h"
#include "platform/clock.h"
#include "platform/screen.h"

#include <QFile>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace vindra {

using namespace gamelook;

namespace {

const QColor kCarColours[] = {QColor(200, 0, 0), QColor(0, 90, 200), QColor(0, 150, 60)};
const QColor kWordColour(128, 255, 0);
const QColor kRoad(96, 96, 96);

/// One of the three cars, drawn to its size: a body, a cabin and two wheels.
class Car : public QWidget {
public:
    Car(const QColor& colour, QWidget* parent) : QWidget(parent), m_colour(colour) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const double w = width();
        const double h = height();
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(m_colour);
        QPainterPath body;
        body.addRoundedRect(QRectF(1, h * 0.35, w - 2, h * 0.4), h * 0.12, h * 0.12);
        p.drawPath(body);
        QPainterPath cabin;
        cabin.moveTo(w * 0.25, h * 0.36);
        cabin.lineTo(w * 0.35, h * 0.08);
        cabin.lineTo(w * 0.68, h * 0.08);
        cabin.lineTo(w * 0.8, h * 0.36);
        cabin.closeSubpath();
        p.drawPath(cabin);
        p.setBrush(QColor(200, 230, 255));
        p.drawRect(QRectF(w * 0.38, h * 0.13, w * 0.12, h * 0.2));
        p.drawRect(QRectF(w * 0.53, h * 0.13, w * 0.12, h * 0.2));
        p.setBrush(Qt::black);
        const double r = h * 0.17;
        p.drawEllipse(QPointF(w * 0.24, h * 0.78), r, r);
        p.drawEllipse(QPointF(w * 0.76, h * 0.78), r, r);
    }

private:
    QColor m_colour;
};

QByteArray capitalised(const QByteArray& word)
{
    return cp1252::fromUnicode(cp1252::toUnicode(word.left(1)).toUpper()) + word.mid(1);
}

bool startsWithCapital(const QByteArray& word)
{
    const QString s = cp1252::toUnicode(word);
    return !s.isEmpty() && s.at(0).isUpper();
}

/// Rounds to the nearest whole number, a half to the even neighbour.
qint64 roundEven(double v)
{
    return static_cast<qint64>(std::nearbyint(v));
}

} // namespace

TSEIN::TSEIN(Engine& engine, const Services& services, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_services(services)
{
    setObjectName(QStringLiteral("SEIN"));
    setWindowFlag(Qt::FramelessWindowHint);
    setModal(true);
    fill(this, look::kSilver);
    setFocusPolicy(Qt::StrongFocus);

    TitlePanel = panel(this, QStringLiteral("TitlePanel"), look::kNavy);
    Label1 = label(TitlePanel, QStringLiteral("Label1"), QStringLiteral("THE BE-GAME"));
    Label2 = label(TitlePanel, QStringLiteral("Label2"));
    for (QLabel* l : {Label1, Label2}) {
        l->setStyleSheet(look::colourStyle(look::kYellow));
        l->setAlignment(Qt::AlignCenter);
    }

    CountPanel = panel(this, QStringLiteral("CountPanel"), look::kSilver);
    CountLabel =
        label(CountPanel, QStringLiteral("CountLabel"), QStringLiteral("How many players?"));
    CountLabel->setStyleSheet(look::colourStyle(look::kNavy));
    for (int i = 0; i < 3; ++i) {
        countButtons[i] = new QPushButton(QString::number(i + 1), CountPanel);
        countButtons[i]->setObjectName(QStringLiteral("Button%1").arg(i + 3));
        countButtons[i]->setAutoDefault(false);
        connect(countButtons[i], &QPushButton::clicked, this, [this, i] { chooseCount(i + 1); });
    }

    NamePanel = panel(this, QStringLiteral("NamePanel"), look::kSilver);
    NameHeading = label(NamePanel, QStringLiteral("NameHeading"));
    NameHeading->setStyleSheet(look::colourStyle(look::kNavy));
    for (int i = 0; i < 3; ++i) {
        playerLabels[i] = label(NamePanel, QStringLiteral("PlayerLabel%1").arg(i + 1),
                                QStringLiteral("Player %1").arg(i + 1));
        nameEdits[i] = new QLineEdit(NamePanel);
        nameEdits[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        nameEdits[i]->setMaxLength(12);
        nameEdits[i]->installEventFilter(this);
    }
    Button6 = new QPushButton(QStringLiteral("&Start"), NamePanel);
    Button6->setObjectName(QStringLiteral("Button6"));
    Button6->setAutoDefault(false);
    connect(Button6, &QPushButton::clicked, this, &TSEIN::starta);

    Road = panel(this, QStringLiteral("Road"), kRoad);
    Panel13 = new QFrame(Road);
    Panel13->setObjectName(QStringLiteral("Panel13"));
    fill(Panel13, look::kYellow);
    for (int i = 0; i < 3; ++i) {
        cars[i] = new Car(kCarColours[i], Road);
        cars[i]->setObjectName(QStringLiteral("Car%1").arg(i + 1));
        look::setLiesOnTop(cars[i]); // a car drives over the goal line
        namePanels[i] = label(Road, QStringLiteral("NamePanel%1").arg(i + 1));
        namePanels[i]->setAlignment(Qt::AlignCenter);
        fill(namePanels[i], look::kSilver);
        timePanels[i] = label(Road, QStringLiteral("TimePanel%1").arg(i + 1));
        timePanels[i]->setAlignment(Qt::AlignCenter);
        fill(timePanels[i], look::kSilver);
        look::setLiesOnTop(timePanels[i]); // the winner's time stands over the finished race
    }
    GoalLabel = label(this, QStringLiteral("GoalLabel"), QStringLiteral("GOAL"));
    GoalLabel->setAlignment(Qt::AlignCenter);
    fill(GoalLabel, look::kYellow);
    GoalLabel->setFrameStyle(QFrame::Panel | QFrame::Raised);

    Instruction =
        label(this, QStringLiteral("Instruction"), QStringLiteral("Choose with the mouse. "));
    Instruction->setStyleSheet(look::colourStyle(look::kGreen));
    PlainLine = label(this, QStringLiteral("PlainLine"));
    BeforeGap = label(this, QStringLiteral("BeforeGap"));
    Gap = label(this, QStringLiteral("Gap"));
    AfterGap = label(this, QStringLiteral("AfterGap"));
    for (QLabel* l : {PlainLine, BeforeGap, AfterGap})
        l->setStyleSheet(look::colourStyle(look::kNavy));

    WordRow = panel(this, QStringLiteral("WordRow"), look::kSilver);
    WordRow->setFrameStyle(QFrame::NoFrame);
    for (int i = 0; i < 8; ++i) {
        auto* b = label(WordRow, QStringLiteral("Panel%1").arg(i + 2));
        b->setFrameStyle(QFrame::Panel | QFrame::Raised);
        b->setLineWidth(2);
        b->setAlignment(Qt::AlignCenter);
        b->setMouseTracking(true);
        b->installEventFilter(this);
        fill(b, kWordColour);
        wordButtons[i] = b;
    }

    ResultPanel = panel(this, QStringLiteral("ResultPanel"), look::kSilver);
    ResultLabel = label(ResultPanel, QStringLiteral("ResultLabel"));
    ResultLabel->setStyleSheet(look::colourStyle(look::kNavy));
    SlutButton = new QPushButton(QStringLiteral("OK"), this);
    SlutButton->setObjectName(QStringLiteral("SlutButton"));
    SlutButton->setAutoDefault(false);
    connect(SlutButton, &QPushButton::clicked, this, &TSEIN::SlutButtonClick);

    PausePanel = panel(this, QStringLiteral("PausePanel"), look::kNavy);
    look::setLiesOnTop(PausePanel);
    Button1 = new QPushButton(QStringLiteral("&Fortsätta"), PausePanel);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("&Avbryta"), PausePanel);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton* b : {Button1, Button2})
        b->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TSEIN::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TSEIN::Button2Click);

    Timer1 = new FormTimer(
        QStringLiteral("Timer1"), [this] { Timer1Timer(); }, this);
}

TSEIN::~TSEIN() = default;

int TSEIN::unit() const
{
    // The window is scaled with the screen, its places in layout units with it, so the race
    // takes about as many answers on every screen.
    return std::max(4, look::scaled(m_engine.layoutUnit, m_engine.screenScale));
}

QSize TSEIN::screenSize() const
{
    return m_services.screen ? m_services.screen->size() : QSize(1024, 768);
}

QFont TSEIN::font(int points) const
{
    return look::arial(look::scaled(points, m_engine.screenScale));
}

// ---- The race's rules ------------------------------------------------------------------------

int TSEIN::gain(qint64 hundredths)
{
    const qint64 s = std::clamp<qint64>(roundEven(hundredths / 100.0), 0, 50);
    return static_cast<int>(50 - s);
}

qint64 TSEIN::tenthsOf(double hundredths)
{
    return roundEven(hundredths / 10.0);
}

QString TSEIN::secondsText(double hundredths)
{
    QString digits = QString::number(roundEven(hundredths));
    if (digits.size() <= 2)
        digits = QStringLiteral("0,") + digits.rightJustified(2, QLatin1Char('0'));
    else
        digits.insert(digits.size() - 2, QLatin1Char(','));
    return digits + QStringLiteral(" seconds");
}

// ---- Opening ---------------------------------------------------------------------------------

void TSEIN::FormCreate()
{
    m_engine.item.exerciseCode = Engine::GeProgramtal(m_engine.item.currentFileName);
    Label2->setText(catalogue::gameTitle(m_engine.item.exerciseCode));
    m_engine.highScore.path = m_engine.highScorePath(m_engine.item.currentFileName);
    Hittapreppar();
    layOut();
    for (int i = 0; i < 3; ++i)
        nameEdits[i]->setText(cp1252::toUnicode(m_engine.playerNames[i]));
    m_current = 1;
    m_players = 1;
    rensa();
}

void TSEIN::Hittapreppar()
{
    m_lower.clear();
    m_capital.clear();
    QFile f(m_engine.materialPath("\\DATA\\" + m_engine.item.currentFileName));
    if (!f.open(QIODevice::ReadOnly))
        return;
    for (const QByteArray& line : datafile::splitLines(f.readAll())) {
        if (!datafile::isItem(line))
            continue;
        m_engine.LetaPrep(datafile::splitFields(line).field[1]);
        const QByteArray word = m_engine.markedParts[2];
        if (word.isEmpty())
            continue;
        const QString w = cp1252::toUnicode(word);
        const bool known = std::any_of(m_lower.begin(), m_lower.end(), [&](const QByteArray& o) {
            return cp1252::toUnicode(o).compare(w, Qt::CaseInsensitive) == 0;
        });
        // Whole words, and as many as there are buttons; the material checker keeps a level
        // within that.
        if (!known && m_lower.size() < catalogue::limits::kBeWords) {
            const QByteArray lower = cp1252::fromUnicode(w.left(1).toLower()) + word.mid(1);
            m_lower << lower;
            m_capital << capitalised(lower);
        }
    }
}

void TSEIN::layOut()
{
    const QSize s = screenSize();
    const int W = s.width();
    const int H = s.height();
    const int u = unit();
    setGeometry(0, 0, W, H);

    TitlePanel->setGeometry(W / 4, u / 2, W / 2, H / 8);
    Label1->setFont(font(22));
    Label2->setFont(font(14));
    Label1->setGeometry(u / 2, 2, TitlePanel->width() - u, TitlePanel->height() / 2 - 2);
    Label2->setGeometry(u / 2, TitlePanel->height() / 2, TitlePanel->width() - u,
                        TitlePanel->height() / 2 - 2);
    fitLabel(Label1);
    fitLabel(Label2);

    const int top = TitlePanel->geometry().bottom() + 1 + 3 * u;
    const int middleHeight = H - top - 8 * u;

    // The player-count and name screens stand in the middle, where the race will run.
    CountPanel->setGeometry(W / 4, top, W / 2, std::min(middleHeight, 10 * u));
    CountLabel->setFont(font(18));
    CountLabel->setGeometry(u, u / 2, CountPanel->width() - 2 * u, 3 * u);
    fitLabel(CountLabel);
    const int bw = 5 * u;
    for (int i = 0; i < 3; ++i) {
        countButtons[i]->setFont(font(14));
        countButtons[i]->setGeometry(CountPanel->width() / 2 - (3 * bw + 2 * u) / 2 + i * (bw + u),
                                     5 * u, bw, 3 * u);
    }
    NamePanel->setGeometry(W / 4, top, W / 2, std::min(middleHeight, 20 * u));
    NameHeading->setFont(font(18));
    NameHeading->setGeometry(u, u / 2, NamePanel->width() - 2 * u, 3 * u);
    for (int i = 0; i < 3; ++i) {
        playerLabels[i]->setFont(font(12));
        playerLabels[i]->setGeometry(u, 4 * u + i * 4 * u, 8 * u, 3 * u);
        fitLabel(playerLabels[i]);
        nameEdits[i]->setFont(font(12));
        nameEdits[i]->setGeometry(10 * u, 4 * u + i * 4 * u,
                                  std::min(16 * u, NamePanel->width() - 11 * u), 3 * u);
    }
    Button6->setFont(font(12));
    Button6->setGeometry(10 * u, 16 * u, 8 * u, 3 * u);
    look::fitFont(Button6, Button6->text(), Button6->size());

    // The road: three lanes, each a car high and a unit apart.
    const int carHeight = 3 * u;
    m_carWidth = 6 * u;
    const int roadTop = top;
    Road->setGeometry(u, roadTop, W - u, 3 * (carHeight + u) + u);
    for (int i = 0; i < 3; ++i) {
        const int y = u + i * (carHeight + u);
        cars[i]->setGeometry(12 * u, y, m_carWidth, carHeight);
        namePanels[i]->setGeometry(u / 2, y, 10 * u, carHeight);
        timePanels[i]->setGeometry(namePanels[i]->geometry().right() + 1, y, 15 * u, carHeight);
        timePanels[i]->setFont(font(12));
    }
    const int goalLeft = Road->width() - m_carWidth - 2 * u;
    Panel13->setGeometry(goalLeft, 0, std::max(2, u / 3), Road->height());
    m_goal = goalLeft + m_carWidth - 12 * u;
    GoalLabel->setFont(font(12));
    const int goalLabelWidth = std::max(
        5 * u, QFontMetrics(GoalLabel->font()).horizontalAdvance(QStringLiteral("GOAL")) + u);
    GoalLabel->setGeometry(
        std::min(Road->x() + goalLeft - goalLabelWidth / 2, W - goalLabelWidth - 2),
        roadTop - 2 * u - 2, goalLabelWidth, 2 * u);
    fitLabel(GoalLabel);

    // Under the road: the instruction, the sentence on one or two lines, the word row.
    const int below = Road->geometry().bottom() + 1 + u;
    Instruction->setFont(font(12));
    Instruction->setGeometry(3 * u, below, W - 6 * u,
                             QFontMetrics(Instruction->font()).height() + 4);
    const QFont sentence = font(14);
    for (QLabel* l : {PlainLine, BeforeGap, Gap, AfterGap})
        l->setFont(sentence);
    const int lineHeight = QFontMetrics(sentence).height() + 4;
    PlainLine->setProperty("lineHeight", lineHeight);
    const int wordHeight = QFontMetrics(font(14)).height() + std::max(u, 10);
    WordRow->setGeometry(3 * u, below + 3 * u + 2 * lineHeight + u, W - 6 * u, wordHeight + 4);

    ResultPanel->setGeometry(u, below, std::min(44 * u, W - 14 * u), 6 * u);
    ResultLabel->setGeometry(u, 0, ResultPanel->width() - 2 * u, ResultPanel->height());
    SlutButton->setFont(font(12));
    SlutButton->setGeometry(ResultPanel->geometry().right() + 1 + u, below + 2 * u,
                            std::min(10 * u, W - ResultPanel->geometry().right() - 2 * u), 3 * u);

    PausePanel->setGeometry(W / 4, H - 5 * u, W / 2, 4 * u);
    Button1->setGeometry(u, u / 2, PausePanel->width() / 2 - 2 * u, 3 * u);
    Button2->setGeometry(PausePanel->width() / 2 + u, u / 2, PausePanel->width() / 2 - 2 * u,
                         3 * u);
    for (QPushButton* b : {Button1, Button2, SlutButton}) {
        b->setFont(font(12));
        look::fitFont(b, b->text(), b->size());
    }
    for (QPushButton* b : countButtons)
        look::fitFont(b, b->text(), b->size());
}

// ---- Screens ---------------------------------------------------------------------------------

void TSEIN::rensa()
{
    m_waitingToStart = true;
    m_answerDue = false;
    m_namesShown = false;
    Timer1->setInterval(0);
    for (QWidget* w : std::initializer_list<QWidget*>{NamePanel, Road, GoalLabel, Instruction,
                                                      PlainLine, BeforeGap, Gap, AfterGap, WordRow,
                                                      ResultPanel, SlutButton, PausePanel})
        w->hide();
    CountPanel->show();
    countButtons[m_players - 1]->setFocus();
}

void TSEIN::chooseCount(int players)
{
    m_players = std::clamp(players, 1, 3);
    static const char* const kHeadings[] = {"Type your name", "Type your names",
                                            "Skriv in era namn"};
    showNameScreen(QString::fromUtf8(kHeadings[m_players - 1]));
}

void TSEIN::showNameScreen(const QString& heading)
{
    m_namesShown = true;
    CountPanel->hide();
    NameHeading->setText(heading);
    fitLabel(NameHeading);
    for (int i = 0; i < 3; ++i) {
        playerLabels[i]->setVisible(i < m_players);
        nameEdits[i]->setVisible(i < m_players);
    }
    Button6->hide();
    NamePanel->show();
    nameEdits[0]->setFocus();
}

void TSEIN::nameEntered(int player)
{
    QLineEdit* edit = nameEdits[player - 1];
    if (edit->text().trimmed().isEmpty())
        return;
    m_engine.playerNames[player - 1] =
        cp1252::fromUnicode(edit->text()).left(Engine::kPlayerNameLength);
    if (player < m_players) {
        nameEdits[player]->setFocus();
    } else {
        Button6->show();
        Button6->setFocus();
    }
}

void TSEIN::starta()
{
    m_waitingToStart = false;
    NamePanel->hide();
    WordRow->show();
    Road->show();
    GoalLabel->show();
    const int u = unit();
    for (int i = 0; i < 3; ++i) {
        m_distance[i] = 0;
        m_time[i] = 0;
        timePanels[i]->hide();
        timePanels[i]->clear();
        const bool playing = i < m_players;
        cars[i]->setVisible(playing);
        namePanels[i]->setVisible(playing);
        cars[i]->move(12 * u, cars[i]->y());
        // The name shrinks a point at a time until it fits its panel.
        const QString name = cp1252::toUnicode(m_engine.playerNames[i]);
        namePanels[i]->setText(name);
        int points = 22;
        auto fits = [&] {
            const QFontMetrics fm(font(points));
            return fm.horizontalAdvance(name) <= std::min(8 * u, namePanels[i]->width() - 4) &&
                   fm.height() <= namePanels[i]->height();
        };
        while (points > 6 && !fits())
            --points;
        namePanels[i]->setFont(font(points));
    }
    highlightNames(1);
    Instruction->setText(QStringLiteral("Choose with the mouse. "));
    Instruction->show();
    m_winner = 0;
    m_gameOver = false;
    m_current = 1;
    NyPost();
}

void TSEIN::highlightNames(int player)
{
    for (int i = 0; i < 3; ++i) {
        fill(namePanels[i], i + 1 == player ? look::kYellow : look::kSilver);
        fill(timePanels[i], i + 1 == player ? look::kYellow : look::kSilver);
    }
}

// ---- A sentence ------------------------------------------------------------------------------

void TSEIN::NyPost()
{
    for (QLabel* l : {PlainLine, BeforeGap, Gap, AfterGap})
        l->clear();
    highlightNames(m_current);

    const int slot = m_engine.item.cacheSlot;
    CacheSlot* cache = m_engine.currentCacheSlot();
    const int n = cache ? m_engine.haemta_slumptal(cache->nextDraw, slot) : 0;
    m_engine.item.currentItemNumber = static_cast<quint16>(n);
    m_engine.haemtaord(m_engine.item.currentFileName, n);
    m_engine.str_postarray(m_engine.item.currentItemLine);
    const QByteArray field1 = m_engine.item.fields[1];
    m_engine.LetaPrep(field1);
    m_answer = m_engine.markedParts[2];

    // The word row follows the right answer's first letter, so that a sentence that opens
    // with a quotation mark or wraps before its gap still offers the word that is right.
    m_set = startsWithCapital(m_answer) ? &m_capital : &m_lower;
    const int u = unit();
    int x = 0;
    for (int i = 0; i < 8; ++i) {
        QLabel* b = wordButtons[i];
        if (i >= m_set->size()) {
            b->hide();
            continue;
        }
        const QString word = cp1252::toUnicode(m_set->at(i));
        b->setFont(font(14));
        b->setText(word);
        const int w =
            QFontMetrics(b->font()).horizontalAdvance(word + QLatin1Char(' ')) + u * 3 / 2;
        b->setGeometry(x, 2, w, WordRow->height() - 4);
        fill(b, kWordColour);
        b->setFrameShadow(QFrame::Raised);
        b->show();
        x += w + u * 3 / 2;
    }

    Timer1->setInterval(0);
    m_ticks = 0;
    placeSentence(field1);
    if (!m_set->isEmpty())
        showGap(cp1252::toUnicode(m_set->first()), look::kBlue);
    m_shownAt = m_engine.clock().now();
    m_showingRight = false;
    m_answerDue = true;
}

void TSEIN::placeSentence(const QByteArray& field1)
{
    const int u = unit();
    const int W = screenSize().width();
    const int scale = std::max(1, m_engine.screenScale);
    // The engine measures at the unscaled size; the labels show the scaled font.
    const int room = (W - 7 * u) * 100 / scale;
    m_engine.dela_mening(0, room, field1, 2);
    QByteArray first = m_engine.sentenceLines[1];
    QByteArray second = m_engine.sentenceLines[2];
    // A line break inside the gap's marks would split the gap: keep the sentence whole.
    if (first.contains('<') != first.contains('>')) {
        first = field1;
        second.clear();
    }
    const QByteArray gapLine = first.contains('<') || second.isEmpty() ? first : second;
    const QByteArray plain = gapLine == first ? second : first;
    const bool plainAbove = !plain.isEmpty() && gapLine == second;

    const int lineHeight = PlainLine->property("lineHeight").toInt();
    const int top = Instruction->geometry().bottom() + 1 + u;
    const int gapTop = plainAbove ? top + lineHeight + u / 2 : top;
    m_engine.LetaPrep(gapLine);
    BeforeGap->setText(cp1252::toUnicode(m_engine.markedParts[1]));
    AfterGap->setText(cp1252::toUnicode(m_engine.markedParts[3]));
    BeforeGap->adjustSize();
    BeforeGap->move(3 * u, gapTop);
    BeforeGap->resize(BeforeGap->width(), lineHeight);
    Gap->move(BeforeGap->text().isEmpty() ? 3 * u : BeforeGap->geometry().right() + 1, gapTop);
    if (!plain.isEmpty()) {
        PlainLine->setText(cp1252::toUnicode(plain));
        PlainLine->adjustSize();
        PlainLine->setGeometry(3 * u, plainAbove ? top : top + lineHeight + u / 2,
                               PlainLine->width(), lineHeight);
        PlainLine->show();
    } else {
        PlainLine->hide();
    }
    BeforeGap->setVisible(!BeforeGap->text().isEmpty());
    Gap->show();
    AfterGap->show();
}

void TSEIN::showGap(const QString& word, const QColor& colour)
{
    Gap->setStyleSheet(look::colourStyle(colour));
    Gap->setText(word);
    Gap->adjustSize();
    Gap->resize(Gap->width(), PlainLine->property("lineHeight").toInt());
    AfterGap->adjustSize();
    AfterGap->setGeometry(Gap->geometry().right() + 1, Gap->y(), AfterGap->width(), Gap->height());
}

QString TSEIN::buttonWord(int button) const
{
    return button >= 0 && button < m_set->size() ? wordButtons[button]->text() : QString();
}

void TSEIN::pointAt(int button)
{
    for (int i = 0; i < 8; ++i) {
        const bool on = i == button;
        fill(wordButtons[i], on ? look::kYellow : kWordColour);
        wordButtons[i]->setFrameShadow(on ? QFrame::Sunken : QFrame::Raised);
    }
    if (!m_showingRight && button >= 0 && button < m_set->size())
        showGap(wordButtons[button]->text(), look::kBlue);
}

// ---- Answers ---------------------------------------------------------------------------------

int TSEIN::carLeft(int player) const
{
    return cars[player - 1]->x();
}

void TSEIN::RaettTest(int button, bool pass)
{
    // An answer counts only while one is due: not while the right answer is shown after a
    // wrong one (the yellow button would give it away), not after the race has ended.
    if (!m_answerDue || m_gameOver || m_waitingToStart || button < 0 || button >= m_set->size())
        return;
    const int p = m_current - 1;
    if (!pass) {
        m_answerDue = false;
        const qint64 t = m_shownAt.msecsTo(m_engine.clock().now()) / 10;
        m_time[p] += static_cast<double>(t);
        const QByteArray word = m_set->at(button);
        if (m_engine.svarstest(m_answer, word, 1) == Engine::kAnswerRight) {
            m_distance[p] += gain(t);
            m_showingRight = false;
            m_ticks = 0;
            Timer1->setInterval(2);
        } else {
            m_showingRight = true;
            showGap(cp1252::toUnicode(m_answer), look::kRed);
            for (int i = 0; i < 8; ++i) {
                fill(wordButtons[i], kWordColour);
                wordButtons[i]->setFrameShadow(QFrame::Raised);
            }
            for (int i = 0; i < m_set->size(); ++i)
                if (m_set->at(i) == m_answer) {
                    fill(wordButtons[i], look::kYellow);
                    break;
                }
            m_ticks = 0;
            Timer1->setInterval(1000);
        }
        moveCar(m_current);
    }
    if (m_current == m_players)
        decideWinner();
    if (!m_gameOver) {
        m_current = m_current % m_players + 1;
        if (pass)
            highlightNames(m_current);
    }
}

void TSEIN::moveCar(int player)
{
    QWidget* car = cars[player - 1];
    const int target = 10 * unit() + 2 * static_cast<int>(std::floor(m_distance[player - 1]));
    if (target > car->x())
        car->move(target, car->y());
}

void TSEIN::decideWinner()
{
    for (int p = 1; p <= m_players; ++p)
        if (carLeft(p) >= m_goal)
            m_winner = p;
    if (m_winner == 0)
        return;
    m_gameOver = true;
    m_waitingToStart = true;
    m_answerDue = false;
    Timer1->setInterval(0);
    for (int p = 1; p <= m_players; ++p) {
        bool greatest = true;
        for (int q = 1; q <= m_players; ++q)
            if (q != p && !(m_distance[p - 1] > m_distance[q - 1]))
                greatest = false;
        if (greatest)
            m_winner = p;
    }
    highlightNames(m_winner);
    if (carLeft(m_winner) >= m_goal)
        SkrivSekunder();
    const QString name = cp1252::toUnicode(m_engine.playerNames[m_winner - 1]);
    ResultLabel->setText(
        QStringLiteral("Congratulations ") + name +
        (m_players == 1 ? QStringLiteral(". You did it!") : QStringLiteral(". You won!")));
    int points = 18;
    auto fits = [&] {
        const QFontMetrics fm(font(points));
        return fm.horizontalAdvance(ResultLabel->text()) <=
                   std::min(42 * unit(), ResultLabel->width()) &&
               fm.height() <= ResultPanel->height();
    };
    while (points > 6 && !fits())
        --points;
    ResultLabel->setFont(font(points));
    ResultPanel->show();
    SlutButton->show();
    SlutButton->setFocus();
    for (QWidget* w :
         std::initializer_list<QWidget*>{PlainLine, BeforeGap, Gap, AfterGap, WordRow, Instruction})
        w->hide();
}

void TSEIN::SkrivSekunder()
{
    QLabel* panel = timePanels[m_winner - 1];
    const QString text = secondsText(m_time[m_winner - 1]);
    panel->setText(text);
    int points = 22;
    while (points > 6 && (QFontMetrics(font(points)).horizontalAdvance(text) > panel->width() - 4 ||
                          QFontMetrics(font(points)).height() > panel->height()))
        --points;
    panel->setFont(font(points));
    panel->show();
}

void TSEIN::Timer1Timer()
{
    ++m_ticks;
    if (m_ticks >= 2) {
        Timer1->setInterval(0);
        if (!m_gameOver && !m_waitingToStart)
            NyPost();
    }
}

void TSEIN::SlutButtonClick()
{
    const int winner = m_winner;
    m_gameOver = false;
    rensa();
    if (winner < 1)
        return;
    HighScoreState& hs = m_engine.highScore;
    hs.entry.name = m_engine.playerNames[winner - 1];
    hs.entry.score = highscore::clampScore(static_cast<double>(tenthsOf(m_time[winner - 1])));
    hs.path = m_engine.highScorePath(m_engine.item.currentFileName);
    TRekord list(m_engine, m_services, this);
    list.FormCreate();
    list.exec();
}

// ---- Pause and keys --------------------------------------------------------------------------

void TSEIN::showPause()
{
    PausePanel->show();
    PausePanel->raise();
    Button1->setFocus();
}

void TSEIN::Button1Click()
{
    PausePanel->hide();
}

void TSEIN::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (PausePanel->isVisible())
            Button2Click();
        else
            showPause();
        return;
    }
    if (CountPanel->isVisible() && !m_namesShown) {
        // Any key opens the name screen; "1", "2" and "3" choose the count first.
        const QString t = event->text();
        if (t == QLatin1String("1") || t == QLatin1String("2") || t == QLatin1String("3"))
            m_players = t.toInt();
        if (!t.isEmpty() || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            showNameScreen(m_players == 1 ? QStringLiteral("Skriv in ditt namn")
                                          : QStringLiteral("Skriv in era namn"));
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void TSEIN::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        showPause();
        return;
    }
    QDialog::mousePressEvent(event);
}

bool TSEIN::eventFilter(QObject* watched, QEvent* event)
{
    for (int i = 0; i < 8; ++i) {
        if (watched != wordButtons[i])
            continue;
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
            pointAt(i);
        } else if (event->type() == QEvent::MouseButtonPress) {
            const auto* me = static_cast<QMouseEvent*>(event);
            if (me->button() == Qt::LeftButton || me->button() == Qt::RightButton)
                RaettTest(i, me->button() == Qt::RightButton);
            return true;
        }
        return false;
    }
    for (int i = 0; i < 3; ++i) {
        if (watched == nameEdits[i] && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                nameEntered(i + 1);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vindra
