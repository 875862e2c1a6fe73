#include "falsku.h"

#include "engine/cp1252.h"
#include "framework/chrome.h"
#include "framework/look.h"
#include "platform/screen.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace vindra {

namespace {

constexpr int kTitleWidth = 300;
constexpr int kTitleHeight = 80;

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

QString squareStyle(const QString& name, bool lit)
{
    return QStringLiteral("#%1 { background: %2; }")
        .arg(name, (lit ? look::kYellow : look::kBlue).name());
}

int roundInt(double v)
{
    return static_cast<int>(std::lround(v));
}

} // namespace

TFalska::TFalska(Engine& engine, const Services& services, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_services(services)
{
    setObjectName(QStringLiteral("Falska"));
    setWindowFlag(Qt::FramelessWindowHint);
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, look::kSilver);
    setPalette(pal);
    setFocusPolicy(Qt::StrongFocus);

    m_title = new HeaderBox(this);
    InstruktionsLabel = makeLabel(QStringLiteral("InstruktionsLabel"), this, look::kGreen);
    InstruktionsLabel2 = makeLabel(QStringLiteral("InstruktionsLabel2"), this, look::kGreen);
    static const char* const words[] = {"sv1", "Sv2", "Sv3", "Sv4", "Sv5"};
    static const char* const reds[] = {"ord1", "Ord2", "Ord3", "Ord4", "Ord5"};
    for (int i = 0; i < kRows; ++i) {
        const auto r = static_cast<size_t>(i);
        m_words[r] = makeLabel(QLatin1String(words[i]), this, look::kNavy);
        m_reveals[r] = makeLabel(QStringLiteral("RSvar%1").arg(i + 1), this, look::kNavy);
        m_red[r] = makeLabel(QLatin1String(reds[i]), this, look::kRed);
    }

    AntalPanel = makePanel(QStringLiteral("AntalPanel"), this, look::kSilver);
    for (int n = 0; n < 6; ++n) {
        auto* b = new QPushButton(QString::number(n), AntalPanel);
        b->setObjectName(QStringLiteral("SpeedButton%1").arg(n + 1));
        b->setFocusPolicy(Qt::NoFocus); // the window reads the number keys itself
        connect(b, &QPushButton::clicked, this, [this, n] { chooseNumber(n); });
        m_numbers[static_cast<size_t>(n)] = b;
    }
    SpeedPanel1 = new QLabel(AntalPanel);
    SpeedPanel1->setObjectName(QStringLiteral("SpeedPanel1"));
    SpeedPanel1->setAlignment(Qt::AlignCenter);
    SpeedPanel1->setAutoFillBackground(true);
    SpeedPanel1->setStyleSheet(
        QStringLiteral("background: %1; color: %2;").arg(look::kRed.name(), look::kYellow.name()));
    look::setLiesOnTop(SpeedPanel1); // it marks the button of the right number
    SpeedPanel1->hide();

    NextPanel = new QPushButton(QStringLiteral("&Next"), this);
    NextPanel->setObjectName(QStringLiteral("NextPanel"));
    NextPanel->setFocusPolicy(Qt::NoFocus);
    NextPanel->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: %2; }")
                                 .arg(look::kRed.name(), look::kYellow.name()));
    connect(NextPanel, &QPushButton::clicked, this, &TFalska::NextPanelClick);

    Panel3 = makePanel(QStringLiteral("Panel3"), this, look::kYellow);
    Panel4 = makePanel(QStringLiteral("Panel4"), Panel3, look::kNavy);
    m_namePrompt = makeLabel(QStringLiteral("Label3"), Panel4, look::kYellow);
    m_nameEnter = makeLabel(QStringLiteral("Label4"), Panel4, look::kYellow);
    Edit1 = new QLineEdit(Panel4);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(QStringLiteral("Ditt namn"));
    Edit1->setMaxLength(kNameLength);
    connect(Edit1, &QLineEdit::returnPressed, this, &TFalska::Edit1KeyPress);

    Panel1 = makePanel(QStringLiteral("Panel1"), this, look::kBlue);
    MellanPanel = makePanel(QStringLiteral("MellanPanel"), Panel1, look::kYellow);
    Panel2 = makePanel(QStringLiteral("Panel2"), MellanPanel, look::kSilver);
    for (int t = 1; t <= 2 * kTrack; ++t) {
        const QString name = QStringLiteral("Shape%1").arg(t);
        auto* s = new QFrame(Panel2);
        s->setObjectName(name);
        s->setStyleSheet(squareStyle(name, false));
        s->setProperty("lit", false);
        m_squares[static_cast<size_t>(t - 1)] = s;
    }
    Label1 = makeLabel(QStringLiteral("Label1"), Panel2, look::kNavy);
    Label1->setText(QStringLiteral("Computer"));
    Label2 = makeLabel(QStringLiteral("Label2"), Panel2, look::kNavy);

    Escapepanel = makePanel(QStringLiteral("Escapepanel"), this, look::kNavy);
    look::setLiesOnTop(Escapepanel);
    Button3 = new QPushButton(QStringLiteral("&Continue"), Escapepanel);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button4 = new QPushButton(QStringLiteral("&Leave"), Escapepanel);
    Button4->setObjectName(QStringLiteral("Button4"));
    BitBtn1 = new QPushButton(QStringLiteral("&Settings"), Escapepanel);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    connect(Button3, &QPushButton::clicked, this, &TFalska::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TFalska::Button4Click);

    BildPanelen = makePanel(QStringLiteral("BildPanelen"), this, look::kSilver);
    look::setLiesOnTop(BildPanelen); // at the end it covers the rows and the numbers
    m_endPicture = makeLabel(QStringLiteral("Image1"), BildPanelen, look::kNavy);
    m_endPicture->setAlignment(Qt::AlignCenter);
    LovordPanel = new PraisePanel(this);
}

TFalska::~TFalska() = default;

QSize TFalska::screen() const
{
    return m_services.screen ? m_services.screen->size() : QSize(1024, 768);
}

QFont TFalska::font(int pixels, bool bold) const
{
    return look::arial(look::scaled(pixels, m_engine.screenScale), true, bold);
}

// ---- Opening ---------------------------------------------------------------------------------

void TFalska::FormCreate()
{
    Engine& e = m_engine;
    e.item.exerciseCode = Engine::GeProgramtal(e.item.currentFileName);
    NextPanel->hide();
    BitBtn1->hide();

    Edit1->setText(cp1252::toUnicode(m_engine.playerNames[0].left(kNameLength)));
    for (QWidget* w : {static_cast<QWidget*>(BildPanelen), static_cast<QWidget*>(LovordPanel),
                       static_cast<QWidget*>(Panel1), static_cast<QWidget*>(AntalPanel),
                       static_cast<QWidget*>(Escapepanel), static_cast<QWidget*>(InstruktionsLabel),
                       static_cast<QWidget*>(InstruktionsLabel2)})
        w->hide();
    VisTexterna(false);
    SvarsTexterna(false);
    for (QLabel* l : m_reveals)
        l->hide();

    m_nameReminders = 0;
    m_pupilScore = m_computerScore = 0;
    m_marker = duel() ? "Z" : "SANT";

    layOut();

    // The session's counts are set once; the game keeps its own score.
    e.session.itemCounter = 1;
    e.session.rightCount = 0;
}

void TFalska::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_playing)
        Edit1->setFocus();
}

void TFalska::layOut()
{
    const int W = screen().width();
    const int H = screen().height();
    const int u = unit();
    setGeometry(0, 0, W, H);

    // The button bar along the bottom, the track right above it.
    const int barHeight = H * 4 / 48;
    Escapepanel->setGeometry(u / 2, H - barHeight - u / 5, W - u, barHeight);
    const int buttonWidth = std::min(Escapepanel->width() / 4, 14 * u);
    const int buttonHeight = barHeight * 2 / 3;
    const int gap = roundInt((Escapepanel->width() - 3.0 * buttonWidth) / 4);
    const int by = (barHeight - buttonHeight) / 2;
    Button3->setGeometry(gap, by, buttonWidth, buttonHeight);
    Button4->setGeometry(2 * gap + buttonWidth, by, buttonWidth, buttonHeight);
    BitBtn1->setGeometry(3 * gap + 2 * buttonWidth, by, buttonWidth, buttonHeight);
    for (QPushButton* b : {Button3, Button4, BitBtn1}) {
        b->setFont(font(19));
        look::fitFont(b, b->text(), b->size());
    }

    layOutTrack();

    // The title box, centred at the top.
    const int titleWidth = std::min(W - 2 * u, look::scaled(kTitleWidth * 2, m_engine.screenScale));
    const int titleHeight = std::min(look::scaled(kTitleHeight, m_engine.screenScale), H / 8);
    m_title->place(QPoint((W - titleWidth) / 2, u / 2), QSize(titleWidth, titleHeight));
    m_title->setMode(SessionMode::Practice);
    m_title->RitaOverskriften(duel() ? QByteArray("Duel") : QByteArray("False Friends"), {}, {}, u);

    // The rows between the title and the track: the text size is the one that lets the
    // instruction, five rows, the question and the number buttons fit the room.
    const int top = m_title->geometry().bottom() + 1;
    const int room = Panel1->y() - top - u;
    const double linesNeeded = 0.5 + 1.5 + 1.2 * 4 + 1 + 1.5 + 1 + 1.5 + 1.6;
    int px = look::scaled(32, m_engine.screenScale);
    while (px > 9 && QFontMetrics(font(px, true)).height() * linesNeeded > room)
        --px;
    px = px * 100 / std::max(1, m_engine.screenScale); // font() scales again
    auto setUp = [&](QLabel* l, const QByteArray& text) {
        l->setFont(font(px));
        l->setText(cp1252::toUnicode(text));
        l->adjustSize();
    };
    setUp(InstruktionsLabel, m_engine.item.instructionLine);
    const int lineHeight = QFontMetrics(font(px)).height();
    const int left = 2 * u;
    InstruktionsLabel->move(left, top + lineHeight / 2);
    for (int i = 0; i < kRows; ++i) {
        const auto r = static_cast<size_t>(i);
        const int y = InstruktionsLabel->y() + lineHeight * 3 / 2 + i * lineHeight * 6 / 5;
        for (QLabel* l : {m_words[r], m_reveals[r], m_red[r]}) {
            l->setFont(font(px));
            l->move(left + 2 * u, y);
        }
    }
    setUp(InstruktionsLabel2, duel() ? QByteArray("How many -s are pronounced [z] ?")
                                     : QByteArray("How many correct translations ?"));
    InstruktionsLabel2->move(left, m_words[kRows - 1]->y() + lineHeight * 3 / 2);

    const int side = std::max(lineHeight * 3 / 2, 2 * u);
    AntalPanel->setGeometry(left, InstruktionsLabel2->y() + InstruktionsLabel2->height() * 3 / 2,
                            6 * side, side);
    for (int n = 0; n < 6; ++n) {
        QPushButton* b = m_numbers[static_cast<size_t>(n)];
        b->setGeometry(n * side, 0, side, side);
        b->setFont(font(px));
    }
    SpeedPanel1->resize(side, side);
    SpeedPanel1->setFont(font(px));
    NextPanel->setFont(font(px));
    const QFontMetrics nm(NextPanel->font());
    NextPanel->setGeometry(AntalPanel->geometry().right() + 1 + 3 * u, AntalPanel->y(),
                           nm.horizontalAdvance(QStringLiteral("Next")) + 3 * u, side);

    // The name panel in the middle of the screen.
    m_namePrompt->setFont(font(19));
    m_nameEnter->setFont(font(19));
    Edit1->setFont(font(19));
    m_namePrompt->setText(QStringLiteral("Skriv ditt namn."));
    m_nameEnter->setText(QStringLiteral("Tryck Enter."));
    const QFontMetrics fm(m_namePrompt->font());
    const int nameWidth =
        std::min(W - 4 * u, std::max(fm.horizontalAdvance(QStringLiteral("Avbryt med Escape.")),
                                     fm.horizontalAdvance(QLatin1String("MMMMMMMMMMMM"))) +
                                4 * u);
    const int nameLine = fm.height();
    const int editHeight = Edit1->sizeHint().height();
    const int nameHeight = 2 * nameLine + editHeight + 3 * u;
    Panel3->setGeometry((W - nameWidth - u) / 2, top + u, nameWidth + u, nameHeight + u);
    Panel4->setGeometry(u / 2, u / 2, nameWidth, nameHeight);
    m_namePrompt->setGeometry(u, u / 2, nameWidth - 2 * u, nameLine);
    m_nameEnter->setGeometry(u, u / 2 + nameLine, nameWidth - 2 * u, nameLine);
    Edit1->setGeometry(u, 2 * nameLine + u, nameWidth - 2 * u, editHeight);

    // The picture panel between the title box and the track, the praise panel above the
    // track.
    BildPanelen->setGeometry(u / 2, top + 2, W - u, Panel1->y() - top - 4);
    const int praiseHeight = H * 5 / 48;
    LovordPanel->setGeometry(u / 2, Panel1->y() - praiseHeight, W - u, praiseHeight);
    m_endPicture->setGeometry(0, 0, BildPanelen->width(),
                              std::max(0, BildPanelen->height() - praiseHeight));
}

void TFalska::layOutTrack()
{
    const int W = screen().width();
    const int u = unit();
    Label1->setFont(font(19));
    Label2->setFont(font(19));
    const int outerWidth = W - u;
    const int innerWidth = outerWidth - u;
    const int trackWidth = innerWidth - u;
    const int D =
        trackWidth - QFontMetrics(Label1->font()).horizontalAdvance(QStringLiteral("MMMMMMMM"));
    const int s = std::max(2, roundInt(D * 4 / 100.0));
    const int d = std::max(s + 1, roundInt(D * 5 / 100.0));
    Panel1->setGeometry(u / 2, Escapepanel->y() - (3 * s + 2 * u), outerWidth, 3 * s + 2 * u);
    MellanPanel->setGeometry(u / 2, u / 2, innerWidth, 3 * s + u);
    Panel2->setGeometry(u / 2, u / 2, trackWidth, 3 * s);
    for (int t = 1; t <= 2 * kTrack; ++t) {
        QFrame* sq = m_squares[static_cast<size_t>(t - 1)];
        const int left = trackWidth - (((40 - t) % 20) + 1) * d;
        const int top = t <= kTrack ? roundInt(3.0 * s / 11) - 2 : roundInt(18.0 * s / 11) - 2;
        sq->setGeometry(left, std::max(0, top), s, s);
    }
    // The names stand left of the rows, each centred in its half.
    const int nameRoom = m_squares[0]->x() - u - u / 2;
    Label1->adjustSize();
    look::fitFont(Label1, Label1->text(), QSize(nameRoom, 3 * s / 2));
    Label1->adjustSize();
    Label1->move(u, 3 * s / 2 + (3 * s / 2 - Label1->height()) / 2);
    Label2->setProperty("room", nameRoom);
}

// ---- The name --------------------------------------------------------------------------------

void TFalska::Edit1KeyPress()
{
    const QByteArray name =
        cp1252::fromUnicode(Edit1->text().trimmed()).left(Engine::kPlayerNameLength);
    if (name.isEmpty()) {
        nameReminder();
        return;
    }
    m_playing = true;
    m_engine.playerNames[0] = name;
    for (QPushButton* b : m_numbers)
        b->show();
    Panel3->hide();

    const int u = unit();
    const int s = Panel2->height() / 3;
    Label2->setText(cp1252::toUnicode(name));
    Label2->setFont(font(19));
    Label2->adjustSize();
    look::fitFont(Label2, Label2->text(), QSize(Label2->property("room").toInt(), 3 * s / 2));
    Label2->adjustSize();
    Label2->move(u, std::max(0, (3 * s / 2 - Label2->height()) / 2));
    Panel1->show();
    AntalPanel->show();
    setFocus();
    NyPost();
}

void TFalska::nameReminder()
{
    ++m_nameReminders;
    static const char* const texts[] = {"Ditt namn tack!", "Ditt namn tack!!", "Ditt namn tack!!!"};
    if (m_nameReminders <= 3)
        m_namePrompt->setText(QString::fromUtf8(texts[m_nameReminders - 1]));
    else if (m_nameReminders <= 100)
        m_namePrompt->setText(QStringLiteral("Avbryt med Escape."));
}

// ---- Five new rows ---------------------------------------------------------------------------

void TFalska::NyPost()
{
    Engine& e = m_engine;
    NextPanel->hide();
    SpeedPanel1->hide();
    for (QLabel* l : m_reveals)
        l->hide();
    m_rightNumber = 0;
    m_counts.fill(false);
    for (int i = 0; i < kRows; ++i) {
        const auto r = static_cast<size_t>(i);
        if (CacheSlot* slot = e.currentCacheSlot()) {
            e.item.currentItemNumber =
                static_cast<quint16>(e.haemta_slumptal(slot->nextDraw, e.item.cacheSlot));
            e.haemtaord(e.item.currentFileName, e.item.currentItemNumber);
        }
        e.str_postarray(e.item.currentItemLine);
        const QByteArray word = e.item.fields[1];
        if (e.item.fields[2].trimmed().toUpper() == m_marker) {
            m_counts[r] = true;
            ++m_rightNumber;
        }
        m_words[r]->setText(cp1252::toUnicode(word));
        m_words[r]->adjustSize();
        // What the row reads as once revealed: the word with its right translation, or the
        // noun with its final s in red.
        QByteArray reveal = word;
        QByteArray red;
        if (duel()) {
            if (m_counts[r] && !word.isEmpty()) {
                reveal = word.left(word.size() - 1);
                red = "s";
            }
        } else if (!m_counts[r]) {
            const qsizetype eq = word.indexOf('=');
            reveal = (eq >= 0 ? word.left(eq + 1) : word + " =") + ' ';
            red = e.item.fields[3];
        }
        m_reveals[r]->setText(cp1252::toUnicode(reveal));
        m_reveals[r]->adjustSize();
        m_red[r]->setText(cp1252::toUnicode(red));
        m_red[r]->adjustSize();
        // The reveal text keeps its closing blank in its width: the red part follows it.
        m_red[r]->move(m_reveals[r]->geometry().right() + 1, m_reveals[r]->y());
    }
    m_answerDue = true;
    setNumbersEnabled(true);
    Panel1->show();
    AntalPanel->show();
    VisTexterna(true);
    SvarsTexterna(false);
    InstruktionsLabel->show();
    InstruktionsLabel2->show();
}

void TFalska::VisTexterna(bool show)
{
    for (QLabel* l : m_words)
        l->setVisible(show);
}

void TFalska::SvarsTexterna(bool show)
{
    for (QLabel* l : m_red)
        l->setVisible(show && !l->text().isEmpty());
}

void TFalska::setNumbersEnabled(bool on)
{
    for (QPushButton* b : m_numbers)
        b->setEnabled(on);
}

// ---- The answer ------------------------------------------------------------------------------

void TFalska::chooseNumber(int number)
{
    // A number counts once per five rows: not on the revealed five, not after the end.
    if (!m_answerDue || number < 0 || number > 5)
        return;
    m_chosenNumber = number;
    Kollasvar();
}

void TFalska::light(int firstTag, int lastTag)
{
    for (int t = firstTag; t <= lastTag; ++t) {
        QFrame* sq = m_squares[static_cast<size_t>(t - 1)];
        sq->setStyleSheet(squareStyle(sq->objectName(), true));
        sq->setProperty("lit", true);
    }
}

void TFalska::Kollasvar()
{
    m_answerDue = false;
    m_gameOver = false;
    const bool right = m_chosenNumber == m_rightNumber;
    if (right) {
        light(m_pupilScore + 1, std::min(m_pupilScore + m_rightNumber, kTrack));
        m_pupilScore += m_rightNumber;
    } else {
        const int side = AntalPanel->height();
        SpeedPanel1->move(m_rightNumber * side, 0);
        SpeedPanel1->setText(QString::number(m_rightNumber));
        SpeedPanel1->show();
        SpeedPanel1->raise();
        light(m_computerScore + kTrack + 1,
              std::min(m_computerScore + m_rightNumber + kTrack, 2 * kTrack));
        m_computerScore += m_rightNumber;
    }
    if (m_computerScore >= kTrack) {
        m_gameOver = true;
        m_pupilWon = false;
    }
    if (m_pupilScore >= kTrack) {
        m_gameOver = true;
        m_pupilWon = true;
    }
    setNumbersEnabled(false);

    // The reveal: the false friends with their right translations, or the nouns whose s is
    // pronounced [z] with that s in red.
    for (int i = 0; i < kRows; ++i) {
        const auto r = static_cast<size_t>(i);
        const bool reveals = duel() ? m_counts[r] : !m_counts[r];
        if (!reveals)
            continue;
        m_words[r]->hide();
        m_reveals[r]->show();
        m_red[r]->setVisible(!m_red[r]->text().isEmpty());
    }

    if (m_gameOver)
        Avslutning();
    else if (right)
        NyPost();
    else
        NextPanel->show();
}

void TFalska::NextPanelClick()
{
    if (NextPanel->isVisible() && !Escapepanel->isVisible())
        NyPost();
}

// ---- The end of a game -----------------------------------------------------------------------

void TFalska::showEndPicture()
{
    const QString name = cp1252::toUnicode(m_engine.playerNames[0]);
    m_endPicture->setFont(font(40));
    m_endPicture->setText(QStringLiteral("%1  %2 \u2013 %3  Computer")
                              .arg(name)
                              .arg(std::min(m_pupilScore, kTrack))
                              .arg(std::min(m_computerScore, kTrack)));
    look::fitFont(m_endPicture, m_endPicture->text(), m_endPicture->size());
    BildPanelen->show();
    BildPanelen->raise();
}

void TFalska::Avslutning()
{
    showEndPicture();
    // The game's own words whenever a practice game ends; the praise files are chosen by the
    // right count of a round, which this game does not keep.
    if (m_engine.session.mode == SessionMode::Practice) {
        const QByteArray name = m_engine.playerNames[0];
        const QByteArray line =
            m_pupilWon ? QByteArray("Congratulations " + name + " !")
                       : QByteArray("Sorry, " + name + ". You lost against the computer.");
        LovordPanel->show();
        LovordPanel->raise();
        LovordPanel->RitaLovord(cp1252::toUnicode(line), unit());
    } else {
        LovordPanel->hide();
    }
    showBar();
    Button4->setFocus();
}

void TFalska::showBar()
{
    Escapepanel->show();
    Escapepanel->raise();
}

// ---- Pause, continue, leave ------------------------------------------------------------------

void TFalska::Button3Click()
{
    Escapepanel->hide();
    if (m_gameOver) {
        SvarsTexterna(false);
        BildPanelen->hide();
        LovordPanel->hide();
        m_pupilScore = m_computerScore = 0;
        for (QFrame* sq : m_squares) {
            sq->setStyleSheet(squareStyle(sq->objectName(), false));
            sq->setProperty("lit", false);
        }
        m_gameOver = false;
        NyPost();
    }
    // The numbers come back only while five rows wait for their answer: the revealed five,
    // with the right number marked, is not answered again.
    setNumbersEnabled(m_answerDue);
    setFocus();
}

void TFalska::Button4Click()
{
    accept();
}

void TFalska::reject()
{
    if (!m_playing || Escapepanel->isVisible()) {
        accept();
        return;
    }
    setNumbersEnabled(false);
    showBar();
    Button3->setFocus();
}

void TFalska::keyPressEvent(QKeyEvent* event)
{
    if (!m_playing) {
        QDialog::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        reject();
        return;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_5) {
        if (m_numbers[0]->isEnabled())
            chooseNumber(key - Qt::Key_0);
        return;
    }
    if (key == Qt::Key_N && NextPanel->isVisible()) {
        NextPanelClick();
        return;
    }
    if (Escapepanel->isVisible() &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        QDialog::keyPressEvent(event);
        return;
    }
    // Every other key is the window's: none reaches a button by accident.
}

} // namespace vindra
