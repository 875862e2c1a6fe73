#include "diktamen.h"

#include "engine/catalogue.h"
#include "engine/cp1252.h"
#include "framework/aster.h"
#include "framework/formtimer.h"
#include "framework/look.h"

#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace vindra {

namespace {

constexpr int kMinExposure = 100;
constexpr int kMaxExposure = 3000;
constexpr int kExposureStep = 100;
/// Items from this number on have no recording (three digits in the file name).
constexpr int kFirstSilentItem = 1000;

QLabel* makeLabel(const QString& name, QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    return l;
}

/// The help texts of an item: the consecutive non-empty fields from field 3 on, shifted by
/// the alternatives the line has, up to field 5, a field that begins with "&" ending them.
int helpFieldCount(const ItemState& item)
{
    int count = 0;
    for (int i = 3 + item.alternativesCount; i <= 5 && i <= item.fieldCount; ++i) {
        const QByteArray& f = item.fields[static_cast<size_t>(i)];
        if (f.isEmpty() || f.startsWith('&'))
            break;
        ++count;
    }
    return count;
}

} // namespace

TDiktam::TDiktam(Engine& engine, const Services& services, QWidget* parent)
    : ExerciseForm(engine, services, parent)
{
    setObjectName(QStringLiteral("Diktam"));
    FrageLabel1 = makeLabel(QStringLiteral("FrageLabel1"), this);
    FrageLabel2 = makeLabel(QStringLiteral("FrageLabel2"), this);

    Edit1 = new AnswerBox(QStringLiteral("Edit1"), this);
    Edit1->setAccessibleName(QStringLiteral("Answer"));
    Edit1->setMaxLength(catalogue::limits::kAnswerBoxLength);
    // The box has no context menu: its entries would offer nothing.
    Edit1->setContextMenuPolicy(Qt::NoContextMenu);
    connect(Edit1, &AnswerBox::answered, this, &TDiktam::Edit1KeyPress);
    connect(Edit1, &AnswerBox::pauseRequested, this, &TDiktam::pause);
    connect(Edit1, &QLineEdit::textChanged, this, &TDiktam::Edit1Change);

    Label4 = makeLabel(QStringLiteral("Label4"), this);
    Label5 = makeLabel(QStringLiteral("Label5"), this);
    Label5->setStyleSheet(look::colourStyle(look::kMaroon));
    Label6 = makeLabel(QStringLiteral("Label6"), this);
    Label6->setStyleSheet(look::colourStyle(look::kNavy));
    for (QLabel* l : {Label4, Label5, Label6})
        l->hide();
    BlinkLabel = makeLabel(QStringLiteral("BlinkLabel"), this);
    BlinkLabel->setStyleSheet(look::colourStyle(look::kNavy));
    BlinkLabel->hide();

    auto makeButton = [this](const QString& name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setFont(font(16, false));
        return b;
    };
    BitBtn2 = makeButton(QStringLiteral("BitBtn2"), QStringLiteral("&Help"));
    BitBtn2->hide();
    connect(BitBtn2, &QPushButton::clicked, this, &TDiktam::BitBtn2Click);
    lampknapp = makeButton(QStringLiteral("lampknapp"), QStringLiteral("?"));
    lampknapp->setToolTip(QStringLiteral("Show if letter is wrong"));
    lampknapp->setAccessibleName(QStringLiteral("Show if letter is wrong"));
    lampknapp->hide();
    connect(lampknapp, &QPushButton::clicked, this, &TDiktam::LampknappClick);
    LampShape =
        new Lamp(QStringLiteral("LampShape"), QStringLiteral("Click here for disappearing"), this);
    connect(LampShape, &Lamp::pressed, this, &TDiktam::LampShapeMouseDown);

    UpprepaButton =
        makeButton(QStringLiteral("UpprepaButton"), QStringLiteral("&Repeat the word  -- F2"));
    BaraHoraButton = makeButton(QStringLiteral("BaraHoraButton"), QStringLiteral("Only &hear"));
    BaraseordetButton =
        makeButton(QStringLiteral("BaraseordetButton"), QStringLiteral("Only &see"));
    SeochHoraButton =
        makeButton(QStringLiteral("SeochHoraButton"), QStringLiteral("&Both see and hear"));
    connect(UpprepaButton, &QPushButton::clicked, this, &TDiktam::UpprepaButtonClick);
    connect(BaraHoraButton, &QPushButton::clicked, this, &TDiktam::BaraHoraButtonClick);
    connect(BaraseordetButton, &QPushButton::clicked, this, &TDiktam::BaraseordetButtonClick);
    connect(SeochHoraButton, &QPushButton::clicked, this, &TDiktam::SeochHoraButtonClick);

    TidSpinButton = new QFrame(this);
    TidSpinButton->setObjectName(QStringLiteral("TidSpinButton"));
    m_timeUp = new QToolButton(TidSpinButton);
    m_timeUp->setObjectName(QStringLiteral("TidSpinButtonUp"));
    m_timeUp->setArrowType(Qt::UpArrow);
    m_timeUp->setAccessibleName(QStringLiteral("Longer exposure"));
    m_timeDown = new QToolButton(TidSpinButton);
    m_timeDown->setObjectName(QStringLiteral("TidSpinButtonDown"));
    m_timeDown->setArrowType(Qt::DownArrow);
    m_timeDown->setAccessibleName(QStringLiteral("Shorter exposure"));
    connect(m_timeUp, &QToolButton::clicked, this, &TDiktam::TidSpinButtonUpClick);
    connect(m_timeDown, &QToolButton::clicked, this, &TDiktam::TidSpinButtonDownClick);
    SeTidPanel = makeLabel(QStringLiteral("SeTidPanel"), this);
    SeTidPanel->setAlignment(Qt::AlignCenter);
    SeTidPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SeTidPanel->setAutoFillBackground(true);
    SeIntervalLabel = makeLabel(QStringLiteral("SeIntervalLabel"), this);
    SeIntervalLabel->setText(QStringLiteral("Exposure time:"));

    m_blinkTimer = new FormTimer(
        QStringLiteral("BlinkTimer"), [this] { BlinkTimerTimer(); }, this);
    Timer5 = new FormTimer(
        QStringLiteral("Timer5"), [this] { Timer5Timer(); }, this);
}

QByteArray TDiktam::rightAnswer() const
{
    return m_engine.item.fields[1];
}

QWidget* TDiktam::answerFocus() const
{
    return Edit1;
}

bool TDiktam::spokenWords() const
{
    return m_engine.settings.SOUNDS == 1 || m_engine.settings.SOUNDS == 3;
}

TDiktam::Presentation TDiktam::presentation() const
{
    if (!m_buttons)
        return OnlyHear;
    const int p = m_engine.session.dictationMode;
    return p == OnlySee ? OnlySee : p == SeeAndHear ? SeeAndHear : OnlyHear;
}

// ---- Creation --------------------------------------------------------------------------------

void TDiktam::placeQuestionArea()
{
    const int u = unit();
    const int left = InstruktionsLabel->x();
    const int insTop = InstruktionsLabel->y();
    const int insHeight = InstruktionsLabel->height();
    for (QLabel* l : {FrageLabel1, FrageLabel2, Label5, Label6, BlinkLabel}) {
        l->setFont(font(19, true));
        l->setText(QStringLiteral("Xg"));
        l->adjustSize();
        l->clear();
    }
    FrageLabel1->move(left, insTop + 2 * insHeight);
    FrageLabel2->move(left, FrageLabel1->y() + FrageLabel1->height() * 4 / 3);
    Edit1->setFont(font(19, true));
    Edit1->move(left, FrageLabel2->y() + FrageLabel2->height() * 3 / 2);
    Edit1->resize(20 * u, Edit1->sizeHint().height());
    BlinkLabel->move(left, Edit1->y() - BlinkLabel->height() * 3 / 2);
    Label5->move(left, Edit1->geometry().bottom() + 1 + u / 2);
    Label6->move(left, Label5->y() + 2 * Label5->height());
    placeLamp();

    const QRect headerBox = header().geometry();
    BitBtn2->setGeometry(headerBox.right() + 2 * u, u, 12 * u, 3 * u);

    // The presentation row stands just above the button bar, the repeat button above it, and
    // the exposure time at the row's right end.
    const QFont buttonFont = font(16, false);
    const QFontMetrics fm(buttonFont);
    const int h = fm.height() + 12;
    const int rowY = Panel1->y() - h - u / 2;
    auto widthOf = [&](QPushButton* b) {
        return fm.horizontalAdvance(b->text().remove(QLatin1Char('&'))) + 2 * u;
    };
    int x = left;
    for (QPushButton* b : {BaraHoraButton, BaraseordetButton, SeochHoraButton}) {
        b->setFont(buttonFont);
        b->setGeometry(x, rowY, widthOf(b), h);
        x += b->width() + u;
    }
    UpprepaButton->setFont(buttonFont);
    UpprepaButton->setGeometry(left, rowY - h - u / 2, widthOf(UpprepaButton), h);
    TidSpinButton->setGeometry(x + u, rowY, 2 * u, h);
    m_timeUp->setGeometry(0, 0, 2 * u, h / 2);
    m_timeDown->setGeometry(0, h / 2, 2 * u, h - h / 2);
    SeTidPanel->setFont(buttonFont);
    SeTidPanel->setGeometry(TidSpinButton->x(), rowY - h - u / 2, 3 * u, h);
    SeIntervalLabel->setFont(buttonFont);
    SeIntervalLabel->adjustSize();
    SeIntervalLabel->move(SeTidPanel->x() - SeIntervalLabel->width() - u / 2,
                          SeTidPanel->y() + (h - SeIntervalLabel->height()) / 2);

    m_engine.GeLjudDirectory();
    UpprepaButton->setEnabled(false);
    m_buttons = catalogue::dictationPresentationButtons(code());
    m_lampOffered = m_buttons && mode() == SessionMode::Practice;
    m_lampOn = false;
    const bool asking = mode() != SessionMode::Worksheet;
    for (QWidget* w :
         {static_cast<QWidget*>(BaraHoraButton), static_cast<QWidget*>(BaraseordetButton),
          static_cast<QWidget*>(SeochHoraButton)})
        w->setVisible(m_buttons && asking);
    UpprepaButton->setVisible(asking);
    lampknapp->setVisible(m_lampOffered);
    LampShape->hide();
    m_exposure = kMinExposure;
    showExposure(asking && presentation() != OnlyHear);

    if (!asking) {
        Edit1->setEnabled(false);
        Edit1->hide();
    }
}

void TDiktam::placeLamp()
{
    const int u = unit();
    lampknapp->setGeometry(Edit1->geometry().right() + u, Edit1->y(), 2 * u, Edit1->height());
    LampShape->setGeometry(lampknapp->geometry().right() + u, Edit1->y(), Edit1->height(),
                           Edit1->height());
}

void TDiktam::showExposure(bool on)
{
    SeTidPanel->setText(QString::number(m_exposure / 100));
    for (QWidget* w : {static_cast<QWidget*>(TidSpinButton), static_cast<QWidget*>(SeTidPanel),
                       static_cast<QWidget*>(SeIntervalLabel)})
        w->setVisible(on);
}

// ---- Items -----------------------------------------------------------------------------------

void TDiktam::NollaLabeller()
{
    FrageLabel2->clear();
    for (QLabel* l : {Label4, Label5, Label6}) {
        l->clear();
        l->hide();
    }
    Edit1->clear();
    BitBtn2->hide();
    stopFlash();
    Timer5->setInterval(0);
}

void TDiktam::showItem()
{
    UpprepaButton->setEnabled(false);
    const ItemState& item = m_engine.item;
    if (mode() == SessionMode::Practice) {
        lampknapp->setEnabled(true);
        const int help = helpFieldCount(item);
        if (help == 1 || help == 2) {
            Label6->setText(text(item.fields[3]));
            Label6->adjustSize();
            BitBtn2->show();
        }
    }
    setHelpUsed(0);
    FrageLabel1->clear();
    FrageLabel2->clear();
    Label5->setText(text(rightAnswer()));
    Label5->adjustSize();
    BlinkLabel->setText(Label5->text());
    BlinkLabel->adjustSize();

    // The box hints at the length of the word.
    const int room = Aster1->x() - Edit1->x() - 6 * unit() - Edit1->height();
    Edit1->resize(std::clamp(Label5->width() + 60, 4 * unit(), std::max(4 * unit(), room)),
                  Edit1->height());
    placeLamp();

    if (mode() == SessionMode::Worksheet) {
        Label5->show();
        Label4->hide();
        return;
    }
    Edit1->setEnabled(true);
    Edit1->show();
    Label4->show();
    if (!firstItem())
        Edit1->setFocus();
    if (presentation() == OnlySee) {
        flash();
    } else if (presentation() == SeeAndHear) {
        Edit1->clear();
        flash();
    }
    if (spokenWords())
        UpprepaButton->setEnabled(true);
    startAutomaticPresentation();
}

// ---- Presenting the word ---------------------------------------------------------------------

void TDiktam::startAutomaticPresentation()
{
    m_autoTicks = 0;
    const bool automatic = spokenWords() && code() >= 51011 && code() <= 52022;
    Timer5->setEnabled(true);
    Timer5->setInterval(automatic ? 2 : 0);
}

void TDiktam::Timer5Timer()
{
    if (!Timer5->isRunning())
        return;
    if (++m_autoTicks < m_engine.settings.TIMESHOWINGCORRECTANSWER)
        return;
    // Stopped before the word is presented: a missing recording opens a message box, and the
    // timer must not present the word again while that box waits.
    Timer5->setInterval(0);
    if (m_round.answerDue())
        present();
}

void TDiktam::present()
{
    switch (presentation()) {
    case OnlyHear:
        Ljudet();
        break;
    case OnlySee:
        flash();
        break;
    case SeeAndHear:
        Ljudet();
        Edit1->clear();
        flash();
        break;
    }
}

void TDiktam::Ljudet()
{
    const ItemState& item = m_engine.item;
    const int number =
        m_round.state().correctionRound ? item.reAskedItemNumber : item.currentItemNumber;
    if (number < 1 || number >= kFirstSilentItem || !spokenWords())
        return;
    m_engine.SpelaUppWavLjud(catalogue::itemSoundFile(m_engine.soundPrefix, number));
}

void TDiktam::flash()
{
    BlinkLabel->setText(text(rightAnswer()));
    BlinkLabel->adjustSize();
    if (Edit1->hasFocus())
        setFocus();
    Edit1->setEnabled(false);
    BlinkLabel->show();
    m_blinkTimer->setEnabled(true);
    m_blinkTimer->setInterval(m_exposure);
}

void TDiktam::stopFlash()
{
    m_blinkTimer->setInterval(0);
    BlinkLabel->hide();
}

void TDiktam::BlinkTimerTimer()
{
    stopFlash();
    reopenAnswerBox();
}

void TDiktam::reopenAnswerBox()
{
    // Only an item that waits for its answer opens the box: not the right-answer display,
    // not a pause, not the end of the round, and not while the word is flashed.
    if (!m_round.answerDue() || Panel1->isVisible() || m_blinkTimer->isRunning())
        return;
    Edit1->show();
    Edit1->setEnabled(true);
    Edit1->setFocus();
}

void TDiktam::setPresentation(Presentation p)
{
    m_engine.session.dictationMode = p;
    showExposure(p != OnlyHear);
    reopenAnswerBox();
}

void TDiktam::BaraHoraButtonClick()
{
    setPresentation(OnlyHear);
}

void TDiktam::BaraseordetButtonClick()
{
    setPresentation(OnlySee);
}

void TDiktam::SeochHoraButtonClick()
{
    setPresentation(SeeAndHear);
}

void TDiktam::UpprepaButtonClick()
{
    if (!m_round.answerDue() || Panel1->isVisible())
        return;
    present();
    reopenAnswerBox();
}

void TDiktam::TidSpinButtonUpClick()
{
    if (m_exposure < kMaxExposure)
        m_exposure += kExposureStep;
    showExposure(true);
}

void TDiktam::TidSpinButtonDownClick()
{
    if (m_exposure > kMinExposure)
        m_exposure -= kExposureStep;
    showExposure(true);
}

void TDiktam::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        if (spokenWords() && presentation() != OnlySee && m_round.answerDue() &&
            !Panel1->isVisible())
            Ljudet();
        return;
    }
    ExerciseForm::keyPressEvent(event);
}

// ---- The answer ------------------------------------------------------------------------------

void TDiktam::Edit1KeyPress()
{
    if (!m_round.answerDue())
        return;
    setAnswerActive(false);
    const bool ok = m_engine.svarstest(rightAnswer(), cp1252::fromUnicode(Edit1->text()), 3) ==
                    Engine::kAnswerRight;
    if (!ok)
        Label5->show();
    answerChecked(ok);
}

void TDiktam::setAnswerActive(bool on)
{
    if (on && m_blinkTimer->isRunning())
        return; // the box opens when the flash is over
    ExerciseForm::setAnswerActive(on);
    if (on && spokenWords())
        UpprepaButton->setEnabled(true);
}

void TDiktam::roundComplete()
{
    if (spokenWords())
        m_engine.stopSound();
    Timer5->setInterval(0);
    stopFlash();
    lampknapp->setEnabled(false);
    UpprepaButton->setEnabled(false);
}

void TDiktam::paused()
{
    m_engine.stopSound();
    Timer5->setInterval(0);
    stopFlash();
    lampknapp->setEnabled(false);
    ExerciseForm::setAnswerActive(false); // nothing is answered while the bar is shown
    ExerciseForm::paused();
}

void TDiktam::setHelpEnabled(bool on)
{
    BitBtn2->setEnabled(on);
}

void TDiktam::BitBtn2Click()
{
    Label6->show();
    BitBtn2->hide();
    if (Edit1->isVisible() && Edit1->isEnabled())
        Edit1->setFocus();
}

// ---- The lamp --------------------------------------------------------------------------------

void TDiktam::newRoundControls(bool)
{
    FrageLabel2->show();
    if (!m_lampOffered) {
        lampknapp->hide();
        LampShape->hide();
        return;
    }
    lampknapp->setVisible(!m_lampOn);
    LampShape->setVisible(m_lampOn);
}

void TDiktam::rensa()
{
    if (!m_lampOffered)
        return;
    lampknapp->setVisible(!m_lampOn);
    lampknapp->setEnabled(true);
}

void TDiktam::colourLamp()
{
    LampShape->showGood(
        m_engine.GreenRedTest(cp1252::fromUnicode(Edit1->text()), rightAnswer(), 3) == 1);
}

void TDiktam::LampknappClick()
{
    lampknapp->hide();
    m_lampOn = !m_lampOn;
    if (!m_lampOn) {
        LampShape->hide();
        return;
    }
    LampShape->show();
    if (Edit1->isEnabled())
        Edit1->setFocus();
    if (colorsLamp(mode()))
        colourLamp();
}

void TDiktam::Edit1Change()
{
    if (LampShape->isVisible() && colorsLamp(mode()))
        colourLamp();
}

void TDiktam::LampShapeMouseDown()
{
    LampShape->hide();
    m_lampOn = false;
    if (m_lampOffered)
        lampknapp->show();
}

// ---- Worksheet mode --------------------------------------------------------------------------

void TDiktam::worksheetItemLines(const QByteArray& prefix, WorksheetSend)
{
    // A dictation sheet: a line to write on, and the word in the answer key.
    m_engine.worksheet.add(prefix + QByteArray(40, '_'), prefix + rightAnswer());
}

} // namespace vindra
